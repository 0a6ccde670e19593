// kalodaya-chart with places of the atlas: --place, --place-id and --utc-offset, the batch keys
// place, place_id and utc_offset, and the chart's "place" record.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"
#include "cli/batch.h"

namespace kalodaya {
namespace {

using Json = nlohmann::ordered_json;
using testing_support::RunChart;

const std::vector<std::string> kChennaiBirth = {"--name", "RAMA", "--date", "1975-01-15",
                                                "--time", "06:00:00"};

std::vector<std::string> With(std::vector<std::string> args, std::vector<std::string> more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// The chart of a run that computed one.
Json Chart(const std::vector<std::string>& args) {
    const auto run = RunChart(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return run.status == 0 ? Json::parse(run.out) : Json();
}

Json Birth(const std::string& date, const std::string& time, const std::string& place) {
    return Chart({"--name", "RAMA", "--date", date, "--time", time, "--place", place});
}

TEST(ChartPlace, ChennaiTakesEntry34AndGivesTheChartOfItsCoordinates) {
    Json byPlace = Chart(With(kChennaiBirth, {"--place", "Chennai, India"}));
    Json byHand = Chart(With(kChennaiBirth, {"--lat", "13:05N", "--lon", "80:17E", "--zone", "34",
                                             "--city", "Chennai", "--state", "Tamil Nadu",
                                             "--country", "India"}));
    const Json place = byPlace["place"];
    std::vector<std::string> keys;
    for (const auto& item : place.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"name", "state", "country", "geonames_id", "lat",
                                              "lon", "time_zone", "utc_offset", "abbreviation",
                                              "dst", "clock", "local_mean_time", "zone_entry",
                                              "used_offset", "tzdata"}));
    EXPECT_EQ(place["name"], "Chennai");
    EXPECT_EQ(place["geonames_id"], 1264527);
    EXPECT_NEAR(place["lat"].get<double>(), 13.08, 0.01);
    EXPECT_EQ(place["time_zone"], "Asia/Kolkata");
    EXPECT_EQ(place["utc_offset"], "+05:30");
    EXPECT_EQ(place["abbreviation"], "IST");
    EXPECT_EQ(place["clock"], "ok");
    EXPECT_EQ(place["local_mean_time"], false);
    EXPECT_EQ(place["zone_entry"], 34);
    EXPECT_EQ(place["used_offset"], "+05:30");
    EXPECT_TRUE(place["tzdata"].is_string());
    // Everything else is the chart of the coordinates and zone typed by hand.
    EXPECT_FALSE(byHand.contains("place")) << "requests without the atlas keep their output";
    byPlace.erase("place");
    EXPECT_EQ(byPlace, byHand);

    const Json byId = Chart(With(kChennaiBirth, {"--place-id", "1264527"}));
    EXPECT_EQ(byId["place"], place);
}

TEST(ChartPlace, OffsetsWithoutAnEntryAreUsedExactly) {
    const Json kathmandu = Birth("1990-06-15", "08:00:00", "Kathmandu");
    EXPECT_EQ(kathmandu["zone"], Json::parse(R"({"hours":-5,"minutes":-45})"));
    EXPECT_TRUE(kathmandu["place"]["zone_entry"].is_null());
    EXPECT_EQ(kathmandu["place"]["used_offset"], "+05:45");
    // Nepal's +05:30 of 1980 is the offset of "Indian Time" but not India's clock.
    EXPECT_TRUE(Birth("1980-06-15", "08:00:00", "Kathmandu")["place"]["zone_entry"].is_null());
    // Paris in summer keeps Central European daylight time, not British double summer time.
    EXPECT_EQ(Birth("2000-07-15", "12:00:00", "Paris, France")["place"]["zone_entry"], 19);

    // Seconds in the database's offset; the computation uses it to the minute.
    const Json amsterdam = Birth("1935-06-15", "12:00:00", "Amsterdam")["place"];
    EXPECT_EQ(amsterdam["utc_offset"], "+01:19:32");
    EXPECT_EQ(amsterdam["used_offset"], "+01:20");
    EXPECT_TRUE(amsterdam["zone_entry"].is_null());

    // Before Nepal's standard time: Kathmandu's own mean time, 85.321 E / 15 = 5 h 41 min.
    const Json meanTime = Birth("1910-06-15", "08:00:00", "Kathmandu")["place"];
    EXPECT_EQ(meanTime["local_mean_time"], true);
    EXPECT_EQ(meanTime["used_offset"], "+05:41");
    EXPECT_EQ(meanTime["abbreviation"], "LMT");
}

TEST(ChartPlace, SkippedAndRepeatedClockTimes) {
    const Json skipped = Birth("2010-03-14", "02:30:00", "New York, US")["place"];
    EXPECT_EQ(skipped["clock"], "skipped");
    EXPECT_EQ(skipped["utc_offset"], "-05:00");
    EXPECT_EQ(skipped["zone_entry"], 27);
    const Json repeated = Birth("2010-11-07", "01:30:00", "New York, US")["place"];
    EXPECT_EQ(repeated["clock"], "repeated");
    EXPECT_EQ(repeated["dst"], true);
    EXPECT_EQ(repeated["zone_entry"], 24);
}

TEST(ChartPlace, OptionsBesideThePlaceWin) {
    const Json zone = Chart(With(kChennaiBirth, {"--place", "Chennai", "--zone", "27", "--dst",
                                                 "--lat", "10:00N", "--city", "Madras"}));
    EXPECT_EQ(zone["place"]["utc_offset"], "+05:30") << "what the atlas gives";
    EXPECT_EQ(zone["place"]["zone_entry"], 27) << "what the computation used";
    EXPECT_EQ(zone["place"]["used_offset"], "-04:00") << "entry 27's -05:00 and the daylight hour";
    EXPECT_EQ(zone["details"]["city"], "Madras");
    EXPECT_EQ(zone["details"]["state"], "Tamil Nadu");
    EXPECT_EQ(zone["details"]["latitude"], "10° 0' N");
    EXPECT_EQ(zone["details"]["longitude"], "80° 17' E");

    const Json offset = Chart(With(kChennaiBirth, {"--place", "Chennai", "--utc-offset", "+05:21:10"}));
    EXPECT_EQ(offset["place"]["used_offset"], "+05:21");
    EXPECT_TRUE(offset["place"]["zone_entry"].is_null());

    // An exact offset without a place: the atlas's members are null.
    const Json typed = Chart(With(kChennaiBirth, {"--lat", "27:42N", "--lon", "85:19E",
                                                  "--utc-offset", "+05:45"}));
    EXPECT_EQ(typed["zone"], Json::parse(R"({"hours":-5,"minutes":-45})"));
    EXPECT_TRUE(typed["place"]["name"].is_null());
    EXPECT_TRUE(typed["place"]["utc_offset"].is_null());
    EXPECT_TRUE(typed["place"]["zone_entry"].is_null());
    EXPECT_EQ(typed["place"]["used_offset"], "+05:45");

    // The offset used holds the daylight hour, whatever gave the zone; the range clocks keep
    // is judged on the minute the chart uses.
    const struct {
        std::vector<std::string> zone;
        const char* used;
    } used[] = {{{"--place", "Delhi", "--zone", "34", "--dst"}, "+06:30"},
                {{"--lat", "28:39N", "--lon", "77:13E", "--utc-offset", "+05:30", "--dst"}, "+06:30"},
                {{"--lat", "1:52N", "--lon", "157:24W", "--utc-offset", "+14:00:29"}, "+14:00"},
                {{"--lat", "0:12N", "--lon", "176:28W", "--utc-offset", "-12:00:29"}, "-12:00"}};
    for (const auto& c : used)
        EXPECT_EQ(Chart(With(kChennaiBirth, c.zone))["place"]["used_offset"], c.used)
            << c.zone[c.zone.size() - 1];
}

TEST(ChartPlace, UnusablePlacesAndOffsetsEndWithStatus2NamingThem) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--place", "Xyzzyq, Nowhere"}, "no place in the atlas matches \"Xyzzyq, Nowhere\""},
        {{"--place-id", "1"}, "no place in the atlas has the GeoNames id 1"},
        {{"--place-id", "-5"}, "unusable place id -5"},
        {{"--utc-offset", "5:45"}, "unusable UTC offset \"5:45\""},
        {{"--utc-offset", "+05:60"}, "unusable UTC offset"},
        {{"--utc-offset", "+23:59:30"}, "clocks keep offsets from -12:00 to +14:00"},
        {{"--utc-offset", "+14:00:30"}, "clocks keep offsets from -12:00 to +14:00"},
        {{"--utc-offset", "-12:01"}, "clocks keep offsets from -12:00 to +14:00"},
        {{"--zone", "34", "--utc-offset", "+05:45"}, "--zone and --utc-offset cannot both be given"},
        {{"--place", "Chennai", "--place-id", "1264527"}, "cannot both be given"},
        {{"--place", "Chennai", "--dst"}, "--dst goes with --zone or --utc-offset"},
        {{"--batch", "--place", "Chennai"}, "takes no --place"},
        {{"--city-time", "--lat", "19:00N", "--lon", "72:50E"},
         "--city-time goes with --place or --place-id"},
        {{"--place", "Mumbai", "--city-time", "--zone", "34"},
         "--zone and --city-time cannot both be given"},
        {{"--date", "1960-01-01", "--place", "Mumbai", "--city-time"},
         "Mumbai kept no city time at this birth date"},
    };
    for (const auto& c : cases) {
        const auto run = RunChart(c.args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_TRUE(run.out.empty()) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }

    ::setenv("KALODAYA_ATLAS_DIR", "/nonexistent/atlas", 1);
    const auto missing = RunChart({"--name", "RAMA", "--place", "Chennai"});
    ::unsetenv("KALODAYA_ATLAS_DIR");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("the place atlas cannot be loaded"), std::string::npos)
        << missing.err;
}

