// The birth-time windows and ranges, checked second by second through the whole request
// pipeline (entry checks, ComputeChart) on random births: polar, southern, around midnight and
// around sunrise among them.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "chart/chart_outcome.h"
#include "chart/compute_chart.h"
#include "chart/time_windows.h"
#include "request/entry_checks.h"
#include "chart_test_support.h"

namespace kalodaya {
namespace {

using testing_support::WorkedExampleRequest;

BirthRequest At(BirthRequest r, const DateTime& t) {
    const DateTime::CivilDate d = t.Date();
    r.year = d.year;
    r.month = d.month;
    r.day = d.day;
    r.hour = t.Hour();
    r.minute = t.Minute();
    r.second = t.Second();
    return r;
}

// What each window watches, read off a chart the pipeline made.
struct Look {
    bool polar = false;
    int ghatiLagna = -1, ascendant = -1, moon = -1;
    std::string cells;  // every cell and marker text the chart shows
};

Look LookAt(const BirthRequest& r, const DateTime& t) {
    const ChartOutcome o = RequestChart(At(r, t));
    EXPECT_FALSE(o.failure) << t.Iso();
    Look look;
    look.polar = o.result.polar.has_value();
    look.ghatiLagna = o.result.HasGhatiLagna() ? o.result.ghatiLagna->sign : -1;
    look.ascendant = o.result.bodySign[Asc];
    look.moon = o.result.bodySign[Moon];
    for (const auto& cell : o.texts.signCells) look.cells += cell + "|";
    for (const auto& cell : o.texts.markers) look.cells += cell + "|";
    return look;
}

enum class Watched { GhatiLagna, Ascendant, Moon, Chart };

// The value a window keeps, as a text (a polar chart has no ghati lagna and no chart to keep).
std::string Kept(Watched w, const Look& l) {
    switch (w) {
        case Watched::GhatiLagna:
            return l.polar ? "polar" : std::to_string(l.ghatiLagna);
        case Watched::Ascendant:
            return std::to_string(l.ascendant);
        case Watched::Moon:
            return std::to_string(l.moon);
        case Watched::Chart:
            return l.polar ? "polar" : l.cells;
    }
    return {};
}

int SignKept(Watched w, const Look& l) {
    return w == Watched::GhatiLagna ? l.ghatiLagna : w == Watched::Ascendant ? l.ascendant : l.moon;
}

// Walks `seconds` whole seconds inside each edge and the one beyond it, and every `stride`
// seconds through the window; the window must hold the birth and keep its value throughout.
void CheckWindow(const BirthRequest& r, const TimeWindow& w, Watched watched, int seconds,
                 int stride, const std::string& what) {
    SCOPED_TRACE(what + " " + w.from.Iso() + " .. " + w.to.Iso());
    const DateTime birth = DateTime::FromCivil(r.year, r.month, r.day, r.hour, r.minute, r.second);
    ASSERT_LE(w.from, birth);
    ASSERT_GE(w.to, birth);
    const std::string kept = Kept(watched, LookAt(r, birth));
    if (watched != Watched::Chart) {
        EXPECT_EQ(w.sign, SignKept(watched, LookAt(r, birth)));
    }
    const int64_t length = DateTime::SecondsBetween(w.from, w.to);
    for (int64_t s = 0; s <= length;) {
        ASSERT_EQ(Kept(watched, LookAt(r, w.from.AddSeconds(s))), kept) << "inside, +" << s;
        const bool nearEdge = s < seconds || s >= length - seconds;
        s = nearEdge ? s + 1 : std::min<int64_t>(s + stride, std::max<int64_t>(length - seconds, s + 1));
    }
    ASSERT_EQ(Kept(watched, LookAt(r, w.to)), kept);

    const auto beyond = [&](const DateTime& t, WindowLimit limit, int sign, const char* side) {
        SCOPED_TRACE(side);
        if (limit == WindowLimit::Search || limit == WindowLimit::DateRange) return;
        const Look l = LookAt(r, t);
        EXPECT_NE(Kept(watched, l), kept);
        if (limit == WindowLimit::Polar) {
            EXPECT_TRUE(l.polar);
            EXPECT_EQ(sign, -1);
        } else if (watched != Watched::Chart) {
            EXPECT_EQ(sign, SignKept(watched, l));
        }
    };
    beyond(w.from.AddSeconds(-1), w.fromLimit, w.before, "before");
    beyond(w.to.AddSeconds(1), w.toLimit, w.after, "after");
    // A window stopped by the search reaches exactly as far as the search goes.
    const int64_t reach = watched == Watched::Moon ? kMoonSearchDays * 86400LL
                                                   : kWindowSearchHours * 3600LL;
    if (w.fromLimit == WindowLimit::Search) {
        EXPECT_EQ(w.from, birth.AddSeconds(-reach));
    }
    if (w.toLimit == WindowLimit::Search) {
        EXPECT_EQ(w.to, birth.AddSeconds(reach));
    }
}

void CheckAllWindows(const BirthRequest& r, const std::string& what) {
    const auto checked = CheckRequest(r);
    ASSERT_TRUE(checked) << what;
    const ChartResult result = ComputeChart(*checked);
    const TimeWindows w = FindTimeWindows(result);
    EXPECT_EQ(w.ghatiLagna.has_value(), !result.polar) << what;
    EXPECT_EQ(w.chart.has_value(), !result.polar) << what;
    if (w.chart) CheckWindow(r, *w.chart, Watched::Chart, 90, 1, what + " chart");
    if (w.ghatiLagna) CheckWindow(r, *w.ghatiLagna, Watched::GhatiLagna, 90, 7, what + " GL");
    CheckWindow(r, w.ascendant, Watched::Ascendant, 90, 61, what + " ascendant");
    CheckWindow(r, w.moon, Watched::Moon, 90, 1801, what + " moon");
}

BirthRequest RandomBirth(std::mt19937& rng, int kind) {
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    BirthRequest r = WorkedExampleRequest();
    r.year = pick(1902, 2049);
    r.month = pick(1, 12);
    r.day = pick(1, 28);
    r.hour = pick(0, 23);
    r.minute = pick(0, 59);
    r.second = pick(0, 59);
    r.latitude = {pick(0, 60), pick(0, 59), pick(0, 1) == 0};
    r.longitude = {pick(0, 179), pick(0, 59), pick(0, 1) == 0};
    r.zone = ZoneListEntry{pick(0, 70)};
    r.daylight = pick(0, 5) == 0;
    switch (kind) {
        case 1:  // southern
            r.latitude.north = false;
            break;
        case 2:  // around midnight
            r.hour = pick(0, 1) == 0 ? 23 : 0;
            r.minute = r.hour == 23 ? pick(45, 59) : pick(0, 15);
            break;
        case 3: {  // minutes from the birth date's sunrise
            const ChartOutcome o = RequestChart(r);
            if (const auto& sunrise = o.result.sunEvents[kSunrise]) {
                const DateTime t = sunrise->AddSeconds(pick(-300, 300));
                if (t.DateOnly() == sunrise->DateOnly()) r = At(r, t);
            }
            break;
        }
        case 4:  // high latitudes, near the polar day and night
            r.latitude = {pick(62, 72), pick(0, 59), pick(0, 1) == 0};
            r.month = pick(0, 1) == 0 ? pick(5, 7) : pick(11, 12);
            break;
        default:
            break;
    }
    return r;
}

TEST(TimeWindows, RandomBirthsHoldTheirEdgesSecondBySecond) {
    std::mt19937 rng(20261208);
    const char* kinds[] = {"any", "southern", "midnight", "sunrise", "polar"};
    for (int i = 0; i < 40; ++i) {
        const int kind = i % 5;
        const BirthRequest r = RandomBirth(rng, kind);
        const DateTime birth =
            DateTime::FromCivil(r.year, r.month, r.day, r.hour, r.minute, r.second);
        CheckAllWindows(r, std::string(kinds[kind]) + " " + birth.Iso() + " lat " +
                               std::to_string(*r.latitude.degrees) +
                               (r.latitude.north ? "N" : "S"));
        if (HasFatalFailure()) return;
    }
}

// Births whose windows meet a limit: the first supported date, a polar night, the search.
TEST(TimeWindows, WindowsStopAtTheirLimits) {
    struct Case {
        const char* what;
        int year, month, day, hour, minute, latDeg;
        bool north;
        WindowLimit moonFrom, moonTo;
    };
    const Case cases[] = {
        {"first supported date", 1901, 1, 1, 0, 5, 28, true, WindowLimit::DateRange,
         WindowLimit::None},
        {"last supported date", 2050, 12, 31, 23, 50, 28, true, WindowLimit::None,
         WindowLimit::DateRange},
    };
    for (const Case& c : cases) {
        BirthRequest r = WorkedExampleRequest(c.hour, c.minute);
        r.year = c.year;
        r.month = c.month;
        r.day = c.day;
        r.latitude = {c.latDeg, 0, c.north};
        const ChartResult result = ComputeChart(*CheckRequest(r));
        const TimeWindows w = FindTimeWindows(result);
        EXPECT_EQ(w.moon.fromLimit, c.moonFrom) << c.what;
        EXPECT_EQ(w.moon.toLimit, c.moonTo) << c.what;
        CheckAllWindows(r, c.what);
    }
}

TEST(TimeWindows, PolarChartHasNoGhatiLagnaWindow) {
    const BirthRequest r = testing_support::North75Request(6, 21);
    const ChartResult result = ComputeChart(*CheckRequest(r));
    ASSERT_TRUE(result.polar);
    const TimeWindows w = FindTimeWindows(result);
    EXPECT_FALSE(w.ghatiLagna);
    EXPECT_FALSE(w.chart);
    CheckAllWindows(r, "polar day");
}

// Second-by-second scans of a few ranges, compared span for span.
TEST(TimeRange, SpansMatchASecondBySecondScan) {
    struct Case {
        BirthRequest request;
        int fromHour, fromMinute, minutes;
    };
    BirthRequest south = WorkedExampleRequest();
    south.latitude = {33, 52, false};
    south.longitude = {151, 12, true};
    south.zone = ZoneListEntry{60};
    const Case cases[] = {
        {WorkedExampleRequest(), 10, 0, 60},
        {WorkedExampleRequest(), 5, 30, 40},   // across sunrise
        {WorkedExampleRequest(), 23, 40, 30},  // across midnight
        {south, 18, 50, 45},
    };
    for (const Case& c : cases) {
        const BirthRequest& r = c.request;
        const DateTime from =
            DateTime::FromCivil(r.year, r.month, r.day, c.fromHour, c.fromMinute);
        const DateTime to = from.AddSeconds(c.minutes * 60LL);
        const auto spans = FindTimeRange(*CheckRequest(r), from, to);
        ASSERT_TRUE(spans) << from.Iso();
        std::vector<TimeRangeSpan> scanned;
        std::string previous;
        for (DateTime t = from; t <= to; t = t.AddSeconds(1)) {
            const Look l = LookAt(r, t);
            const std::string kept = l.polar ? "polar" : l.cells;
            if (scanned.empty() || kept != previous)
                scanned.push_back({t, t, l.polar ? -1 : l.ghatiLagna, l.ascendant, l.moon});
            scanned.back().to = t;
            previous = kept;
        }
        ASSERT_EQ(spans->size(), scanned.size()) << from.Iso();
        for (std::size_t i = 0; i < scanned.size(); ++i) {
            EXPECT_EQ((*spans)[i].from, scanned[i].from) << i;
            EXPECT_EQ((*spans)[i].to, scanned[i].to) << i;
            EXPECT_EQ((*spans)[i].ghatiLagna, scanned[i].ghatiLagna) << i;
            EXPECT_EQ((*spans)[i].ascendant, scanned[i].ascendant) << i;
            EXPECT_EQ((*spans)[i].moon, scanned[i].moon) << i;
        }
    }
}

TEST(TimeRange, RefusesRangesItCannotSearch) {
    const ChartRequest request = *CheckRequest(WorkedExampleRequest());
    const DateTime t = DateTime::FromCivil(1990, 8, 15, 10, 30);
    const struct {
        DateTime from, to;
        const char* error;
    } cases[] = {
        {t, t.AddSeconds(-1), "the range ends before it begins"},
        {t, t.AddSeconds(24 * 3600 + 1), "the range is longer than 24 hours"},
        {DateTime::FromCivil(1900, 12, 31, 23), DateTime::FromCivil(1901, 1, 1, 1),
         "the range goes beyond the dates the program supports (1901 to 2050)"},
    };
    for (const auto& c : cases) {
        const auto spans = FindTimeRange(request, c.from, c.to);
        ASSERT_FALSE(spans);
        EXPECT_EQ(spans.error(), c.error);
    }
    const auto one = FindTimeRange(request, t, t);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->size(), 1u);
}

}  // namespace
}  // namespace kalodaya
