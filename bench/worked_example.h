#pragma once
// The worked example as the entry form holds it, shared by the benchmarks: RAMA, 15 August 1990,
// 10:30, Indian Time, 28°39'N 77°13'E.
#include "chart/entries.h"

namespace kalodaya::bench {

inline Entries WorkedExampleEntries() {
    Entries e;
    e.name = "RAMA";
    e.monthIndex = 7;
    e.dayText = "15";
    e.yearText = "1990";
    e.hourText = "10";
    e.minuteText = "30";
    e.latDegText = "28";
    e.latMinText = "39";
    e.lonDegText = "77";
    e.lonMinText = "13";
    e.zoneIndex = 34;
    return e;
}

}  // namespace kalodaya::bench