// Mumbai before 1955: the database's Indian Standard Time by default, with a note; Bombay Time
// with --city-time or "city_time"; later births and other cities have no note.
TEST(ChartPlace, BombayTimeIsASecondChoiceWithANote) {
    const Json ist = Birth("1950-06-01", "10:00:00", "Mumbai");
    EXPECT_EQ(ist["place"]["used_offset"], "+05:30");
    EXPECT_EQ(ist["place"]["zone_entry"], 34);
    EXPECT_EQ(ist["place"]["note"],
              "Bombay kept Bombay Time (UTC+04:51) until 1955; this chart assumes the tz "
              "database's UTC+05:30 (IST). Choose Bombay Time if the birth time was written in "
              "city time.");
    const Json city = Chart({"--name", "RAMA", "--date", "1950-06-01", "--time", "10:00:00",
                             "--place", "Mumbai", "--city-time"});
    EXPECT_EQ(city["place"]["used_offset"], "+04:51");
    EXPECT_TRUE(city["place"]["zone_entry"].is_null());
    EXPECT_EQ(city["place"]["utc_offset"], "+05:30");
    EXPECT_EQ(city["zone"]["hours"], -4);
    EXPECT_EQ(city["zone"]["minutes"], -51);
    EXPECT_EQ(city["place"]["note"],
              "This chart assumes Bombay Time (UTC+04:51), the city's own time until 1955, in "
              "place of the tz database's UTC+05:30 (IST).");
    EXPECT_NE(city["ascendant"], ist["ascendant"]);
    EXPECT_FALSE(Birth("1956-06-01", "10:00:00", "Mumbai")["place"].contains("note"));
    EXPECT_FALSE(Birth("1950-06-01", "10:00:00", "Chennai")["place"].contains("note"));
}

