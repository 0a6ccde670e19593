#include "cli/place_args.h"

#include "base/utc_offset.h"

#include <cstdint>
#include <string>

#include "astro/zone_table.h"
#include "cli/quoted_value.h"

namespace kalodaya::cli {
namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

std::optional<ArgError> Unloadable(const atlas::AtlasError& error) {
    return ArgError{"the place atlas cannot be loaded: " + error.message};
}

}  // namespace

const atlas::Expected<std::shared_ptr<const atlas::Atlas>>& InstalledAtlas() {
    static const auto loaded = atlas::Atlas::LoadInstalled();
    return loaded;
}

std::optional<ArgError> SetPlace(Entries& entries, std::string_view text, ZoneChoice zone,
                                 const atlas::Atlas& atlas) {
    const std::optional<atlas::Place> place = atlas.places().BestMatch(text);
    if (!place) return ArgError{"no place in the atlas matches " + QuotedValue(text)};
    EnterAtlasPlace(entries, atlas, *place, zone);
    return std::nullopt;
}

std::optional<ArgError> SetPlace(Entries& entries, std::string_view text, ZoneChoice zone) {
    const auto& loaded = InstalledAtlas();
    if (!loaded) return Unloadable(loaded.error());
    return SetPlace(entries, text, zone, **loaded);
}

std::optional<ArgError> SetPlaceId(Entries& entries, std::string_view written, ZoneChoice zone,
                                   const atlas::Atlas& atlas) {
    // GeoNames ids have at most ten digits; more cannot name a place (nor overflow here).
    bool digits = !written.empty() && written.size() <= 10;
    int64_t id = 0;
    for (char ch : written) {
        digits = digits && IsDigit(ch);
        if (digits) id = id * 10 + (ch - '0');
    }
    if (!digits)
        return ArgError{"unusable place id " + ShownValue(written) +
                        ": expected a GeoNames id in decimal digits"};
    const std::optional<atlas::Place> place = atlas.places().FindByGeonamesId(id);
    if (!place) return ArgError{"no place in the atlas has the GeoNames id " + std::to_string(id)};
    EnterAtlasPlace(entries, atlas, *place, zone);
    return std::nullopt;
}

std::optional<ArgError> SetPlaceId(Entries& entries, std::string_view written, ZoneChoice zone) {
    const auto& loaded = InstalledAtlas();
    if (!loaded) return Unloadable(loaded.error());
    return SetPlaceId(entries, written, zone, **loaded);
}

std::optional<ArgError> SetUtcOffset(Entries& entries, std::string_view text) {
    const std::optional<int> east = ParseUtcOffset(text);
    if (!east)
        return ArgError{"unusable UTC offset " + QuotedValue(text) +
                        ": expected +HH:MM or -HH:MM east of Greenwich, e.g. +05:45"};
    if (!IsClockOffset(*east))
        return ArgError{"unusable UTC offset " + QuotedValue(text) +
                        ": clocks keep offsets from -12:00 to +14:00"};
    entries.exactZone = ExactZoneOf(*east);
    entries.zoneIndex = kZoneCount;
    return std::nullopt;
}

}  // namespace kalodaya::cli
