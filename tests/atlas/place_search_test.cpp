// Searching the atlas as a user types: accents and case ignored, alternate names, whole names
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

// The name a user types, in any language or an older form, gives the city they mean first,
// before small places of that very name and before places with the name inside their own.
TEST(PlaceSearch, TheCityTypedComesFirst) {
    const struct {
        const char* typed;
        const char* name;
        const char* countryCode;
    } cases[] = {
        {"Madras", "Chennai", "IN"},         {"Calcutta", "Kolkata", "IN"},
        {"Poona", "Pune", "IN"},             {"Bombay", "Mumbai", "IN"},
        {"Munchen", "Munich", "DE"},         {"München", "Munich", "DE"},
        {"Wien", "Vienna", "AT"},            {"Praha", "Prague", "CZ"},
        {"Napoli", "Naples", "IT"},          {"Milano", "Milan", "IT"},
        {"Roma", "Rome", "IT"},              {"Leningrad", "Saint Petersburg", "RU"},
        {"Gurugram", "Gurgaon", "IN"},       {"Prayagraj", "Allahābād", "IN"},
        {"Bangalore", "Bengaluru", "IN"},    {"Mysuru", "Mysore", "IN"},
        {"Kalaburagi", "Gulbarga", "IN"},    {"Belagavi", "Belgaum", "IN"},
        {"Vijayapura", "Bijapur", "IN"},     {"Pondicherry", "Puducherry", "IN"},
        {"Kochi", "Cochin", "IN"},           {"Trivandrum", "Thiruvananthapuram", "IN"},
        {"Baroda", "Vadodara", "IN"},        {"Benares", "Varanasi", "IN"},
        {"Cawnpore", "Kanpur", "IN"},        {"Simla", "Shimla", "IN"},
        {"Saigon", "Ho Chi Minh City", "VN"}, {"Peking", "Beijing", "CN"},
    };
    for (const auto& c : cases) {
        const auto places = Search(c.typed, 1);
        ASSERT_FALSE(places.empty()) << c.typed;
        EXPECT_EQ(places.front().name, c.name) << c.typed;
        EXPECT_EQ(places.front().countryCode, c.countryCode) << c.typed;
    }
    // A place of the very name typed still comes, after the bigger city.
    const auto madras = Search("Madras", 5);
    EXPECT_TRUE(std::any_of(madras.begin(), madras.end(),
                            [](const Place& place) { return place.state == "Oregon"; }));
}

// Sections of a city (Zürich's "Kreis" entries) come after the other places of their class.
TEST(PlaceSearch, CitySectionsDoNotCrowdTheList) {
    const auto zurich = Search("zurich", 12);
    ASSERT_GE(zurich.size(), 5u);
    EXPECT_EQ(zurich.front().name, "Zürich");
    const auto isSection = [](const Place& place) {
        return place.name.find("Kreis") != std::string_view::npos;
    };
    const auto firstSection = std::find_if(zurich.begin(), zurich.end(), isSection);
    ASSERT_NE(firstSection, zurich.end());
    EXPECT_TRUE(std::all_of(firstSection, zurich.end(), isSection));
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
    EXPECT_FALSE(TheAtlas().places().BestMatch("Chennai, France"));
}

// Countries narrow by their codes, their names and the names people type for them; the parts
// of the United Kingdom narrow to themselves.
TEST(PlaceSearch, CountriesAsPeopleWriteThem) {
    const struct {
        const char* typed;
        const char* name;
        const char* countryCode;
    } cases[] = {
        {"Prague, Czechia", "Prague", "CZ"},
        {"Prague, Czech Republic", "Prague", "CZ"},
        {"Prague, CZE", "Prague", "CZ"},
        {"Paris, USA", "Paris", "US"},
        {"Paris, U.S.", "Paris", "US"},
        {"Paris, u.s.a.", "Paris", "US"},
        {"Paris, United States of America", "Paris", "US"},
        {"Paris, America", "Paris", "US"},
        {"Paris, US", "Paris", "US"},
        {"Paris, fra", "Paris", "FR"},
        {"London, United Kingdom", "London", "GB"},
        {"London, UK", "London", "GB"},
        {"London, U.K.", "London", "GB"},
        {"London, Great Britain", "London", "GB"},
        {"London, Britain", "London", "GB"},
        {"London, England", "London", "GB"},
        {"Edinburgh, Scotland", "Edinburgh", "GB"},
        {"Cardiff, Wales", "Cardiff", "GB"},
        {"Belfast, Northern Ireland", "Belfast", "GB"},
        {"Seoul, South Korea", "Seoul", "KR"},
        {"Kinshasa, DR Congo", "Kinshasa", "CD"},
        {"Kinshasa, Democratic Republic of the Congo", "Kinshasa", "CD"},
        {"Yangon, Burma", "Yangon", "MM"},
        {"Yangon, Myanmar", "Yangon", "MM"},
        {"Amsterdam, Holland", "Amsterdam", "NL"},
        {"Mumbai, Bharat", "Mumbai", "IN"},
        {"Tehran, Persia", "Tehran", "IR"},
        {"Abidjan, Ivory Coast", "Abidjan", "CI"},
        {"Abidjan, Côte d'Ivoire", "Abidjan", "CI"},
        {"Mbabane, Swaziland", "Mbabane", "SZ"},
        {"Skopje, Macedonia", "Skopje", "MK"},
        {"Ankara, Turkey", "Ankara", "TR"},
        {"Ankara, TÜRKIYE", "Ankara", "TR"},
    };
    for (const auto& c : cases) {
        const auto place = TheAtlas().places().BestMatch(c.typed);
        ASSERT_TRUE(place) << c.typed;
        EXPECT_EQ(place->name, c.name) << c.typed;
        EXPECT_EQ(place->countryCode, c.countryCode) << c.typed;
    }
    // Scotland is a part of the United Kingdom, not another name for it.
    const auto london = TheAtlas().places().BestMatch("London, Scotland");
    EXPECT_TRUE(!london || london->state == "Scotland");
}

