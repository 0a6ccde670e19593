#include "time/retrograde.h"

#include "core/tables.h"
#include "time/retrograde_station_table.h"

namespace kalodaya {

namespace {
constexpr std::string_view kRetrogradeSuffix = " (R) ";
constexpr int kFirstPlanetSlot = Mercury;  // planet k is PlanetNames slot k + 2
}  // namespace

bool IsRetrograde(std::string_view planet, const DateTime& moment) {
    const auto index = RetroPlanetIndex(planet);
    if (!index) return false;
    return IsRetrogradeOn(BuiltInStationTable()[*index], moment);
}

void MarkRetrogrades(AppState& state) {
    const BirthData& b = state.birth;
    // The clock values as entered: no zone or daylight correction, since only the date counts.
    const DateTime moment =
        DateTime::FromCivil(b.BirthYear, b.BirthMonth, b.BirthDay, b.BirthHour, b.BirthMinute);
    auto& flags = state.retro.RetroFlags;
    for (int k = 0; k < kRetroPlanetCount; ++k) {
        flags[k] = IsRetrograde(kRetroPlanets[k], moment);
    }
    auto& names = state.chart.PlanetNames;
    for (int i = 0; i < kBodyCount; ++i) names[i] = kPlainPlanetNames[i];
    for (int k = 0; k < kRetroPlanetCount; ++k) {
        if (flags[k]) names[kFirstPlanetSlot + k] += kRetrogradeSuffix;
    }
}

}  // namespace kalodaya
