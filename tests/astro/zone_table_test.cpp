#include "astro/zone_table.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace kalodaya {
namespace {

std::pair<int, int> Pair(int position) {
    const std::optional<ZoneOffset> zone = ZoneOffsetOfEntry(position);
    if (!zone) return {99, 99};
    return {zone->hours, zone->minutes};
}

TEST(ZoneTable, LookupIsByPositionNotByLabel) {
    EXPECT_EQ(Pair(0), std::make_pair(9, 0));
    EXPECT_EQ(Pair(34), std::make_pair(-5, -30));  // label "+5.3" means 5 h 30 min east
    EXPECT_EQ(kZoneTable[34].listText, "Indian Time, IST, +5.3");
    EXPECT_EQ(Pair(50), std::make_pair(3, 30));  // both 50 and 52 are "NST"
    EXPECT_EQ(Pair(52), std::make_pair(-6, -30));
    EXPECT_EQ(Pair(56), Pair(57));
    EXPECT_EQ(Pair(58), Pair(59));
    EXPECT_EQ(Pair(29), Pair(61));
    EXPECT_EQ(Pair(46), std::make_pair(-13, 0));
    EXPECT_EQ(Pair(35), std::make_pair(-12, 0));
    EXPECT_EQ(Pair(36), std::make_pair(12, 0));
}

TEST(ZoneTable, EveryPairCarriesOneSignAndTheTableKeepsItsIrregularTexts) {
    for (const auto& zone : kZoneTable) {
        EXPECT_TRUE(zone.minutes == 0 || (zone.minutes > 0) == (zone.hours > 0)) << zone.listText;
    }
    EXPECT_EQ(kZoneTable[11].listText, "Azores Time, AT, -2.0");
    EXPECT_EQ(kZoneTable[70].listText, "Yukon War Time,YWT,-8.0");
}

TEST(ZoneTable, PositionsOutsideTheListHaveNoOffset) {
    EXPECT_FALSE(ZoneOffsetOfEntry(-1).has_value());
    EXPECT_FALSE(ZoneOffsetOfEntry(kZoneCount).has_value());
    EXPECT_TRUE(ZoneOffsetOfEntry(kZoneCount - 1).has_value());
}

}  // namespace
}  // namespace kalodaya
