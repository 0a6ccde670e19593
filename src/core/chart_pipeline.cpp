#include "core/chart_pipeline.h"

#include <cstdlib>

#include "core/rendering.h"
#include "core/text_convert.h"
#include "ephemeris/ephemeris.h"
#include "lagna/special_lagnas.h"
#include "profile/sign_profile.h"
#include "time/retrograde.h"
#include "time/sunrise.h"
#include "time/zone_table.h"

namespace kalodaya {
namespace {

// Assigns a converted list or box text; a text that does not convert leaves the field as it was.
void AssignInteger(int16_t& field, const std::string& text) {
    if (const auto value = ToInteger(text)) field = static_cast<int16_t>(*value);
}

void FillBirthData(BirthData& b, const Entries& e) {
    b.BirthName = e.name;
    Zone_Calculation(e.zoneIndex, b);
    if (e.monthIndex >= 0 && e.monthIndex < 12) b.BirthMonth = static_cast<int16_t>(e.monthIndex + 1);
    AssignInteger(b.BirthDay, e.dayText);
    AssignInteger(b.BirthYear, e.yearText);
    AssignInteger(b.BirthHour, e.hourText);
    AssignInteger(b.BirthMinute, e.minuteText);
    b.ZoneHoursAbs = static_cast<int16_t>(std::abs(b.ZoneHours));
    b.ZoneMinutesAbs = static_cast<int16_t>(std::abs(b.ZoneMinutes));
    AssignInteger(b.LonDeg, e.lonDegText);
    AssignInteger(b.LonMin, e.lonMinText);
    AssignInteger(b.LatDeg, e.latDegText);
    AssignInteger(b.LatMin, e.latMinText);
    b.IsEast = e.east;
    b.IsSouth = !e.north;
    b.IsDST = e.dst;
}

void FillBirthTexts(BirthData& b, const Entries& e) {
    if (b.BirthMonth >= 1 && b.BirthMonth <= 12) b.BirthMonthName = kMonthNames[b.BirthMonth - 1];
    b.BirthDayText = TrimBlanks(e.dayText);
    b.BirthYearText = TrimBlanks(e.yearText);
    b.BirthHourText = e.hourText;
    b.BirthMinuteText = e.minuteText;
    b.BirthSecondText = e.secondText;
    b.BirthDateText = b.BirthMonthName + " " + IntText(b.BirthDay) + "," + IntText(b.BirthYear);
}

// The arudha pass: houses 1 to 12 counted from the ascendant's sign.
void ArudhaPass(AppState& state) {
    const int first = SignIndexOfPosition(state.chart.PlanetPosText[Asc]).value_or(0);
    for (int n = 0; n < kSignCount; ++n) {
        const int sign = (first + n) % kSignCount;
        PlaceArudhaPada(state, sign, kSignLords[sign]);
    }
}

std::string DateWords(const DateTime& date) {
    return std::string(kMonthNames[date.Month() - 1]) + " " + IntText(date.Day()) + ", " +
           IntText(date.Year());
}

struct SunDay {
    DateTime date;
    SunEventStatus status;
};

// Sunrise and sunset of one date with the birth's place, zone and clock hour.
SunDay ComputeSunDay(AppState& state, const DateTime& date, DateTime& rise, DateTime& set) {
    const BirthData& b = state.birth;
    auto& slots = state.chart.SunEvents;
    const SunEventStatus status =
        SunRiseSet(date.Month(), date.Day(), date.Year(), b.BirthHour, b.BirthMinute, b.LatDeg,
                   b.LatMin, b.IsSouth, b.LonDeg, b.LonMin, b.IsEast, b.ZoneHours, b.ZoneMinutes,
                   b.IsDST, slots);
    // An event the call could not compute gets no value rather than the slot's old one, which
    // belongs to another date or an earlier request (the outcome says which events failed).
    rise = status.sunriseOk ? slots[0] : DateTime();
    set = status.sunsetOk ? slots[1] : DateTime();
    return {date, status};
}

// Birth moment from its texts, to the second; a text that does not convert keeps the old value.
void SetBirthMoment(AppState& state) {
    const BirthData& b = state.birth;
    const auto day = ToInteger(b.BirthDayText), year = ToInteger(b.BirthYearText);
    const auto hour = ToInteger(b.BirthHourText), minute = ToInteger(b.BirthMinuteText);
    const auto second = ToInteger(b.BirthSecondText);
    if (!(day && year && hour && minute && second) || b.BirthMonth < 1 || b.BirthMonth > 12) return;
    state.chart.BirthMoment =
        DateTime::FromCivil(*year, b.BirthMonth, *day, *hour, *minute, *second);
}

void SetReferenceTexts(ChartState& c, const DateTime& ref) {
    c.RefSunrise = ref;
    c.RefSunriseDay = IntText(ref.Day());
    c.RefSunriseMonthName = kMonthNames[ref.Month() - 1];
    c.RefSunriseYear = IntText(ref.Year());
    c.RefSunriseHour = IntText(ref.Hour());
    c.RefSunriseMinute = IntText(ref.Minute());
}

// Chooses the reference sunrise and the time elapsed since it. Returns false, with the polar
// message set, when the choice needs a sun event that could not be computed.
bool ChooseReferenceSunrise(AppState& state, const std::array<SunDay, 3>& days,
                            ChartOutcome& outcome) {
    ChartState& c = state.chart;
    const SunDay& birthDay = days[0];
    auto polar = [&](const DateTime& date) {
        outcome.polar = true;
        outcome.polarMessage = "The Sun does not rise or set at this place on " +
                               DateWords(date) +
                               ", so the Ghati Lagna cannot be computed.";
        return false;
    };

    if (!birthDay.status.sunriseOk) return polar(birthDay.date);
    const DateTime moment = c.BirthMoment;
    DateTime ref;
    bool refDst = false;
    if (moment >= c.Sunrise) {
        if (!birthDay.status.sunsetOk) return polar(birthDay.date);
    }
    if (moment >= c.Sunrise && moment <= c.Sunset) {
        ref = c.Sunrise;
        refDst = birthDay.status.dstApplied;
        c.ElapsedMinutes = static_cast<int32_t>(std::llabs(DateTime::MinutesBetween(ref, moment)));
        c.ElapsedSeconds = static_cast<int32_t>(std::llabs(DateTime::SecondsBetween(ref, moment)));
    } else if (moment < c.Sunrise) {
        if (!days[1].status.sunriseOk) return polar(days[1].date);
        ref = c.PrevSunrise;
        refDst = days[1].status.dstApplied;
        c.ElapsedMinutes = static_cast<int32_t>(std::llabs(DateTime::MinutesBetween(ref, moment)));
        c.ElapsedSeconds = static_cast<int32_t>(std::llabs(DateTime::SecondsBetween(ref, moment)));
    } else {
        if (!days[2].status.sunriseOk) return polar(days[2].date);
        ref = c.NextSunrise;
        refDst = days[2].status.dstApplied;
        c.ElapsedMinutes = static_cast<int32_t>(DateTime::MinutesBetween(moment, ref));
        c.ElapsedSeconds = static_cast<int32_t>(DateTime::SecondsBetween(moment, ref));
    }
    SetReferenceTexts(c, ref);
    c.RefSunriseDstApplied = refDst;
    return true;
}

}  // namespace

ChartOutcome RequestChart(AppState& state, const Entries& entries) {
    ChartOutcome outcome;
    if (auto failure = ValidateInput(entries)) {
        outcome.failure = std::move(failure);
        return outcome;
    }
    BirthData& b = state.birth;
    ChartState& c = state.chart;

    FillBirthData(b, entries);
    c.AtSunrise = false;

    ComputeAscendant(state);
    ComputeMoon(state);
    ComputePlanets(state);
    MarkRetrogrades(state);

    RenderFirst(state, entries);
    state.lagna.HouseCounter = 0;
    state.lagna.LagnaLordSignNo = 0;
    c.SunAtSunrise = 0;
    state.lagna.AscSignNo = 0;
    RenderChartCells(state);
    ArudhaPass(state);

    FillBirthTexts(b, entries);
    const DateTime birthDate = DateTime::FromCivil(b.BirthYear, b.BirthMonth, b.BirthDay);
    const std::array<SunDay, 3> days = {
        ComputeSunDay(state, birthDate, c.Sunrise, c.Sunset),
        ComputeSunDay(state, birthDate.AddDays(-1), c.PrevSunrise, c.PrevSunset),
        ComputeSunDay(state, birthDate.AddDays(1), c.NextSunrise, c.NextSunset)};
    for (int i = 0; i < 3; ++i) {
        outcome.sunEventFailed[2 * i] = !days[i].status.sunriseOk;
        outcome.sunEventFailed[2 * i + 1] = !days[i].status.sunsetOk;
    }
    SetBirthMoment(state);
    c.AtSunrise = true;

    // Without its reference sunrise the chart has no ghati lagna: stop before anything is
    // built on another date's values, and drop the earlier request's profile so that nothing
    // of it can pass for this chart's.
    if (!ChooseReferenceSunrise(state, days, outcome)) {
        state.view.profile = {};
        state.view.profileSign.reset();
        return outcome;
    }

    ComputePlanets(state);
    PlaceGhatiLagna(state);
    PlaceHiddenLagnas(state);
    PresentSignProfile(state);
    return outcome;
}

}  // namespace kalodaya
