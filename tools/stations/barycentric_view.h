#pragma once
// A planet as seen from the Earth-Moon barycentre: geometric positions (no light-time,
// aberration or deflection), ecliptic longitude referred to the mean equinox of date.

namespace stations {

// Swiss Ephemeris body numbers of the five planets that have stations.
struct Planet {
    const char* name;  // as the product spells it
    int body;          // SE_MERCURY .. SE_SATURN
};

// Rate of change of the planet's longitude in radians per day at the Universal Time `jdUt`:
// negative while the planet moves backwards. Throws std::runtime_error when the ephemeris fails.
double LongitudeSpeed(const Planet& planet, double jdUt);

}  // namespace stations
