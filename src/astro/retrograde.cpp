#include "astro/retrograde.h"

#include "astro/retrograde_station_table.h"

namespace kalodaya {

bool IsRetrograde(std::string_view planet, const DateTime& moment) {
    const auto index = RetroPlanetIndex(planet);
    if (!index) return false;
    return IsRetrogradeOn(BuiltInStationTable()[*index], moment);
}

std::array<bool, kRetroPlanetCount> RetrogradeFlags(const DateTime& moment) {
    const StationTable& table = BuiltInStationTable();
    std::array<bool, kRetroPlanetCount> flags{};
    for (int k = 0; k < kRetroPlanetCount; ++k) flags[k] = IsRetrogradeOn(table[k], moment);
    return flags;
}

}  // namespace kalodaya
