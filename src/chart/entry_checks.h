#pragma once
// The seven entry checks made before a chart is computed.
#include <optional>
#include <string>

#include "base/expected.h"
#include "chart/chart_request.h"
#include "chart/entries.h"

namespace kalodaya {

enum class MessageIcon { Critical, Information, Error, Question };

// Controls the checks can move the focus to.
enum class EntryField { Name, LatDeg, LatMin, LonDeg, LonMin };

struct EntryCheckFailure {
    std::string message;
    MessageIcon icon;
    std::optional<EntryField> focus;
};

// The first failing check of the form's seven, in their order, or nothing when they pass.
std::optional<EntryCheckFailure> ValidateInput(const Entries& entries);

// The form's checks, then the entries as a typed request. The form's lists and filters cannot
// produce the other failures (a date or time that is no number, no zone selected); they guard
// every other caller.
Expected<ChartRequest, EntryCheckFailure> ValidateEntries(const Entries& entries);

}  // namespace kalodaya
