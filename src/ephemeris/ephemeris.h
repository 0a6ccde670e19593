#pragma once
// The three ephemeris stages of a chart request.
#include "core/app_state.h"

namespace kalodaya {

// Ayanamsa correction and sidereal ascendant of the birth moment.
void ComputeAscendant(AppState& state);
// Sidereal Moon and the start of its nakshatra at the birth moment.
void ComputeMoon(AppState& state);
// Sun, planets and nodes; for the reference sunrise when chart.AtSunrise is set.
void ComputePlanets(AppState& state);

}  // namespace kalodaya
