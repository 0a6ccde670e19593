#pragma once
// How sure a chart is: the clock times of birth between which its ghati lagna's sign, its
// ascendant's sign, its Moon's sign and the chart as a whole stay as they are, and the spans of
// one chart within a range of birth times. Every time here is a clock time in the request's own
// zone entry or exact offset and daylight box; every answer comes from ComputeChart itself, one
// whole second at a time, so a window's edges are exact to the second by the program's own
// computation.
#include <optional>
#include <string>
#include <vector>

#include "base/date_time.h"
#include "base/expected.h"
#include "chart/chart_result.h"
#include "request/chart_request.h"

namespace kalodaya {

// Why a window stops where it stops, when it is not a change of what it watches.
enum class WindowLimit {
    None,       // the next second differs
    Search,     // as far as the search goes (kWindowSearchHours, kMoonSearchDays)
    DateRange,  // the first or last clock time the program supports
    Polar,      // beyond it the Sun does not rise or set: there is no ghati lagna
};

inline constexpr int kWindowSearchHours = 12;  // each way: ghati lagna, ascendant, whole chart
inline constexpr int kMoonSearchDays = 3;      // each way: the Moon

struct TimeWindow {
    DateTime from, to;  // the first and the last clock time, both held, to the second
    int sign = -1;      // the sign the window holds (-1: the whole chart, or no sign)
    // The sign at from - 1 s and at to + 1 s; -1 where the window stops at a limit.
    int before = -1, after = -1;
    WindowLimit fromLimit = WindowLimit::None, toLimit = WindowLimit::None;
};

struct TimeWindows {
    // Nothing for a chart without a ghati lagna (polar): there is no chart to keep.
    std::optional<TimeWindow> ghatiLagna;
    TimeWindow ascendant, moon;
    std::optional<TimeWindow> chart;
};

// The windows around the birth of `result` (a chart ComputeChart made of its request).
TimeWindows FindTimeWindows(const ChartResult& result);

// The first and last clock times the program supports (the form's year list).
DateTime FirstSupportedTime();
DateTime LastSupportedTime();

// One span of a range of birth times in which the whole chart stays the same.
struct TimeRangeSpan {
    DateTime from, to;   // both held, to the second
    int ghatiLagna = -1;  // -1: no ghati lagna (polar)
    int ascendant = -1, moon = -1;
};

inline constexpr int kLongestTimeRangeHours = 24;

// The spans of the chart from `from` to `to` (both held), in order; or why the range cannot be
// searched: `to` before `from`, longer than kLongestTimeRangeHours, or outside the supported
// dates.
Expected<std::vector<TimeRangeSpan>, std::string> FindTimeRange(const ChartRequest& request,
                                                                const DateTime& from,
                                                                const DateTime& to);

}  // namespace kalodaya
