#pragma once
// The birth of the ephemeris worked example: 15 August 1990 at 10:30, zone 5:30 east
// of Greenwich, 28° 39' N 77° 13' E, no daylight saving.
#include "core/app_state.h"

namespace kalodaya::testing {

inline BirthData WorkedExampleBirth() {
    BirthData b;
    b.BirthName = "RAMA";
    b.BirthMonth = 8;
    b.BirthDay = 15;
    b.BirthYear = 1990;
    b.BirthHour = 10;
    b.BirthMinute = 30;
    b.LatDeg = 28;
    b.LatMin = 39;
    b.IsSouth = false;
    b.LonDeg = 77;
    b.LonMin = 13;
    b.IsEast = true;
    b.IsDST = false;
    b.ZoneHours = -5;
    b.ZoneMinutes = -30;
    b.ZoneHoursAbs = 5;
    b.ZoneMinutesAbs = 30;
    return b;
}

inline AppState WorkedExampleState() {
    AppState state;
    state.birth = WorkedExampleBirth();
    return state;
}

// Half a unit of the last printed digit: "to the precision printed".
inline constexpr double Printed(int decimals) {
    double unit = 1;
    for (int i = 0; i < decimals; ++i) unit /= 10;
    return unit / 2;
}

}  // namespace kalodaya::testing
