// The entries' value forms and request lines, read by hand, against the plain readings: regular
// expressions for the forms and the JSON library for the lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <random>
#include <regex>
#include <tuple>
#include <string>
#include <vector>

#include "base/quoted_value.h"
#include "request/entry_values.h"
#include "request/request_line.h"

namespace kalodaya {
namespace {

// The forms as regular expressions, with the range checks the setters make.
struct Form {
    std::regex pattern;
    bool (*inRange)(const std::smatch&);
};

bool DateInRange(const std::smatch& m) {
    const int year = std::stoi(m[1]), month = std::stoi(m[2]), day = std::stoi(m[3]);
    return year >= 1901 && year <= 2050 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}
bool TimeInRange(const std::smatch& m) {
    return std::stoi(m[1]) <= 23 && std::stoi(m[2]) <= 59 && std::stoi(m[3]) <= 59;
}
bool Always(const std::smatch&) { return true; }

bool Accepted(const Form& form, const std::string& text) {
    std::smatch m;
    return std::regex_match(text, m, form.pattern) && form.inRange(m);
}

// Texts built from the characters that matter to the forms, and a few that do not.
std::vector<std::string> Candidates() {
    std::vector<std::string> texts = {"",           "1990-08-15", "2050-12-31", "1901-01-01",
                                      "1900-12-31", "2051-01-01", "1990-13-01", "1990-00-10",
                                      "1990-8-15",  "00:00:00",   "23:59:59",   "24:00:00",
                                      "9:05:07",    "28:39N",     ":N",         "5:S",
                                      ":05N",       "123:00N",    "179:59W",    "1000:00E",
                                      "77:13E",     "77:13X",     "0:0E",       "12:345N"};
    const std::string alphabet = "0123456789:-NSEWx 5\xC3\xA9";
    std::mt19937 random(20240601);
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        const int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        texts.push_back(text);
    }
    // Valid shapes with one character changed, dropped or doubled.
    for (const std::string base : {"1990-08-15", "10:30:00", "28:39N", "177:13W"}) {
        for (std::size_t i = 0; i <= base.size(); ++i) {
            for (char ch : std::string("09:-NSEW\n")) {
                std::string changed = base;
                if (i < base.size()) changed[i] = ch;
                texts.push_back(changed);
                texts.push_back(base.substr(0, i) + ch + base.substr(i));
            }
            if (i < base.size()) texts.push_back(base.substr(0, i) + base.substr(i + 1));
        }
    }
    return texts;
}

TEST(ValueForms, AcceptExactlyWhatTheFormsDescribe) {
    const Form date{std::regex(R"((\d{4})-(\d{2})-(\d{2}))"), DateInRange};
    const Form time{std::regex(R"((\d{2}):(\d{2}):(\d{2}))"), TimeInRange};
    // An empty coordinate is the empty boxes of a form not filled in.
    const Form lat{std::regex(R"(|(\d{0,2}):(\d{0,2})([NS]))"), Always};
    const Form lon{std::regex(R"(|(\d{0,3}):(\d{0,2})([EW]))"), Always};
    for (const std::string& text : Candidates()) {
        BirthRequest e;
        EXPECT_EQ(!SetDate(e, text), Accepted(date, text)) << "date " << text;
        EXPECT_EQ(!SetTime(e, text), Accepted(time, text)) << "time " << text;
        EXPECT_EQ(!SetLatitude(e, text), Accepted(lat, text)) << "lat " << text;
        EXPECT_EQ(!SetLongitude(e, text), Accepted(lon, text)) << "lon " << text;
    }
}

TEST(ValueForms, FillTheRequestWithNumbers) {
    BirthRequest e;
    ASSERT_FALSE(SetDate(e, "1990-08-05"));
    EXPECT_EQ(std::tuple(e.year, e.month, e.day), std::tuple(1990, 8, 5));
    ASSERT_FALSE(SetTime(e, "09:00:07"));
    EXPECT_EQ(std::tuple(e.hour, e.minute, e.second), std::tuple(9, 0, 7));
    ASSERT_FALSE(SetLatitude(e, "05:7S"));
    EXPECT_EQ(e.latitude, (Latitude{5, 7, false}));
    ASSERT_FALSE(SetLongitude(e, ":W"));
    EXPECT_EQ(e.longitude, (Longitude{std::nullopt, std::nullopt, false}));  // empty boxes
}

TEST(ValueForms, MessagesNameTheTextAndTheForm) {
    BirthRequest e;
    EXPECT_EQ(SetDate(e, "1990-8-15")->message,
              "unusable date \"1990-8-15\": expected YYYY-MM-DD with a year from 1901 to 2050");
    EXPECT_EQ(SetTime(e, "24:00:00")->message,
              "unusable time \"24:00:00\": expected HH:MM:SS from 00:00:00 to 23:59:59");
    EXPECT_EQ(SetLatitude(e, "123:00N")->message,
              "unusable latitude \"123:00N\": expected DD:MM followed by N or S, e.g. 28:39N");
    EXPECT_EQ(SetLongitude(e, "77:13X")->message,
              "unusable longitude \"77:13X\": expected DDD:MM followed by E or W, e.g. 77:13E");
}

// The reading of a request line through the JSON library alone: its parser with a callback
// that sees the line's own keys in the order they are written.
std::optional<ReadError> LibraryReading(const std::string& line, BirthRequest& entries) {
    using Json = nlohmann::json;
    static const std::vector<std::string> kKeys = {"name", "date", "time",  "lat",   "lon",
                                                   "zone", "dst",  "city", "state", "country"};
    std::vector<std::string> written;
    const Json request = Json::parse(
        line,
        [&](int depth, Json::parse_event_t event, Json& parsed) {
            if (depth == 1 && event == Json::parse_event_t::key)
                written.push_back(parsed.get<std::string>());
            return true;
        },
        false);
    if (request.is_discarded() || !request.is_object()) {
        // The library's writer refuses bytes that are not UTF-8.
        const bool utf8 = Json(line).dump(-1, ' ', false, Json::error_handler_t::ignore) ==
                          Json(line).dump(-1, ' ', false, Json::error_handler_t::replace);
        return ReadError{utf8 ? "the line is not a JSON object" : "the line is not UTF-8 text"};
    }
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (std::find(kKeys.begin(), kKeys.end(), written[i]) == kKeys.end())
            return ReadError{"unknown key " + QuotedValue(written[i])};
        if (std::find(written.begin(), written.begin() + i, written[i]) != written.begin() + i)
            return ReadError{"the key " + QuotedValue(written[i]) + " appears more than once"};
    }
    const auto given = [&](const std::string& key) {
        const auto it = request.find(key);
        return it != request.end() && !it->is_null() ? it : request.end();
    };
    auto text = [&](const std::string& key, std::string& value) -> std::optional<ReadError> {
        const auto it = given(key);
        if (it == request.end()) return std::nullopt;
        if (!it->is_string()) return ReadError{"\"" + key + "\" must be a string"};
        value = it->get<std::string>();
        return std::nullopt;
    };
    using Setter = std::optional<ReadError> (*)(BirthRequest&, std::string_view);
    const std::pair<std::string, Setter> setters[] = {{"name", SetName},
                                                      {"date", SetDate},
                                                      {"time", SetTime},
                                                      {"lat", SetLatitude},
                                                      {"lon", SetLongitude}};
    for (const auto& [key, setter] : setters) {
        std::string value;
        if (auto error = text(key, value)) return error;
        if (given(key) != request.end() || key == "name")
            if (auto error = setter(entries, value)) return error;
    }
    if (const auto it = given("zone"); it != request.end()) {
        if (!it->is_number_integer()) return ReadError{"\"zone\" must be a whole number"};
        if (auto error = SetZoneNumber(entries, it->dump())) return error;
    }
    if (const auto it = given("dst"); it != request.end()) {
        if (!it->is_boolean()) return ReadError{"\"dst\" must be true or false"};
        entries.daylight = it->get<bool>();
    }
    if (auto error = text("city", entries.city)) return error;
    if (auto error = text("state", entries.state)) return error;
    return text("country", entries.country);
}

