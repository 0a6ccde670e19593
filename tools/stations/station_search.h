#pragma once
// Stations of a planet: the moments its longitude speed changes sign.
#include <vector>

#include "barycentric_view.h"

namespace stations {

struct Station {
    double jdUt;
    bool turnsRetrograde;  // speed goes from positive to negative
};

// Every station in (jdFrom, jdTo], in time order, refined to well under a second.
std::vector<Station> FindStations(const Planet& planet, double jdFrom, double jdTo);

// One retrograde period: the station turning retrograde and the next one, turning direct.
struct RetrogradeRow {
    double retrogradeJd;
    double directJd;
};

// A row for every retrograde station whose date (UT, rounded to the minute) falls in the
// years firstYear..lastYear, with its direct station, which may lie after lastYear.
// Throws std::runtime_error when the stations do not alternate or a direct station is missing.
std::vector<RetrogradeRow> PairIntoRows(const std::vector<Station>& stations, int firstYear,
                                        int lastYear);

}  // namespace stations
