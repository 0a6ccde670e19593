#include "core/app_state.h"

namespace kalodaya {

void LoadTables(AppState& state) {
    for (int i = 0; i < kBodyCount; ++i) state.chart.PlanetNames[i] = kPlainPlanetNames[i];
}

}  // namespace kalodaya
