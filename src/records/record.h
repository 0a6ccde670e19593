#pragma once
// A saved birth record: every entry of the form as typed values, plus what the atlas adds.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "base/entry_forms.h"
#include "base/entry_rules.h"

namespace kalodaya::records {

// The form's lists: years, and the time-zone list's positions 0..70.
inline constexpr int kFirstYear = entry_rules::kFirstYear;
inline constexpr int kLastYear = entry_rules::kLastYear;
inline constexpr int kZoneEntryCount = 71;

// A coordinate as the form's boxes hold it (base/entry_forms.h).
using kalodaya::Latitude;
using kalodaya::Longitude;

// One position of the form's time-zone list.
struct ZoneEntry {
    int position = 0;
    bool operator==(const ZoneEntry&) const = default;
};
// An offset the list has no entry for (Nepal, local mean time), as the atlas gives it.
struct ExactOffset {
    int seconds = 0;    // east of Greenwich
    std::string label;  // as the zone list shows it, e.g. "Exact offset: UTC+05:45 (Asia/Kathmandu)"
    bool operator==(const ExactOffset&) const = default;
};
using Zone = std::variant<ZoneEntry, ExactOffset>;

// How the chart is computed, by the names request lines use for the settings ("classic",
// "modern"; "classic", "lahiri", "raman", "kp", "true-chitra"; "mean", "true"; "classic",
// "hindu"). The records keep the names as written; the request layer judges them.
struct Calculation {
    std::string ephemeris = "classic";
    std::string ayanamsa = "classic";
    std::string node = "mean";
    std::string sunrise = "classic";
    bool operator==(const Calculation&) const = default;
    // The classic calculation, which records from before the settings existed hold.
    bool IsDefault() const { return *this == Calculation{}; }
};

// The most minutes either side of the birth time a record may say the birth was: a range of
// birth times spans at most 24 hours.
inline constexpr int kLongestUncertaintyMinutes = 720;

struct Record {
    std::string name;
    // The form's defaults: 1 January 1901, 00:00:00.
    int year = kFirstYear, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    std::string city, state, country;
    Latitude latitude;
    Longitude longitude;
    Zone zone;
    bool dst = false;
    // Minutes either side of the entered time the birth may have been (0: exact), and the
    // calculation the chart is made with.
    int uncertaintyMinutes = 0;
    Calculation calculation;
    // Set when the place came from the atlas.
    std::optional<std::int64_t> geonamesId;
    std::string ianaZone;  // empty when unknown
    std::string note;
    // Unix seconds; 0 until the record is stored (the store then sets them).
    std::int64_t created = 0, updated = 0;

    bool operator==(const Record&) const = default;
};

// Whether two records hold the same form entries, the note and times aside: a form opened
// from a record has been changed when this is false ("Update" or "Save as New").
inline bool SameEntries(Record a, const Record& b) {
    a.note = b.note;
    a.created = b.created;
    a.updated = b.updated;
    return a == b;
}

using RecordId = std::int64_t;

struct StoredRecord {
    RecordId id = 0;
    Record record;
};

// What the list of saved records shows of each.
struct RecordSummary {
    RecordId id = 0;
    std::string name;
    int year = kFirstYear, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    std::string city, state, country;
    std::int64_t updated = 0;
};

// A place the user typed by hand and kept, offered by the place search next to the atlas.
struct Place {
    std::string name, state, country;
    Latitude latitude;  // both parts present
    Longitude longitude;
    // At most one: the place's IANA zone, or its fixed offset east of Greenwich in seconds.
    std::string ianaZone;
    std::optional<int> utcOffsetSeconds;
    bool operator==(const Place&) const = default;
};

using PlaceId = std::int64_t;

struct StoredPlace {
    PlaceId id = 0;
    Place place;
};

}  // namespace kalodaya::records
