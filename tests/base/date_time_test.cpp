#include "base/date_time.h"

#include <gtest/gtest.h>

namespace kalodaya {
namespace {

TEST(DateTime, FieldsWeekdayAndDayOfYear) {
    const auto t = DateTime::FromCivil(2002, 10, 27, 1, 5, 9);
    EXPECT_EQ(t.Year(), 2002);
    EXPECT_EQ(t.Month(), 10);
    EXPECT_EQ(t.Day(), 27);
    EXPECT_EQ(t.Hour(), 1);
    EXPECT_EQ(t.Minute(), 5);
    EXPECT_EQ(t.Second(), 9);
    EXPECT_EQ(t.Weekday(), 0);  // a Sunday
    EXPECT_EQ(DateTime::FromCivil(1975, 1, 15).DayOfYear(), 15);
    EXPECT_EQ(DateTime::FromCivil(2000, 12, 31).DayOfYear(), 366);
    EXPECT_EQ(DateTime::FromCivil(1901, 1, 1).Weekday(), 2);  // a Tuesday
}

TEST(DateTime, ArithmeticRollsOverMonthsAndYears) {
    EXPECT_EQ(DateTime::FromCivil(1901, 1, 1).AddDays(-1).Iso(), "1900-12-31T00:00:00");
    EXPECT_EQ(DateTime::FromCivil(2000, 2, 28).AddDays(1).Iso(), "2000-02-29T00:00:00");
    EXPECT_EQ(DateTime::FromCivil(1990, 8, 15, 5, 49).AddHours(-5).AddMinutes(-30).Iso(),
              "1990-08-15T00:19:00");
}

TEST(DateTime, DifferencesCutToTheUnit) {
    const auto rise = DateTime::FromCivil(1990, 8, 15, 5, 49, 0);
    const auto birth = DateTime::FromCivil(1990, 8, 15, 10, 30, 59);
    EXPECT_EQ(DateTime::MinutesBetween(rise, birth), 281);
    EXPECT_EQ(DateTime::SecondsBetween(rise, birth), 16919);
    EXPECT_EQ(DateTime::MinutesBetween(birth, rise), -281);
    // Minutes are counted after cutting both times to the minute.
    EXPECT_EQ(DateTime::MinutesBetween(DateTime::FromCivil(2000, 1, 1, 0, 0, 59),
                                       DateTime::FromCivil(2000, 1, 1, 0, 1, 0)),
              1);
    EXPECT_EQ(DateTime::DaysBetween(DateTime::FromCivil(2020, 6, 18, 23, 59),
                                    DateTime::FromCivil(2020, 6, 19, 0, 0)),
              1);
}

}  // namespace
}  // namespace kalodaya