std::vector<Json> Batch(const std::string& lines) {
    std::istringstream in(lines);
    std::ostringstream out;
    EXPECT_TRUE(cli::RunBatch(in, out));
    std::vector<Json> answers;
    std::istringstream read(out.str());
    for (std::string line; std::getline(read, line);) answers.push_back(Json::parse(line));
    return answers;
}

TEST(BatchPlace, CityTimeKey) {
    const std::vector<Json> answers = Batch(
        R"({"name":"RAMA","date":"1947-06-01","time":"06:00:00","place":"Kolkata","city_time":true})" "\n"
        R"({"name":"RAMA","date":"1947-06-01","time":"06:00:00","place":"Kolkata","city_time":false})" "\n"
        R"({"name":"RAMA","date":"1947-06-01","place":"Chennai","city_time":true})" "\n"
        R"({"name":"RAMA","date":"1947-06-01","place":"Kolkata","city_time":"yes"})" "\n");
    ASSERT_EQ(answers.size(), 4u);
    EXPECT_EQ(answers[0]["place"]["used_offset"], "+05:53");
    EXPECT_EQ(answers[1]["place"]["used_offset"], "+05:30");
    EXPECT_EQ(answers[2]["valid"], false);
    EXPECT_NE(answers[2]["error"].get<std::string>().find("Chennai kept no city time"),
              std::string::npos);
    EXPECT_EQ(answers[3]["valid"], false);
}

