#include "chart/present_panels.h"

namespace kalodaya {

ResultPanelTexts PresentPanels(const ChartOutcome& outcome, int uncertaintyMinutes) {
    ResultPanelTexts t;
    const ChartResult& r = outcome.result;
    // The values in the language the outcome was asked in (its captions are the window's own).
    const Language language = outcome.localized ? outcome.localized->language : Language::En;
    const ResultTexts& texts = outcome.ShownTexts();
    const BirthTimeTexts times = PresentBirthTimes(r, language);
    t.facts = BirthFactLines(times, texts);
    t.clockNotes = times.clockNotes;
    t.settingsCaption = "Calculation :";
    t.settings = texts.settings;
    t.classicComparison = texts.classicGhatiLagna;
    t.windowsCaption = "Birth Time Windows";
    if (outcome.windows) t.windows = PresentTimeWindows(*outcome.windows, r.birthMoment, language);
    if (outcome.range) {
        t.range = PresentTimeRange(*outcome.range, r.birthMoment, language);
        t.rangeCaption = uncertaintyMinutes > 0
                             ? "Charts for births within \xC2\xB1 " +
                                   std::to_string(uncertaintyMinutes) + " " +
                                   UncertaintyUnit(language) +
                                   " of " + times.clock
                             : std::string("Charts for births in the range asked for");
    }
    t.rangeError = outcome.rangeError;
    return t;
}

}  // namespace kalodaya
