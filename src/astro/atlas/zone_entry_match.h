#pragma once
// Choosing the entry of the form's 71-entry zone list (kZoneTable) for an offset from the
// atlas, and the texts of offsets and of the extra "exact offset" entry.
#include <optional>
#include <string>
#include <string_view>

#include "base/utc_offset.h"

namespace kalodaya::atlas {

// The list position of the clock a place in IANA zone `timeZone` kept at an offset of
// `utcOffsetSeconds` (seconds EAST of Greenwich) named `abbreviation` by the database: an entry
// of exactly this offset that is this place's own clock, because its abbreviation is the
// database's (directly or by a common alias: CEST is "Central European Daylight") or because it
// is the clock of the zone's region and of the same kind, daylight (summer, double summer or
// war time) or not (`daylight`; "Brazil Zone 2" for America/Sao_Paulo at -03:00). None
// otherwise: the exact entry stands in, never another country's clock of the same offset nor a
// neighbouring offset. The daylight box stays clear with any entry: the offset already holds
// the daylight hour.
std::optional<int> MatchZoneEntry(int utcOffsetSeconds, std::string_view abbreviation,
                                  bool daylight, std::string_view timeZone);

// The extra list entry: "Exact offset: UTC+02:00 CEST (Europe/Paris)", or without an
// abbreviation when the database has only a number for it ("+0545") or none.
// `utcOffsetSeconds` is the offset the computation uses (whole minutes).
std::string ExactEntryLabel(int utcOffsetSeconds, std::string_view abbreviation,
                            std::string_view timeZone);

// The form's zone fields for an offset of whole minutes: hours and minutes WEST of Greenwich,
// both with the sign of the whole (+05:45 gives -5 and -45).
struct ZoneHoursMinutes {
    int hours = 0;
    int minutes = 0;
};
ZoneHoursMinutes ToZoneHoursMinutes(int utcOffsetSeconds);

}  // namespace kalodaya::atlas
