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

#include <string>
#include <vector>

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
    // The offset the chart used, "UTC+05:30"; with the daylight box the hour is included and
    // ", daylight saving time" follows ("UTC+03:00, daylight saving time").
    std::string zone;
    // Where the offset came from: the zone list's entry ("Indian Time, IST, +5.3") or
    // "Exact offset", with the place's IANA zone when the atlas gave it ("Asia/Kolkata").
    std::string zoneSource;
    // The birth date's sunrise, "05:49", its own date following when the zone put it on
    // another ("21:25, March 4, 1980"); the reference sunrise always with its date.
    std::string sunrise, referenceSunrise;
    // "Time Elapsed :" since the reference sunrise, or "Time To Sunrise :" when a birth after
    // sunset counts to the next one; "4 h 41 min (11.71 ghatis)".
    std::string elapsedCaption, elapsed;
    std::string ghatiLagna;  // "19 Can 35, Cancer"; empty without one
    // Notes on the clock time at an atlas place: a skipped or repeated hour, local mean time,
    // a city's own mean time; each a whole sentence.
    std::vector<std::string> clockNotes;
};
// Only for a chart with a ghati lagna's reference sunrise (no polar outcome).
BirthTimeTexts PresentBirthTimes(const ChartResult& result, Language language = Language::En);

// A caption and its value, as the results window's facts panel and the printed page show them.
struct LabelledLine {
    std::string caption, text;
    friend bool operator==(const LabelledLine&, const LabelledLine&) = default;
};

// The birth's facts in the panel's order: the moment, the offset used and where it came from,
// the sunrise, the reference sunrise, the time elapsed, the ghati lagna and the calculation
// settings.
std::vector<LabelledLine> BirthFactLines(const BirthTimeTexts& times, const ResultTexts& texts);

// "Classic: 19 Can 35, 0°44′ apart, about 35 s of birth time": the classic ghati lagna, the arc
// between the two to the minute, and the birth time the arc stands for at 1.25° a minute.
std::string ClassicComparisonText(const GhatiLagna& modern, const GhatiLagna& classic,
                                  Language language = Language::En);

// "The Sun does not rise or set at this place on June 25, 1990, so the Ghati Lagna cannot be
// computed."
std::string PolarMessage(const PolarOutcome& polar, Language language = Language::En);

// A failed entry check's message in the language (the failure holds the English one).
std::string CheckMessage(const EntryCheckFailure& failure, Language language);

}  // namespace kalodaya
