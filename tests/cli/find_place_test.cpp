// kalodaya-chart --find-place end to end.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ChartRun {
    int status = -1;
    std::vector<std::string> lines;
};

ChartRun RunChart(const std::string& arguments, const std::string& environment = "") {
    ChartRun run;
    const std::string command =
        environment + std::string(KALODAYA_CHART_EXE) + " " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    std::string text;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) run.lines.push_back(line);
    return run;
}

TEST(FindPlaceCli, ChennaiFirstAsOneJsonObjectALine) {
    const ChartRun run = RunChart("--find-place chennai --limit 3");
    ASSERT_EQ(run.status, 0);
    ASSERT_GE(run.lines.size(), 1u);
    ASSERT_LE(run.lines.size(), 3u);
    const auto first = nlohmann::json::parse(run.lines.front());
    EXPECT_EQ(first["name"], "Chennai");
    EXPECT_EQ(first["state"], "Tamil Nadu");
    EXPECT_EQ(first["country"], "India");
    EXPECT_EQ(first["country_code"], "IN");
    EXPECT_NEAR(first["lat"].get<double>(), 13.08, 0.01);
    EXPECT_NEAR(first["lon"].get<double>(), 80.27, 0.01);
    EXPECT_EQ(first["time_zone"], "Asia/Kolkata");
    EXPECT_EQ(first["geonames_id"], 1264527);
    EXPECT_GT(first["population"].get<long long>(), 4'000'000);
    std::vector<std::string> keys;
    const auto ordered = nlohmann::ordered_json::parse(run.lines.front());
    for (const auto& item : ordered.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"name", "state", "country", "country_code", "lat",
                                              "lon", "population", "time_zone", "geonames_id"}));
}

// The place a user types, by an older or another language's name or narrowed by a country as
// people write it, comes first; countries show by their common names.
TEST(FindPlaceCli, TheCityTypedComesFirst) {
    const struct {
        const char* typed;
        const char* name;
        const char* country;
    } cases[] = {
        {"Madras", "Chennai", "India"},
        {"Calcutta", "Kolkata", "India"},
        {"Poona", "Pune", "India"},
        {"Munchen", "Munich", "Germany"},
        {"Wien", "Vienna", "Austria"},
        {"Praha", "Prague", "Czechia"},
        {"Napoli", "Naples", "Italy"},
        {"Milano", "Milan", "Italy"},
        {"Roma", "Rome", "Italy"},
        {"Leningrad", "Saint Petersburg", "Russia"},
        {"Gurugram", "Gurgaon", "India"},
        {"'Prague, Czechia'", "Prague", "Czechia"},
        {"'Paris, USA'", "Paris", "United States"},
        {"'London, United Kingdom'", "London", "United Kingdom"},
        {"'Seoul, South Korea'", "Seoul", "South Korea"},
        {"'Kinshasa, DR Congo'", "Kinshasa", "Democratic Republic of the Congo"},
        {"'Yangon, Burma'", "Yangon", "Myanmar"},
        {"'Edinburgh, Scotland'", "Edinburgh", "United Kingdom"},
    };
    for (const auto& c : cases) {
        const ChartRun run = RunChart(std::string("--find-place ") + c.typed + " --limit 1");
        ASSERT_EQ(run.status, 0) << c.typed;
        ASSERT_EQ(run.lines.size(), 1u) << c.typed;
        const auto first = nlohmann::json::parse(run.lines.front());
        EXPECT_EQ(first["name"], c.name) << c.typed;
        EXPECT_EQ(first["country"], c.country) << c.typed;
    }
}

TEST(FindPlaceCli, LimitAndNothingFound) {
    EXPECT_EQ(RunChart("--find-place san --limit 4").lines.size(), 4u);
    EXPECT_EQ(RunChart("--find-place san").lines.size(), 10u);
    const ChartRun none = RunChart("--find-place xqzzyq");
    EXPECT_EQ(none.status, 0);
    EXPECT_TRUE(none.lines.empty());
    EXPECT_EQ(RunChart("--find-place san --limit 0").status, 2);
}

TEST(FindPlaceCli, AMissingAtlasIsAnUnusableRun) {
    const ChartRun run = RunChart("--find-place chennai", "KALODAYA_ATLAS_DIR=/nonexistent/atlas ");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.lines.empty());
}

}  // namespace