// Countries show by their common English short names (Unicode CLDR).
TEST(PlaceSearch, CountryNamesAsPeopleKnowThem) {
    const struct {
        const char* capital;
        const char* country;
    } cases[] = {
        {"London", "United Kingdom"},
        {"Seoul", "South Korea"},
        {"Kinshasa", "Democratic Republic of the Congo"},
        {"Brazzaville", "Republic of the Congo"},
        {"Prague", "Czechia"},
        {"Naypyidaw", "Myanmar"},
        {"Mbabane", "Eswatini"},
        {"Yamoussoukro", "Côte d'Ivoire"},
        {"Sarajevo", "Bosnia and Herzegovina"},
        {"New York City", "United States"},
    };
    for (const auto& c : cases) {
        const auto place = TheAtlas().places().BestMatch(c.capital);
        ASSERT_TRUE(place) << c.capital;
        EXPECT_EQ(place->country, c.country) << c.capital;
    }
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

// GeoNames gives a few places another country's zone; the atlas keeps their own clock.
TEST(PlaceSearch, PlacesKeepTheirCountrysClock) {
    const struct {
        int64_t geonamesId;
        const char* timeZone;
    } cases[] = {
        {2123979, "Asia/Sakhalin"},   // Kuril'sk, Russia (GeoNames: Asia/Tokyo)
        {1513331, "Asia/Tashkent"},   // Quvasoy, Uzbekistan (Asia/Bishkek)
        {166285, "Asia/Damascus"},    // Kabbasin, Syria (Europe/Istanbul)
        {786714, "Europe/Belgrade"},  // Pristina, Kosovo: right as it is
    };
    for (const auto& c : cases) {
        const auto place = TheAtlas().places().FindByGeonamesId(c.geonamesId);
        ASSERT_TRUE(place) << c.geonamesId;
        EXPECT_EQ(place->timeZone, c.timeZone) << place->name;
    }
}

// Regions named in the numbering of the places' own snapshot: renumbered provinces of Vietnam,
// counties of Norway split in 2024, Malta's swapped council codes, a moved Swiss town.
TEST(PlaceSearch, PlacesLieInTheRegionTheirNameSays) {
    const struct {
        int64_t geonamesId;
        const char* state;
    } cases[] = {
        {1566083, "Ho Chi Minh City (HCMC)"},  // was "Lạng Sơn Province"
        {1581130, "Hanoi"},                    // was "Quang Tri"
        {1580240, "Thừa Thiên Huế Province"},  // Huế, was "Dak Lak"
        {2562349, "Tarxien"},                  // was "Ta’ Xbiex"
        {2562320, "Ta’ Xbiex"},                // was "Tarxien"
        {3161732, "Vestland"},                 // Bergen, had none
        {3159016, "Buskerud"},                 // Drammen, part of Viken until 2024
        {3140084, "Østfold"},                  // Sarpsborg, likewise
        {1274746, "Chandigarh"},               // a region of one city
        {1264527, "Tamil Nadu"},               // Chennai: unchanged regions stay
    };
    for (const auto& c : cases) {
        const auto place = TheAtlas().places().FindByGeonamesId(c.geonamesId);
        ASSERT_TRUE(place) << c.geonamesId;
        EXPECT_EQ(place->state, c.state) << place->name;
    }
    for (const char* query : {"Da Nang", "Can Tho", "Haiphong", "Stavanger", "Tromso", "Lillestrom"}) {
        const auto places = Search(query, 1);
        ASSERT_FALSE(places.empty()) << query;
        EXPECT_FALSE(places.front().state.empty()) << query;
    }
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

// The words a search reads are found by the bytes they start with; a query of one byte, or one
// with a separator or a full stop in it, must find the same places as any other.
TEST(PlaceSearch, WordsStartingWithTheQueryWhateverItsBytes) {
    const struct {
        const char* typed;
        const char* name;  // among the first three
    } cases[] = {
        {"x", "Xi’an"},          {"Ch", "Chengdu"},  {"o'", "O'Fallon"},
        {"st. ", "St. Louis"},   {"zur", "Zürich"},  {"sao p", "São Paulo"},
    };
    for (const auto& c : cases) {
        const auto places = Search(c.typed, 3);
        EXPECT_TRUE(std::any_of(places.begin(), places.end(),
                                [&](const Place& p) { return p.name == c.name; }))
            << c.typed;
    }
}

}  // namespace
}  // namespace kalodaya::atlas
