#include "chart/time_windows.h"

#include <algorithm>
#include <cstdint>

#include "base/entry_rules.h"
#include "chart/compute_chart.h"
#include "chart/reference_sunrise.h"

namespace kalodaya {
namespace {

// What a window watches.
enum class Watch { GhatiLagna, Ascendant, Moon, Chart };

// The charts of one request born at other clock times. Only the birth counts for the chart's
// numbers, so the name and the place's texts are not copied into every chart looked at; the
// sun events of a day are computed once for the whole search.
class Probe {
  public:
    explicit Probe(const ChartRequest& full) {
        lean_.birth = full.birth;
        lean_.zoneEntry = full.zoneEntry;
        lean_.settings = full.settings;
    }
    const ChartRequest& Request() const { return lean_; }

    ChartResult At(const DateTime& moment) {
        LocalBirth& b = lean_.birth;
        const DateTime::CivilDate date = moment.Date();
        b.year = date.year;
        b.month = date.month;
        b.day = date.day;
        b.hour = moment.Hour();
        b.minute = moment.Minute();
        b.second = moment.Second();
        return ComputeChart(lean_, memo_);
    }

  private:
    ChartRequest lean_;
    SunEventMemo memo_;
};

int GhatiLagnaSign(const ChartResult& r) { return r.HasGhatiLagna() ? r.ghatiLagna->sign : -1; }

// Everything the chart shows in its cells: the bodies' signs and retrograde marks (a marked
// name is another line), "GL" and the other markers.
bool SameChart(const ChartResult& a, const ChartResult& b) {
    return a.bodySign == b.bodySign && a.retrograde == b.retrograde &&
           a.marks.arudha == b.marks.arudha && a.marks.ghatiLagnaSign == b.marks.ghatiLagnaSign &&
           a.marks.hidden == b.marks.hidden;
}

// The ghati lagna and the whole chart need a reference sunrise; the ascendant and the Moon do
// not.
bool NeedsSunrise(Watch watch) { return watch == Watch::GhatiLagna || watch == Watch::Chart; }

int SignOf(Watch watch, const ChartResult& r) {
    switch (watch) {
        case Watch::GhatiLagna:
            return GhatiLagnaSign(r);
        case Watch::Ascendant:
            return r.bodySign[Asc];
        case Watch::Moon:
            return r.bodySign[Moon];
        case Watch::Chart:
            break;
    }
    return -1;
}

bool Same(Watch watch, const ChartResult& at, const ChartResult& other) {
    if (NeedsSunrise(watch) && other.polar) return false;
    if (watch == Watch::Chart) return SameChart(at, other);
    return SignOf(watch, at) == SignOf(watch, other);
}

// The coarse step of a search: short enough that what is watched cannot change and change back
// between two looks. The whole chart is looked at every second: its pranapada follows the
// seconds since sunrise and its carries can hold a cell for a single second. The ghati lagna
// moves a sign in 24 minutes, and only at a whole minute or at a new reference sunrise, so a
// look a minute sees each of its changes. The ascendant and the Moon move on one way (the
// Moon's sign lasts two days or more, the ascendant's many minutes; near the poles, where the
// ascendant can turn back, it is looked at every minute).
int64_t StepSeconds(Watch watch, const ChartRequest& request) {
    switch (watch) {
        case Watch::Chart:
            return 1;
        case Watch::GhatiLagna:
            return 60;
        case Watch::Ascendant:
            return request.birth.place.latDeg >= 60 ? 60 : 600;
        case Watch::Moon:
            return 4 * 3600;
    }
    return 1;
}

int64_t SearchSeconds(Watch watch) {
    return watch == Watch::Moon ? int64_t{kMoonSearchDays} * 86400
                                : int64_t{kWindowSearchHours} * 3600;
}

struct Edge {
    DateTime last;  // the last clock time that holds, going that way
    WindowLimit limit = WindowLimit::None;
    int beyond = -1;  // the sign one second past `last`, without a limit
};

// Walks from `start` (which holds) one way (direction +1 or -1) until `watch` changes, then
// bisects on whole seconds between the last look that held and the first that did not.
Edge FindEdge(Probe& probe, const ChartResult& at, Watch watch,
              const DateTime& start, int direction, const DateTime& birth) {
    const int64_t reach = SearchSeconds(watch);
    DateTime bound = birth.AddSeconds(direction * reach);
    WindowLimit boundLimit = WindowLimit::Search;
    const DateTime supported = direction > 0 ? LastSupportedTime() : FirstSupportedTime();
    if ((direction > 0 && bound >= supported) || (direction < 0 && bound <= supported)) {
        bound = supported;
        boundLimit = WindowLimit::DateRange;
    }
    const int64_t step = StepSeconds(watch, probe.Request());

    DateTime last = start;
    for (;;) {
        const int64_t left = std::llabs(DateTime::SecondsBetween(last, bound));
        if (left == 0) return {last, boundLimit, -1};
        const DateTime next = last.AddSeconds(direction * std::min(step, left));
        ChartResult beyond = probe.At(next);
        if (Same(watch, at, beyond)) {
            last = next;
            continue;
        }
        // `last` holds and `next` does not: the change lies in between.
        DateTime held = last, changed = next;
        while (std::llabs(DateTime::SecondsBetween(held, changed)) > 1) {
            const int64_t half = DateTime::SecondsBetween(held, changed) / 2;
            const DateTime middle = held.AddSeconds(half);
            ChartResult look = probe.At(middle);
            if (Same(watch, at, look)) {
                held = middle;
            } else {
                changed = middle;
                beyond = std::move(look);
            }
        }
        if (NeedsSunrise(watch) && beyond.polar) return {held, WindowLimit::Polar, -1};
        return {held, WindowLimit::None, SignOf(watch, beyond)};
    }
}

// The window of `watch` around the birth, searched from the span [from, to] already known to
// hold it.
TimeWindow FindWindow(Probe& probe, const ChartResult& at, Watch watch,
                      const DateTime& from, const DateTime& to) {
    const Edge earlier = FindEdge(probe, at, watch, from, -1, at.birthMoment);
    const Edge later = FindEdge(probe, at, watch, to, +1, at.birthMoment);
    TimeWindow w;
    w.from = earlier.last;
    w.to = later.last;
    w.sign = SignOf(watch, at);
    w.before = earlier.beyond;
    w.after = later.beyond;
    w.fromLimit = earlier.limit;
    w.toLimit = later.limit;
    return w;
}

}  // namespace

DateTime FirstSupportedTime() { return DateTime::FromCivil(entry_rules::kFirstYear, 1, 1); }

DateTime LastSupportedTime() {
    return DateTime::FromCivil(entry_rules::kLastYear, 12, 31, 23, 59, 59);
}

TimeWindows FindTimeWindows(const ChartResult& at) {
    Probe probe(at.request);
    const DateTime birth = at.birthMoment;
    TimeWindows windows;
    // Every other window holds the whole chart's: each is searched on from its edges.
    DateTime from = birth, to = birth;
    if (!at.polar) {
        windows.chart = FindWindow(probe, at, Watch::Chart, birth, birth);
        from = windows.chart->from;
        to = windows.chart->to;
        windows.ghatiLagna = FindWindow(probe, at, Watch::GhatiLagna, from, to);
    }
    windows.ascendant = FindWindow(probe, at, Watch::Ascendant, from, to);
    windows.moon = FindWindow(probe, at, Watch::Moon, from, to);
    return windows;
}

Expected<std::vector<TimeRangeSpan>, std::string> FindTimeRange(const ChartRequest& request,
                                                                const DateTime& from,
                                                                const DateTime& to) {
    if (to < from) return std::string("the range ends before it begins");
    if (DateTime::SecondsBetween(from, to) > int64_t{kLongestTimeRangeHours} * 3600)
        return std::string("the range is longer than 24 hours");
    if (from < FirstSupportedTime() || to > LastSupportedTime())
        return std::string("the range goes beyond the dates the program supports (1901 to 2050)");

    Probe probe(request);
    // Every second is looked at, as the whole chart's window is.
    std::vector<TimeRangeSpan> spans;
    DateTime start = from;
    ChartResult at = probe.At(start);
    for (DateTime t = from; t < to;) {
        t = t.AddSeconds(1);
        ChartResult next = probe.At(t);
        // A polar stretch is a span of its own: the chart without a ghati lagna.
        const bool same = at.polar ? next.polar && SameChart(at, next) : Same(Watch::Chart, at, next);
        if (same) continue;
        spans.push_back({start, t.AddSeconds(-1), GhatiLagnaSign(at), at.bodySign[Asc],
                         at.bodySign[Moon]});
        start = t;
        at = std::move(next);
    }
    spans.push_back({start, to, GhatiLagnaSign(at), at.bodySign[Asc], at.bodySign[Moon]});
    return spans;
}

}  // namespace kalodaya
