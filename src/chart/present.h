#pragma once
// The texts of a computed chart, in the language asked for (profile/language_texts.h): every
// text a front end shows is made here, from the language file's words, with English for any
// word the language lacks. English is the default and the command line's JSON.
#include <optional>
#include <string>

#include "chart/chart_result.h"
#include "chart/result_texts.h"
#include "profile/language_texts.h"
#include "request/entry_checks.h"

namespace kalodaya {

ResultTexts Present(const ChartResult& result, Language language = Language::En);

// The same, written into `texts` (reusing its strings' storage, as a batch of charts does).
void PresentInto(const ChartResult& result, ResultTexts& texts,
                 Language language = Language::En);

// "August 15, 1990": a date as the chart's messages and printed pages write it.
std::string DateWords(const DateTime& date, Language language = Language::En);

// "21:25, March 4, 1980": a clock time with its date.
std::string ClockOnDateText(const std::string& clock, const DateTime& date,
                            Language language = Language::En);

// "28 Vir 42": a longitude as the position table writes it, with the language's sign code.
std::string PositionText(double longitude, Language language = Language::En);

// The birth's date, clock time and zone and the sun times, as the printed pages write them.
struct BirthTimeTexts {
    std::string date;     // "August 15, 1990"
    std::string isoDate;  // "1990-08-15", for file names
    std::string clock;    // "10:30:00"
    std::string zone;   // "UTC+05:30"; ", daylight saving time" follows when the clock ran ahead
    // The birth date's sunrise, "05:49", its own date following when the zone put it on
    // another ("21:25, March 4, 1980"); the reference sunrise always with its date.
    std::string sunrise, referenceSunrise;
    // "Time Elapsed :" since the reference sunrise, or "Time To Sunrise :" when a birth after
    // sunset counts to the next one; "4 h 41 min (11.71 ghatis)".
    std::string elapsedCaption, elapsed;
};
// Only for a chart with a ghati lagna's reference sunrise (no polar outcome).
BirthTimeTexts PresentBirthTimes(const ChartResult& result, Language language = Language::En);

// "Classic: 19 Can 35, 0°44′ apart, about 35 s of birth time": the classic ghati lagna, the arc
// between the two to the minute, and the birth time the arc stands for at 1.25° a minute.
std::string ClassicComparisonText(const GhatiLagna& modern, const GhatiLagna& classic,
                                  Language language = Language::En);

// Which time the chart assumes for a birth in a city that kept its own time, for the zone
// line, the chart's "place" record and the printed page: "Bombay kept Bombay Time (UTC+04:51)
// until 1955; this chart assumes Indian Standard Time (UTC+05:30), the tz database's offset.
// Choose Bombay Time if the birth time was written in city time." None for other places.
std::optional<std::string> CityTimeNote(const AtlasPlace& place);
// The same for a row of the printed page: "IST, not Bombay Time (UTC+04:51)", or "Bombay Time
// (UTC+04:51)" when the chart takes it.
std::optional<std::string> CityTimeRowText(const AtlasPlace& place);

// "The Sun does not rise or set at this place on June 25, 1990, so the Ghati Lagna cannot be
// computed."
std::string PolarMessage(const PolarOutcome& polar, Language language = Language::En);

// A failed entry check's message in the language (the failure holds the English one).
std::string CheckMessage(const EntryCheckFailure& failure, Language language);

}  // namespace kalodaya
