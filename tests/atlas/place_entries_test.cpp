// An atlas place put into the form's entries for the birth moment they hold: the boxes, the
// hemispheres, the zone entry or exact zone, and the place record the chart reports.
#include "chart/place_entries.h"

#include <gtest/gtest.h>

#include "astro/zone_table.h"
#include "atlas_fixture.h"
#include "chart/entry_checks.h"

namespace kalodaya {
namespace {

using atlas::testing::TheAtlas;

Entries At(int year, int month, int day, int hour, int minute, int second = 0) {
    Entries e;
    e.name = "RAMA";
    e.yearText = std::to_string(year);
    e.monthIndex = month - 1;
    e.dayText = std::to_string(day);
    e.hourText = std::to_string(hour);
    e.minuteText = std::to_string(minute);
    e.secondText = std::to_string(second);
    return e;
}

atlas::Place Best(const char* text) {
    const auto place = TheAtlas().places().BestMatch(text);
    EXPECT_TRUE(place) << text;
    return place.value_or(atlas::Place{});
}

TEST(EnterAtlasPlace, ChennaiFillsTheBoxesTheZoneAndTheRecord) {
    Entries e = At(1975, 1, 15, 6, 0);
    e.dst = true;
    e.zoneIndex = 3;
    const auto birth = EnterAtlasPlace(e, TheAtlas(), Best("Chennai, India"), ZoneChoice::FromAtlas);
    ASSERT_TRUE(birth);
    EXPECT_EQ(e.city, "Chennai");
    EXPECT_EQ(e.state, "Tamil Nadu");
    EXPECT_EQ(e.country, "India");
    // 13.088 N, 80.278 E to the nearest minute.
    EXPECT_EQ(e.latDegText + ":" + e.latMinText, "13:5");
    EXPECT_EQ(e.lonDegText + ":" + e.lonMinText, "80:17");
    EXPECT_TRUE(e.north);
    EXPECT_TRUE(e.east);
    EXPECT_EQ(e.zoneIndex, 34);
    EXPECT_FALSE(e.exactZone);
    EXPECT_FALSE(e.dst) << "the offset already holds any daylight time";
    ASSERT_TRUE(e.atlasPlace);
    EXPECT_EQ(e.atlasPlace->geonamesId, 1264527);
    EXPECT_EQ(e.atlasPlace->timeZone, "Asia/Kolkata");
    EXPECT_EQ(e.atlasPlace->utcOffsetSeconds, 5 * 3600 + 30 * 60);
    EXPECT_EQ(e.atlasPlace->abbreviation, "IST");
    EXPECT_EQ(e.atlasPlace->tzdataVersion, TheAtlas().zones().tzdataVersion());

    const auto request = ValidateEntries(e);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->zoneEntry, 34);
    EXPECT_EQ(request->atlasPlace, e.atlasPlace);
}

TEST(EnterAtlasPlace, SouthAndWestHemispheres) {
    Entries e = At(2015, 6, 15, 12, 0);
    EnterAtlasPlace(e, TheAtlas(), Best("Buenos Aires, Argentina"), ZoneChoice::FromAtlas);
    EXPECT_FALSE(e.north);
    EXPECT_FALSE(e.east);
    const auto request = ValidateEntries(e);
    ASSERT_TRUE(request);
    EXPECT_TRUE(request->birth.place.south);
    EXPECT_FALSE(request->birth.place.east);
    EXPECT_EQ(request->birth.zone, (ZoneOffset{3, 0}));  // -03:00: Brazil Zone 2
}

TEST(EnterAtlasPlace, AnOffsetWithoutAnEntryBecomesTheExactZone) {
    Entries e = At(1990, 6, 15, 8, 0);
    EnterAtlasPlace(e, TheAtlas(), Best("Kathmandu"), ZoneChoice::FromAtlas);
    EXPECT_EQ(e.zoneIndex, kZoneCount) << "the extra entry after the list";
    EXPECT_EQ(e.exactZone, (ZoneOffset{-5, -45}));
    const auto request = ValidateEntries(e);
    ASSERT_TRUE(request);
    EXPECT_FALSE(request->zoneEntry);
    EXPECT_EQ(request->birth.zone, (ZoneOffset{-5, -45}));

    // A later moment the list has an entry for clears the exact zone again (1980: +05:30).
    Entries earlier = At(1980, 6, 15, 8, 0);
    earlier.exactZone = ZoneOffset{-5, -45};
    EnterAtlasPlace(earlier, TheAtlas(), Best("Kathmandu"), ZoneChoice::FromAtlas);
    EXPECT_EQ(earlier.zoneIndex, 34);
    EXPECT_FALSE(earlier.exactZone);
}

TEST(EnterAtlasPlace, AKeptZoneIsLeftAsItIs) {
    Entries e = At(1990, 6, 15, 8, 0);
    e.zoneIndex = 27;
    e.dst = true;
    const auto birth = EnterAtlasPlace(e, TheAtlas(), Best("Kathmandu"), ZoneChoice::Kept);
    ASSERT_TRUE(birth);
    EXPECT_EQ(e.zoneIndex, 27);
    EXPECT_TRUE(e.dst);
    EXPECT_FALSE(e.exactZone);
    EXPECT_EQ(e.city, "Kathmandu");
    ASSERT_TRUE(e.atlasPlace);
    EXPECT_EQ(e.atlasPlace->utcOffsetSeconds, 5 * 3600 + 45 * 60);
}

TEST(EnterAtlasPlace, ADateThatDoesNotExistFillsThePlaceButNotTheZone) {
    Entries e = At(1990, 2, 30, 8, 0);
    e.zoneIndex = 5;
    EXPECT_FALSE(EnterAtlasPlace(e, TheAtlas(), Best("Chennai"), ZoneChoice::FromAtlas));
    EXPECT_EQ(e.city, "Chennai");
    EXPECT_EQ(e.latDegText, "13");
    EXPECT_EQ(e.zoneIndex, 5);
    EXPECT_FALSE(e.atlasPlace);
    EXPECT_FALSE(ValidateEntries(e)) << "the entry checks report the date";
}

TEST(ExactZoneOf, RoundsToTheNearestMinuteBothWays) {
    EXPECT_EQ(ExactZoneOf(3600 + 19 * 60 + 32), (ZoneOffset{-1, -20}));    // Amsterdam 1935
    EXPECT_EQ(ExactZoneOf(-(5 * 3600 + 21 * 60 + 10)), (ZoneOffset{5, 21}));
    EXPECT_EQ(ExactZoneOf(-(30)), (ZoneOffset{0, 1}));  // half a minute, away from zero
    EXPECT_EQ(ExactZoneOf(29), (ZoneOffset{0, 0}));
}

}  // namespace
}  // namespace kalodaya
