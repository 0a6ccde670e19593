#pragma once
// Saved records and birth requests: the one conversion between them, both ways, and the checks
// every saved or imported record passes in both front ends.
#include <optional>
#include <string>

#include "base/expected.h"
#include "records/record.h"
#include "records/record_files.h"
#include "request/birth_request.h"

namespace kalodaya {

// A record's request as the form holds it: the name as the name box takes it (a to z become
// A to Z). Fails, saying why, for a name with characters the name box refuses.
Expected<BirthRequest, std::string> RequestFromRecord(const records::Record& record);

// The request as a record. What a request does not hold comes from `origin` (the record the
// form was opened from): the note and times; the GeoNames id and IANA zone while the place
// (city, state, country and the coordinates) is still that record's; the exact offset to the
// second and its label while the request's exact offset is the same to the minute. A place
// chosen from the atlas brings its own id and zone. Fails when no month or zone is selected.
Expected<records::Record, std::string> RecordFromRequest(const BirthRequest& request,
                                                         const records::Record& origin = {});

// Whether a request differs from the record it was opened from ("Update" or "Save as New").
// Both sides go through the form's reading, so a record the form shows differently (a name in
// lower case) is not taken for a change.
bool RequestChanged(const BirthRequest& request, const records::Record& origin);

// The check of a record to be imported or saved: the record as a request, then the entry
// checks. The message of the first that fails, or nothing.
std::optional<std::string> CheckRecord(const records::Record& record);

// How both front ends import records: request lines through the request-line reader (the one
// --batch uses), each record through CheckRecord.
records::ImportRules RecordImportRules();

// The record's place when it was typed by hand (no GeoNames id) and is whole: a city and both
// coordinates with degrees and minutes, so that the place search can offer it next to the
// atlas. Its zone is the record's IANA zone when known, else the offset of the record's zone
// entry or exact offset (the daylight box aside: that belongs to the birth, not the place).
std::optional<records::Place> OwnPlaceOf(const records::Record& record);

}  // namespace kalodaya
