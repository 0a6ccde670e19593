#pragma once
// Requests shared by the sunrise, reference-sunrise, lagna and polar tests.
#include "chart/chart_outcome.h"
#include "request/birth_request.h"

namespace kalodaya::testing_support {

// The worked example: 15 August 1990 at 10:30:00, IST (list position 34), 28° 39' N, 77° 13' E.
inline BirthRequest WorkedExampleRequest(int hour = 10, int minute = 30, int second = 0) {
    BirthRequest r;
    r.name = "RAMA";
    r.year = 1990;
    r.month = 8;
    r.day = 15;
    r.hour = hour;
    r.minute = minute;
    r.second = second;
    r.latitude = {28, 39, true};
    r.longitude = {77, 13, true};
    r.zone = ZoneListEntry{34};
    return r;
}

// 75° 0' N, 10° 0' E, Central European Time (list position 20), on the given date at noon.
inline BirthRequest North75Request(int month, int day) {
    BirthRequest r;
    r.name = "SIGRID";
    r.year = 1990;
    r.month = month;
    r.day = day;
    r.hour = 12;
    r.latitude = {75, 0, true};
    r.longitude = {10, 0, true};
    r.zone = ZoneListEntry{20};
    return r;
}

// One request alone.
inline ChartOutcome Request(const BirthRequest& r) {
    return RequestChart(r);
}

}  // namespace kalodaya::testing_support
