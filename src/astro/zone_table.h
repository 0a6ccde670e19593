#pragma once
// The 71 named time zones of the zone list and their offsets.
#include <array>
#include <cstdint>
#include <string_view>

#include <optional>

#include "astro/local_birth.h"

namespace kalodaya {

struct ZoneEntry {
    std::string_view listText;  // shown in the zone list exactly as written
    int16_t hours;              // ZoneHours: positive west of Greenwich
    int16_t minutes;            // ZoneMinutes: same sign as hours
};

inline constexpr int kZoneCount = 71;
extern const std::array<ZoneEntry, kZoneCount> kZoneTable;

// The offset of zone list position `position`; nothing for a position outside the list.
std::optional<ZoneOffset> ZoneOffsetOfEntry(int position);

}  // namespace kalodaya