TEST(BatchPlace, PlaceKeysAndBadLinesThatNameThem) {
    const std::vector<Json> answers = Batch(
        R"({"name":"RAMA","date":"1975-01-15","time":"06:00:00","place":"Chennai, India"})" "\n"
        R"({"name":"RAMA","place":"Xyzzyq"})" "\n"
        R"({"name":"RAMA","date":"1990-06-15","time":"08:00:00","place_id":1283240})" "\n"
        R"({"name":"RAMA","lat":"27:42N","lon":"85:19E","utc_offset":"+05:45"})" "\n"
        R"({"name":"RAMA","place":"Z\u00fcrich","zone":20})" "\n"
        R"({"name":"RAMA","zone":1,"utc_offset":"+05:45"})" "\n"
        R"({"name":"RAMA","place":"Chennai","place_id":1264527})" "\n"
        R"({"name":"RAMA","place":"Chennai","dst":true})" "\n"
        R"({"name":"RAMA","place_id":"1264527"})" "\n"
        R"({"name":"RAMA","lat":"13:05N","lon":"80:17E","place":null,"place_id":null,"utc_offset":null,"zone":34})" "\n");
    ASSERT_EQ(answers.size(), 10u);
    EXPECT_EQ(answers[0]["place"]["zone_entry"], 34);
    EXPECT_EQ(answers[0]["details"]["city"], "Chennai");
    EXPECT_EQ(answers[1]["valid"], false);
    EXPECT_EQ(answers[1]["error"], "no place in the atlas matches \"Xyzzyq\"");
    EXPECT_TRUE(answers[2]["place"]["zone_entry"].is_null());
    EXPECT_EQ(answers[2]["place"]["used_offset"], "+05:45");
    EXPECT_EQ(answers[3]["place"]["used_offset"], "+05:45");
    EXPECT_TRUE(answers[3]["place"]["time_zone"].is_null());
    EXPECT_EQ(answers[4]["details"]["city"], "Zürich") << "a line the JSON library reads";
    EXPECT_EQ(answers[4]["place"]["zone_entry"], 20);
    EXPECT_EQ(answers[5]["error"], "\"zone\" and \"utc_offset\" cannot both be given");
    EXPECT_EQ(answers[6]["error"], "\"place\" and \"place_id\" cannot both be given");
    EXPECT_NE(answers[7]["error"].get<std::string>().find("\"dst\" goes with"), std::string::npos);
    EXPECT_EQ(answers[8]["error"], "\"place_id\" must be a whole number");
    EXPECT_EQ(answers[9]["valid"], true);
    EXPECT_FALSE(answers[9].contains("place")) << "null keys are keys left out";
}

}  // namespace
}  // namespace kalodaya
