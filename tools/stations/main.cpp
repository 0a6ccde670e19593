// kalodaya-stations [output file]
// Writes the retrograde station table (to standard output without an argument) and a row
// count per planet to standard error.
#include <swephexp.h>

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "station_file.h"
#include "station_search.h"

namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

const stations::Planet kPlanets[] = {{"Mercury", SE_MERCURY},
                                     {"Venus", SE_VENUS},
                                     {"Mars", SE_MARS},
                                     {"Jupiter", SE_JUPITER},
                                     {"Saturn", SE_SATURN}};

std::string Generate() {
    // A month of margin before the first year; a whole year after the last, so the direct
    // station of a retrograde period begun in late 2050 is found.
    const double from = swe_julday(kFirstYear - 1, 12, 1, 0.0, SE_GREG_CAL);
    const double to = swe_julday(kLastYear + 1, 12, 31, 0.0, SE_GREG_CAL);
    std::vector<stations::PlanetRows> all;
    for (const stations::Planet& planet : kPlanets) {
        const auto found = stations::FindStations(planet, from, to);
        all.push_back({planet, stations::PairIntoRows(found, kFirstYear, kLastYear)});
        std::cerr << planet.name << ": " << all.back().rows.size() << " rows\n";
    }
    char version[AS_MAXCH] = "";
    swe_version(version);
    return stations::StationFileText(all, version);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: kalodaya-stations [output file]\n";
        return 2;
    }
    try {
        const std::string text = Generate();
        swe_close();
        if (argc == 1) {
            std::cout << text;
            return std::cout.flush() ? 0 : 1;
        }
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            std::cerr << "cannot write " << argv[1] << '\n';
            return 1;
        }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "kalodaya-stations: " << e.what() << '\n';
        return 1;
    }
}
