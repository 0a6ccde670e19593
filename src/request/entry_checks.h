#pragma once
// The entry checks made before a chart is computed: the form's seven, in their order and with
// their messages, then what the form's lists cannot produce but another source can.
#include <optional>
#include <string>

#include "base/expected.h"
#include "request/birth_request.h"
#include "request/chart_request.h"

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
std::optional<EntryCheckFailure> FirstFailedFormCheck(const BirthRequest& request);

// The form's checks, then the request as the chart takes it. The form's lists cannot produce
// the other failures (a day the month does not have beyond the form's own checks, a time off
// the lists, no zone selected); they guard every other source.
Expected<ChartRequest, EntryCheckFailure> CheckRequest(const BirthRequest& request);

}  // namespace kalodaya
