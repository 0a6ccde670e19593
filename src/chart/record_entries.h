#pragma once
// Saved records and the form's entries: the one conversion between them, both ways, and the
// check every imported record passes in both front ends.
#include <optional>
#include <string>

#include "base/expected.h"
#include "chart/entries.h"
#include "records/record.h"

namespace kalodaya {

// A record's entries as the form holds them: the name as the name box takes it (a to z become
// A to Z), numbers as the lists and boxes show them, a blank box blank, an exact offset as the
// zone list's extra entry. Fails, saying why, for a value the form cannot hold (a name with
// characters the name box refuses).
Expected<Entries, std::string> EntriesFromRecord(const records::Record& record);

// The form's entries as a record. What the boxes and lists do not show comes from `origin`
// (the record the form was opened from, or what the atlas gave for the place): the note and
// times; the GeoNames id and IANA zone while the place boxes (city, state, country and the
// coordinates) still hold that place; the exact offset to the second and its label while the
// extra zone entry still holds that offset to the minute. Fails for what a record cannot hold
// (a box that is not a number, nothing selected in a list).
Expected<records::Record, std::string> RecordFromEntries(const Entries& entries,
                                                         const records::Record& origin = {});

// Whether the form's entries differ from those of the record they were opened from ("Update"
// or "Save as New"). Both sides go through the form, so a record the form shows differently
// (a name in lower case) is not taken for a change.
bool EntriesChanged(const Entries& entries, const records::Record& origin);

// The check of a record to be imported or saved, the same for the command line and the desktop
// program: the record into the form's entries, then the form's checks. The message of the first
// that fails, or nothing.
std::optional<std::string> CheckRecord(const records::Record& record);

}  // namespace kalodaya
