// The popup line of a place and its coordinates in the form's whole minutes.
#include "astro/atlas/place_texts.h"

#include <gtest/gtest.h>

#include "atlas_fixture.h"

namespace kalodaya::atlas {
namespace {

TEST(PlaceTexts, PopupLineOfChennai) {
    const auto chennai = testing::TheAtlas().places().FindByGeonamesId(1264527);
    ASSERT_TRUE(chennai);
    EXPECT_EQ(PlaceListText(*chennai),
              "Chennai, Tamil Nadu, India — 13°05′ N 80°17′ E — Asia/Kolkata");
}

TEST(PlaceTexts, WestSouthAndNoState) {
    Place place;
    place.name = "Somewhere";
    place.country = "Chile";
    place.latitude = -33.4569;
    place.longitude = -70.6483;
    place.timeZone = "America/Santiago";
    EXPECT_EQ(PlaceListText(place), "Somewhere, Chile — 33°27′ S 70°39′ W — America/Santiago");
}

TEST(PlaceTexts, RoundingToTheMinuteCarriesIntoTheDegree) {
    const DegreesMinutes carried = RoundToMinute(13.9999);
    EXPECT_EQ(carried.degrees, 14);
    EXPECT_EQ(carried.minutes, 0);
    const DegreesMinutes london = RoundToMinute(-0.126);
    EXPECT_EQ(london.degrees, 0);
    EXPECT_EQ(london.minutes, 8);
    EXPECT_TRUE(london.negative);
    const DegreesMinutes nearlyZero = RoundToMinute(-0.004);  // rounds to 0°00′: no sign
    EXPECT_EQ(nearlyZero.minutes, 0);
    EXPECT_FALSE(nearlyZero.negative);
    // Chennai is 13:05N 80:17E in the form.
    const DegreesMinutes lat = RoundToMinute(13.088), lon = RoundToMinute(80.278);
    EXPECT_EQ(lat.degrees * 100 + lat.minutes, 1305);
    EXPECT_EQ(lon.degrees * 100 + lon.minutes, 8017);
}

}  // namespace
}  // namespace kalodaya::atlas
