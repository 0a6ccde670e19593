#pragma once
// The longitudes and sign numbers of the special lagnas as plain functions,
// so each can be checked on its own. special_lagnas.h marks them.
#include <cstdint>

namespace kalodaya {

// SunAtSunrise + 1.25 degrees per whole minute, while > 360 less 360.
double GhatiLagnaLongitude(double sunAtSunrise, int32_t elapsedMinutes);
// The hora lagna: SunAtSunrise + 0.5 degrees per minute, reduced the same way.
double HoraLagnaLongitude(double sunAtSunrise, int32_t elapsedMinutes);
// The bhava lagna: SunAtSunrise + 0.25 degrees per minute, reduced the same way.
double BhavaLagnaLongitude(double sunAtSunrise, int32_t elapsedMinutes);
// The varnada lagna from the ascendant's whole degrees and the hora lagna's whole degrees.
double VarnadaLagnaLongitude(double ascDegInt, double horaInt);
// The sree lagna.
double SreeLagnaLongitude(double ascDeg, double moonSidereal, double moonNakshatraStart);

// KalaBySign by sign number 1..12; 0 outside.
int KalaBySign(int signNumber);

// The pranapada's time since sunrise in vighatis as signs, degrees, minutes and seconds.
struct PranaParts {
    double signs = 0, deg = 0, min = 0, sec = 0;
};
PranaParts Vighati2Degree(double x);

}  // namespace kalodaya
