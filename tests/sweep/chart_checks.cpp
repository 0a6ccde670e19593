#include "chart_checks.h"

#include <cctype>
#include <cmath>

namespace kalodaya::sweep {
namespace {

bool TwoDigits(const std::string& t, size_t at, int max) {
    if (!std::isdigit(static_cast<unsigned char>(t[at])) ||
        !std::isdigit(static_cast<unsigned char>(t[at + 1])))
        return false;
    return (t[at] - '0') * 10 + (t[at + 1] - '0') <= max;
}

}  // namespace

bool IsPositionText(const std::string& t) {
    return t.size() == 9 && TwoDigits(t, 0, 29) && t[2] == ' ' && SignIndexOfPosition(t) &&
           t[6] == ' ' && TwoDigits(t, 7, 59);
}

std::vector<std::string> CheckChart(const AppState& s, const ChartOutcome& outcome) {
    std::vector<std::string> problems;
    auto expect = [&](bool ok, const std::string& what) {
        if (!ok) problems.push_back(what);
    };
    if (outcome.failure) {
        problems.push_back("entry check failed: " + outcome.failure->message);
        return problems;
    }
    const ChartState& c = s.chart;
    for (double value : {c.AscDeg, c.MoonSidereal, c.MoonNakshatraStart,
                         s.ephemeris.AyanamsaCorrection})
        expect(std::isfinite(value), "a birth-moment value is not finite");
    for (int k = 0; k < kBodyCount; ++k)
        expect(IsPositionText(s.view.planet[k]), "position text \"" + s.view.planet[k] + "\"");

    if (outcome.polar) {
        expect(!outcome.polarMessage.empty(), "polar outcome without a message");
        return problems;
    }
    expect(std::isfinite(c.SunAtSunrise) && std::isfinite(c.GhatiLagnaDeg),
           "a sunrise value is not finite");
    expect(IsPositionText(c.SunAtSunriseText), "sun at sunrise \"" + c.SunAtSunriseText + "\"");
    expect(c.GhatiLagnaSign >= 0 && c.GhatiLagnaSign < kSignCount, "ghati lagna sign");
    expect(c.ElapsedMinutes >= 0 && c.ElapsedMinutes <= 1440,
           "elapsed minutes " + std::to_string(c.ElapsedMinutes));
    // A birth after sunset counts the time remaining until the next sunrise; every other birth
    // counts from a sunrise at or before it.
    const bool afterSunset = c.BirthMoment > c.Sunset && c.RefSunrise == c.NextSunrise;
    expect(afterSunset || c.RefSunrise <= c.BirthMoment, "reference sunrise after the birth");
    expect(!afterSunset || c.RefSunrise > c.BirthMoment, "next sunrise not after the birth");
    expect(s.view.markers[c.GhatiLagnaSign].find("GL") != std::string::npos, "no GL marker");
    return problems;
}

}  // namespace kalodaya::sweep
