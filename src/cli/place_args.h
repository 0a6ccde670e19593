#pragma once
// The command line's place and offset forms: --place, --place-id and --utc-offset, and the
// batch keys place, place_id and utc_offset.
#include <memory>
#include <optional>
#include <string_view>

#include "astro/atlas/atlas.h"
#include "chart/entries.h"
#include "chart/place_entries.h"
#include "cli/chart_args.h"

namespace kalodaya::cli {

// The installed atlas, read when a place is first asked for and kept for the rest of the
// process; the threads of a batch share it.
const atlas::Expected<std::shared_ptr<const atlas::Atlas>>& InstalledAtlas();

// The best match of "Name[, State][, Country]" in `atlas`, entered for the birth moment the
// entries hold (so their date and time come first). An error names the text when no place
// matches.
std::optional<ArgError> SetPlace(Entries& entries, std::string_view text, ZoneChoice zone,
                                 const atlas::Atlas& atlas);
// The same through InstalledAtlas(); an error when it cannot be loaded.
std::optional<ArgError> SetPlace(Entries& entries, std::string_view text, ZoneChoice zone);

// The place with a GeoNames id, written as decimal digits (a minus sign or anything else is
// refused; the number is reported as written).
std::optional<ArgError> SetPlaceId(Entries& entries, std::string_view written, ZoneChoice zone,
                                   const atlas::Atlas& atlas);
std::optional<ArgError> SetPlaceId(Entries& entries, std::string_view written, ZoneChoice zone);

// An exact offset in place of a zone list entry: +HH:MM or -HH:MM east of Greenwich;
// +HH:MM:SS is taken too (the form of an offset the atlas gives in seconds) and used to the
// nearest minute, as the form's exact entry is. That minute lies from -12:00 to +14:00.
std::optional<ArgError> SetUtcOffset(Entries& entries, std::string_view text);

}  // namespace kalodaya::cli
