#include "ui/print/page_texts_from_outcome.h"

#include "base/tables.h"
#include "chart/present.h"
#include "chart/present_panels.h"
#include "profile/sign_profile.h"

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

// The planet table's captions, row by row in body order.
constexpr const char* kPlanetCaptions[kBodyCount] = {
    "Surya/Sun",    "Chandra/Moon", "Budha/Mercury",   "Shukra/Venus",    "Mangala/Mars",
    "Guru/Jupiter", "Shani/Saturn", "Rahu/North Node", "Ketu/South node", "Asc/Lagna"};

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
    return {std::string(kProfileCaptions[field]), PlainLines(std::string(view.profile[field]))};
}

}  // namespace

ChartPageTexts PageTextsFromOutcome(const ChartOutcome& outcome, int uncertaintyMinutes) {
    const ResultTexts& view = outcome.texts;
    const ChartResult& chart = outcome.result;
    const BirthDetailsTexts& d = view.details;
    const BirthTimeTexts times = PresentBirthTimes(chart);
    const ResultPanelTexts panels = PresentPanels(outcome, uncertaintyMinutes);
    ChartPageTexts t;

    t.name = Trimmed(d.name);
    t.isoBirthDate = times.isoDate;

    t.heading = "Significance of Ghati Lagna";
    t.headingLine =
        "Ghati Lagna signifies the importance of self in terms of fame, power, authority and status";
    t.signCaption = "Ghati Lagna Present In Sign";
    t.ghatiLagnaSign = view.profile[ProfileArray::EnglishName];
    if (t.ghatiLagnaSign.empty() && chart.ghatiLagna && chart.ghatiLagna->sign >= 0 &&
        chart.ghatiLagna->sign < kSignCount)
        t.ghatiLagnaSign = kSignNames[chart.ghatiLagna->sign];

    for (int style = 0; style < kChartStyleCount; ++style)
        t.layouts[style] = LayOutChart(chart, view, static_cast<ChartStyle>(style));
    t.chartStyle = chart.request.chartStyle.value_or(ChartStyle::South);
    t.planetTableCaption = "Vedic Planetary Position";
    for (int k = 0; k < kBodyCount; ++k) t.planets[k] = {kPlanetCaptions[k], view.planet[k]};

    // Date and time as the chart counted them, written out in full (the window's short forms
    // drop leading zeros, which reads badly on paper).
    t.detailsCaption = "Your Details";
    t.birthDetails = {
        {"Date of Birth :", times.date},
        {"Time of Birth :", times.clock},
        {"Time Zone :", times.zone},
        {"Zone Entry :", times.zoneSource},
        {"Latitude :", d.latitude},
        {"Longitude :", d.longitude},
        {"City :", d.city},
        {"State :", d.state},
        {"Country :", d.country},
    };

    t.sunriseCaption = "Sunrise and Ghati Lagna";
    // The facts panel's rows from the sunrise on (the moment and zone are the details' own;
    // the settings, too long for a row, head the notes).
    for (const LabelledLine& line : panels.facts) {
        if (line.caption == "Birth :" || line.caption == "Time Zone :" ||
            line.caption == "Zone Entry :" || line.caption == panels.settingsCaption)
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
    for (const char* head : kTimeRangeHeads) t.rangeHeads.emplace_back(head);
    for (const TimeRangeRowTexts& row : panels.range) {
        if (row.holdsBirth) t.rangeBirthRow = static_cast<int>(t.rangeRows.size());
        t.rangeRows.push_back({row.from, row.to, row.ghatiLagna, row.ascendant, row.moon});
    }

    t.profileCaption = "Ghati Lagna Details";
    for (const int field : kProfileFields) t.profileFields.push_back(Profile(view, field));
    for (int i = 0; i < kPageProfileTextCount; ++i) t.profileTexts[i] = Profile(view, kProfileTexts[i]);

    for (const std::string* part : {&d.city, &d.state, &d.country}) {
        const std::string trimmed = Trimmed(*part);
        if (trimmed.empty()) continue;
        if (!t.place.empty()) t.place += ", ";
        t.place += trimmed;
    }
    t.birthMoment = times.date + ", " + times.clock;
    t.documentTitle = "Ghati lagna chart" + (t.name.empty() ? "" : " of " + t.name) + ", born " +
                      times.date + " at " + times.clock +
                      (t.place.empty() ? "" : " in " + t.place) + " (" + d.latitude + ", " +
                      d.longitude + ")";
    return t;
}

PageRequest RequestChartPages(const BirthRequest& request) {
    // The pages carry the chart's birth-time windows, and the spans of its range when one was
    // asked for.
    const ChartOutcome outcome = RequestChart(request, true);
    if (outcome.failure) return {std::nullopt, outcome.failure->message};
    if (outcome.Polar()) return {std::nullopt, outcome.texts.polarMessage};
    return {PageTextsFromOutcome(outcome, request.uncertaintyMinutes), {}};
}

}  // namespace kalodaya::ui::print
