#pragma once
// The entries of a birth request as kalodaya-chart's options and request lines name and write
// them: one table of the entries (request-line key, option, help), and one reading of their
// values into a BirthRequest, shared by both sources so that an entry means the same in each.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "astro/atlas/atlas.h"
#include "request/birth_request.h"
#include "request/from_atlas.h"

namespace kalodaya {

struct ReadError {
    std::string message;
};

// The entries, in the order kalodaya-chart --help lists them.
enum EntryKey : int {
    kNameEntry, kDateEntry, kTimeEntry, kLatEntry, kLonEntry, kZoneEntry, kDstEntry,
    kCityEntry, kStateEntry, kCountryEntry, kPlaceEntry, kPlaceIdEntry, kUtcOffsetEntry,
    kEphemerisEntry, kAyanamsaEntry, kNodeEntry, kSunriseEntry, kChartStyleEntry, kCityTimeEntry,
    kEntryCount
};

// How a request line writes an entry's value; an option always holds text (a flag none).
enum class EntryKind { Text, WholeNumber, Flag };

struct EntryName {
    std::string_view key;     // in a request line: "place_id"
    std::string_view option;  // on the command line: "--place-id"
    EntryKind kind;
    std::string_view typeName;  // the option's value in --help ("" for the parser's own)
    std::string_view help;
};
extern const std::array<EntryName, kEntryCount> kEntryNames;

// One entry's value as a source gave it.
struct EntryValue {
    enum Kind { Absent, Null, String, Integer, Boolean, Other } kind = Absent;
    std::string_view text;  // String; Integer as written
    bool flag = false;      // Boolean

    bool Given() const { return kind != Absent && kind != Null; }
};
using EntryValues = std::array<EntryValue, kEntryCount>;

// How messages name an entry: by its request-line key ("zone") or its option (--zone).
enum class EntryNaming { Keys, Options };

// The entries that exclude each other: zone and utc_offset; place and place_id; dst beside a
// place whose zone comes from the atlas. The first rule broken, named as the source names
// entries.
std::optional<ReadError> CheckCombination(const EntryValues& values, EntryNaming naming);

// The values into `request`, each through its value form below: the name (empty when left
// out), date and time (the birth moment a place is resolved for), place or place_id, then lat,
// lon, zone, utc_offset, dst, city, state and country, which win over the place's, and the
// calculation settings (SetCalculation) and the chart style. A value
// left out or null keeps the request's own. Options give every value as text, the flag as a
// Boolean; a request line as JSON gives it.
std::optional<ReadError> ApplyEntryValues(const EntryValues& values, BirthRequest& request,
                                          EntryNaming naming);

// The value forms. Each reads one value into `request` or says why the form cannot hold it.
std::optional<ReadError> SetName(BirthRequest& request, std::string_view text);
std::optional<ReadError> SetDate(BirthRequest& request, std::string_view text);      // YYYY-MM-DD
std::optional<ReadError> SetTime(BirthRequest& request, std::string_view text);      // HH:MM:SS
// DD:MM + N/S, DDD:MM + E/W; an empty text leaves the boxes empty, as a form not filled in.
std::optional<ReadError> SetLatitude(BirthRequest& request, std::string_view text);
std::optional<ReadError> SetLongitude(BirthRequest& request, std::string_view text);
// The option's zone: a list position 0..70 in decimal digits (a leading zero is no octal).
std::optional<ReadError> SetZone(BirthRequest& request, std::string_view text);
// A request line's zone: an integer as the line writes it (a minus sign, digits of any length),
// reported as written.
std::optional<ReadError> SetZoneNumber(BirthRequest& request, std::string_view written);
// +HH:MM or -HH:MM east of Greenwich, or +HH:MM:SS (the form of an offset the atlas gives in
// seconds), in place of a zone list entry.
std::optional<ReadError> SetUtcOffset(BirthRequest& request, std::string_view text);
// south, north or east: the drawing of the chart (request/chart_style.h).
std::optional<ReadError> SetChartStyle(BirthRequest& request, std::string_view text);
// The best match of "Name[, State][, Country]" in `atlas`, entered for the birth moment the
// request holds. An error names the text when no place matches.
std::optional<ReadError> SetPlace(BirthRequest& request, std::string_view text, ZoneChoice zone,
                                  const atlas::Atlas& atlas);
// The place with a GeoNames id written as decimal digits (a minus sign or anything else is
// refused; the number is reported as written).
std::optional<ReadError> SetPlaceId(BirthRequest& request, std::string_view written,
                                    ZoneChoice zone, const atlas::Atlas& atlas);

// The calculation settings given among `values` into `request.settings`: an ephemeris given
// alone brings its own ayanamsa and the mean node; a setting left out keeps the request's own.
// A name that is no setting, or a combination that cannot be computed (the classic ephemeris
// with the raman ayanamsa), is an error in one line.
std::optional<ReadError> SetCalculation(BirthRequest& request, const EntryValues& values,
                                        EntryNaming naming);

}  // namespace kalodaya
