#include "ui/print/page_texts_from_outcome.h"

#include <cstdio>
#include <cstdlib>

#include "base/tables.h"
#include "base/utc_offset.h"
#include "chart/present.h"
#include "profile/sign_profile.h"

namespace kalodaya::ui::print {
namespace {

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

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

struct ProfileCaption {
    const char* caption;
    int field;
};
constexpr ProfileCaption kProfileFields[] = {
    {"Vedic Name", ProfileArray::VedicName},
    {"English Name", ProfileArray::EnglishName},
    {"Ruling Planet", ProfileArray::RulingPlanet},
    {"Symbol", ProfileArray::Symbol},
    {"Nature", ProfileArray::Nature},
    {"Color", ProfileArray::Color},
    {"Type Of Sign", ProfileArray::TypeOfSign},
    {"Gender", ProfileArray::Gender},
    {"Best Period Of Activity", ProfileArray::BestPeriodOfActivity},
    {"Barren", ProfileArray::Barren},
    {"Caste", ProfileArray::Caste},
    {"Position", ProfileArray::Position},
    {"Constituent Character", ProfileArray::ConstituentCharacter},
    {"Lucky Days", ProfileArray::LuckyDays},
    {"Lucky Numbers", ProfileArray::LuckyNumbers},
    {"Best Direction", ProfileArray::BestDirection},
    {"Lucky Colors", ProfileArray::LuckyColors},
    {"Lucky Gemstone", ProfileArray::LuckyGemstone},
    {"Part Of The Body", ProfileArray::PartOfTheBody},
    {"Physique", ProfileArray::Physique},
    {"Compatible With", ProfileArray::CompatibleWith},
    {"Not Compatible With", ProfileArray::NotCompatibleWith},
};
// The five texts in reading order.
constexpr ProfileCaption kProfileTexts[kPageProfileTextCount] = {
    {"Looks", ProfileArray::LooksText},
    {"Nature", ProfileArray::NatureText},
    {"Career And Finance", ProfileArray::CareerAndFinanceText},
    {"Love And Domestic Life", ProfileArray::LoveAndDomesticLifeText},
    {"Health", ProfileArray::HealthText},
};

std::string HoursAndMinutes(int minutes) {
    return std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min";
}

// A ghati is 24 minutes; two decimals show how far into the current one the birth fell.
std::string Ghatis(int minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f ghatis", minutes / 24.0);
    return text;
}

}  // namespace

std::string ClockText(const DateTime& moment, bool withSeconds) {
    std::string text = TwoDigits(moment.Hour()) + ":" + TwoDigits(moment.Minute());
    if (withSeconds) text += ":" + TwoDigits(moment.Second());
    return text;
}

SunriseTexts FormatSunriseTexts(const DateTime& sunrise, const DateTime& referenceSunrise,
                                const DateTime& birthMoment, int elapsedMinutes) {
    SunriseTexts texts;
    texts.sunrise.label = "Sunrise :";
    texts.sunrise.text = ClockText(sunrise, false);
    if (sunrise.DateOnly() != birthMoment.DateOnly())
        texts.sunrise.text += ", " + DateWords(sunrise);
    texts.referenceSunrise = {"Reference Sunrise :",
                              ClockText(referenceSunrise, false) + ", " + DateWords(referenceSunrise)};
    const int minutes = std::abs(elapsedMinutes);
    const bool countsToSunrise = referenceSunrise > birthMoment;
    texts.timeElapsed = {countsToSunrise ? "Time To Sunrise :" : "Time Elapsed :",
                         HoursAndMinutes(minutes) + " (" + Ghatis(minutes) + ")"};
    return texts;
}

std::string FormatZoneText(int zoneHoursWest, int zoneMinutesWest, bool dst) {
    std::string text = "UTC" + UtcOffsetText(-(zoneHoursWest * 60 + zoneMinutesWest) * 60);
    if (dst) text += ", daylight saving time";
    return text;
}

ChartPageTexts PageTextsFromOutcome(const ChartOutcome& outcome) {
    const ResultTexts& view = outcome.texts;
    const ChartResult& chart = outcome.result;
    const LocalBirth& birth = chart.request.birth;
    const BirthDetailsTexts& d = view.details;
    ChartPageTexts t;

    t.name = Trimmed(d.name);
    const DateTime& born = chart.birthMoment;
    t.isoBirthDate = born.Iso().substr(0, 10);

    t.heading = "Significance of Ghati Lagna";
    t.headingLine =
        "Ghati Lagna signifies the importance of self in terms of fame, power, authority and status";
    t.signCaption = "Ghati Lagna Present In Sign";
    t.ghatiLagnaSign = view.profile[ProfileArray::EnglishName];
    if (t.ghatiLagnaSign.empty() && chart.ghatiLagna && chart.ghatiLagna->sign >= 0 &&
        chart.ghatiLagna->sign < kSignCount)
        t.ghatiLagnaSign = kSignNames[chart.ghatiLagna->sign];

    for (int sign = 0; sign < kSignCount; ++sign) {
        t.signCells[sign] = PlainLines(view.signCells[sign]);
        t.markers[sign] = PlainLines(view.markers[sign]);
    }
    t.planetTableCaption = "Vedic Planetary Position";
    for (int k = 0; k < kBodyCount; ++k) t.planets[k] = {kPlanetCaptions[k], view.planet[k]};

    // Date and time as the chart counted them, written out in full (the window's short forms
    // drop leading zeros, which reads badly on paper).
    t.detailsCaption = "Your Details";
    t.birthDetails = {
        {"Date of Birth :", DateWords(born)},
        {"Time of Birth :", ClockText(born, true)},
        {"Time Zone :", FormatZoneText(birth.zone.hours, birth.zone.minutes, birth.daylight)},
        {"Latitude :", d.latitude},
        {"Longitude :", d.longitude},
        {"City :", d.city},
        {"State :", d.state},
        {"Country :", d.country},
    };

    t.sunriseCaption = "Sunrise and Ghati Lagna";
    const SunriseTexts sun =
        FormatSunriseTexts(chart.sunEvents[kSunrise].value_or(chart.referenceSunrise),
                           chart.referenceSunrise, born, chart.elapsedMinutes);
    t.sunrise = sun.sunrise;
    t.referenceSunrise = sun.referenceSunrise;
    t.timeElapsed = sun.timeElapsed;

    t.profileCaption = "Ghati Lagna Details";
    for (const ProfileCaption& field : kProfileFields)
        t.profileFields.push_back({field.caption, PlainLines(std::string(view.profile[field.field]))});
    for (int i = 0; i < kPageProfileTextCount; ++i)
        t.profileTexts[i] = {kProfileTexts[i].caption, PlainLines(std::string(view.profile[kProfileTexts[i].field]))};

    for (const std::string* part : {&d.city, &d.state, &d.country}) {
        const std::string trimmed = Trimmed(*part);
        if (trimmed.empty()) continue;
        if (!t.place.empty()) t.place += ", ";
        t.place += trimmed;
    }
    t.birthMoment = DateWords(born) + ", " + ClockText(born, true);
    t.documentTitle = "Ghati lagna chart" + (t.name.empty() ? "" : " of " + t.name) + ", born " +
                      DateWords(born) + " at " + ClockText(born, true) +
                      (t.place.empty() ? "" : " in " + t.place) + " (" + d.latitude + ", " +
                      d.longitude + ")";
    return t;
}

PageRequest RequestChartPages(const BirthRequest& request) {
    const ChartOutcome outcome = RequestChart(request);
    if (outcome.failure) return {std::nullopt, outcome.failure->message};
    if (outcome.Polar()) return {std::nullopt, outcome.texts.polarMessage};
    return {PageTextsFromOutcome(outcome), {}};
}

}  // namespace kalodaya::ui::print
