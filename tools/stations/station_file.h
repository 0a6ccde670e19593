#pragma once
// The text of src/astro/retrograde_stations.txt.
#include <string>
#include <vector>

#include "station_search.h"

namespace stations {

struct PlanetRows {
    Planet planet;
    std::vector<RetrogradeRow> rows;
};

// Header comment, then per planet a "[Name]" line and one line per row: the retrograde and the
// direct station text separated by one blank. Lines end in "\n" on every platform.
std::string StationFileText(const std::vector<PlanetRows>& planets,
                            const std::string& libraryVersion);

}  // namespace stations
