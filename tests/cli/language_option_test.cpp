// kalodaya-chart --language: the English JSON stays byte for byte, the language's texts come
// beside it, for one chart and for every line of a batch.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli_process.h"

namespace kalodaya {
namespace {

using Json = nlohmann::ordered_json;
using testing_support::RunChart;

const std::vector<std::string> kWorkedExample = {"--name", "RAMA",     "--date", "1990-08-15",
                                                 "--time", "10:30:00", "--lat",  "28:39N",
                                                 "--lon",  "77:13E",   "--zone", "34"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(LanguageOption, KeepsTheEnglishJsonAndAddsTheLanguagesTexts) {
    const auto plain = RunChart(kWorkedExample);
    ASSERT_EQ(plain.status, 0) << plain.err;
    Json english = Json::parse(plain.out);
    struct Case {
        std::string code;
        std::string signName;  // the ghati lagna's sign, Cancer
        std::string mark;
    };
    const Case cases[] = {{"ta", "கடகம்", "க.ல."},
                          {"hi", "कर्क", "घ.ल."},
                          {"te", "కర్కాటకం", "ఘ.ల."},
                          {"kn", "ಕರ್ಕಾಟಕ", "ಘ.ಲ."},
                          {"en-sa", "Karka", "GL"}};
    for (const Case& c : cases) {
        const auto run = RunChart(With(kWorkedExample, {"--language", c.code}));
        ASSERT_EQ(run.status, 0) << c.code << run.err;
        Json json = Json::parse(run.out);
        ASSERT_TRUE(json.contains("texts_localized")) << c.code;
        const Json localized = json["texts_localized"];
        json.erase("texts_localized");
        EXPECT_EQ(json, english) << c.code;  // every English key and value, in order
        EXPECT_EQ(localized["language"], c.code);
        EXPECT_EQ(localized["ghati_lagna"]["sign_name"], c.signName);
        EXPECT_EQ(localized["ghati_lagna_mark"], c.mark);
        EXPECT_EQ(localized["names"].size(), 10u);
        EXPECT_EQ(localized["profile"].size(), english["profile"].size());
        EXPECT_TRUE(localized["time_windows"]["ghati_lagna"].is_string());
        EXPECT_FALSE(localized["status"].get<std::string>().empty());
    }
    // English asked for: the English texts again, beside the same members.
    Json en = Json::parse(RunChart(With(kWorkedExample, {"--language", "en"})).out);
    EXPECT_EQ(en["texts_localized"]["positions"], english["positions"]);
    EXPECT_EQ(en["texts_localized"]["names"], english["names"]);
    EXPECT_EQ(en["texts_localized"]["profile"], english["profile"]);
    en.erase("texts_localized");
    EXPECT_EQ(en, english);
}

TEST(LanguageOption, FailedCheckAndUnusableCodes) {
    const auto failed =
        RunChart({"--name", "", "--date", "1990-08-15", "--time", "10:30:00", "--lat", "28:39N",
                  "--lon", "77:13E", "--zone", "34", "--language", "hi"});
    EXPECT_EQ(failed.status, 1);
    const Json json = Json::parse(failed.out);
    EXPECT_EQ(json["message"], "Please Enter Name");
    EXPECT_EQ(json["texts_localized"]["message"], "कृपया नाम दर्ज करें");
    for (const std::string code : {"HI", "fr", "en_sa", ""}) {
        const auto run = RunChart(With(kWorkedExample, {"--language", code}));
        EXPECT_EQ(run.status, 2) << code;
        EXPECT_NE(run.err.find("unknown language"), std::string::npos) << run.err;
    }
    const auto help = RunChart({"--help"});
    EXPECT_NE(help.out.find("texts_localized"), std::string::npos);
}

TEST(LanguageOption, BatchLinesCarryTheTextsOnEveryThreadCount) {
    const std::string input =
        R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34})"
        "\n"
        R"({"name":"","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34})"
        "\nnot json\n"
        R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34,"language":"kn"})"
        "\n"
        R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34,"language":"xx"})"
        "\n";
    auto batch = [&](int jobs, const ChartOptions& options) {
        std::istringstream in(input);
        std::ostringstream out;
        EXPECT_TRUE(cli::RunBatch(in, out, jobs, options));
        return out.str();
    };
    const std::string plain = batch(1, {});
    const std::string tamil = batch(1, ChartOptions{false, Language::Ta});
    EXPECT_EQ(batch(2, ChartOptions{false, Language::Ta}), tamil);
    std::istringstream plainLines(plain), tamilLines(tamil);
    std::string p, t;
    // Each line's language: the batch's, a line's own, or none for a bad line.
    const char* const expected[] = {"ta", "ta", nullptr, "kn", nullptr};
    int lines = 0;
    while (std::getline(plainLines, p) && std::getline(tamilLines, t)) {
        Json pj = Json::parse(p), tj = Json::parse(t);
        if (expected[lines]) {
            EXPECT_EQ(tj["texts_localized"]["language"], expected[lines]) << lines;
        } else {
            EXPECT_FALSE(tj.contains("texts_localized")) << lines;
        }
        tj.erase("texts_localized");
        if (!pj.contains("texts_localized")) {
            EXPECT_EQ(tj, pj) << lines;
        }
        ++lines;
    }
    EXPECT_EQ(lines, 5);
    EXPECT_NE(plain.find(R"(unknown language \"xx\"; use one of en, en-sa, hi, ta, te, kn)"),
              std::string::npos);
}

}  // namespace
}  // namespace kalodaya
