#include "time/zone_table.h"

#include <gtest/gtest.h>

namespace kalodaya {
namespace {

std::pair<int, int> Pair(int position) {
    BirthData b;
    Zone_Calculation(position, b);
    return {b.ZoneHours, b.ZoneMinutes};
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

TEST(ZoneTable, NoSelectionAndDaylightSavingLeaveThePairAlone) {
    // The daylight flag is set before the lookups: the pair is the standard offset either way.
    for (const bool dst : {false, true}) {
        BirthData b;
        b.IsDST = dst;
        Zone_Calculation(34, b);
        EXPECT_EQ(std::make_pair(+b.ZoneHours, +b.ZoneMinutes), std::make_pair(-5, -30)) << dst;
        Zone_Calculation(-1, b);
        Zone_Calculation(71, b);
        EXPECT_EQ(std::make_pair(+b.ZoneHours, +b.ZoneMinutes), std::make_pair(-5, -30)) << dst;
        EXPECT_EQ(b.IsDST, dst);
    }
}

}  // namespace
}  // namespace kalodaya
