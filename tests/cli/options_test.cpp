// kalodaya-chart's options: the zone's digits, empty coordinates, options that do not go
// together, the version, and error messages that stay on one short line.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "request/entry_values.h"
#include "base/quoted_value.h"
#include "cli_process.h"

namespace kalodaya {
namespace {

using testing_support::RunChart;

const std::vector<std::string> kPlace = {"--name", "RAMA", "--date", "1990-08-15",
                                         "--lat",  "28:39N", "--lon", "77:13E"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(ZoneOption, TakesDecimalDigitsOnly) {
    const std::vector<std::pair<std::string, int>> positions = {
        {"0", 0}, {"010", 10}, {"08", 8}, {"70", 70}, {"0000000000000000000000034", 34}};
    for (const auto& [text, position] : positions) {
        BirthRequest e;
        ASSERT_FALSE(SetZone(e, text)) << text;
        EXPECT_EQ(e.zone, ZoneSelection(ZoneListEntry{position})) << text;
    }
    for (const std::string text : {"", "0x22", "+5", "-1", " 5", "5 ", "71", "3.0", "1e1",
                                   "99999999999999999999999999", "\xD9\xA3"}) {  // Arabic-Indic 3
        BirthRequest e;
        EXPECT_TRUE(SetZone(e, text)) << text;
        EXPECT_EQ(e.zone, ZoneSelection(ZoneListEntry{0})) << text;
    }

    // Through the command: a leading zero is no octal prefix, and an empty zone is no zone 0.
    const auto ten = RunChart(With(kPlace, {"--zone", "10"}));
    const auto leadingZero = RunChart(With(kPlace, {"--zone", "010"}));
    EXPECT_EQ(leadingZero.status, 0);
    EXPECT_EQ(leadingZero.out, ten.out);
    for (const std::string text : {"", "0x22"}) {
        const auto run = RunChart(With(kPlace, {"--zone", text}));
        EXPECT_EQ(run.status, 2) << text;
        EXPECT_EQ(run.out, "") << text;
        EXPECT_EQ(run.err, "kalodaya-chart: unusable zone \"" + text +
                               "\": expected a zone list position from 0 to 70 in decimal digits\n");
    }
}

// An empty coordinate is a box left empty: the form's own message, exactly as when the option
// is left out.
TEST(CoordinateOptions, EmptyMeansTheBoxesAreEmpty) {
    const std::vector<std::string> base = {"--name", "RAMA", "--date", "1990-08-15"};
    const auto latLeftOut = RunChart(With(base, {"--lon", "77:13E"}));
    const auto latEmpty = RunChart(With(base, {"--lat", "", "--lon", "77:13E"}));
    EXPECT_EQ(latLeftOut.status, 1);
    EXPECT_EQ(latEmpty.status, 1);
    EXPECT_EQ(latEmpty.out, latLeftOut.out);
    EXPECT_NE(latEmpty.out.find("Latitude"), std::string::npos);

    const auto lonLeftOut = RunChart(With(base, {"--lat", "28:39N"}));
    const auto lonEmpty = RunChart(With(base, {"--lat", "28:39N", "--lon", ""}));
    EXPECT_EQ(lonEmpty.status, 1);
    EXPECT_EQ(lonEmpty.out, lonLeftOut.out);
    EXPECT_NE(lonEmpty.out.find("Longitude"), std::string::npos);

    // The empty boxes replace whatever an earlier value had put there, hemisphere included.
    BirthRequest e;
    ASSERT_FALSE(SetLatitude(e, "28:39S"));
    ASSERT_FALSE(SetLatitude(e, ""));
    EXPECT_EQ(e.latitude, Latitude{});
}

TEST(CommandLine, BatchOptionsAndTheVersion) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--batch", "--zone", "3"}, {"--name", "A", "--batch"},
          {"--batch", "--dst"}, {"--city", "", "--batch"}}) {
        const auto run = RunChart(args, "{}\n");
        EXPECT_EQ(run.status, 2) << args[1];
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("--batch"), std::string::npos) << run.err;
    }
    // --jobs: decimal digits, with --batch only.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--batch", "--jobs", "0"}, {"--batch", "--jobs", ""},
          {"--batch", "--jobs", "0x2"}, {"--batch", "--jobs", "-1"}, {"--batch", "--jobs", "257"},
          {"--jobs", "2"}, {"--jobs", "2", "--name", "A"}}) {
        const auto run = RunChart(args, "{}\n");
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("--jobs"), std::string::npos) << run.err;
    }
    const auto tenJobs = RunChart({"--batch", "--jobs", "010"}, "{}\n");
    EXPECT_EQ(tenJobs.status, 0);
    EXPECT_EQ(tenJobs.out, RunChart({"--batch"}, "{}\n").out);

    const auto version = RunChart({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(std::regex_match(version.out, std::regex("kalodaya-chart [0-9]+\\.[0-9]+\n")))
        << version.out;
}

TEST(CommandLine, EveryErrorIsOneShortLine) {
    const std::string longName(500, 'A');
    const std::vector<std::vector<std::string>> bad = {
        {"--bogus", "two\nlines"},
        {"stray"},
        {"--name"},
        {"--name", "A", "--name", "B"},
        {"--dst=maybe\nmore"},
        {"--batch=" + longName},
        {"--name", longName + "7\n"},
        {"--date", "1990\t08-15"},
        {"--time", "\x1b[31m10:30:00"},
        {"--lat", std::string(300, '1') + ":00N"},
        {"--zone", std::string(300, '9')},
        {"--city", "\xFF\xFE", "--batch"},
    };
    for (const auto& args : bad) {
        const auto run = RunChart(args);
        const std::string shown = args.front().substr(0, 20);
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        ASSERT_FALSE(run.err.empty()) << shown;
        EXPECT_EQ(run.err.rfind("kalodaya-chart: ", 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        for (char ch : run.err.substr(0, run.err.size() - 1))
            EXPECT_GE(static_cast<unsigned char>(ch), 0x20) << run.err;
        EXPECT_LT(run.err.size(), 260u) << run.err;
    }
}

TEST(ErrorMessages, QuoteValuesShortenedAndEscaped) {
    EXPECT_EQ(QuotedValue("28:39X"), "\"28:39X\"");
    EXPECT_EQ(QuotedValue("a\"b\\c\n\r\t\x01\x7f"), R"("a\"b\\c\n\r\t\x01\x7f")");
    // Bytes that are not UTF-8 and C1 control characters are escaped; other letters stay.
    EXPECT_EQ(QuotedValue("S\xE3o \xC2\x85 Troms\xC3\xB8"), "\"S\\xe3o \\u0085 Troms\xC3\xB8\"");

    // Eighty characters, however many bytes each takes; a cut is marked after the quote.
    const std::string eighty(80, 'x');
    EXPECT_EQ(QuotedValue(eighty), "\"" + eighty + "\"");
    EXPECT_EQ(QuotedValue(eighty + "y"), "\"" + eighty + "\"...");
    std::string euros;
    for (int i = 0; i < 100; ++i) euros += "\xE2\x82\xAC";
    EXPECT_EQ(QuotedValue(euros), "\"" + euros.substr(0, 240) + "\"...");
    std::string newlines(100, '\n');
    std::string shown;
    for (int i = 0; i < 80; ++i) shown += "\\n";
    EXPECT_EQ(QuotedValue(newlines), "\"" + shown + "\"...");

    // A message from elsewhere keeps its words, with long runs cut and control characters shown.
    EXPECT_EQ(OneLineMessage("Could not convert: --dst = maybe\nmore"),
              "Could not convert: --dst = maybe\\nmore");
    EXPECT_EQ(OneLineMessage("x " + std::string(200, 'z')), "x " + std::string(80, 'z') + "...");
}

}  // namespace
}  // namespace kalodaya
