#pragma once
// What the astronomical stages read of a birth: the local date and clock time, the zone, the
// daylight box and the place, all as whole numbers the way they were entered.
namespace kalodaya {

// A zone's offset as the zone list holds it: the hours and minutes to add to the clock time to
// get Universal Time (positive west of Greenwich), both parts with the same sign. An exact
// offset from the atlas is written the same way (UTC+05:45 is hours -5, minutes -45).
struct ZoneOffset {
    int hours = 0;
    int minutes = 0;

    // The whole offset in minutes, positive west of Greenwich.
    constexpr int WestMinutes() const { return hours * 60 + minutes; }
    friend constexpr bool operator==(const ZoneOffset&, const ZoneOffset&) = default;
};

// A place as entered: whole degrees and minutes with their hemispheres.
struct Coordinates {
    int latDeg = 0;  // 0..89
    int latMin = 0;  // 0..59
    bool south = false;
    int lonDeg = 0;  // 0..179
    int lonMin = 0;  // 0..59
    bool east = false;
};

struct LocalBirth {
    int year = 1901, month = 1, day = 1;   // a valid Gregorian date
    int hour = 0, minute = 0, second = 0;  // the clock time, 0..23, 0..59, 0..59
    ZoneOffset zone;
    bool daylight = false;  // the clock ran one hour ahead of the zone's time
    Coordinates place;
};

}  // namespace kalodaya
