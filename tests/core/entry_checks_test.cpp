#include "chart/entry_checks.h"

#include <gtest/gtest.h>

namespace kalodaya {
namespace {

Entries Valid() {
    Entries e;
    e.name = "RAMA";
    e.latDegText = "28";
    e.latMinText = "39";
    e.lonDegText = "77";
    e.lonMinText = "13";
    return e;
}

void ExpectFailure(const Entries& e, const char* message, MessageIcon icon,
                   std::optional<EntryField> focus) {
    const auto failure = ValidateInput(e);
    ASSERT_TRUE(failure.has_value()) << message;
    EXPECT_EQ(failure->message, message);
    EXPECT_EQ(failure->icon, icon);
    EXPECT_EQ(failure->focus, focus);
}

TEST(EntryChecks, EachFieldWithItsMessageIconAndFocus) {
    Entries e = Valid();
    e.name = "   ";
    ExpectFailure(e, "Please Enter Name", MessageIcon::Critical, EntryField::Name);

    e = Valid();
    e.lonDegText = "180";
    ExpectFailure(e, "Please Enter Value Between 0 And 179 in the Degree of Longitude",
                  MessageIcon::Critical, EntryField::LonDeg);
    e = Valid();
    e.lonMinText = "60";
    ExpectFailure(e, "Please Enter Value Between 0 And 59 in the  Minute of Longitude",
                  MessageIcon::Critical, EntryField::LonMin);
    e = Valid();
    e.latDegText = "90";
    ExpectFailure(e, "Please Enter Value Between 0 And 89 in the Degree of Latitude",
                  MessageIcon::Critical, EntryField::LatDeg);
    e = Valid();
    e.latMinText = " ";
    ExpectFailure(e, "Please Enter Value Between 0 And 59 in the  Minute of Latitude",
                  MessageIcon::Critical, EntryField::LatMin);
}

TEST(EntryChecks, RangeEdgesPass) {
    Entries e = Valid();
    e.latDegText = "89";
    e.lonDegText = "179";
    e.latMinText = "59";
    e.lonMinText = "0";
    EXPECT_FALSE(ValidateInput(e).has_value());
}

TEST(EntryChecks, OnlyTheFirstFailureInTableOrderIsReported) {
    Entries e = Valid();
    e.name = "";
    e.latDegText = "";
    ExpectFailure(e, "Please Enter Name", MessageIcon::Critical, EntryField::Name);
}

TEST(EntryChecks, DegreesThatAreNotANumberFail) {
    Entries e = Valid();
    e.lonDegText = "7a";
    ExpectFailure(e, "Please Enter Value Between 0 And 179 in the Degree of Longitude",
                  MessageIcon::Critical, EntryField::LonDeg);
}

TEST(EntryChecks, DatesOfFebruaryAndThirtyDayMonths) {
    Entries e = Valid();
    e.monthIndex = 1;
    e.dayText = "29";
    e.yearText = "2000";
    EXPECT_FALSE(ValidateInput(e).has_value());
    e.yearText = "1999";
    ExpectFailure(e, "Please Enter Correct Date Or Month!", MessageIcon::Information,
                  std::nullopt);
    e.yearText = "2000";
    e.dayText = "30";
    ExpectFailure(e, "Please Enter Correct Date Or Month!", MessageIcon::Information,
                  std::nullopt);

    e.monthIndex = 3;  // April
    e.dayText = "31";
    ExpectFailure(e, "Please Enter Correct Date Or Month !", MessageIcon::Information,
                  std::nullopt);
    e.dayText = "30";
    EXPECT_FALSE(ValidateInput(e).has_value());
    e.monthIndex = 0;  // January has 31
    e.dayText = "31";
    EXPECT_FALSE(ValidateInput(e).has_value());
}

}  // namespace
}  // namespace kalodaya
