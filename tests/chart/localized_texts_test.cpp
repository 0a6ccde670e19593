// A chart's texts in every language: each text filled in, in the language's script, with the
// English text's numbers; English asked for adds nothing and changes nothing.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_json.h"
#include "chart/chart_layout.h"
#include "chart/chart_outcome.h"
#include "chart/present.h"
#include "chart/present_pages.h"
#include "chart_test_support.h"
#include "profile/sign_profile.h"
#include "profile/text_checks.h"
#include "profile/text_keys.h"

namespace kalodaya {
namespace {

constexpr Language kTranslations[] = {Language::EnSa, Language::Hi, Language::Ta, Language::Te,
                                      Language::Kn};

struct NamedText {
    std::string what;
    std::string text;
};

// Every text a chart's outcome shows that the program makes (not the name and places typed in,
// nor the zone's "UTC" offset), by what it is.
std::vector<NamedText> ShownTexts(const ChartOutcome& o) {
    const ResultTexts& v = o.ShownTexts();
    std::vector<NamedText> all;
    auto add = [&all](std::string what, std::string_view text) {
        all.push_back({std::move(what), std::string(text)});
    };
    for (int k = 0; k < kBodyCount; ++k) {
        add("position " + std::to_string(k), v.planet[k]);
        add("name " + std::to_string(k), v.names[k]);
    }
    add("dob", v.details.dob);
    add("tob", v.details.tob);
    add("latitude", v.details.latitude);
    add("longitude", v.details.longitude);
    add("settings", v.settings);
    add("sun at sunrise", v.sunAtSunrise);
    add("ghati lagna", v.ghatiLagna);
    add("mark", v.ghatiLagnaMark);
    add("sign caption", v.ghatiLagnaSignCaption);
    for (int i = 0; i < kProfileFieldCount; ++i) {
        if (i == ProfileArray::EnglishName) continue;  // English in every language
        add("profile " + std::to_string(i), v.profile[i]);
        if (i != ProfileArray::SignAbbr) add("caption " + std::to_string(i), v.captions[i]);
    }
    if (o.result.request.settings.IsModern()) add("classic comparison", v.classicGhatiLagna);
    if (o.localized && o.localized->birthTimes) {
        const BirthTimeTexts& t = *o.localized->birthTimes;
        for (const auto& [what, text] : {std::pair{"date", &t.date},
                                         {"sunrise", &t.sunrise},
                                         {"reference sunrise", &t.referenceSunrise},
                                         {"elapsed caption", &t.elapsedCaption},
                                         {"elapsed", &t.elapsed}})
            add(what, *text);
    }
    if (o.localized && o.localized->windows) {
        const TimeWindowTexts& w = *o.localized->windows;
        add("window ghati lagna", w.ghatiLagna);
        add("window ascendant", w.ascendant);
        add("window moon", w.moon);
        add("window chart", w.chart);
    }
    return all;
}

// The worked example, classic and modern (the modern chart has the classic comparison).
std::vector<BirthRequest> Requests() {
    BirthRequest classic = testing_support::WorkedExampleRequest();
    BirthRequest modern = classic;
    modern.settings = {EphemerisKind::Modern, AyanamsaKind::Lahiri, NodeKind::True,
                       SunriseKind::Hindu};
    return {classic, modern};
}

std::string Script(Language language) {
    return std::string(Text(language, text_key::kScript));
}

TEST(LocalizedTexts, EveryTextIsFilledInAndInTheLanguagesScript) {
    for (const BirthRequest& request : Requests()) {
        for (Language language : kTranslations) {
            const ChartOutcome o = RequestChart(request, ChartOptions{true, language});
            ASSERT_TRUE(o.localized.has_value());
            ASSERT_TRUE(o.Computed());
            const std::string_view code = CodeOfLanguage(language);
            for (const NamedText& t : ShownTexts(o)) {
                EXPECT_FALSE(t.text.empty()) << code << " " << t.what;
                EXPECT_EQ(t.text.find('%'), std::string::npos)
                    << code << " " << t.what << ": " << t.text;
                EXPECT_FALSE(MustTranslate(Script(language), t.text))
                    << code << " " << t.what << " has Latin letters: " << t.text;
            }
        }
    }
}

// Digits stay Latin and every number of the English text is in its translation: a pattern that
// drops or repeats a placeholder, or fills in the wrong value, shows here.
TEST(LocalizedTexts, KeepTheEnglishTextsNumbers) {
    for (const BirthRequest& request : Requests()) {
        const std::vector<NamedText> english =
            ShownTexts(RequestChart(request, ChartOptions{true, Language::En}));
        for (Language language : kTranslations) {
            const std::vector<NamedText> shown =
                ShownTexts(RequestChart(request, ChartOptions{true, language}));
            ASSERT_EQ(shown.size(), english.size()) << CodeOfLanguage(language);
            for (std::size_t i = 0; i < shown.size(); ++i) {
                ASSERT_EQ(shown[i].what, english[i].what);
                EXPECT_EQ(KeptParts(shown[i].text), KeptParts(english[i].text))
                    << CodeOfLanguage(language) << " " << shown[i].what << ": " << shown[i].text
                    << " / " << english[i].text;
            }
        }
    }
}

TEST(LocalizedTexts, PositionsCarryTheLanguagesSignCode) {
    struct Case {
        Language language;
        double longitude;
        std::string_view expected;
    };
    const Case cases[] = {
        {Language::En, 150.75, "00 Vir 45"},   {Language::Hi, 150.75, "00 कन्या 45"},
        {Language::Ta, 150.75, "00 கன்னி 45"},  {Language::Te, 150.75, "00 కన్య 45"},
        {Language::Kn, 150.75, "00 ಕನ್ಯಾ 45"},  {Language::EnSa, 150.75, "00 Kan 45"},
        {Language::Ta, 119.995, "29 கடகம் 59"}, {Language::Hi, 0.5, "00 मेष 30"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PositionText(c.longitude, c.language), c.expected)
            << CodeOfLanguage(c.language) << " " << c.longitude;
}

TEST(LocalizedTexts, ChartMarksAndLayoutUseTheLanguagesWords) {
    BirthRequest request = testing_support::WorkedExampleRequest();
    request.chartStyle = ChartStyle::South;
    const ChartOutcome o = RequestChart(request, ChartOptions{false, Language::Ta});
    const ResultTexts& v = o.ShownTexts();
    const int sign = o.result.marks.ghatiLagnaSign;
    ASSERT_GE(sign, 0);
    EXPECT_NE(v.markers[sign].find("\r\nக.ல."), std::string::npos);
    EXPECT_NE(v.signCells[o.result.bodySign[Sun]].find("சூரியன்"), std::string::npos);
    const ChartLayout layout = LayOutChart(o.result, v, ChartStyle::South);
    bool marked = false;
    for (const LayoutItem& item : layout.cells[sign].items)
        marked |= item.kind == LayoutItem::Kind::Marker && item.text == "க.ல.";
    EXPECT_TRUE(marked);
    // The English texts beside them are untouched.
    EXPECT_EQ(o.texts.ghatiLagnaMark, "GL");
    EXPECT_EQ(o.texts.language, Language::En);
}

TEST(LocalizedTexts, FailedChecksSpeakTheLanguageAndKeepTheEnglishMessage) {
    struct Case {
        void (*spoil)(BirthRequest&);
        std::string_view key;
    };
    const Case cases[] = {
        {[](BirthRequest& r) { r.name = " "; }, text_key::kCheckName},
        {[](BirthRequest& r) { r.longitude.degrees = 180; }, text_key::kCheckLongitudeDegrees},
        {[](BirthRequest& r) { r.latitude.minutes.reset(); }, text_key::kCheckLatitudeMinutes},
        {[](BirthRequest& r) { r.month = 4, r.day = 31; }, text_key::kCheckDayOfThirtyDayMonth},
        {[](BirthRequest& r) { r.zone = NoZone{}; }, text_key::kCheckTimeZone},
    };
    for (Language language : kTranslations) {
        for (const Case& c : cases) {
            BirthRequest r = testing_support::WorkedExampleRequest();
            c.spoil(r);
            const ChartOutcome o = RequestChart(r, ChartOptions{false, language});
            ASSERT_TRUE(o.failure.has_value()) << c.key;
            EXPECT_EQ(o.failure->message, Text(Language::En, c.key));
            EXPECT_EQ(o.ShownMessage(), Text(language, c.key)) << CodeOfLanguage(language);
        }
    }
}

TEST(LocalizedTexts, PolarMessageAndRangeInTheLanguage) {
    BirthRequest polar = testing_support::North75Request(6, 25);
    const ChartOutcome o = RequestChart(polar, ChartOptions{false, Language::Hi});
    ASSERT_TRUE(o.Polar());
    const std::string message = o.ShownTexts().polarMessage;
    EXPECT_NE(message.find("25 जून 1990"), std::string::npos) << message;
    EXPECT_FALSE(o.localized->birthTimes.has_value());
    EXPECT_EQ(o.texts.polarMessage, PolarMessage(*o.result.polar));

    BirthRequest ranged = testing_support::WorkedExampleRequest();
    ranged.timeRange = BirthTimeRange{DateTime::FromCivil(1990, 8, 15, 10, 20),
                                      DateTime::FromCivil(1990, 8, 15, 10, 40)};
    const ChartOutcome r = RequestChart(ranged, ChartOptions{false, Language::Te});
    ASSERT_TRUE(r.range.has_value());
    ASSERT_EQ(r.localized->range.size(), r.range->size());
    const std::vector<TimeRangeRowTexts> english = PresentTimeRange(*r.range, r.result.birthMoment);
    for (std::size_t i = 0; i < english.size(); ++i) {
        EXPECT_EQ(r.localized->range[i].from, english[i].from);  // clock times stay
        EXPECT_EQ(r.localized->range[i].holdsBirth, english[i].holdsBirth);
        EXPECT_FALSE(MustTranslate("Telu", r.localized->range[i].ascendant));
    }
    EXPECT_EQ(TimeRangeHeads(Language::Te)[1], "వరకు");
    EXPECT_EQ(TimeRangeHeads(Language::En)[2], "Ghati lagna");
}

// The printed pages' captions: each filled in and in the language's script; the page number and
// the title keep their placeholders' values.
TEST(LocalizedTexts, PageCaptionsInEveryLanguage) {
    for (Language language : kTranslations) {
        const PageCaptions c = PresentPageCaptions(language);
        std::vector<std::string_view> all = {
            c.heading,     c.headingLine, c.planetTable,    c.details,   c.dateOfBirth,
            c.timeOfBirth, c.timeZone,    c.latitude,       c.longitude, c.city,
            c.state,       c.country,     c.sunriseCaption, c.sunrise,   c.referenceSunrise,
            c.profile,     c.pageNumber};
        all.insert(all.end(), c.planets.begin(), c.planets.end());
        for (std::string_view text : all) {
            EXPECT_FALSE(text.empty()) << CodeOfLanguage(language);
            EXPECT_FALSE(MustTranslate(Script(language), text)) << CodeOfLanguage(language) << text;
        }
        EXPECT_EQ(FillPlaceholders(c.pageNumber, {"2"}).find('2') != std::string::npos, true);
        for (const auto& [name, place] :
             {std::pair{"", ""}, {"RAMA", ""}, {"", "Delhi"}, {"RAMA", "Delhi"}}) {
            const std::string title =
                PageDocumentTitle(name, "15", "10:30:00", place, "28", "77", language);
            for (std::string_view part : {std::string_view(name), std::string_view(place),
                                          std::string_view("10:30:00"), std::string_view("77")})
                EXPECT_NE(title.find(part), std::string::npos) << title;
            EXPECT_EQ(title.find('%'), std::string::npos) << title;
        }
    }
    EXPECT_EQ(PageDocumentTitle("RAMA", "August 15, 1990", "10:30:00", "Delhi", "28° 39' N",
                                "77° 13' E", Language::En),
              "Ghati lagna chart of RAMA, born August 15, 1990 at 10:30:00 in Delhi (28° 39' N, "
              "77° 13' E)");
    EXPECT_EQ(PageDocumentTitle("", "August 15, 1990", "10:30:00", "", "a", "b", Language::En),
              "Ghati lagna chart, born August 15, 1990 at 10:30:00 (a, b)");
    // The English captions the pages and the window take from Present are the profile's own.
    const ResultTexts english = RequestChart(testing_support::WorkedExampleRequest()).texts;
    for (int array = 0; array < kProfileFieldCount; ++array)
        EXPECT_EQ(english.captions[array], kProfileCaptions[array]) << array;
    EXPECT_EQ(english.ghatiLagnaSignName, "Cancer");
}

// Without a language the chart is as it always was; English asked for repeats the English
// texts beside them; any language only adds a member after the English ones.
TEST(LocalizedTexts, EnglishMembersStayAndComeFirst) {
    for (const BirthRequest& request : Requests()) {
        const ChartOutcome plain = RequestChart(request, true);
        EXPECT_FALSE(plain.localized.has_value());
        const std::string plainText = ChartJsonText(plain);
        const ChartOutcome english = RequestChart(request, ChartOptions{true, Language::En});
        ASSERT_TRUE(english.localized.has_value());
        const ResultTexts& beside = english.localized->texts;
        EXPECT_EQ(beside.planet, plain.texts.planet);
        EXPECT_EQ(beside.names, plain.texts.names);
        EXPECT_EQ(beside.details.dob, plain.texts.details.dob);
        EXPECT_EQ(beside.settings, plain.texts.settings);
        EXPECT_EQ(beside.profile, plain.texts.profile);
        for (Language language : {Language::En, Language::Ta}) {
            const std::string text =
                ChartJsonText(RequestChart(request, ChartOptions{true, language}));
            ASSERT_GT(text.size(), plainText.size());
            EXPECT_EQ(text.substr(0, plainText.size() - 1),
                      plainText.substr(0, plainText.size() - 1));
            EXPECT_EQ(text.substr(plainText.size() - 1, 20), ",\"texts_localized\":{");
        }
    }
}

}  // namespace
}  // namespace kalodaya
