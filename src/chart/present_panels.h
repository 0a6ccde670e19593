#pragma once
// The texts the desktop's results window and its printed pages show beside the chart itself:
// the birth's facts and clock notes, the calculation settings, the classic ghati lagna of a
// modern chart, the birth-time windows and the spans of a range of birth times.
#include <string>
#include <vector>

#include "chart/chart_outcome.h"
#include "chart/present.h"
#include "chart/present_windows.h"

namespace kalodaya {

struct ResultPanelTexts {
    std::vector<LabelledLine> facts;      // BirthFactLines
    std::vector<std::string> clockNotes;  // whole sentences
    std::string settingsCaption;          // "Calculation :"
    std::string settings;                 // "classic ephemeris, classic ayanamsa, ..."
    std::string classicComparison;        // "Classic: 19 Can 35, ..."; empty for classic
    TimeWindowTexts windows;              // empty texts when the windows were not asked for
    std::string windowsCaption;           // "Birth Time Windows"
    // The spans of the range the request asked for, the entered time's marked; or why the
    // range cannot be searched.
    std::vector<TimeRangeRowTexts> range;
    std::string rangeError;
    std::string rangeCaption;  // "Charts within ± 5 minutes of 10:30:00"; empty without a range
};

// Only for a computed chart (outcome.Computed()).
ResultPanelTexts PresentPanels(const ChartOutcome& outcome, int uncertaintyMinutes);

}  // namespace kalodaya
