#include "chart/present_panels.h"

#include "profile/language_texts.h"
#include "profile/text_keys.h"

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
    t.settingsCaption = std::string(Text(language, text_key::kSettingsCaption));
    t.settings = texts.settings;
    t.classicComparison = texts.classicGhatiLagna;
    t.windowsCaption = std::string(Text(language, text_key::kWindowsCaption));
    if (outcome.windows) t.windows = PresentTimeWindows(*outcome.windows, r.birthMoment, language);
    if (outcome.range) {
        t.range = PresentTimeRange(*outcome.range, r.birthMoment, language);
        t.rangeCaption =
            uncertaintyMinutes > 0
                ? FillPlaceholders(Text(language, text_key::kRangeCaption),
                                   {std::to_string(uncertaintyMinutes),
                                    UncertaintyUnit(language), times.clock})
                : std::string(Text(language, text_key::kRangeCaptionAsked));
    }
    t.rangeError = outcome.rangeError;
    return t;
}

}  // namespace kalodaya
