// The arudha padas and the hidden lagnas, and where they push the "GL" line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/app_state.h"
#include "core/result_texts.h"
#include "lagna/lagna_math.h"
#include "lagna/longitude_sign.h"
#include "lagna/special_lagnas.h"

namespace kalodaya {
namespace {

constexpr const char* kLine = "\r\n";

std::string Lines(int emptyBefore, bool gl = false, int emptyAfter = 0) {
    std::string s;
    for (int i = 0; i < emptyBefore; ++i) s += kLine;
    if (gl) s += std::string(kLine) + "GL";
    for (int i = 0; i < emptyAfter; ++i) s += kLine;
    return s;
}

int MarkerLines(const ResultTexts& view) {
    int n = 0;
    for (const auto& cell : view.markers)
        for (std::size_t i = 0; i + 1 < cell.size(); ++i)
            n += cell[i] == '\r' && cell[i + 1] == '\n';
    return n;
}

// The pipeline's step 13 with its step-11 reset: houses 1 to 12 from the ascendant's sign.
void ArudhaPass(AppState& state) {
    state.lagna.HouseCounter = 0;
    state.lagna.LagnaLordSignNo = 0;
    state.lagna.AscSignNo = 0;
    const int first = SignIndexOfPosition(state.chart.PlanetPosText[Asc]).value_or(0);
    for (int n = 0; n < kSignCount; ++n) {
        const int sign = (first + n) % kSignCount;
        PlaceArudhaPada(state, sign, kSignLords[sign]);
    }
}

// The worked example's birth-moment positions.
void SetWorkedExampleBirth(AppState& state, bool saturnRetrograde) {
    LoadTables(state);
    ChartState& c = state.chart;
    c.PlanetPosText = {"28 Can 31", "18 Tau 54", "25 Leo 34", "07 Can 59", "27 Ari 37",
                       "05 Can 46", "26 Sag 10", "11 Cap 50", "11 Can 50", "28 Vir 42"};
    if (saturnRetrograde) c.PlanetNames[Saturn] = "Saturn (R) ";
    c.AscDeg = 178.71281;
    c.AscDegInt = 178;
    c.MoonSidereal = 48.90825;
    c.MoonNakshatraStart = 39.99;
}

// Step 22 and 23 inputs: the Sun at the reference sunrise, 281 minutes, 16860 seconds.
void SetWorkedExampleSunrise(AppState& state) {
    ChartState& c = state.chart;
    c.SunAtSunrise = 118.3435;
    c.SunAtSunriseText = "28 Can 20";
    c.PlanetPosText[Sun] = "28 Can 20";
    c.ElapsedMinutes = 281;
    c.ElapsedSeconds = 16860;
}

// Every marker line of the worked example, worked out by hand from the arudha and hidden-lagna rules:
// arudha pass (houses 1..12 from Virgo): Can + Leo (lagna lord), Cap, Vir, Aqu, house 5 and 6
// (Sco, Lib; with a retrograde Saturn Lib, Sag), Sco, Cap, Vir, Lib, Pis, Gem; then GL in Can;
// hora Sag, bhava Lib, kala-count Can, varnada Cap, Moon Tau, Sun Can, sree Tau, pranapada Sco.
std::array<std::string, kSignCount> WorkedExampleMarkers(bool saturnRetrograde) {
    std::array<std::string, kSignCount> m;
    m[0] = "";
    m[1] = Lines(2);                         // Moon, sree lagna
    m[2] = Lines(1);                         // house 12
    m[3] = Lines(1, true, 2);                // house 1, GL, kala-count lagna, Sun
    m[4] = Lines(1);                         // lagna lord of house 1
    m[5] = Lines(2);                         // houses 3 and 9
    m[6] = Lines(3);                         // house 6 or 5, house 10, bhava lagna
    m[7] = Lines(saturnRetrograde ? 2 : 3);  // (house 5), house 7, pranapada
    m[8] = Lines(saturnRetrograde ? 2 : 1);  // (house 6), hora lagna
    m[9] = Lines(3);                         // houses 2 and 8, varnada lagna
    m[10] = Lines(1);                        // house 4
    m[11] = Lines(1);                        // house 11
    return m;
}

TEST(SpecialLagnas, KalaBySignTable) {
    const int expected[] = {10, 1, 1, 10, 6, 10, 8, 16, 30, 8, 10, 6};
    for (int s = 1; s <= 12; ++s) EXPECT_EQ(KalaBySign(s), expected[s - 1]) << s;
    EXPECT_EQ(KalaBySign(0), 0);
    EXPECT_EQ(KalaBySign(13), 0);
}

TEST(SpecialLagnas, WorkedExampleHoraAndBhavaLagnas) {
    const double hora = HoraLagnaLongitude(118.3435, 281);
    EXPECT_NEAR(hora, 258.8435, 1e-9);
    EXPECT_EQ(SignOfLongitude(hora).label, "18 Sag 50");
    const double bhava = BhavaLagnaLongitude(118.3435, 281);
    EXPECT_NEAR(bhava, 188.5935, 1e-9);
    EXPECT_EQ(SignOfLongitude(bhava).label, "08 Lib 35");
    // Varnada: ascendant 178 (Virgo, an even sign), hora 258 (Sagittarius, odd): 360 - 76.
    EXPECT_DOUBLE_EQ(VarnadaLagnaLongitude(178, 258), 284);
    // Sree: 178.71281 + 8.91825 x 27.
    EXPECT_NEAR(SreeLagnaLongitude(178.71281, 48.90825, 39.99), 59.50556, 1e-9);
}

TEST(SpecialLagnas, Vighati2DegreeParts) {
    const PranaParts p = Vighati2Degree(16860 / 3600.0 * 150 / 15);  // 46.8333...
    EXPECT_DOUBLE_EQ(p.signs, 3);
    // 0.8333... x 30 is 25 up to rounding: 25 0' or 24 59' 59"; both carry the same sign.
    EXPECT_TRUE((p.deg == 25 && p.min == 0) || (p.deg == 24 && p.min == 59))
        << p.deg << " " << p.min;
    const PranaParts q = Vighati2Degree(-17.5);  // |x|: 17, 15 degrees
    EXPECT_DOUBLE_EQ(q.signs, 1);
    EXPECT_DOUBLE_EQ(q.deg, 15);
    EXPECT_DOUBLE_EQ(q.min, 0);
    EXPECT_DOUBLE_EQ(q.sec, 0);
}

TEST(SpecialLagnas, WorkedExampleMarkersInOrder) {
    for (const bool retro : {false, true}) {
        AppState state;
        SetWorkedExampleBirth(state, retro);
        ArudhaPass(state);
        EXPECT_EQ(MarkerLines(state.view), 13);
        EXPECT_EQ(state.lagna.AscSignNo, 6);
        EXPECT_EQ(state.lagna.LagnaLordSignNo, 5);  // Mercury in Leo
        EXPECT_EQ(state.lagna.AscKala, 10);
        EXPECT_EQ(state.lagna.MoonKala, 1);
        EXPECT_EQ(state.lagna.HouseSignNo, 17);  // unreduced: 6 + 11

        SetWorkedExampleSunrise(state);
        PlaceGhatiLagna(state);
        PlaceHiddenLagnas(state);
        EXPECT_EQ(state.chart.GhatiLagnaSign, 3);
        EXPECT_EQ(state.chart.GhatiLagnaText, "19 Can 35");
        EXPECT_EQ(state.lagna.AscSignNo, 4);  // 6 + 11 - 1 = 16, less 12
        EXPECT_DOUBLE_EQ(state.lagna.PranaSigns, 4);
        const auto expected = WorkedExampleMarkers(retro);
        for (int i = 0; i < kSignCount; ++i)
            EXPECT_EQ(state.view.markers[i], expected[i]) << "retro " << retro << " cell " << i;
        EXPECT_EQ(MarkerLines(state.view), 22);
    }
}

TEST(SpecialLagnas, HouseOneWithItsLordInTheAscendantsSign) {
    AppState state;
    LoadTables(state);
    state.chart.PlanetPosText = {"05 Leo 00", "10 Tau 00", "12 Vir 00", "20 Lib 00", "05 Ari 00",
                                 "01 Sag 00", "02 Cap 00", "03 Aqu 00", "03 Leo 00", "10 Ari 00"};
    PlaceArudhaPada(state, 0, "Mars");  // house 1: Aries, its lord Mars in Aries
    EXPECT_EQ(state.lagna.HouseCounter, 1);
    EXPECT_EQ(state.lagna.LordSignNo, 1);
    EXPECT_EQ(state.lagna.LagnaLordSignNo, 1);
    // D = 0 becomes 9: the pada falls in the tenth sign from Aries, Capricorn; the lagna lord's
    // marker follows in Aries.
    EXPECT_EQ(state.view.markers[9], Lines(1));
    EXPECT_EQ(state.view.markers[0], Lines(1));
    EXPECT_EQ(MarkerLines(state.view), 2);
}

TEST(SpecialLagnas, SeventhFromTheHouseIsReplacedOnlyBelowHouseSignNineteen) {
    // House 1 in Aries, its lord Mars in Cancer: D = 6, 6 + 1 = 7 is the seventh from the
    // house and becomes the tenth from it, 16 -> 4: Cancer, where the lagna lord's marker also
    // goes.
    AppState state;
    LoadTables(state);
    state.chart.PlanetPosText = {"05 Can 00", "10 Tau 00", "12 Vir 00", "20 Lib 00", "05 Can 00",
                                 "01 Sag 00", "02 Cap 00", "03 Aqu 00", "03 Leo 00", "10 Ari 00"};
    PlaceArudhaPada(state, 0, "Mars");
    EXPECT_EQ(state.view.markers[3], Lines(2));
    EXPECT_EQ(MarkerLines(state.view), 2);

    // The same geometry with the unreduced HouseSignNo 8 (house 3 from Virgo) and 20 (house 11
    // from Capricorn), the lord (Venus) in Leo each time. Reduced, both houses lie in Scorpio
    // and the pada in Taurus is their seventh; the algorithm compares with the unreduced
    // number, so only the first is replaced.
    auto house = [](const char* asc, int housesBefore) {
        AppState s;
        LoadTables(s);
        s.chart.PlanetPosText = {"05 Can 00", "10 Tau 00", "12 Vir 00", "20 Leo 00", "05 Can 00",
                                 "01 Sag 00", "02 Cap 00", "03 Aqu 00", "03 Leo 00", asc};
        s.lagna.HouseCounter = static_cast<int16_t>(housesBefore);
        PlaceArudhaPada(s, 7, "Venus");
        return s;
    };
    const AppState third = house("10 Vir 00", 2);
    EXPECT_EQ(third.lagna.HouseSignNo, 8);
    // D = 2 x (5 - 8) = -6 -> 6; 6 + 8 = 14 -> 2; 2 - 8 = -6: replaced, 11: Aquarius.
    EXPECT_EQ(third.view.markers[10], Lines(1));
    EXPECT_EQ(MarkerLines(third.view), 1);

    const AppState eleventh = house("10 Cap 00", 10);
    EXPECT_EQ(eleventh.lagna.HouseSignNo, 20);
    // D = 2 x (5 - 20) = -30 -> 6; 6 + 20 = 26 -> 2; 2 - 20 = -18: not replaced, Taurus.
    EXPECT_EQ(eleventh.view.markers[1], Lines(1));
    EXPECT_EQ(MarkerLines(eleventh.view), 1);
}

TEST(SpecialLagnas, KalaCountLagnaOfSignZeroMarksNoCell) {
    AppState withCell;
    LoadTables(withCell);
    withCell.chart.PlanetPosText[Moon] = "10 Tau 00";
    withCell.chart.PlanetPosText[Sun] = "10 Tau 00";
    withCell.chart.SunAtSunriseText = "10 Tau 00";
    withCell.chart.SunAtSunrise = 40;
    withCell.lagna.AscSignNo = 1;
    withCell.lagna.AscKala = 10;
    withCell.lagna.MoonKala = 1;  // 11: sign number 1 + 11 - 1 = 11, Aquarius
    PlaceHiddenLagnas(withCell);
    EXPECT_EQ(withCell.lagna.AscSignNo, 11);
    EXPECT_EQ(MarkerLines(withCell.view), 8);

    AppState zero = withCell;
    zero.view = ResultTexts{};
    zero.lagna.AscSignNo = 1;
    zero.lagna.AscKala = 10;
    // A sum that is a multiple of 12: sign number 0. (With the ascendant in Aries no Moon sign
    // of the table gives one; the working state is set by hand.)
    zero.lagna.MoonKala = 14;
    PlaceHiddenLagnas(zero);
    EXPECT_EQ(zero.lagna.AscSignNo, 0);
    EXPECT_EQ(MarkerLines(zero.view), 7);
    EXPECT_EQ(zero.view.markers[10], withCell.view.markers[10].substr(2));
}

TEST(SpecialLagnas, SecondRequestWithARetrogradeLagnaLord) {
    AppState state;
    SetWorkedExampleBirth(state, false);
    ArudhaPass(state);
    // The last house of the first request is Leo, lord the Sun in Cancer.
    EXPECT_EQ(state.lagna.LordSignNo, 4);

    // Second request: ascendant in Aries, its lord Mars retrograde in Scorpio.
    state.view = ResultTexts{};
    LoadTables(state);
    state.chart.PlanetNames[Mars] = "Mars (R) ";
    state.chart.PlanetPosText = {"05 Gem 00", "10 Pis 00", "20 Gem 00", "15 Tau 00", "27 Sco 37",
                                 "05 Can 46", "26 Sag 10", "11 Cap 50", "11 Can 50", "10 Ari 00"};
    ArudhaPass(state);
    // "Mars (R) " is not "Mars": house 1 keeps LordSignNo 4 from the first request's last
    // house. D = 2 x (4 - 1) = 6, 6 + 1 = 7 is the seventh, replaced by 16 -> 4: Cancer, and
    // the lagna lord's marker also goes to Cancer, nothing to Scorpio from house 1.
    EXPECT_EQ(state.lagna.LagnaLordSignNo, 4);
    EXPECT_EQ(state.lagna.AscSignNo, 1);
    EXPECT_EQ(MarkerLines(state.view), 13);
    EXPECT_GE(std::count(state.view.markers[3].begin(), state.view.markers[3].end(), '\n'), 2);

    // The same second request with a direct Mars finds its lord in Scorpio.
    AppState direct;
    SetWorkedExampleBirth(direct, false);
    ArudhaPass(direct);
    direct.view = ResultTexts{};
    direct.chart.PlanetPosText = state.chart.PlanetPosText;
    ArudhaPass(direct);
    EXPECT_EQ(direct.lagna.LagnaLordSignNo, 8);
    EXPECT_NE(direct.view.markers, state.view.markers);
}

}  // namespace
}  // namespace kalodaya
