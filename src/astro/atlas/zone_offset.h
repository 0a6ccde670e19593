#pragma once
// The UTC offset a place's clocks kept at one local date and clock time.
#include <string_view>

namespace kalodaya::atlas {

// How the asked clock time fits the zone's changes.
enum class ClockReading {
    kOk,        // the clock showed this time once
    kSkipped,   // clocks jumped over it (spring forward): the offset before the change is given
    kRepeated,  // clocks showed it twice (fall back): its first occurrence is given
};

struct ZoneOffset {
    int utcOffsetSeconds = 0;       // seconds EAST of Greenwich: clock time = UT + offset
    bool daylight = false;          // the database counts it as daylight time (summer, double
                                    // summer or war time)
    std::string_view abbreviation;  // the database's ("IST", "EWT", "+0545"); "LMT" for mean
                                    // time. Points into the atlas; lives as long as it does.
    ClockReading clock = ClockReading::kOk;
    bool localMeanTime = false;  // before standard time: the birthplace's own mean time
                                 // (longitude / 15 h, to the minute) replaced the zone's
};

}  // namespace kalodaya::atlas
