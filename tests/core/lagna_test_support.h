#pragma once
// Entries shared by the sunrise, reference-sunrise, lagna and polar tests.
#include <string>

#include "chart/chart_outcome.h"
#include "chart/entries.h"

namespace kalodaya::testing_support {

// The worked example: 15 August 1990 at 10:30:00, IST (list position 34), 28° 39' N, 77° 13' E.
inline Entries WorkedExampleEntries(const std::string& hh = "10", const std::string& mm = "30",
                                    const std::string& ss = "0") {
    Entries e;
    e.name = "RAMA";
    e.monthIndex = 7;
    e.dayText = "15";
    e.yearText = "1990";
    e.hourText = hh;
    e.minuteText = mm;
    e.secondText = ss;
    e.latDegText = "28";
    e.latMinText = "39";
    e.lonDegText = "77";
    e.lonMinText = "13";
    e.north = true;
    e.east = true;
    e.zoneIndex = 34;
    return e;
}

// 75° 0' N, 10° 0' E, Central European Time (list position 20), on the given date at noon.
inline Entries North75Entries(int monthIndex, const std::string& day) {
    Entries e;
    e.name = "SIGRID";
    e.monthIndex = monthIndex;
    e.dayText = day;
    e.yearText = "1990";
    e.hourText = "12";
    e.minuteText = "0";
    e.secondText = "0";
    e.latDegText = "75";
    e.latMinText = "0";
    e.lonDegText = "10";
    e.lonMinText = "0";
    e.zoneIndex = 20;
    return e;
}

// One request from its entries alone.
inline ChartOutcome Request(const Entries& e) {
    return RequestChart(e);
}

}  // namespace kalodaya::testing_support
