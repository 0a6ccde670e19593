#pragma once
// The offset changes of the atlas zones from 1800 to 2051 (the IANA time zone database as the
// atlas generator wrote it to zones.tsv), independent of the system's own time zone data.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/atlas/atlas_result.h"
#include "astro/atlas/civil_time.h"
#include "astro/atlas/zone_offset.h"

namespace kalodaya::atlas {

inline constexpr int kFirstHistoryYear = 1800;
inline constexpr int kLastHistoryYear = 2051;

class ZoneHistory {
  public:
    // Reads the text of zones.tsv.
    static Expected<ZoneHistory> Parse(std::string_view text);

    std::string_view tzdataVersion() const { return version_; }
    std::size_t zoneCount() const { return zones_.size(); }
    std::string_view zoneName(std::size_t index) const { return zones_[index].name; }
    std::optional<std::size_t> FindZone(std::string_view name) const;

    // The offset in force in `zone` when its clocks showed `clock` (a year from 1800 to 2051)
    // at a place `longitudeEast` degrees east of Greenwich (west negative). Periods the
    // database gives as local mean time ("LMT", or "-00" before the zone was settled) take the
    // place's own mean time, longitude / 15 hours rounded to the minute.
    Expected<ZoneOffset> OffsetAt(std::string_view zone, const CivilTime& clock,
                                  double longitudeEast) const;

  private:
    struct LocalType {
        int offsetSeconds = 0;  // east positive
        bool daylight = false;
        bool meanTime = false;
        std::string abbreviation;
    };
    struct Zone {
        std::string name;
        std::vector<LocalType> types;     // types[0] is in force before the first change
        std::vector<int64_t> changes;     // UT seconds since 1970, ascending
        std::vector<uint16_t> typeAfter;  // the type from each change on
    };

    std::string version_;
    std::vector<Zone> zones_;  // by name
};

}  // namespace kalodaya::atlas
