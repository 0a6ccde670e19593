// Saved records and birth requests: the conversion both ways, what a request keeps of a record
// beyond its boxes, the import check and the places kept from records.
#include <gtest/gtest.h>

#include <tuple>

#include "request/from_record.h"
#include "../records/records_test_support.h"

namespace kalodaya {
namespace {

using records::ExactOffset;
using records::Record;
using records::testing::Rama;
using records::testing::VariedRecord;

TEST(RecordRequests, EveryRecordTheFormCanHoldComesBackWhole) {
    int held = 0;
    for (int i = 0; i < 3000; ++i) {
        const Record record = VariedRecord(i);
        const auto entries = RequestFromRecord(record);
        if (!entries) {
            EXPECT_NE(entries.error().find("the name box takes only"), std::string::npos);
            continue;
        }
        ++held;
        const auto back = RecordFromRequest(*entries, record);
        ASSERT_TRUE(back) << back.error();
        EXPECT_EQ(*back, record) << i;
        EXPECT_FALSE(RequestChanged(*entries, record)) << i;
    }
    EXPECT_GT(held, 1000);
}

TEST(RecordRequests, TheFormShowsWhatItsBoxesAndListsHold) {
    Record r = Rama();
    r.name = "rama dev";
    r.second = 7;
    r.latitude = {std::nullopt, 5, false};
    r.zone = ExactOffset{-(5 * 3600 + 21 * 60 + 10), "Exact offset: local mean time"};
    const auto e = RequestFromRecord(r);
    ASSERT_TRUE(e) << e.error();
    EXPECT_EQ(e->name, "RAMA DEV");
    EXPECT_EQ(std::tuple(e->year, e->month, e->day, e->second), std::tuple(1990, 8, 15, 7));
    EXPECT_EQ(e->latitude, (Latitude{std::nullopt, 5, false}));
    // Local mean time kept to the second, computed to the minute as the atlas's exact entry is.
    EXPECT_EQ(e->zone, ZoneSelection(kalodaya::ExactOffset{-(5 * 3600 + 21 * 60 + 10)}));
    for (const auto& [seconds, zone] : {std::pair{-(5 * 3600 + 21 * 60 + 10), ZoneOffset{5, 21}},
                                        std::pair{5 * 3600 + 45 * 60, ZoneOffset{-5, -45}},
                                        std::pair{90, ZoneOffset{0, -2}},
                                        std::pair{-29, ZoneOffset{0, 0}}})
        EXPECT_EQ(kalodaya::ExactOffset{seconds}.ToTheMinute(), zone) << seconds;

    // A name in lower case is shown in upper case: not a change.
    EXPECT_FALSE(RequestChanged(*e, r));
    BirthRequest moved = *e;
    moved.minute = 31;
    EXPECT_TRUE(RequestChanged(moved, r));
}

TEST(RecordRequests, WhatTheBoxesDoNotShowStaysOnlyWhileItStillHolds) {
    Record origin = Rama();
    origin.geonamesId = 1273294;
    origin.ianaZone = "Asia/Kolkata";
    origin.note = "the elder twin";
    origin.created = 1700000000;
    origin.updated = 1700000500;
    BirthRequest e = *RequestFromRecord(origin);

    e.hour = 11;
    Record kept = *RecordFromRequest(e, origin);
    EXPECT_EQ(kept.geonamesId, origin.geonamesId);
    EXPECT_EQ(kept.ianaZone, "Asia/Kolkata");
    EXPECT_EQ(kept.note, "the elder twin");
    EXPECT_EQ(kept.created, 1700000000);

    // Another place typed by hand: the atlas's facts of the old one go.
    e.longitude.minutes = 14;
    const Record moved = *RecordFromRequest(e, origin);
    EXPECT_FALSE(moved.geonamesId);
    EXPECT_EQ(moved.ianaZone, "");

    // The exact entry keeps the record's offset to the second and its label while it holds
    // that offset to the minute; another offset gets the zone list's label.
    origin.zone = ExactOffset{5 * 3600 + 45 * 60 + 20, "Exact offset: UTC+05:45:20 (Asia/Kathmandu)"};
    e = *RequestFromRecord(origin);
    EXPECT_EQ(RecordFromRequest(e, origin)->zone, origin.zone);
    e.zone = kalodaya::ExactOffset{5 * 3600 + 45 * 60 + 10};  // the same to the minute
    EXPECT_EQ(RecordFromRequest(e, origin)->zone, origin.zone);
    e.zone = kalodaya::ExactOffset{5 * 3600 + 30 * 60};
    EXPECT_EQ(RecordFromRequest(e, origin)->zone,
              records::Zone(ExactOffset{5 * 3600 + 30 * 60, "Exact offset: UTC+05:30 (Asia/Kolkata)"}));
    e.zone = ZoneListEntry{12};
    EXPECT_EQ(RecordFromRequest(e, origin)->zone, records::Zone(records::ZoneEntry{12}));

    // A form without an origin: nothing beyond the boxes.
    const Record plain = *RecordFromRequest(*RequestFromRecord(origin));
    EXPECT_EQ(plain.note, "");
    EXPECT_EQ(plain.created, 0);
    EXPECT_FALSE(plain.geonamesId);

    BirthRequest broken = e;
    broken.month = 0;  // no month selected
    EXPECT_EQ(RecordFromRequest(broken).error(), "no month is selected");
    broken = e;
    broken.zone = NoZone{};
    EXPECT_EQ(RecordFromRequest(broken).error(), "no time zone is selected");
}

TEST(RecordRequests, TheImportCheckIsTheFormsNameBoxAndEntryChecks) {
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
