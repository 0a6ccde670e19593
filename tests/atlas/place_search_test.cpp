// Searching the atlas as a user types: accents and case ignored, alternate names, exact names
// first and then the most populous, qualifiers for state and country, and the limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "atlas_fixture.h"

namespace kalodaya::atlas {
namespace {

using testing::TheAtlas;

std::vector<Place> Search(std::string_view query, std::size_t limit = 10) {
    return TheAtlas().places().Search(query, limit);
}

TEST(PlaceSearch, ChennaiWithItsStateCountryCoordinatesAndZone) {
    const auto places = Search("chennai", 3);
    ASSERT_FALSE(places.empty());
    const Place& chennai = places.front();
    EXPECT_EQ(chennai.name, "Chennai");
    EXPECT_EQ(chennai.state, "Tamil Nadu");
    EXPECT_EQ(chennai.country, "India");
    EXPECT_EQ(chennai.countryCode, "IN");
    EXPECT_NEAR(chennai.latitude, 13.08, 0.01);
    EXPECT_NEAR(chennai.longitude, 80.27, 0.01);
    EXPECT_EQ(chennai.timeZone, "Asia/Kolkata");
    EXPECT_EQ(chennai.geonamesId, 1264527);
    EXPECT_GT(chennai.population, 4'000'000);
}

TEST(PlaceSearch, AccentsCaseAndHyphensDoNotCount) {
    for (const char* query : {"zurich", "ZÜRICH", "Zürich", "  zürich "}) {
        const auto places = Search(query, 1);
        ASSERT_FALSE(places.empty()) << query;
        EXPECT_EQ(places.front().name, "Zürich") << query;
    }
    const auto etienne = Search("saint etienne", 1);
    ASSERT_FALSE(etienne.empty());
    EXPECT_EQ(etienne.front().name, "Saint-Étienne");
    const auto sao = Search("SAO PAULO", 1);
    ASSERT_FALSE(sao.empty());
    EXPECT_EQ(sao.front().name, "São Paulo");
}

TEST(PlaceSearch, AlternateNamesFindThePlace) {
    const auto bombay = Search("bombay", 1);
    ASSERT_FALSE(bombay.empty());
    EXPECT_EQ(bombay.front().name, "Mumbai");
    // A place of that very name comes first; the city of the old name right after it.
    const auto madras = Search("Madras", 3);
    ASSERT_GE(madras.size(), 2u);
    EXPECT_EQ(madras[0].name, "Madras");
    EXPECT_EQ(madras[0].state, "Oregon");
    EXPECT_EQ(madras[1].name, "Chennai");
    const auto calcutta = Search("calcutta", 2);
    ASSERT_EQ(calcutta.size(), 2u);
    EXPECT_EQ(calcutta[1].name, "Kolkata");
}

TEST(PlaceSearch, ExactNamesComeFirstThenPopulation) {
    const auto york = Search("york", 12);
    ASSERT_EQ(york.size(), 12u);
    std::size_t exact = 0;
    while (exact < york.size() && york[exact].name == "York") ++exact;
    ASSERT_GE(exact, 3u);
    EXPECT_EQ(york[0].countryCode, "GB");  // the largest York
    for (std::size_t i = exact; i < york.size(); ++i) EXPECT_NE(york[i].name, "York");
    for (std::size_t i = 1; i < york.size(); ++i) {
        if (i != exact) {
            EXPECT_LE(york[i].population, york[i - 1].population) << i;
        }
    }
    EXPECT_EQ(york[exact].name, "New York City");  // the largest partial match
    const auto partial = Search("new yo", 1);
    ASSERT_FALSE(partial.empty());
    EXPECT_EQ(partial.front().name, "New York City");
}

TEST(PlaceSearch, OwnNamesComeBeforeAlternateNames) {
    // Shenzhen (17 million) is also written "Shen Chen": the far smaller places with "chen" in
    // their own name come before it, each group by population.
    const auto chen = Search("chen", 200);
    ASSERT_GE(chen.size(), 2u);
    EXPECT_EQ(chen[0].name, "Chengdu");
    EXPECT_EQ(chen[1].name, "Chennai");
    const auto at = [&](std::string_view name) {
        return std::find_if(chen.begin(), chen.end(),
                            [&](const Place& place) { return place.name == name; }) -
               chen.begin();
    };
    EXPECT_LT(at("Chenzhou"), at("Shenzhen"));
    EXPECT_LT(at("Shenzhen"), static_cast<std::ptrdiff_t>(chen.size()));
}

TEST(PlaceSearch, WordsInsideANameMatchFromTheirStart) {
    const auto lumpur = Search("lumpur", 5);
    ASSERT_FALSE(lumpur.empty());
    EXPECT_EQ(lumpur.front().name, "Kuala Lumpur");
    for (const Place& place : Search("umpur", 50)) EXPECT_NE(place.name, "Kuala Lumpur");
}

TEST(PlaceSearch, QualifiersChooseStateAndCountry) {
    const auto texas = TheAtlas().places().BestMatch("Paris, Texas");
    ASSERT_TRUE(texas);
    EXPECT_EQ(texas->countryCode, "US");
    EXPECT_EQ(texas->state, "Texas");
    const auto france = TheAtlas().places().BestMatch("Paris, France");
    ASSERT_TRUE(france);
    EXPECT_EQ(france->countryCode, "FR");
    const auto ontario = TheAtlas().places().BestMatch("London, Ontario, Canada");
    ASSERT_TRUE(ontario);
    EXPECT_EQ(ontario->state, "Ontario");
    const auto byCode = TheAtlas().places().BestMatch("London, ca");
    ASSERT_TRUE(byCode);
    EXPECT_EQ(byCode->countryCode, "CA");
    const auto uk = TheAtlas().places().BestMatch("London, UK");  // "Britain (UK)"
    ASSERT_TRUE(uk);
    EXPECT_EQ(uk->countryCode, "GB");
    EXPECT_FALSE(TheAtlas().places().BestMatch("Chennai, France"));
}

TEST(PlaceSearch, LimitAndEmptyResults) {
    EXPECT_EQ(Search("san", 7).size(), 7u);
    EXPECT_TRUE(Search("san", 0).empty());
    EXPECT_TRUE(Search("xqzzyq").empty());
    EXPECT_TRUE(Search("").empty());
    EXPECT_TRUE(Search(" , India").empty());
    EXPECT_TRUE(Search("\n").empty());
}

TEST(PlaceSearch, EveryPlaceInIndiaAndTheCapitalsAreKept) {
    // Places GeoNames gives fewer than 1,000 people (or none): Sukma in India, and
    // Ngerulmud, Palau's capital.
    const auto indian = TheAtlas().places().BestMatch("Sukma, India");
    ASSERT_TRUE(indian);
    EXPECT_LT(indian->population, 1000);
    const auto capital = TheAtlas().places().BestMatch("Ngerulmud");
    ASSERT_TRUE(capital);
    EXPECT_LT(capital->population, 1000);
    EXPECT_GT(TheAtlas().places().size(), 100'000u);
}

TEST(PlaceSearch, LookupByGeonamesId) {
    const auto chennai = TheAtlas().places().FindByGeonamesId(1264527);
    ASSERT_TRUE(chennai);
    EXPECT_EQ(chennai->name, "Chennai");
    EXPECT_FALSE(TheAtlas().places().FindByGeonamesId(1));
    EXPECT_FALSE(TheAtlas().places().FindByGeonamesId(-5));
    for (const Place& place : Search("springfield", 20)) {
        const auto again = TheAtlas().places().FindByGeonamesId(place.geonamesId);
        ASSERT_TRUE(again);
        EXPECT_EQ(again->name, place.name);
        EXPECT_EQ(again->timeZone, place.timeZone);
    }
}

}  // namespace
}  // namespace kalodaya::atlas
