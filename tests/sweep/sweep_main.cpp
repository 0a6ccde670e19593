// kalodaya_sweep: computes many charts across the whole range of entries and checks each one.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "chart_checks.h"
#include "base/date_time.h"
#include "base/tables.h"
#include "astro/zone_table.h"

namespace {

using kalodaya::BirthRequest;

struct Tally {
    long long charts = 0, polar = 0, failed = 0;
    long long overDay = 0;  // counts of more than 1,440 minutes (sunrises more than a day apart)
};

BirthRequest MakeRequest(const kalodaya::DateTime& date, int hour, int minute, int second, int zone,
                    bool dst, int lat, int latMin, bool north, int lon, int lonMin, bool east) {
    BirthRequest e;
    e.name = "SWEEP";
    e.month = date.Month();
    e.day = date.Day();
    e.year = date.Year();
    e.hour = hour;
    e.minute = minute;
    e.second = second;
    e.latitude = {lat, latMin, north};
    e.longitude = {lon, lonMin, east};
    e.zone = kalodaya::ZoneListEntry{zone};
    e.daylight = dst;
    return e;
}

// One request, its outcome's storage reused as a batch reuses it.
void Check(kalodaya::ChartOutcome& outcome, const BirthRequest& entries, Tally& tally) {
    kalodaya::RequestChartInto(entries, outcome);
    ++tally.charts;
    if (outcome.Polar())
        ++tally.polar;
    else if (outcome.result.elapsedMinutes > 1440)
        ++tally.overDay;
    const auto problems = kalodaya::sweep::CheckChart(outcome);
    if (problems.empty()) return;
    ++tally.failed;
    if (tally.failed <= 20) {
        const auto& r = entries;
        std::printf("FAIL %04d-%02d-%02d %02d:%02d:%02d zone %d dst %d lat %s lon %s: %s\n",
                    r.year, r.month, r.day, r.hour, r.minute, r.second,
                    std::get<kalodaya::ZoneListEntry>(r.zone).position, r.daylight,
                    kalodaya::LatitudeForm(r.latitude).c_str(),
                    kalodaya::LongitudeForm(r.longitude).c_str(), problems[0].c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    long long charts = 150000;
    bool full = false;
    unsigned seed = 20261208;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--full")) full = true;
        else if (!std::strcmp(argv[i], "--charts") && i + 1 < argc) charts = std::atoll(argv[++i]);
        else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc) seed = std::strtoul(argv[++i], nullptr, 10);
        else {
            std::fprintf(stderr, "usage: kalodaya_sweep [--charts N] [--seed S] [--full]\n");
            return 2;
        }
    }

    kalodaya::ChartOutcome state;
    Tally tally;
    const auto first = kalodaya::DateTime::FromCivil(1901, 1, 1);
    const auto last = kalodaya::DateTime::FromCivil(2050, 12, 31);
    const int days = static_cast<int>(kalodaya::DateTime::DaysBetween(first, last)) + 1;

    if (full) {
        // Every date × zone × DST state at four times of day; the place walks the whole
        // latitude and longitude grid as the requests go by.
        long long n = 0;
        for (int d = 0; d < days; ++d)
            for (int zone = 0; zone < kalodaya::kZoneCount; ++zone)
                for (int dst = 0; dst < 2; ++dst)
                    for (int hour : {0, 6, 12, 18}) {
                        const int lat = static_cast<int>(n % 90), lon = static_cast<int>(n % 180);
                        Check(state,
                              MakeRequest(first.AddDays(d), hour, static_cast<int>(n % 60),
                                          static_cast<int>(n * 7 % 60), zone, dst, lat,
                                          static_cast<int>(n % 60), n % 2, lon,
                                          static_cast<int>(n * 11 % 60), n / 2 % 2),
                              tally);
                        ++n;
                        // The full walk takes long: say how far it has come.
                        if (n % 1000000 == 0) {
                            std::printf("... %lld charts (%lld polar), %lld unsound, at %s\n",
                                        tally.charts, tally.polar, tally.failed,
                                        first.AddDays(d).Iso().substr(0, 10).c_str());
                            std::fflush(stdout);
                        }
                    }
    } else {
        std::mt19937 rng(seed);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        for (long long i = 0; i < charts; ++i) {
            Check(state,
                  MakeRequest(first.AddDays(pick(0, days - 1)), pick(0, 23), pick(0, 59),
                              pick(0, 59), pick(0, kalodaya::kZoneCount - 1), pick(0, 1),
                              pick(0, 89), pick(0, 59), pick(0, 1), pick(0, 179), pick(0, 59),
                              pick(0, 1)),
                  tally);
        }
    }
    std::printf("checked %lld charts (%lld polar, %lld counting more than 1440 minutes), "
                "%lld unsound\n",
                tally.charts, tally.polar, tally.overDay, tally.failed);
    return tally.failed == 0 ? 0 : 1;
}