std::string Describe(const std::optional<ReadError>& error, const BirthRequest& e) {
    if (error) return "error: " + error->message;
    const auto box = [](const std::optional<int>& value) {
        return value ? std::to_string(*value) : std::string("-");
    };
    return e.name + "|" + DateForm(e.year, e.month, e.day) + "|" +
           TimeForm(e.hour, e.minute, e.second) + "|" + box(e.latitude.degrees) + ":" +
           box(e.latitude.minutes) + (e.latitude.north ? "N" : "S") + "|" +
           box(e.longitude.degrees) + ":" + box(e.longitude.minutes) +
           (e.longitude.east ? "E" : "W") + "|" +
           std::to_string(std::get<ZoneListEntry>(e.zone).position) +
           (e.daylight ? "|dst|" : "|-|") + e.city + "|" + e.state + "|" + e.country;
}

// Lines near the common form: every member, then each one changed in the ways a line can go
// wrong (types, numbers, escapes, blanks, duplicates, bytes that are not UTF-8).
std::vector<std::string> RequestLines() {
    const std::vector<std::pair<std::string, std::vector<std::string>>> members = {
        {"name", {"\"RAMA\"", "\"sita devi\"", "\"R2\"", "null", "5", "\"\\u0041\"", "\"\""}},
        {"date", {"\"1990-08-15\"", "\"2000-02-30\"", "\"1990-8-15\"", "null", "19900815"}},
        {"time", {"\"10:30:00\"", "\"24:00:00\"", "null", "true", "\"10:30\""}},
        {"lat", {"\"28:39N\"", "\":S\"", "\"28:39n\"", "null", "[]"}},
        {"lon", {"\"77:13E\"", "\"179:59W\"", "\"1000:0E\"", "{}"}},
        {"zone", {"34", "0", "70", "71", "-1", "-0", "007", "3.5", "1e1", "\"3\"", "null",
                  "18446744073709551615", "-9223372036854775808", "-"}},
        {"dst", {"true", "false", "null", "1", "\"true\"", "tru"}},
        {"city", {"\"Delhi\"", "\"Troms\xC3\xB8\"", "\"a\\\"b\"", "\"\xFF\"", "null", "7", "\"\""}},
        {"state", {"\"St\"", "\"tab\\there\""}},
        {"country", {"\"India\"", "\"\xE2\x82\xAC\"", "\"\xED\xA0\x80\""}},
    };
    auto line = [&](const std::vector<std::size_t>& pick, const std::string& gap) {
        std::string text = "{";
        for (std::size_t k = 0; k < members.size(); ++k) {
            if (pick[k] == members[k].second.size()) continue;  // left out
            if (text.size() > 1) text += "," + gap;
            text += "\"" + members[k].first + "\":" + gap + members[k].second[pick[k]];
        }
        return text + "}";
    };
    std::vector<std::string> lines;
    const std::vector<std::size_t> common(members.size(), 0);
    lines.push_back(line(common, ""));
    lines.push_back(line(common, " "));
    lines.push_back(" \t" + line(common, "\t") + " ");
    for (std::size_t k = 0; k < members.size(); ++k) {
        for (std::size_t v = 0; v <= members[k].second.size(); ++v) {
            auto pick = common;
            pick[k] = v;
            lines.push_back(line(pick, ""));
        }
    }
    std::mt19937 random(7);
    for (int n = 0; n < 3000; ++n) {
        std::vector<std::size_t> pick(members.size());
        for (std::size_t k = 0; k < members.size(); ++k)
            pick[k] = random() % (members[k].second.size() + 1);
        lines.push_back(line(pick, n % 3 == 0 ? " " : ""));
    }
    const std::string base = line(common, "");
    const std::vector<std::string> odd = {"{}",
                                          "",
                                          "[1]",
                                          "null",
                                          base + "x",
                                          base + "}",
                                          "{" + base.substr(1, base.size() - 2) + ",}",
                                          "{\"name\":\"A\",\"name\":\"B\"}",
                                          "{\"zone\":1,\"zone\":\"x\"}",
                                          "{\"nme\":\"A\"}",
                                          "{\"name\":null,\"name\":\"A\"}",
                                          "{\"zone\":1,\"bad\":2,\"zone\":3}",
                                          "{\"zzz\":1,\"aaa\":2}",
                                          "{\"na\\u006de\":\"A\"}",
                                          "\xEF\xBB\xBF" + base,
                                          "{\"name\":\"A\x01\"}",
                                          "{\"name\" \"A\"}",
                                          "{\"name\":\"A\"",
                                          base + "\r",
                                          // After an unknown key, and nested: still JSON.
                                          "{\"nme\":1.5,\"zone\":null}",
                                          "{\"zone\":[null,2.5,{\"a\":[]}]}",
                                          "{\"city\":{\"a\":{\"b\":[1e5]}}}"};
    lines.insert(lines.end(), odd.begin(), odd.end());
    return lines;
}

