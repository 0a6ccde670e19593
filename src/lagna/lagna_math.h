#pragma once
// The longitudes and sign numbers of the special lagnas as plain functions,
// so each can be checked on its own. The Place* procedures of special_lagnas.h mark them.
#include <cstdint>

namespace kalodaya {

// SunAtSunrise + 1.25 degrees per whole minute, while > 360 less 360.
double GhatiLagnaLongitude(double sunAtSunrise, int32_t elapsedMinutes);
// B2: SunAtSunrise + 0.5 degrees per minute, reduced the same way.
double HoraLagnaLongitude(double sunAtSunrise, int32_t elapsedMinutes);
// B3: SunAtSunrise + 0.25 degrees per minute, reduced the same way.
double BhavaLagnaLongitude(double sunAtSunrise, int32_t elapsedMinutes);
// B5: the varnada lagna from the ascendant's whole degrees and the hora lagna's whole degrees.
double VarnadaLagnaLongitude(double ascDegInt, double horaInt);
// B8: the sree lagna.
double SreeLagnaLongitude(double ascDeg, double moonSidereal, double moonNakshatraStart);

// KalaBySign by sign number 1..12; 0 outside.
int KalaBySign(int signNumber);

// B9 step 2: the parts of Vighati2Degree.
struct PranaParts {
    double signs = 0, deg = 0, min = 0, sec = 0;
};
PranaParts Vighati2Degree(double x);

}  // namespace kalodaya
