// An atlas place put into a birth request for the birth moment it holds: the coordinates to
// the minute, the hemispheres, the zone entry or exact offset, and the place record the chart
// reports.
#include "request/from_atlas.h"

#include <gtest/gtest.h>

#include "astro/zone_table.h"
#include "../atlas/atlas_fixture.h"
#include "request/entry_checks.h"

namespace kalodaya {
namespace {

using atlas::testing::TheAtlas;

BirthRequest At(int year, int month, int day, int hour, int minute, int second = 0) {
    BirthRequest e;
    e.name = "RAMA";
    e.year = year;
    e.month = month;
    e.day = day;
    e.hour = hour;
    e.minute = minute;
    e.second = second;
    return e;
}

atlas::Place Best(const char* text) {
    const auto place = TheAtlas().places().BestMatch(text);
    EXPECT_TRUE(place) << text;
    return place.value_or(atlas::Place{});
}

TEST(EnterAtlasPlace, ChennaiFillsTheBoxesTheZoneAndTheRecord) {
    BirthRequest e = At(1975, 1, 15, 6, 0);
    e.daylight = true;
    e.zone = ZoneListEntry{3};
    const auto birth = EnterAtlasPlace(e, TheAtlas(), Best("Chennai, India"), ZoneChoice::FromAtlas);
    ASSERT_TRUE(birth);
    EXPECT_EQ(e.city, "Chennai");
    EXPECT_EQ(e.state, "Tamil Nadu");
    EXPECT_EQ(e.country, "India");
    // 13.088 N, 80.278 E to the nearest minute.
    EXPECT_EQ(e.latitude, (Latitude{13, 5, true}));
    EXPECT_EQ(e.longitude, (Longitude{80, 17, true}));
    EXPECT_EQ(e.zone, ZoneSelection(ZoneListEntry{34}));
    EXPECT_FALSE(e.daylight) << "the offset already holds any daylight time";
    ASSERT_TRUE(e.atlasPlace);
    EXPECT_EQ(e.atlasPlace->geonamesId, 1264527);
    EXPECT_EQ(e.atlasPlace->timeZone, "Asia/Kolkata");
    EXPECT_EQ(e.atlasPlace->utcOffsetSeconds, 5 * 3600 + 30 * 60);
    EXPECT_EQ(e.atlasPlace->abbreviation, "IST");
    EXPECT_EQ(e.atlasPlace->tzdataVersion, TheAtlas().zones().tzdataVersion());

    const auto request = CheckRequest(e);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->zoneEntry, 34);
    EXPECT_EQ(request->atlasPlace, e.atlasPlace);
}

TEST(EnterAtlasPlace, SouthAndWestHemispheres) {
    BirthRequest e = At(2015, 6, 15, 12, 0);
    EnterAtlasPlace(e, TheAtlas(), Best("Buenos Aires, Argentina"), ZoneChoice::FromAtlas);
    EXPECT_FALSE(e.latitude.north);
    EXPECT_FALSE(e.longitude.east);
    const auto request = CheckRequest(e);
    ASSERT_TRUE(request);
    EXPECT_TRUE(request->birth.place.south);
    EXPECT_FALSE(request->birth.place.east);
    EXPECT_EQ(request->birth.zone, (ZoneOffset{3, 0}));  // -03:00: Brazil Zone 2
}

TEST(EnterAtlasPlace, AnOffsetWithoutAnEntryBecomesTheExactZone) {
    BirthRequest e = At(1990, 6, 15, 8, 0);
    EnterAtlasPlace(e, TheAtlas(), Best("Kathmandu"), ZoneChoice::FromAtlas);
    EXPECT_EQ(e.zone, ZoneSelection(ExactOffset{5 * 3600 + 45 * 60}));
    const auto request = CheckRequest(e);
    ASSERT_TRUE(request);
    EXPECT_FALSE(request->zoneEntry);
    EXPECT_EQ(request->birth.zone, (ZoneOffset{-5, -45}));

    // A place and moment the list has an entry for clears the exact zone again (Chennai 1980:
    // Indian Time; Kathmandu's +05:30 of 1980 was Nepal's own clock and keeps an exact zone).
    BirthRequest earlier = At(1980, 6, 15, 8, 0);
    earlier.zone = ExactOffset{5 * 3600 + 45 * 60};
    EnterAtlasPlace(earlier, TheAtlas(), Best("Chennai"), ZoneChoice::FromAtlas);
    EXPECT_EQ(earlier.zone, ZoneSelection(ZoneListEntry{34}));
}

TEST(EnterAtlasPlace, AKeptZoneIsLeftAsItIs) {
    BirthRequest e = At(1990, 6, 15, 8, 0);
    e.zone = ZoneListEntry{27};
    e.daylight = true;
    const auto birth = EnterAtlasPlace(e, TheAtlas(), Best("Kathmandu"), ZoneChoice::Kept);
    ASSERT_TRUE(birth);
    EXPECT_EQ(e.zone, ZoneSelection(ZoneListEntry{27}));
    EXPECT_TRUE(e.daylight);
    EXPECT_EQ(e.city, "Kathmandu");
    ASSERT_TRUE(e.atlasPlace);
    EXPECT_EQ(e.atlasPlace->utcOffsetSeconds, 5 * 3600 + 45 * 60);
}

TEST(EnterAtlasPlace, ADateThatDoesNotExistFillsThePlaceButNotTheZone) {
    BirthRequest e = At(1990, 2, 30, 8, 0);
    e.zone = ZoneListEntry{5};
    EXPECT_FALSE(EnterAtlasPlace(e, TheAtlas(), Best("Chennai"), ZoneChoice::FromAtlas));
    EXPECT_EQ(e.city, "Chennai");
    EXPECT_EQ(e.latitude.degrees, 13);
    EXPECT_EQ(e.zone, ZoneSelection(ZoneListEntry{5}));
    EXPECT_FALSE(e.atlasPlace);
    EXPECT_FALSE(CheckRequest(e)) << "the entry checks report the date";
}

TEST(ExactOffset, RoundsToTheNearestMinuteBothWays) {
    const std::pair<int, ZoneOffset> cases[] = {
        {3600 + 19 * 60 + 32, {-1, -20}},  // Amsterdam 1935
        {-(5 * 3600 + 21 * 60 + 10), {5, 21}},
        {-30, {0, 1}},  // half a minute, away from zero
        {29, {0, 0}}};
    for (const auto& [seconds, zone] : cases)
        EXPECT_EQ(ExactOffset{seconds}.ToTheMinute(), zone) << seconds;
}

}  // namespace
}  // namespace kalodaya
