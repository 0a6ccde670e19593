// Batch request lines that are not one clean object of known keys are bad lines, never charts;
// numbers are reported as written; null is a key left out.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "chart/batch_line.h"
#include "request/request_line.h"

namespace kalodaya::cli {
namespace {

const std::string kGood =
    R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34})";
// The same request with an escape, decoded by the reader.
const std::string kGoodEscaped =
    R"({"name":"RAM\u0041","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34})";

std::string Error(const std::string& line) {
    BirthRequest e;
    const auto error = ReadRequestLine(line, e);
    return error ? error->message : "(no error)";
}

std::string Answer(const std::string& line) {
    BatchScratch scratch;
    std::string out;
    AnswerRequestLine(line, scratch, out);
    return out;
}

TEST(RequestLines, ANulByteOrTextAfterTheObjectIsABadLine) {
    ASSERT_EQ(Error(kGood), "(no error)");
    ASSERT_EQ(Error(kGoodEscaped), "(no error)");
    for (const std::string& good : {kGood, kGoodEscaped}) {
        const std::string head = good.substr(0, good.size() - 1);
        for (const std::string& line :
             {good + std::string(1, '\0'), good + std::string("\0{}", 3), good + " x", good + "{}",
              good + "}", good + " \t null", head + std::string(",\"city\":\"a\0b\"}", 15),
              std::string(1, '\0') + good}) {
            EXPECT_NE(Error(line), "(no error)") << line;
            const auto answer = nlohmann::json::parse(Answer(line));
            EXPECT_EQ(answer["valid"], false);
            EXPECT_TRUE(answer["error"].is_string());
        }
    }
    EXPECT_EQ(Error(kGood + std::string(1, '\0')), "the line holds a NUL byte");
    EXPECT_EQ(Error(kGood + " x"), "the line is not a JSON object");
    EXPECT_EQ(Error(" \t" + kGood + " \r"), "(no error)");  // blanks around it are fine
}

TEST(RequestLines, ARepeatedKeyIsABadLine) {
    for (const std::string& line : std::vector<std::string>{
             R"({"name":"A","name":"A"})", R"({"name":"A","name":"B"})",
             R"({"name":null,"name":"RAMA"})", R"({"zone":1,"zone":1})",
             R"({"n\u0061me":"A","name":"B"})", kGood.substr(0, kGood.size() - 1) + R"(,"zone":3})"})
        EXPECT_NE(Error(line).find("appears more than once"), std::string::npos) << line;
    // Keys are judged in the order the line writes them.
    EXPECT_EQ(Error(R"({"zzz":1,"aaa":2})"), R"(unknown key "zzz")");
    EXPECT_EQ(Error(R"({"name":"A","bad":1,"name":"B"})"), R"(unknown key "bad")");
    EXPECT_EQ(Error(R"({"dst":true,"dst":false,"bad":1})"),
              R"(the key "dst" appears more than once)");
}

TEST(RequestLines, NumbersTooLargeAreReportedAsWritten) {
    const std::string tail = ": expected a zone list position from 0 to 70";
    for (const std::string number :
         {"71", "9999999999999999999", "18446744073709551616", "99999999999999999999",
          "-1", "-9223372036854775809", "-99999999999999999999999"}) {
        for (const std::string name : {"\"A\"", "\"\\u0041\""}) {
            const std::string line = "{\"name\":" + name + ",\"zone\":" + number + "}";
            EXPECT_EQ(Error(line), "unusable zone " + number + tail) << line;
        }
    }
    // A number of a thousand digits is shown cut short.
    const std::string huge(1000, '7');
    EXPECT_EQ(Error("{\"zone\":" + huge + "}"), "unusable zone " + huge.substr(0, 80) + "..." + tail);
    EXPECT_EQ(Error(R"({"zone":1e1})"), R"("zone" must be a whole number)");
    EXPECT_EQ(Error(R"({"zone":3.0})"), R"("zone" must be a whole number)");
}

TEST(RequestLines, NullIsAKeyLeftOut) {
    const std::vector<std::string> keys = {"name", "date", "time",  "lat",   "lon",
                                           "zone", "dst",  "city", "state", "country"};
    for (const std::string& key : keys) {
        for (const std::string name : {"\"RAMA\"", "\"RAM\\u0041\""}) {
            // The line with every key, the one without `key`, and the one with `key` null.
            const std::vector<std::pair<std::string, std::string>> members = {
                {"name", name},       {"date", "\"1990-08-15\""}, {"time", "\"10:30:00\""},
                {"lat", "\"28:39N\""}, {"lon", "\"77:13E\""},      {"zone", "34"},
                {"dst", "true"},      {"city", "\"Delhi\""},      {"state", "\"DL\""},
                {"country", "\"India\""}};
            std::string without = "{", withNull = "{";
            for (const auto& [k, value] : members) {
                if (k != key)
                    without += (without.size() > 1 ? "," : "") + ("\"" + k + "\":" + value);
                withNull += (withNull.size() > 1 ? "," : "") +
                            ("\"" + k + "\":" + (k == key ? "null" : value));
            }
            without += "}";
            withNull += "}";
            EXPECT_EQ(Answer(withNull), Answer(without)) << withNull;
        }
    }
}

TEST(RequestLines, AnOverlongLineIsABadLineAndTheBatchGoesOn) {
    const std::string overlong = "{\"city\":\"" + std::string(kLongestRequestLine, 'x') + "\"}";
    // The longest line kept is answered as usual.
    const std::string head = kGood.substr(0, kGood.size() - 1) + ",\"city\":\"";
    const std::string longest =
        head + std::string(kLongestRequestLine - head.size() - 2, 'x') + "\"}";
    ASSERT_EQ(longest.size(), kLongestRequestLine);
    std::istringstream one(longest + "\r\n");
    std::ostringstream answer;
    ASSERT_TRUE(RunBatch(one, answer));
    EXPECT_EQ(nlohmann::json::parse(answer.str())["valid"], true);

    for (const std::string& end : {std::string("\n"), std::string()}) {
        std::istringstream in(kGood + "\n" + overlong + "\n" + kGood + "\n" + overlong + end);
        std::ostringstream out;
        ASSERT_TRUE(RunBatch(in, out));
        std::istringstream lines(out.str());
        std::vector<nlohmann::json> answers;
        for (std::string line; std::getline(lines, line);) answers.push_back(nlohmann::json::parse(line));
        ASSERT_EQ(answers.size(), 4u);
        EXPECT_EQ(answers[0]["valid"], true);
        EXPECT_EQ(answers[1]["error"],
                  "the line is longer than " + std::to_string(kLongestRequestLine) + " bytes");
        EXPECT_EQ(answers[2]["valid"], true);
        EXPECT_EQ(answers[3]["valid"], false);
    }
}

}  // namespace
}  // namespace kalodaya::cli
