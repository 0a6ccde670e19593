#include "chart_checks.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <functional>

#include "astro/sunrise.h"

namespace kalodaya::sweep {
namespace {

bool TwoDigits(const std::string& t, size_t at, int max) {
    if (!std::isdigit(static_cast<unsigned char>(t[at])) ||
        !std::isdigit(static_cast<unsigned char>(t[at + 1])))
        return false;
    return (t[at] - '0') * 10 + (t[at + 1] - '0') <= max;
}

// The sun events of the birth date and the three days either side, at their own local dates,
// computed here afresh with the birth's place, zone and clock hour.
constexpr int kReach = 3;
using SunWeek = std::array<SunEventStatus, 2 * kReach + 1>;

SunWeek ComputeSunWeek(const LocalBirth& b) {
    SunWeek week;
    const DateTime birthDate = DateTime::FromCivil(b.year, b.month, b.day);
    for (int k = -kReach; k <= kReach; ++k) {
        const DateTime date = birthDate.AddDays(k);
        week[k + kReach] = ComputeSunEvents(date.Year(), date.Month(), date.Day(), b.hour,
                                            b.minute, b.place, b.zone, b.daylight);
    }
    return week;
}

// Neighbouring days' events take the daylight hour of the birth's clock hour evaluated on
// their own date, so around the April and October changes a day's events can be on another
// clock than the birth time: counts against them may be an hour longer.
constexpr int64_t kDaylightHourMinutes = 60;

void CheckReferenceSunrise(const ChartResult& c, const SunWeek& week,
                           const std::function<void(bool, const std::string&)>& expect) {
    const DateTime& birth = c.birthMoment;
    const DateTime& ref = c.referenceSunrise;
    expect(c.elapsedMinutes >= 0 && c.elapsedSeconds >= 0,
           "elapsed minutes " + std::to_string(c.elapsedMinutes) + ", seconds " +
               std::to_string(c.elapsedSeconds));

    // The reference is the sunrise of one of the days, as that day has it.
    int refDay = -1;
    for (int i = 0; i < static_cast<int>(week.size()); ++i)
        if (week[i].sunriseOk && week[i].sunrise == ref) refDay = i;
    expect(refDay >= 0, "reference sunrise " + ref.Iso() + " is no day's sunrise");
    if (refDay < 0) return;

    // Counted from the reference to the birth, or from the birth up to a later reference.
    const bool since = ref <= birth;
    const int64_t minutes =
        since ? DateTime::MinutesBetween(ref, birth) : DateTime::MinutesBetween(birth, ref);
    const int64_t seconds =
        since ? DateTime::SecondsBetween(ref, birth) : DateTime::SecondsBetween(birth, ref);
    expect(c.elapsedMinutes == minutes && c.elapsedSeconds == seconds,
           "elapsed " + std::to_string(c.elapsedMinutes) + " min does not match the reference " +
               ref.Iso());

    // At most the time between the reference and the neighbouring sunrise on the other side of
    // the birth (no fixed 1,440: near the polar circles sunrises can be more than a day apart).
    const int neighbour = since ? refDay + 1 : refDay - 1;
    if (neighbour >= 0 && neighbour < static_cast<int>(week.size()) && week[neighbour].sunriseOk) {
        const int64_t interval = std::llabs(DateTime::MinutesBetween(ref, week[neighbour].sunrise));
        expect(c.elapsedMinutes <= interval + kDaylightHourMinutes,
               "elapsed " + std::to_string(c.elapsedMinutes) + " min, sunrises " +
                   std::to_string(interval) + " min apart");
    }

    // No sunrise lies between the reference and the birth: the latest before the birth, or
    // the first after it.
    for (const SunEventStatus& day : week) {
        if (!day.sunriseOk || day.sunrise == ref) continue;
        const bool between = since ? (day.sunrise > ref && day.sunrise <= birth)
                                   : (day.sunrise >= birth && day.sunrise < ref);
        expect(!between, "sunrise " + day.sunrise.Iso() + " lies between the reference " +
                             ref.Iso() + " and the birth");
    }

    // A birth in a day's daylight counts from that day's sunrise, and no further than its
    // sunset.
    for (const SunEventStatus& day : week) {
        if (!day.sunriseOk || !day.sunsetOk || birth < day.sunrise || birth > day.sunset) continue;
        expect(ref == day.sunrise,
               "daytime birth counted from " + ref.Iso() + ", not from " + day.sunrise.Iso());
        expect(c.elapsedMinutes <= DateTime::MinutesBetween(day.sunrise, day.sunset),
               "elapsed " + std::to_string(c.elapsedMinutes) + " min beyond the day's sunset");
    }

    // Time remaining is counted only for a night birth after the birth date's sunset.
    const SunEventStatus& birthDay = week[kReach];
    expect(since || (birthDay.sunsetOk && birth > birthDay.sunset),
           "time remaining counted for a birth before the birth date's sunset");
}

}  // namespace

bool IsPositionText(const std::string& t) {
    return t.size() == 9 && TwoDigits(t, 0, 29) && t[2] == ' ' && SignIndexOfPosition(t) &&
           t[6] == ' ' && TwoDigits(t, 7, 59);
}

std::vector<std::string> CheckChart(const ChartOutcome& outcome) {
    std::vector<std::string> problems;
    auto expect = [&](bool ok, const std::string& what) {
        if (!ok) problems.push_back(what);
    };
    if (outcome.failure) {
        problems.push_back("entry check failed: " + outcome.failure->message);
        return problems;
    }
    const ChartResult& c = outcome.result;
    const ResultTexts& t = outcome.texts;
    for (double value : {c.longitude[Asc], c.longitude[Moon], c.moonNakshatraStart,
                         c.ayanamsaCorrection})
        expect(std::isfinite(value), "a birth-moment value is not finite");
    for (int k = 0; k < kBodyCount; ++k)
        expect(IsPositionText(t.planet[k]), "position text \"" + t.planet[k] + "\"");

    const SunWeek week = ComputeSunWeek(c.request.birth);
    if (c.polar) {
        expect(!t.polarMessage.empty(), "polar outcome without a message");
        bool anyFailed = false;
        for (const SunEventStatus& day : week) anyFailed |= !day.sunriseOk || !day.sunsetOk;
        expect(anyFailed, "polar outcome while every sun event of the week exists");
        return problems;
    }
    expect(c.ghatiLagna.has_value(), "no ghati lagna");
    if (!c.ghatiLagna) return problems;
    expect(std::isfinite(c.sunAtSunrise) && std::isfinite(c.ghatiLagna->longitude),
           "a sunrise value is not finite");
    expect(IsPositionText(t.sunAtSunrise), "sun at sunrise \"" + t.sunAtSunrise + "\"");
    const int sign = c.ghatiLagna->sign;
    expect(sign >= 0 && sign < kSignCount, "ghati lagna sign");
    CheckReferenceSunrise(c, week, expect);
    if (sign >= 0 && sign < kSignCount)
        expect(t.markers[sign].find("GL") != std::string::npos, "no GL marker");
    return problems;
}

}  // namespace kalodaya::sweep
