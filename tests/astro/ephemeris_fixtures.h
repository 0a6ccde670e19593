#pragma once
// The birth of the ephemeris worked example: 15 August 1990 at 10:30, zone 5:30 east
// of Greenwich, 28° 39' N 77° 13' E, no daylight saving.
#include "astro/local_birth.h"

namespace kalodaya::testing {

inline LocalBirth WorkedExampleBirth() {
    LocalBirth b;
    b.year = 1990;
    b.month = 8;
    b.day = 15;
    b.hour = 10;
    b.minute = 30;
    b.place = Coordinates{28, 39, false, 77, 13, true};
    b.zone = ZoneOffset{-5, -30};
    b.daylight = false;
    return b;
}

// Half a unit of the last printed digit: "to the precision printed".
inline constexpr double Printed(int decimals) {
    double unit = 1;
    for (int i = 0; i < decimals; ++i) unit /= 10;
    return unit / 2;
}

}  // namespace kalodaya::testing
