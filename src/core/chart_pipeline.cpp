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

// Sunrise and sunset of one date with the birth's place, zone and clock hour, into `slots`.
SunDay ComputeSunEvents(const BirthData& b, const DateTime& date, std::array<DateTime, 3>& slots) {
    return {date, SunRiseSet(date.Month(), date.Day(), date.Year(), b.BirthHour, b.BirthMinute,
                             b.LatDeg, b.LatMin, b.IsSouth, b.LonDeg, b.LonMin, b.IsEast,
                             b.ZoneHours, b.ZoneMinutes, b.IsDST, slots)};
}

// One of the three dates every request computes: the events go into SunEvents as the call
// leaves them, and `rise` and `set` receive them at their own local date and time.
SunDay ComputeSunDay(AppState& state, const DateTime& date, DateTime& rise, DateTime& set) {
    const SunDay day = ComputeSunEvents(state.birth, date, state.chart.SunEvents);
    // An event the call could not compute gets no value rather than the slot's old one, which
    // belongs to another date or an earlier request (the outcome says which events failed).
    rise = day.status.sunriseOk ? day.status.sunrise : DateTime();
    set = day.status.sunsetOk ? day.status.sunset : DateTime();
    return day;
}

// The birth's days by their distance from the birth date. The birth date and its two
// neighbours come computed; a farther day is computed when the choice first needs it (its
// events can fall a whole day away from its date when the zone is far from the place's
// longitude), leaving SunEvents as the request's three calls left it.
class SunDays {
public:
    SunDays(const BirthData& birth, const std::array<SunDay, 3>& computed) : birth_(birth) {
        days_[kFarthest] = computed[0];
        days_[kFarthest - 1] = computed[1];
        days_[kFarthest + 1] = computed[2];
    }

    static constexpr int kFarthest = 3;  // more than any zone and longitude can need

    const SunDay& At(int offset) {
        auto& day = days_[offset + kFarthest];
        if (!day) {
            std::array<DateTime, 3> scratch{};
            day = ComputeSunEvents(birth_, days_[kFarthest]->date.AddDays(offset), scratch);
        }
        return *day;
    }

private:
    const BirthData& birth_;
    std::array<std::optional<SunDay>, 2 * kFarthest + 1> days_;
};

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

// Chooses the reference sunrise and the time elapsed since it, from the events at their own
// local dates. A birth between the birth date's sunrise and sunset counts from that sunrise; a
// birth before it from the latest sunrise before the birth; a birth after that sunset counts
// the time remaining until the first sunrise after the birth, unless a later day's sunrise has
// already come, when the birth belongs to that day (counted from its sunrise) or to the night
// after it. Returns false, with the polar message set, when the choice needs a sun event that
// could not be computed.
bool ChooseReferenceSunrise(AppState& state, SunDays& days, ChartOutcome& outcome) {
    ChartState& c = state.chart;
    auto polar = [&](const DateTime& date, bool sunset = false) {
        outcome.polar = true;
        outcome.polarDate = date;
        outcome.polarSunset = sunset;
        outcome.polarMessage = "The Sun does not rise or set at this place on " +
                               DateWords(date) +
                               ", so the Ghati Lagna cannot be computed.";
        return false;
    };
    const DateTime moment = c.BirthMoment;
    const SunDay* refDay = nullptr;
    bool remaining = false;  // the count runs from the birth to a later sunrise

    const SunDay& birthDay = days.At(0);
    if (!birthDay.status.sunriseOk) return polar(birthDay.date);
    if (moment >= birthDay.status.sunrise) {
        if (!birthDay.status.sunsetOk) return polar(birthDay.date, true);
    }
    if (moment >= birthDay.status.sunrise && moment <= birthDay.status.sunset) {
        refDay = &birthDay;
    } else if (moment < birthDay.status.sunrise) {
        for (int offset = -1; offset >= -SunDays::kFarthest && !refDay; --offset) {
            const SunDay& day = days.At(offset);
            if (!day.status.sunriseOk) return polar(day.date);
            if (day.status.sunrise <= moment) refDay = &day;
        }
    } else {
        for (int offset = 1; offset <= SunDays::kFarthest && !refDay; ++offset) {
            const SunDay& day = days.At(offset);
            if (!day.status.sunriseOk) return polar(day.date);
            if (day.status.sunrise > moment) {
                refDay = &day;
                remaining = true;
            } else {
                // This day has begun before the birth: a birth in its daylight counts from its
                // sunrise, a birth after its sunset looks on to the next day's sunrise.
                if (!day.status.sunsetOk) return polar(day.date, true);
                if (moment <= day.status.sunset) refDay = &day;
            }
        }
    }
    // Three days either way cover every zone and longitude; should none qualify, the chart
    // is not computed rather than counted from a sunrise on the wrong side of the birth.
    if (!refDay) return polar(birthDay.date);

    const DateTime ref = refDay->status.sunrise;
    if (remaining) {
        c.ElapsedMinutes = static_cast<int32_t>(DateTime::MinutesBetween(moment, ref));
        c.ElapsedSeconds = static_cast<int32_t>(DateTime::SecondsBetween(moment, ref));
    } else {
        c.ElapsedMinutes = static_cast<int32_t>(std::llabs(DateTime::MinutesBetween(ref, moment)));
        c.ElapsedSeconds = static_cast<int32_t>(std::llabs(DateTime::SecondsBetween(ref, moment)));
    }
    SetReferenceTexts(c, ref);
    c.RefSunriseDstApplied = refDay->status.dstApplied;
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
    SunDays sunDays(b, days);
    if (!ChooseReferenceSunrise(state, sunDays, outcome)) {
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
