#pragma once
// Choosing the entry of the form's 71-entry zone list (kZoneTable) for an offset from the
// atlas, and the texts of offsets and of the extra "exact offset" entry.
#include <optional>
#include <string>
#include <string_view>

#include "base/utc_offset.h"

namespace kalodaya::atlas {

// The list position whose offset equals `utcOffsetSeconds` (seconds EAST of Greenwich),
// preferring an entry with the database's `abbreviation`, then one whose kind (daylight,
// summer or war time, or not) matches `daylight`, then the first. None when no entry has
// exactly this offset: the exact entry must stand in, never a neighbouring one. The daylight
// box stays clear with any entry: the offset already holds the daylight hour.
std::optional<int> MatchZoneEntry(int utcOffsetSeconds, std::string_view abbreviation,
                                  bool daylight);


// The extra list entry: "Exact offset: UTC+05:45 (Asia/Kathmandu)". `utcOffsetSeconds` is the
// offset the computation uses (whole minutes).
std::string ExactEntryLabel(int utcOffsetSeconds, std::string_view timeZone);

// The form's zone fields for an offset of whole minutes: hours and minutes WEST of Greenwich,
// both with the sign of the whole (+05:45 gives -5 and -45).
struct ZoneHoursMinutes {
    int hours = 0;
    int minutes = 0;
};
ZoneHoursMinutes ToZoneHoursMinutes(int utcOffsetSeconds);

}  // namespace kalodaya::atlas
