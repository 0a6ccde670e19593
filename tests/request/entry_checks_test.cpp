#include "request/entry_checks.h"

#include <gtest/gtest.h>

namespace kalodaya {
namespace {

BirthRequest Valid() {
    BirthRequest e;
    e.name = "RAMA";
    e.latitude.degrees = 28;
    e.latitude.minutes = 39;
    e.longitude.degrees = 77;
    e.longitude.minutes = 13;
    return e;
}

void ExpectFailure(const BirthRequest& e, const char* message, MessageIcon icon,
                   std::optional<EntryField> focus) {
    const auto failure = FirstFailedFormCheck(e);
    ASSERT_TRUE(failure.has_value()) << message;
    EXPECT_EQ(failure->message, message);
    EXPECT_EQ(failure->icon, icon);
    EXPECT_EQ(failure->focus, focus);
}

TEST(EntryChecks, EachFieldWithItsMessageIconAndFocus) {
    BirthRequest e = Valid();
    e.name = "   ";
    ExpectFailure(e, "Please Enter Name", MessageIcon::Critical, EntryField::Name);

    e = Valid();
    e.longitude.degrees = 180;
    ExpectFailure(e, "Please Enter Value Between 0 And 179 in the Degree of Longitude",
                  MessageIcon::Critical, EntryField::LonDeg);
    e = Valid();
    e.longitude.minutes = 60;
    ExpectFailure(e, "Please Enter Value Between 0 And 59 in the  Minute of Longitude",
                  MessageIcon::Critical, EntryField::LonMin);
    e = Valid();
    e.latitude.degrees = 90;
    ExpectFailure(e, "Please Enter Value Between 0 And 89 in the Degree of Latitude",
                  MessageIcon::Critical, EntryField::LatDeg);
    e = Valid();
    e.latitude.minutes = std::nullopt;
    ExpectFailure(e, "Please Enter Value Between 0 And 59 in the  Minute of Latitude",
                  MessageIcon::Critical, EntryField::LatMin);
}

TEST(EntryChecks, RangeEdgesPass) {
    BirthRequest e = Valid();
    e.latitude.degrees = 89;
    e.longitude.degrees = 179;
    e.latitude.minutes = 59;
    e.longitude.minutes = 0;
    EXPECT_FALSE(FirstFailedFormCheck(e).has_value());
}

TEST(EntryChecks, OnlyTheFirstFailureInTableOrderIsReported) {
    BirthRequest e = Valid();
    e.name = "";
    e.latitude.degrees = std::nullopt;
    ExpectFailure(e, "Please Enter Name", MessageIcon::Critical, EntryField::Name);
}

TEST(EntryChecks, DatesOfFebruaryAndThirtyDayMonths) {
    BirthRequest e = Valid();
    e.month = 2;
    e.day = 29;
    e.year = 2000;
    EXPECT_FALSE(FirstFailedFormCheck(e).has_value());
    e.year = 1999;
    ExpectFailure(e, "Please Enter Correct Date Or Month!", MessageIcon::Information,
                  std::nullopt);
    e.year = 2000;
    e.day = 30;
    ExpectFailure(e, "Please Enter Correct Date Or Month!", MessageIcon::Information,
                  std::nullopt);

    e.month = 4;  // April
    e.day = 31;
    ExpectFailure(e, "Please Enter Correct Date Or Month !", MessageIcon::Information,
                  std::nullopt);
    e.day = 30;
    EXPECT_FALSE(FirstFailedFormCheck(e).has_value());
    e.month = 1;  // January has 31
    e.day = 31;
    EXPECT_FALSE(FirstFailedFormCheck(e).has_value());
}

}  // namespace
}  // namespace kalodaya
