#include "ui/print/page_texts_from_outcome.h"

#include "base/tables.h"
#include "chart/present.h"
#include "chart/present_pages.h"
#include "chart/present_place.h"
#include "chart/present_panels.h"
#include "profile/sign_profile.h"
#include "profile/text_keys.h"

namespace kalodaya::ui::print {
namespace {

// The results texts break lines with a carriage return and a line feed; the pages with '\n'.
std::string PlainLines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The profile values on the second page, in their order: the facts, then the five texts in
// reading order. Their captions are the profile's own.
constexpr int kProfileFields[] = {
    ProfileArray::VedicName,      ProfileArray::EnglishName,
    ProfileArray::RulingPlanet,   ProfileArray::Symbol,
    ProfileArray::Nature,         ProfileArray::Color,
    ProfileArray::TypeOfSign,     ProfileArray::Gender,
    ProfileArray::BestPeriodOfActivity, ProfileArray::Barren,
    ProfileArray::Caste,          ProfileArray::Position,
    ProfileArray::ConstituentCharacter, ProfileArray::LuckyDays,
    ProfileArray::LuckyNumbers,   ProfileArray::BestDirection,
    ProfileArray::LuckyColors,    ProfileArray::LuckyGemstone,
    ProfileArray::PartOfTheBody,  ProfileArray::Physique,
    ProfileArray::CompatibleWith, ProfileArray::NotCompatibleWith,
};
constexpr int kProfileTexts[kPageProfileTextCount] = {
    ProfileArray::LooksText, ProfileArray::NatureText, ProfileArray::CareerAndFinanceText,
    ProfileArray::LoveAndDomesticLifeText, ProfileArray::HealthText};

LabelledText Profile(const ResultTexts& view, int field) {
    return {std::string(view.captions[field]), PlainLines(std::string(view.profile[field]))};
}

}  // namespace

ChartPageTexts PageTextsFromOutcome(const ChartOutcome& outcome, int uncertaintyMinutes) {
    // The texts of the language the chart was asked in, English when none was.
    const ResultTexts& view = outcome.ShownTexts();
    const Language language = view.language;
    const ChartResult& chart = outcome.result;
    const BirthDetailsTexts& d = view.details;
    const BirthTimeTexts times = outcome.localized && outcome.localized->birthTimes
                                     ? *outcome.localized->birthTimes
                                     : PresentBirthTimes(chart, language);
    const PageCaptions captions = PresentPageCaptions(language);
    const ResultPanelTexts panels = PresentPanels(outcome, uncertaintyMinutes);
    ChartPageTexts t;

    t.name = Trimmed(d.name);
    t.isoBirthDate = times.isoDate;

    t.heading = captions.heading;
    t.headingLine = captions.headingLine;
    t.signCaption = view.ghatiLagnaSignCaption;
    t.ghatiLagnaSign = view.ghatiLagnaSignName;

    for (int style = 0; style < kChartStyleCount; ++style)
        t.layouts[style] = LayOutChart(chart, view, static_cast<ChartStyle>(style));
    t.chartStyle = chart.request.chartStyle.value_or(ChartStyle::South);
    t.planetTableCaption = captions.planetTable;
    for (int k = 0; k < kBodyCount; ++k)
        t.planets[k] = {std::string(captions.planets[k]), view.planet[k]};

    // Date and time as the chart counted them, written out in full (the window's short forms
    // drop leading zeros, which reads badly on paper).
    t.detailsCaption = captions.details;
    auto labelled = [](std::string_view label, const std::string& text) {
        return LabelledText{std::string(label), text};
    };
    t.birthDetails = {
        labelled(captions.dateOfBirth, times.date), labelled(captions.timeOfBirth, times.clock),
        labelled(captions.timeZone, times.zone),
        labelled(Text(language, text_key::kZoneEntryCaption), times.zoneSource),
        labelled(captions.latitude, d.latitude),    labelled(captions.longitude, d.longitude),
        labelled(captions.city, d.city),            labelled(captions.state, d.state),
        labelled(captions.country, d.country),
    };
    // Which time the chart assumes in a city that kept its own (Bombay Time before 1955).
    if (chart.request.atlasPlace)
        if (const auto row = CityTimeRowText(*chart.request.atlasPlace, language))
            t.birthDetails.push_back(labelled(Text(language, text_key::kClockTimeCaption), *row));

    t.sunriseCaption = captions.sunriseCaption;
    // The facts panel's rows from the sunrise on (the moment and zone are the details' own;
    // the settings, too long for a row, head the notes).
    for (const LabelledLine& line : panels.facts) {
        if (line.caption == Text(language, text_key::kBirthCaption) ||
            line.caption == captions.timeZone ||
            line.caption == Text(language, text_key::kZoneEntryCaption) ||
            line.caption == panels.settingsCaption)
            continue;
        t.sunRows.push_back({line.caption, line.text});
    }

    t.notesCaption = panels.windowsCaption;
    t.notes.push_back(panels.settingsCaption + " " + panels.settings);
    for (const std::string* note :
         {&panels.windows.ghatiLagna, &panels.windows.ascendant, &panels.windows.moon,
          &panels.windows.chart, &panels.classicComparison})
        if (!note->empty()) t.notes.push_back(*note);
    for (const std::string& note : panels.clockNotes) t.notes.push_back(note);
    t.rangeCaption = panels.rangeError.empty() ? panels.rangeCaption : panels.rangeError;
    for (const std::string& head : TimeRangeHeads(language)) t.rangeHeads.push_back(head);
    for (const TimeRangeRowTexts& row : panels.range) {
        if (row.holdsBirth) t.rangeBirthRow = static_cast<int>(t.rangeRows.size());
        t.rangeRows.push_back({row.from, row.to, row.ghatiLagna, row.ascendant, row.moon});
    }

    t.profileCaption = captions.profile;
    t.pageNumber = captions.pageNumber;
    for (const int field : kProfileFields) t.profileFields.push_back(Profile(view, field));
    for (int i = 0; i < kPageProfileTextCount; ++i) t.profileTexts[i] = Profile(view, kProfileTexts[i]);

    for (const std::string* part : {&d.city, &d.state, &d.country}) {
        const std::string trimmed = Trimmed(*part);
        if (trimmed.empty()) continue;
        if (!t.place.empty()) t.place += ", ";
        t.place += trimmed;
    }
    t.birthMoment = PageBirthMoment(times.date, times.clock, language);
    t.documentTitle = PageDocumentTitle(t.name, times.date, times.clock, t.place, d.latitude,
                                        d.longitude, language);
    return t;
}

PageRequest RequestChartPages(const BirthRequest& request, Language language) {
    // The pages carry the chart's birth-time windows, and the spans of its range when one was
    // asked for.
    ChartOptions options;
    options.timeWindows = true;
    if (language != Language::En) options.language = language;
    if (request.language) options.language = request.language;
    const ChartOutcome outcome = RequestChart(request, options);
    if (outcome.failure) return {std::nullopt, outcome.ShownMessage()};
    if (outcome.Polar()) return {std::nullopt, outcome.ShownTexts().polarMessage};
    return {PageTextsFromOutcome(outcome, request.uncertaintyMinutes), {}};
}

}  // namespace kalodaya::ui::print
