// The zone line under the form's zone box and the clock notes, in English as the form has
// always written them and in the other languages with their own dates and sentence ends.
#include "chart/present_place.h"

#include <gtest/gtest.h>

#include "../atlas/atlas_fixture.h"
#include "request/from_atlas.h"

namespace kalodaya {
namespace {

using atlas::CivilTime;
using atlas::PlaceAtBirth;
using atlas::testing::At;
using atlas::testing::TheAtlas;

PlaceAtBirth Resolve(const char* place, const CivilTime& clock, bool cityTime = false) {
    const auto found = TheAtlas().places().BestMatch(place);
    EXPECT_TRUE(found) << place;
    auto birth = atlas::ResolvePlaceAtBirth(TheAtlas(), found.value_or(atlas::Place{}), clock,
                                            cityTime);
    EXPECT_TRUE(birth) << birth.error().message;
    return birth ? *birth : PlaceAtBirth{};
}

TEST(ZoneLineText, EachKindOfClockInEachLanguage) {
    const struct {
        const char* place;
        CivilTime clock;
        Language language;
        const char* line;
    } cases[] = {
        {"New Delhi, India", At(1990, 8, 15, 10, 30), Language::En,
         "Asia/Kolkata on 15 August 1990 at 10:30: UTC+05:30 (IST)"},
        // Seconds show only when the clock has them.
        {"Tokyo", At(1990, 8, 15, 10, 30, 5), Language::En,
         "Asia/Tokyo on 15 August 1990 at 10:30:05: UTC+09:00 (JST)"},
        {"Kathmandu, Nepal", At(1990, 6, 15, 8, 0), Language::En,
         "Asia/Kathmandu on 15 June 1990 at 08:00: UTC+05:45 (+0545) — no zone in the list is "
         "this place's clock: exact entry UTC+05:45"},
        {"Chennai", At(1850, 1, 1, 6, 0), Language::En,
         "Asia/Kolkata on 1 January 1850 at 06:00: UTC+05:21 (LMT) — before standard time: the "
         "birthplace's local mean time; no zone in the list is this place's clock: exact entry "
         "UTC+05:21"},
        {"Amsterdam", At(1935, 6, 15, 12, 0), Language::En,
         "Europe/Amsterdam on 15 June 1935 at 12:00: UTC+01:19:32 (NST) — the clocks kept a "
         "city's own mean time (NST UTC+01:19:32), not a zone's standard time; no zone in the "
         "list is this place's clock: exact entry UTC+01:20"},
        {"New York", At(2010, 3, 14, 2, 30), Language::En,
         "America/New_York on 14 March 2010 at 02:30: UTC-05:00 (EST) — clocks skipped this "
         "time when they moved forward; the offset before the change is used"},
        {"New York", At(2010, 11, 7, 1, 30), Language::En,
         "America/New_York on 7 November 2010 at 01:30: UTC-04:00 (EDT) — clocks showed this "
         "time twice when they moved back; the first is used"},
        {"New Delhi, India", At(1990, 8, 15, 10, 30), Language::Hi,
         "Asia/Kolkata, 15 अगस्त 1990 को 10:30 बजे: UTC+05:30 (IST)"},
        {"New Delhi, India", At(1990, 8, 15, 10, 30), Language::Ta,
         "Asia/Kolkata, 15 ஆகஸ்ட் 1990 அன்று 10:30 மணிக்கு: UTC+05:30 (IST)"},
        {"Kathmandu, Nepal", At(1990, 6, 15, 8, 0), Language::Kn,
         "Asia/Kathmandu, 15 ಜೂನ್ 1990 ರಂದು 08:00 ಕ್ಕೆ: UTC+05:45 (+0545) — ಪಟ್ಟಿಯಲ್ಲಿನ ಯಾವ "
         "ವಲಯವೂ ಈ ಸ್ಥಳದ ಗಡಿಯಾರವಲ್ಲ: ನಿಖರ ನಮೂದು UTC+05:45"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZoneLineText(Resolve(c.place, c.clock), c.language), c.line) << c.place;
}

TEST(PlaceNotes, CityTimeOwnPlaceZoneByHandAndTheSentencesEnd) {
    const PlaceAtBirth kept = Resolve("Mumbai, India", At(1950, 6, 1, 10, 0));
    EXPECT_EQ(CityTimeNote(AtlasPlaceOf(kept), Language::En),
              "Bombay kept Bombay Time (UTC+04:51) until 1955; this chart assumes the tz "
              "database's UTC+05:30 (IST). Choose Bombay Time if the birth time was written in "
              "city time.");
    EXPECT_EQ(CityTimeRowText(AtlasPlaceOf(kept), Language::En), "IST, not Bombay Time (UTC+04:51)");
    // The city time's name stays as the zone list writes it, inside the language's sentence.
    const auto hindi = CityTimeNote(AtlasPlaceOf(kept), Language::Hi);
    ASSERT_TRUE(hindi);
    EXPECT_EQ(hindi->rfind("Bombay Time चुनें।"), hindi->size() - std::string("Bombay Time चुनें।").size());

    const PlaceAtBirth used = Resolve("Mumbai, India", At(1950, 6, 1, 10, 0), true);
    EXPECT_EQ(CityTimeRowText(AtlasPlaceOf(used), Language::Ta), "Bombay Time (UTC+04:51)");
    EXPECT_FALSE(CityTimeNote(AtlasPlaceOf(Resolve("Pune, India", At(1950, 6, 1))), Language::En));

    EXPECT_EQ(OwnPlaceLineText(20700, true, Language::En),
              "Your own place's fixed offset: UTC+05:45 — exact entry");
    EXPECT_EQ(ZoneByHandText("Asia/Kolkata", true, Language::En),
              "zone picked by hand; the atlas would pick Asia/Kolkata with the daylight box clear");
    EXPECT_EQ(OwnPlaceLineText(19800, false, Language::Te), "మీ సొంత ప్రదేశపు స్థిర వ్యత్యాసం: UTC+05:30");

    EXPECT_EQ(AsSentence("clocks showed this time twice", Language::En),
              "Clocks showed this time twice.");
    EXPECT_EQ(AsSentence("मानक समय से पहले", Language::Hi), "मानक समय से पहले।");
}

}  // namespace
}  // namespace kalodaya
