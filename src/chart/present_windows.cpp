#include "chart/present_windows.h"

#include <cstdio>
#include <cstdlib>

#include "base/tables.h"
#include "chart/present.h"

namespace kalodaya {
namespace {

std::string SignName(int sign) {
    return sign >= 0 && sign < kSignCount ? std::string(kSignNames[sign]) : std::string("-");
}

// "10:18:40", and ", August 14, 1990" after it when the date is not the birth's.
std::string ClockOn(const DateTime& t, const DateTime& birth) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.Hour(), t.Minute(), t.Second());
    std::string out(text);
    if (t.DateOnly() != birth.DateOnly()) out += ", " + DateWords(t);
    return out;
}

// "11 min 20 s", "2 h 0 min 5 s", "3 days 2 h 0 min 5 s": how far a window's edge lies from
// the birth.
std::string Distance(int64_t seconds) {
    seconds = std::llabs(seconds);
    const int64_t days = seconds / 86400, hours = seconds / 3600 % 24;
    const int64_t minutes = seconds / 60 % 60, secs = seconds % 60;
    char text[64];
    if (days > 0)
        std::snprintf(text, sizeof text, "%lld day%s %lld h %lld min %lld s",
                      static_cast<long long>(days), days == 1 ? "" : "s",
                      static_cast<long long>(hours), static_cast<long long>(minutes),
                      static_cast<long long>(secs));
    else if (hours > 0)
        std::snprintf(text, sizeof text, "%lld h %lld min %lld s", static_cast<long long>(hours),
                      static_cast<long long>(minutes), static_cast<long long>(secs));
    else
        std::snprintf(text, sizeof text, "%lld min %lld s", static_cast<long long>(minutes),
                      static_cast<long long>(secs));
    return text;
}

// Why an edge is where it is, when it is not a change.
std::string LimitNote(WindowLimit limit) {
    switch (limit) {
        case WindowLimit::Search:
            return " (as far as the search goes)";
        case WindowLimit::DateRange:
            return " (the end of the supported dates)";
        case WindowLimit::Polar:
            return " (beyond it the Sun does not rise or set)";
        case WindowLimit::None:
            break;
    }
    return {};
}

std::string WindowLine(const std::string& subject, const TimeWindow& w, const DateTime& birth) {
    return subject + " for births from " + ClockOn(w.from, birth) + LimitNote(w.fromLimit) +
           " to " + ClockOn(w.to, birth) + LimitNote(w.toLimit) + " (" +
           Distance(DateTime::SecondsBetween(w.from, birth)) + " before to " +
           Distance(DateTime::SecondsBetween(birth, w.to)) + " after " + ClockOn(birth, birth) +
           ")";
}

}  // namespace

TimeWindowTexts PresentTimeWindows(const TimeWindows& w, const DateTime& birth) {
    TimeWindowTexts t;
    if (w.ghatiLagna)
        t.ghatiLagna = WindowLine("Ghati lagna in " + SignName(w.ghatiLagna->sign), *w.ghatiLagna,
                                  birth);
    t.ascendant = WindowLine("Ascendant in " + SignName(w.ascendant.sign), w.ascendant, birth);
    t.moon = WindowLine("Moon in " + SignName(w.moon.sign), w.moon, birth);
    if (w.chart) t.chart = WindowLine("The whole chart stays the same", *w.chart, birth);
    return t;
}

std::vector<TimeRangeRowTexts> PresentTimeRange(const std::vector<TimeRangeSpan>& spans,
                                                const DateTime& birth) {
    std::vector<TimeRangeRowTexts> rows;
    rows.reserve(spans.size());
    for (const TimeRangeSpan& s : spans)
        rows.push_back({ClockOn(s.from, birth), ClockOn(s.to, birth), SignName(s.ghatiLagna),
                        SignName(s.ascendant), SignName(s.moon),
                        s.from <= birth && birth <= s.to});
    return rows;
}

std::string UncertaintyCaption() { return "Birth time uncertain by \xC2\xB1"; }
std::string UncertaintyUnit() { return "minutes"; }

}  // namespace kalodaya
