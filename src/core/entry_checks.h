#pragma once
// The seven entry checks made before a chart is computed.
#include <optional>
#include <string>

#include "core/entries.h"

namespace kalodaya {

enum class MessageIcon { Critical, Information, Error, Question };

// Controls the checks can move the focus to.
enum class EntryField { Name, LatDeg, LatMin, LonDeg, LonMin };

struct EntryCheckFailure {
    std::string message;
    MessageIcon icon;
    std::optional<EntryField> focus;
};

// The first failing check in table order, or nothing when every entry is acceptable.
std::optional<EntryCheckFailure> ValidateInput(const Entries& entries);

}  // namespace kalodaya
