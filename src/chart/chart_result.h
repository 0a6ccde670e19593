#pragma once
// Everything one chart request computes, as numbers: the window's and the command line's texts
// are made from it by Present (chart/present.h).
#include <array>
#include <cstdint>
#include <optional>

#include "base/date_time.h"
#include "base/tables.h"
#include "request/chart_request.h"
#include "lagna/special_lagnas.h"

namespace kalodaya {

// The six sun events a request computes, in the order the results report them.
enum SunEventSlot { kSunrise, kSunset, kPrevSunrise, kPrevSunset, kNextSunrise, kNextSunset };
inline constexpr int kSunEventCount = 6;

// Why a chart has no ghati lagna: its reference sunrise needed a sun event that does not happen
// (polar day or night).
struct PolarOutcome {
    DateTime date;        // the date whose event was needed (may lie beyond the neighbours)
    bool sunset = false;  // the needed event was a sunset
};

struct ChartResult {
    ChartRequest request;
    DateTime birthMoment;  // the local date and clock time, to the second

    double ayanamsaCorrection = 0;  // minus the birth moment's ayanamsa, degrees
    // Sidereal longitudes at the birth, degrees [0, 360), in body order (the ascendant last).
    std::array<double, kBodyCount> longitude{};
    // Each body's sign as its position text shows it (SignIndexOfLongitudeLabel), -1 for none.
    std::array<int, kBodyCount> bodySign{};
    std::array<bool, kBodyCount> retrograde{};  // marked for Mercury .. Saturn only
    double moonNakshatraStart = 0;              // degrees; 0 when outside the table

    // Sunrise and sunset of the birth date and its neighbours at their own local date and
    // time; nothing where the Sun does not rise or set.
    std::array<std::optional<DateTime>, kSunEventCount> sunEvents;

    std::optional<PolarOutcome> polar;  // set: none of the values below was computed
    DateTime referenceSunrise;
    int32_t elapsedMinutes = 0;  // whole minutes between the reference sunrise and the birth
    int32_t elapsedSeconds = 0;
    double sunAtSunrise = 0;  // the Sun's sidereal longitude at the reference sunrise, degrees
    std::optional<GhatiLagna> ghatiLagna;
    // A modern chart's ghati lagna as the classic calculation finds it for the same request;
    // nothing for a classic chart, or where the classic one has none.
    std::optional<GhatiLagna> classicGhatiLagna;

    SignMarks marks;  // the arudha marks are there for a polar chart too

    bool HasGhatiLagna() const { return !polar && ghatiLagna.has_value(); }
};

}  // namespace kalodaya
