#include "chart/present_panels.h"

namespace kalodaya {

ResultPanelTexts PresentPanels(const ChartOutcome& outcome, int uncertaintyMinutes) {
    ResultPanelTexts t;
    const ChartResult& r = outcome.result;
    const BirthTimeTexts times = PresentBirthTimes(r);
    t.facts = BirthFactLines(times, outcome.texts);
    t.clockNotes = times.clockNotes;
    t.settingsCaption = "Calculation :";
    t.settings = outcome.texts.settings;
    t.classicComparison = outcome.texts.classicGhatiLagna;
    t.windowsCaption = "Birth Time Windows";
    if (outcome.windows) t.windows = PresentTimeWindows(*outcome.windows, r.birthMoment);
    if (outcome.range) {
        t.range = PresentTimeRange(*outcome.range, r.birthMoment);
        t.rangeCaption = uncertaintyMinutes > 0
                             ? "Charts for births within \xC2\xB1 " +
                                   std::to_string(uncertaintyMinutes) + " " + UncertaintyUnit() +
                                   " of " + times.clock
                             : std::string("Charts for births in the range asked for");
    }
    t.rangeError = outcome.rangeError;
    return t;
}

}  // namespace kalodaya
