#pragma once
// The texts of a chart's birth-time windows and of a range's spans, for the results window and
// the printed pages.
#include <string>
#include <vector>

#include "chart/time_windows.h"

namespace kalodaya {

struct TimeWindowTexts {
    // "Ghati lagna in Cancer for births from 10:18:40 to 10:42:39 (11 min 20 s before to
    // 12 min 39 s after 10:30:00)"; empty without a ghati lagna (polar).
    std::string ghatiLagna;
    std::string ascendant;  // "Ascendant in Libra for births from ..."
    std::string moon;       // "Moon in Aries for births from ..."
    std::string chart;      // "The whole chart stays the same for births from ..."; or empty
};

TimeWindowTexts PresentTimeWindows(const TimeWindows& windows, const DateTime& birth);

// One span of a range as the range's table shows it.
struct TimeRangeRowTexts {
    std::string from, to;  // "10:18:40", with the date when it is not the birth's
    std::string ghatiLagna, ascendant, moon;  // sign names; "-" without a ghati lagna
    bool holdsBirth = false;  // the entered birth time falls in this span
};

std::vector<TimeRangeRowTexts> PresentTimeRange(const std::vector<TimeRangeSpan>& spans,
                                                const DateTime& birth);

// The range's table's column heads.
inline constexpr const char* kTimeRangeHeads[] = {"From", "To", "Ghati lagna", "Ascendant",
                                                  "Moon"};

// "Birth time uncertain by ± N minutes": the caption of the range box, and the unit after its
// number.
std::string UncertaintyCaption();
std::string UncertaintyUnit();

}  // namespace kalodaya