TEST(RequestLines, ReadAsTheJsonLibraryReadsThem) {
    for (const std::string& line : RequestLines()) {
        BirthRequest read, library;
        const auto readError = ReadRequestLine(line, read);
        const auto libraryError = LibraryReading(line, library);
        EXPECT_EQ(Describe(readError, read), Describe(libraryError, library)) << line;
    }
}

// Whether a line is a JSON object at all, over lines with characters changed, dropped and
// added: the reader refuses it as no JSON object (or names its bytes that are not UTF-8 or its
// NUL byte) exactly where the JSON library does not read an object, or where the line holds a
// NUL byte.
TEST(RequestLines, AreJsonObjectsExactlyWhereTheLibraryReadsOne) {
    const std::vector<std::string> bases = {
        R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","zone":34})",
        R"({"city":"S\u00e3o \"P\"\/\ud83d\ude00","zone":-0,"dst":false,"state":null})",
        R"({"zone":[1,-2.5e+3,{"a":[true,null]},"x"],"place_id":0.5E-7,"country":"\u20ac"})",
        "\xEF\xBB\xBF{ \"name\" :\t\"S\xC3\xADTA\" ,\"lon\":\"77:13E\" }\r"};
    const std::string alphabet = std::string("{}[]\",:\\/0123456789-+.eEtrufalsnu \t\r") +
                                 std::string("\x00\x01\xC3\xA9\xFF\xED\xA0\x80\xEF\xBB", 10);
    std::mt19937 random(20261208);
    int objects = 0, refused = 0;
    for (int n = 0; n < 40000; ++n) {
        std::string line = bases[random() % bases.size()];
        for (int edits = 1 + static_cast<int>(random() % 3); edits > 0; --edits) {
            const std::size_t at = random() % (line.size() + 1);
            const char ch = alphabet[random() % alphabet.size()];
            switch (random() % 3) {
                case 0: line.insert(at, 1, ch); break;
                case 1: if (at < line.size()) line.erase(at, 1); break;
                default: if (at < line.size()) line[at] = ch; break;
            }
        }
        // The library takes a NUL byte for the end of its input; a line never ends there.
        const bool object = line.find('\0') == std::string::npos &&
                            nlohmann::json::accept(line) && nlohmann::json::parse(line).is_object();
        BirthRequest request;
        const auto error = ReadRequestLine(line, request);
        const bool notAnObject = error && (error->message == "the line is not a JSON object" ||
                                           error->message == "the line is not UTF-8 text" ||
                                           error->message == "the line holds a NUL byte");
        EXPECT_EQ(notAnObject, !object) << testing::PrintToString(line);
        (object ? objects : refused) += 1;
    }
    EXPECT_GT(objects, 1000);  // both kinds are well represented
    EXPECT_GT(refused, 1000);
}

}  // namespace
}  // namespace kalodaya
