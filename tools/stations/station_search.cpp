#include "station_search.h"

#include <stdexcept>
#include <string>

#include "station_text.h"

namespace stations {
namespace {

// Half a day: far shorter than the shortest retrograde period (Mercury, about 19 days), so no
// step can hold two stations.
constexpr double kScanStepDays = 0.5;
// About 0.01 s: refinement never moves the rounded minute except at a half-minute boundary.
constexpr double kRefineDays = 1e-7;

double Refine(const Planet& planet, double before, double after, bool positiveBefore) {
    while (after - before > kRefineDays) {
        const double mid = 0.5 * (before + after);
        if ((LongitudeSpeed(planet, mid) > 0) == positiveBefore) {
            before = mid;
        } else {
            after = mid;
        }
    }
    return 0.5 * (before + after);
}

}  // namespace

std::vector<Station> FindStations(const Planet& planet, double jdFrom, double jdTo) {
    std::vector<Station> found;
    double t = jdFrom;
    bool positive = LongitudeSpeed(planet, t) > 0;
    while (t < jdTo) {
        const double next = t + kScanStepDays;
        const bool nextPositive = LongitudeSpeed(planet, next) > 0;
        if (nextPositive != positive) {
            found.push_back({Refine(planet, t, next, positive), positive});
        }
        t = next;
        positive = nextPositive;
    }
    return found;
}

std::vector<RetrogradeRow> PairIntoRows(const std::vector<Station>& stations, int firstYear,
                                        int lastYear) {
    std::vector<RetrogradeRow> rows;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        if (i > 0 && stations[i].turnsRetrograde == stations[i - 1].turnsRetrograde) {
            throw std::runtime_error("two stations of the same kind in a row");
        }
        if (!stations[i].turnsRetrograde) continue;
        const int year = ToCivilMinute(stations[i].jdUt).year;
        if (year < firstYear || year > lastYear) continue;
        if (i + 1 == stations.size()) {
            throw std::runtime_error("search ends before the direct station of " +
                                     StationText(ToCivilMinute(stations[i].jdUt)));
        }
        rows.push_back({stations[i].jdUt, stations[i + 1].jdUt});
    }
    return rows;
}

}  // namespace stations
