#pragma once
// The computed values shared by the stages of one chart request. Fields keep their values
// from the previous request until their writer overwrites them.
#include <array>
#include <cstdint>
#include <string>

#include "core/date_time.h"
#include "core/tables.h"

namespace kalodaya {

struct ChartState {
    std::array<std::string, kBodyCount> PlanetPosText;  // position texts in body order
    std::array<std::string, kBodyCount + 1> PlanetNames;  // display names; slot 10 spare

    double AscDeg = 0;     // sidereal ascendant, degrees
    double AscDegInt = 0;  // AscDeg without its fraction
    double MoonSidereal = 0;
    double MoonNakshatraStart = 0;

    std::array<DateTime, 3> SunEvents;  // slot 0 sunrise, slot 1 sunset; slot 2 unused
    DateTime Sunrise, Sunset, PrevSunrise, PrevSunset, NextSunrise, NextSunset;
    DateTime BirthMoment;
    bool AtSunrise = false;

    // 32 bits: a birth more than 9 h 06 min after sunrise has more than 32767 seconds.
    int32_t ElapsedMinutes = 0;
    int32_t ElapsedSeconds = 0;

    DateTime RefSunrise;  // the reference sunrise itself; the texts below are made from it
    std::string RefSunriseDay, RefSunriseMonthName, RefSunriseYear, RefSunriseHour,
        RefSunriseMinute;

    double SunAtSunrise = 0;
    std::string SunAtSunriseText;
    int16_t GhatiLagnaSign = 0;

    // Kept for the command line's output and for the planets at the reference sunrise.
    double GhatiLagnaDeg = 0;      // ghati lagna longitude, degrees
    std::string GhatiLagnaText;    // its position text
    bool RefSunriseDstApplied = false;  // the daylight hour is in the reference sunrise's clock time
};

}  // namespace kalodaya
