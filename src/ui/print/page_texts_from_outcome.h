#pragma once
// The page record of a computed chart: its texts, birth details and sun times, made from the
// chart's outcome here and nowhere else.
#include <optional>
#include <string>

#include "base/date_time.h"
#include "chart/chart_outcome.h"
#include "ui/print/chart_page_texts.h"

namespace kalodaya::ui::print {

struct SunriseTexts {
    LabelledText sunrise, referenceSunrise, timeElapsed;
};

// The sun times as the pages show them: the birth date's sunrise (with its date only when that
// differs from the birth's), the reference sunrise with its date, and the time between it and
// the birth. A birth after sunset whose count runs to the next sunrise is labelled as the time
// to that sunrise, not as time elapsed.
SunriseTexts FormatSunriseTexts(const DateTime& sunrise, const DateTime& referenceSunrise,
                                const DateTime& birthMoment, int elapsedMinutes);

// "UTC+05:30" from the zone offset (hours and minutes west of Greenwich, both with the same
// sign), noting daylight saving time when the clock was an hour ahead.
std::string FormatZoneText(int zoneHoursWest, int zoneMinutesWest, bool dst);

// "10:30:00" (the date is written by DateWords of chart/present.h).
std::string ClockText(const DateTime& moment, bool withSeconds);

// The page record of a computed chart. Only meaningful when no entry check failed and the Sun
// rose on the birth's reference day (outcome.Computed()).
ChartPageTexts PageTextsFromOutcome(const ChartOutcome& outcome);

// One chart computed from `request`: its pages, or the message the form would show (an entry
// check, or no sunrise).
struct PageRequest {
    std::optional<ChartPageTexts> texts;
    std::string message;
};
PageRequest RequestChartPages(const BirthRequest& request);

}  // namespace kalodaya::ui::print
