#pragma once
// One chart request, from the entry checks to the texts of the results window.
#include <array>
#include <optional>
#include <string>

#include "core/app_state.h"
#include "core/date_time.h"
#include "core/entries.h"
#include "core/entry_checks.h"

namespace kalodaya {

// The six sun events a request computes, in the order the outcome reports them.
enum SunEventSlot { kSunrise, kSunset, kPrevSunrise, kPrevSunset, kNextSunrise, kNextSunset };
inline constexpr int kSunEventCount = 6;

struct ChartOutcome {
    // Set when an entry check failed: nothing was computed.
    std::optional<EntryCheckFailure> failure;
    // Which sun events could not be computed (polar day or night on that date).
    std::array<bool, kSunEventCount> sunEventFailed{};
    // The reference sunrise needed an event that could not be computed: no ghati lagna.
    bool polar = false;
    std::string polarMessage;  // names the date; shown instead of the chart
    // The event the choice needed and could not have: its date (which may lie beyond the
    // birth date's neighbours) and whether it was the sunset.
    DateTime polarDate;
    bool polarSunset = false;

    bool Computed() const { return !failure && !polar; }
};

// Runs the entry checks and, when they pass, every stage of the chart on `state`, leaving the
// window's texts in state.view. The caller shows the failure or polar message, or the results.
ChartOutcome RequestChart(AppState& state, const Entries& entries);

}  // namespace kalodaya
