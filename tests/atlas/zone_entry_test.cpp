// The form's zone list entry for a birthplace at a birth moment, and the exact entry when no
// entry has the offset.
#include <gtest/gtest.h>

#include "astro/atlas/place_at_birth.h"
#include "astro/atlas/zone_entry_match.h"
#include "atlas_fixture.h"

namespace kalodaya::atlas {
namespace {

using testing::At;
using testing::TheAtlas;

// A place of the atlas in `zone`, found by its name.
Place PlaceIn(const char* name, const char* zone) {
    for (const Place& place : TheAtlas().places().Search(name, 20))
        if (place.timeZone == zone) return place;
    ADD_FAILURE() << "no " << name << " in " << zone;
    return {};
}

std::optional<int> EntryAt(const char* name, const char* zone, const CivilTime& clock) {
    const auto birth = ResolvePlaceAtBirth(TheAtlas(), PlaceIn(name, zone), clock);
    EXPECT_TRUE(birth) << birth.error().message;
    return birth ? birth->zoneEntry : std::nullopt;
}

TEST(ZoneEntryForBirth, TheIssueExamples) {
    EXPECT_EQ(EntryAt("Kolkata", "Asia/Kolkata", At(1990, 8, 15, 10, 30)), 34);  // IST
    EXPECT_EQ(EntryAt("New York", "America/New_York", At(1975, 7, 15)), 24);     // EDT
    EXPECT_EQ(EntryAt("New York", "America/New_York", At(1975, 1, 15)), 27);     // EST
    EXPECT_EQ(EntryAt("New York", "America/New_York", At(1943, 7, 15)), 28);     // EWT
    EXPECT_EQ(EntryAt("London", "Europe/London", At(1990, 1, 15)), 29);          // GMT
    EXPECT_EQ(EntryAt("London", "Europe/London", At(1990, 7, 15)), 16);          // BST
    EXPECT_EQ(EntryAt("London", "Europe/London", At(1941, 6, 15)), 15);          // BDST
    EXPECT_EQ(EntryAt("Sydney", "Australia/Sydney", At(1990, 1, 15)), 7);        // AEDT
    EXPECT_EQ(EntryAt("Tokyo", "Asia/Tokyo", At(1990, 8, 15)), 38);              // JST
    EXPECT_EQ(EntryAt("Chennai", "Asia/Kolkata", At(1975, 1, 15, 6, 0)), 34);
}

TEST(ZoneEntryForBirth, OffsetsWithoutAnEntryTakeTheExactEntry) {
    EXPECT_EQ(EntryAt("Kathmandu", "Asia/Kathmandu", At(1990, 6, 15)), std::nullopt);  // +05:45
    EXPECT_EQ(EntryAt("Kabul", "Asia/Kabul", At(1990, 6, 15)), std::nullopt);          // +04:30
    EXPECT_EQ(EntryAt("Chennai", "Asia/Kolkata", At(1850, 1, 1)), std::nullopt);       // +05:21
    EXPECT_EQ(EntryAt("Kathmandu", "Asia/Kathmandu", At(1980, 6, 15)), 34);            // +05:30
}

TEST(MatchZoneEntry, PrefersAbbreviationThenKindThenFirst) {
    constexpr int H = 3600;
    // +02:00 is BDST (15), BWT (17), CED (19), EET (26) and MED (40).
    EXPECT_EQ(MatchZoneEntry(2 * H, "EET", false), 26);
    EXPECT_EQ(MatchZoneEntry(2 * H, "BWT", true), 17);
    EXPECT_EQ(MatchZoneEntry(2 * H, "CEST", true), 15);   // first of the daylight kind
    EXPECT_EQ(MatchZoneEntry(2 * H, "SAST", false), 26);  // the only standard one
    // -04:00 is AST (3), EDT (24) and EWT (28); daylight without its abbreviation: EDT.
    EXPECT_EQ(MatchZoneEntry(-4 * H, "AST", false), 3);
    EXPECT_EQ(MatchZoneEntry(-4 * H, "EPT", true), 24);
    EXPECT_EQ(MatchZoneEntry(-4 * H, "-04", false), 3);
    // BirthRequest whose list text has blanks after the commas still match by abbreviation.
    EXPECT_EQ(MatchZoneEntry(5 * H + 1800, "IST", false), 34);
    EXPECT_EQ(MatchZoneEntry(0, "UT", false), 61);
    // Not to the second, or no entry at all.
    EXPECT_EQ(MatchZoneEntry(5 * H + 1800 + 1, "IST", false), std::nullopt);
    EXPECT_EQ(MatchZoneEntry(4 * H + 1800, "+0430", false), std::nullopt);
    EXPECT_EQ(MatchZoneEntry(14 * H, "+14", false), std::nullopt);
}

TEST(OffsetTexts, SignHoursMinutesAndSecondsOnlyWhenNeeded) {
    EXPECT_EQ(UtcOffsetText(5 * 3600 + 30 * 60), "+05:30");
    EXPECT_EQ(UtcOffsetText(-4 * 3600), "-04:00");
    EXPECT_EQ(UtcOffsetText(0), "+00:00");
    EXPECT_EQ(UtcOffsetText(5 * 3600 + 21 * 60 + 10), "+05:21:10");
    EXPECT_EQ(UtcOffsetText(-(17 * 60 + 30)), "-00:17:30");
    EXPECT_EQ(ExactEntryLabel(5 * 3600 + 45 * 60, "Asia/Kathmandu"),
              "Exact offset: UTC+05:45 (Asia/Kathmandu)");
}

TEST(OffsetTexts, FormFieldsAreWestPositiveWithOneSign) {
    const auto east = ToZoneHoursMinutes(5 * 3600 + 45 * 60);
    EXPECT_EQ(east.hours, -5);
    EXPECT_EQ(east.minutes, -45);
    const auto west = ToZoneHoursMinutes(-(3 * 3600 + 30 * 60));
    EXPECT_EQ(west.hours, 3);
    EXPECT_EQ(west.minutes, 30);
    const auto small = ToZoneHoursMinutes(-(54 * 60));
    EXPECT_EQ(small.hours, 0);
    EXPECT_EQ(small.minutes, 54);
}

}  // namespace
}  // namespace kalodaya::atlas
