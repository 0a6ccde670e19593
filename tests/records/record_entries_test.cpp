// Saved records and the form's entries: the conversion both ways, what the form keeps of a
// record beyond its boxes, the import check and the places kept from records.
#include <gtest/gtest.h>

#include "chart/own_place.h"
#include "chart/place_entries.h"
#include "chart/record_entries.h"
#include "records_test_support.h"

namespace kalodaya {
namespace {

using records::ExactOffset;
using records::Record;
using records::testing::Rama;
using records::testing::VariedRecord;

TEST(RecordEntries, EveryRecordTheFormCanHoldComesBackWhole) {
    int held = 0;
    for (int i = 0; i < 3000; ++i) {
        const Record record = VariedRecord(i);
        const auto entries = EntriesFromRecord(record);
        if (!entries) {
            EXPECT_NE(entries.error().find("the name box takes only"), std::string::npos);
            continue;
        }
        ++held;
        const auto back = RecordFromEntries(*entries, record);
        ASSERT_TRUE(back) << back.error();
        EXPECT_EQ(*back, record) << i;
        EXPECT_FALSE(EntriesChanged(*entries, record)) << i;
    }
    EXPECT_GT(held, 1000);
}

TEST(RecordEntries, TheFormShowsWhatItsBoxesAndListsHold) {
    Record r = Rama();
    r.name = "rama dev";
    r.second = 7;
    r.latitude = {std::nullopt, 5, false};
    r.zone = ExactOffset{-(5 * 3600 + 21 * 60 + 10), "Exact offset: local mean time"};
    const auto e = EntriesFromRecord(r);
    ASSERT_TRUE(e) << e.error();
    EXPECT_EQ(e->name, "RAMA DEV");
    EXPECT_EQ(e->monthIndex, 7);
    EXPECT_EQ(e->dayText, "15");
    EXPECT_EQ(e->yearText, "1990");
    EXPECT_EQ(e->secondText, "7");
    EXPECT_EQ(e->latDegText, "");
    EXPECT_EQ(e->latMinText, "5");
    EXPECT_FALSE(e->north);
    // Local mean time to the second, computed to the minute as the atlas's exact entry is.
    EXPECT_EQ(e->exactZone, (ZoneOffset{5, 21}));
    EXPECT_EQ(ExactZoneOf(5 * 3600 + 45 * 60), (ZoneOffset{-5, -45}));
    EXPECT_EQ(ExactZoneOf(90), (ZoneOffset{0, -2}));
    EXPECT_EQ(ExactZoneOf(-29), (ZoneOffset{0, 0}));

    // A name in lower case is shown in upper case: not a change.
    EXPECT_FALSE(EntriesChanged(*e, r));
    Entries moved = *e;
    moved.minuteText = "31";
    EXPECT_TRUE(EntriesChanged(moved, r));
}

TEST(RecordEntries, WhatTheBoxesDoNotShowStaysOnlyWhileItStillHolds) {
    Record origin = Rama();
    origin.geonamesId = 1273294;
    origin.ianaZone = "Asia/Kolkata";
    origin.note = "the elder twin";
    origin.created = 1700000000;
    origin.updated = 1700000500;
    Entries e = *EntriesFromRecord(origin);

    e.hourText = "11";
    Record kept = *RecordFromEntries(e, origin);
    EXPECT_EQ(kept.geonamesId, origin.geonamesId);
    EXPECT_EQ(kept.ianaZone, "Asia/Kolkata");
    EXPECT_EQ(kept.note, "the elder twin");
    EXPECT_EQ(kept.created, 1700000000);

    // Another place typed by hand: the atlas's facts of the old one go.
    e.lonMinText = "14";
    const Record moved = *RecordFromEntries(e, origin);
    EXPECT_FALSE(moved.geonamesId);
    EXPECT_EQ(moved.ianaZone, "");

    // The exact entry keeps the record's offset to the second and its label while it holds
    // that offset to the minute; another offset gets the zone list's label.
    origin.zone = ExactOffset{5 * 3600 + 45 * 60 + 20, "Exact offset: UTC+05:45:20 (Asia/Kathmandu)"};
    e = *EntriesFromRecord(origin);
    EXPECT_EQ(RecordFromEntries(e, origin)->zone, origin.zone);
    e.exactZone = ZoneOffset{-5, -30};
    EXPECT_EQ(RecordFromEntries(e, origin)->zone,
              records::Zone(ExactOffset{5 * 3600 + 30 * 60, "Exact offset: UTC+05:30 (Asia/Kolkata)"}));
    e.exactZone.reset();
    e.zoneIndex = 12;
    EXPECT_EQ(RecordFromEntries(e, origin)->zone, records::Zone(records::ZoneEntry{12}));

    // A form without an origin: nothing beyond the boxes.
    const Record plain = *RecordFromEntries(*EntriesFromRecord(origin));
    EXPECT_EQ(plain.note, "");
    EXPECT_EQ(plain.created, 0);
    EXPECT_FALSE(plain.geonamesId);

    Entries broken = e;
    broken.latDegText = "2x";
    EXPECT_FALSE(RecordFromEntries(broken));
    broken = e;
    broken.zoneIndex = -1;
    EXPECT_FALSE(RecordFromEntries(broken));
}

TEST(RecordEntries, TheImportCheckIsTheFormsNameBoxAndEntryChecks) {
    EXPECT_EQ(CheckRecord(Rama()), std::nullopt);
    const auto failure = [](auto change) {
        Record r = Rama();
        change(r);
        return CheckRecord(r).value_or("passed");
    };
    EXPECT_EQ(failure([](Record& r) { r.name = "  "; }), "Please Enter Name");
    EXPECT_EQ(failure([](Record& r) { r.name = "R2D2"; }),
              "unusable name \"R2D2\": the name box takes only the letters A to Z and blanks");
    EXPECT_EQ(failure([](Record& r) { r.latitude.degrees.reset(); }),
              "Please Enter Value Between 0 And 89 in the Degree of Latitude");
    EXPECT_EQ(failure([](Record& r) { r.longitude.minutes = 60; }),
              "Please Enter Value Between 0 And 59 in the  Minute of Longitude");
    EXPECT_EQ(failure([](Record& r) {
        r.month = 2;
        r.day = 30;
    }),
              "Please Enter Correct Date Or Month!");
    EXPECT_EQ(failure([](Record& r) { r.zone = ExactOffset{20700, "x"}; }), "passed");
}

TEST(OwnPlaces, OnlyWholePlacesTypedByHandAreKept) {
    Record r = Rama();
    const auto place = OwnPlaceOf(r);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->name, "New Delhi");
    EXPECT_EQ(place->country, "India");
    EXPECT_EQ(place->latitude, r.latitude);
    EXPECT_EQ(place->utcOffsetSeconds, 5 * 3600 + 30 * 60) << "zone list entry 34, Indian time";
    EXPECT_EQ(place->ianaZone, "");

    r.ianaZone = "Asia/Kolkata";
    EXPECT_EQ(OwnPlaceOf(r)->ianaZone, "Asia/Kolkata");
    EXPECT_FALSE(OwnPlaceOf(r)->utcOffsetSeconds);
    r.ianaZone.clear();
    r.zone = ExactOffset{20700, "x"};
    EXPECT_EQ(OwnPlaceOf(r)->utcOffsetSeconds, 20700);

    r.geonamesId = 1273294;
    EXPECT_FALSE(OwnPlaceOf(r)) << "the atlas has it";
    r = Rama();
    r.city = " ";
    EXPECT_FALSE(OwnPlaceOf(r));
    r = Rama();
    r.longitude.minutes.reset();
    EXPECT_FALSE(OwnPlaceOf(r));
}

}  // namespace
}  // namespace kalodaya
