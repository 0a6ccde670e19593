#include "ephemeris/ephemeris.h"

namespace kalodaya {

// Placeholders until the ephemeris lands: each stage leaves its fields unchanged.
void ComputeAscendant(AppState&) {}
void ComputeMoon(AppState&) {}
void ComputePlanets(AppState&) {}

}  // namespace kalodaya
