// The form's zone list entry for a birthplace at a birth moment, and the exact entry when no
// entry has the offset.
#include <gtest/gtest.h>

#include "astro/atlas/place_at_birth.h"
#include "astro/atlas/zone_entry_match.h"
#include "astro/zone_table.h"
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
    // Nepal's +05:30 until 1986 was its own clock, not India's.
    EXPECT_EQ(EntryAt("Kathmandu", "Asia/Kathmandu", At(1980, 6, 15)), std::nullopt);
}

TEST(MatchZoneEntry, OnlyThePlacesOwnClock) {
    constexpr int H = 3600;
    const struct {
        int offset;
        const char* abbreviation;
        bool daylight;
        const char* zone;
        std::optional<int> entry;
    } cases[] = {
        // +02:00 is BDST (15), BWT (17), CED (19), EET (26) and MED (40).
        {2 * H, "EET", false, "Europe/Athens", 26},
        {2 * H, "BDST", true, "Europe/London", 15},
        {2 * H, "CEST", true, "Europe/Paris", 19},  // by the alias table
        {2 * H, "SAST", false, "Africa/Johannesburg", std::nullopt},
        {2 * H, "+02", false, "Europe/Kaliningrad", std::nullopt},
        // The same abbreviation at another offset is another clock.
        {8 * H, "CST", false, "Asia/Shanghai", 23},
        {-6 * H, "CST", false, "America/Chicago", 21},
        {-5 * H, "CST", false, "America/Havana", std::nullopt},
        {2 * H, "IST", false, "Asia/Jerusalem", std::nullopt},
        // By the zone's region where the database has a number.
        {8 * H, "+08", false, "Asia/Singapore", 23},
        {8 * H, "+08", false, "Asia/Irkutsk", std::nullopt},
        {-3 * H, "-03", false, "America/Sao_Paulo", 14},
        {-2 * H, "-02", true, "America/Sao_Paulo", std::nullopt},
        {5 * H, "+05", false, "Asia/Yekaterinburg", 64},
        {5 * H, "PKT", false, "Asia/Karachi", std::nullopt},
        {-10 * H, "HST", false, "Pacific/Honolulu", 1},
        // -04:00 is AST (3), EDT (24) and EWT (28).
        {-4 * H, "AST", false, "America/Halifax", 3},
        {-4 * H, "EPT", true, "America/New_York", 24},
        {-4 * H, "-04", false, "America/Caracas", std::nullopt},
        // List texts with blanks after the commas still match by abbreviation.
        {5 * H + 1800, "IST", false, "Asia/Kolkata", 34},
        {0, "UT", false, "", 61},
        // Not to the second, or no entry at all.
        {5 * H + 1800 + 1, "IST", false, "Asia/Kolkata", std::nullopt},
        {4 * H + 1800, "+0430", false, "Asia/Kabul", std::nullopt},
        {14 * H, "+14", false, "Pacific/Kiritimati", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchZoneEntry(c.offset, c.abbreviation, c.daylight, c.zone), c.entry)
            << c.abbreviation << " " << c.zone;
}

// The zones where most of the atlas's people live, in January and July 2000: the entry each
// gets, by its name in the list, or the exact entry ("") when the list has none of its clock.
TEST(ZoneEntryForBirth, TheMostPopulousZonesGetTheirOwnClock) {
    const struct {
        const char* zone;
        const char* january;
        const char* july;
    } cases[] = {
        {"Asia/Shanghai", "China Coast Time", "China Coast Time"},
        {"Asia/Kolkata", "Indian Time", "Indian Time"},
        {"America/New_York", "Eastern Standard Time", "Eastern Daylight Time"},
        {"Asia/Tokyo", "Japan Standard Time", "Japan Standard Time"},
        {"America/Sao_Paulo", "", "Brazil Zone 2"},
        {"Europe/Berlin", "Central European Time", "Central European Daylight"},
        {"America/Mexico_City", "Central Standard Time", "Central Daylight Time"},
        {"Europe/Moscow", "", ""},
        {"America/Chicago", "Central Standard Time", "Central Daylight Time"},
        {"Europe/London", "Greenwich Mean Time", "British Summer Time"},
        {"Europe/Istanbul", "Eastern European Time", "Eastern European Daylight Time"},
        {"Asia/Jakarta", "", ""},
        {"Asia/Manila", "China Coast Time", "China Coast Time"},
        {"Africa/Lagos", "", ""},
        {"Europe/Paris", "Central European Time", "Central European Daylight"},
        {"Asia/Karachi", "", ""},
        {"Europe/Rome", "Central European Time", "Central European Daylight"},
        {"America/Los_Angeles", "Pacific Standard Time", "Pacific Daylight Time"},
        {"Europe/Madrid", "Central European Time", "Central European Daylight"},
        {"Asia/Seoul", "", ""},
        {"Africa/Cairo", "Eastern European Time", "Eastern European Daylight Time"},
        {"Asia/Tehran", "Iran Time", ""},
        {"America/Bogota", "", ""},
        {"Africa/Johannesburg", "", ""},
        {"Europe/Kyiv", "Eastern European Time", "Eastern European Daylight Time"},
        {"America/Caracas", "", ""},
        {"Europe/Warsaw", "Central European Time", "Central European Daylight"},
        {"Asia/Bangkok", "", ""},
        {"Asia/Dhaka", "", ""},
        {"Asia/Baghdad", "Baghdad Time", ""},
        {"Europe/Bucharest", "Eastern European Time", "Eastern European Daylight Time"},
        {"Asia/Riyadh", "", ""},
        {"America/Lima", "", ""},
        {"America/Toronto", "Eastern Standard Time", "Eastern Daylight Time"},
        {"Asia/Ho_Chi_Minh", "", ""},
        {"Africa/Algiers", "Central European Time", "Central European Time"},
        {"Asia/Yekaterinburg", "USSR Zone 4", ""},
        {"Europe/Amsterdam", "Central European Time", "Central European Daylight"},
        {"Asia/Kuala_Lumpur", "China Coast Time", "China Coast Time"},
        {"Africa/Casablanca", "", ""},
    };
    const auto entryName = [](const char* zone, int month) -> std::string {
        const auto index = TheAtlas().zones().FindZone(zone);
        if (!index) return "no zone";
        const auto offset = TheAtlas().zones().OffsetAt(zone, At(2000, month, 15), 0.0);
        if (!offset) return "no offset";
        const auto entry = MatchZoneEntry(offset->utcOffsetSeconds, offset->abbreviation,
                                          offset->daylight, zone);
        if (!entry) return "";
        const std::string_view text = kZoneTable[static_cast<std::size_t>(*entry)].listText;
        return std::string(text.substr(0, text.find(',')));
    };
    for (const auto& c : cases) {
        EXPECT_EQ(entryName(c.zone, 1), c.january) << c.zone;
        EXPECT_EQ(entryName(c.zone, 7), c.july) << c.zone;
    }
}

TEST(OffsetTexts, SignHoursMinutesAndSecondsOnlyWhenNeeded) {
    EXPECT_EQ(UtcOffsetText(5 * 3600 + 30 * 60), "+05:30");
    EXPECT_EQ(UtcOffsetText(-4 * 3600), "-04:00");
    EXPECT_EQ(UtcOffsetText(0), "+00:00");
    EXPECT_EQ(UtcOffsetText(5 * 3600 + 21 * 60 + 10), "+05:21:10");
    EXPECT_EQ(UtcOffsetText(-(17 * 60 + 30)), "-00:17:30");
    EXPECT_EQ(ExactEntryLabel(5 * 3600 + 45 * 60, "+0545", "Asia/Kathmandu"),
              "Exact offset: UTC+05:45 (Asia/Kathmandu)");
    EXPECT_EQ(ExactEntryLabel(2 * 3600, "CEST", "Europe/Paris"),
              "Exact offset: UTC+02:00 CEST (Europe/Paris)");
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
