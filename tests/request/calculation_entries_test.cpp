// The calculation settings as request lines and options give them: an ephemeris brings its own
// ayanamsa and node, a setting left out keeps the request's own, and a combination that cannot
// be computed is one line of error, however the entries are named.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "request/entry_options.h"
#include "request/request_line.h"

namespace kalodaya {
namespace {

using E = EphemerisKind;
using A = AyanamsaKind;
using N = NodeKind;
using S = SunriseKind;

struct Case {
    const char* keys;  // the settings' part of a request line
    std::optional<CalculationSettings> settings;  // nothing: the line is refused
    const char* error = "";
};

const Case kCases[] = {
    {"", CalculationSettings{}},
    {R"(,"ephemeris":"classic")", CalculationSettings{}},
    {R"(,"ephemeris":"modern")", CalculationSettings{E::Modern, A::Lahiri, N::Mean, S::Classic}},
    {R"(,"ephemeris":"modern","ayanamsa":"kp","node":"true","sunrise":"hindu")",
     CalculationSettings{E::Modern, A::Krishnamurti, N::True, S::Hindu}},
    {R"(,"sunrise":"hindu","ayanamsa":"classic")",
     CalculationSettings{E::Classic, A::Classic, N::Mean, S::Hindu}},
    {R"(,"ephemeris":"modern","ayanamsa":"true-chitra","node":null)",
     CalculationSettings{E::Modern, A::TrueChitra, N::Mean, S::Classic}},
    {R"(,"ayanamsa":"raman")", std::nullopt, "the classic ephemeris has no raman ayanamsa"},
    {R"(,"ephemeris":"modern","ayanamsa":"classic")", std::nullopt,
     "the modern ephemeris has no classic ayanamsa"},
    {R"(,"node":"true")", std::nullopt, "the classic ephemeris has no true node"},
    {R"(,"ephemeris":"Modern")", std::nullopt,
     "unusable ephemeris \"Modern\": expected classic or modern"},
    {R"(,"sunrise":"vedic")", std::nullopt, "unusable sunrise \"vedic\": expected classic or hindu"},
    {R"(,"node":1)", std::nullopt, "\"node\" must be a string"},
};

TEST(CalculationEntries, RequestLinesReadTheSettings) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.keys);
        BirthRequest request;
        const auto error =
            ReadRequestLine(std::string(R"({"name":"RAMA")") + c.keys + "}", request);
        if (c.settings) {
            ASSERT_FALSE(error.has_value()) << error->message;
            EXPECT_EQ(request.settings, *c.settings);
        } else {
            ASSERT_TRUE(error.has_value());
            EXPECT_EQ(error->message, c.error);
        }
    }
}

// The options are the same table's: the same names, the same defaults and the same refusals.
TEST(CalculationEntries, OptionsReadTheSameSettings) {
    struct OptionCase {
        std::optional<std::string> ephemeris, ayanamsa, node, sunrise;
        std::optional<CalculationSettings> settings;
    };
    const OptionCase cases[] = {
        {"modern", std::nullopt, std::nullopt, "hindu",
         CalculationSettings{E::Modern, A::Lahiri, N::Mean, S::Hindu}},
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt, CalculationSettings{}},
        {"classic", "lahiri", std::nullopt, std::nullopt, std::nullopt},
        {"modern", "raman", "true", std::nullopt,
         CalculationSettings{E::Modern, A::Raman, N::True, S::Classic}},
    };
    for (const OptionCase& c : cases) {
        GivenEntryOptions given;
        given.given[kEphemerisEntry] = c.ephemeris;
        given.given[kAyanamsaEntry] = c.ayanamsa;
        given.given[kNodeEntry] = c.node;
        given.given[kSunriseEntry] = c.sunrise;
        BirthRequest request;
        const auto error = RequestFromOptions(given, request);
        EXPECT_EQ(error.has_value(), !c.settings.has_value());
        if (c.settings && !error) {
            EXPECT_EQ(request.settings, *c.settings);
        }
    }
}

// A saved request that is modern stays so when a line changes only its sunrise, and a line that
// names the classic ephemeris brings back the classic ayanamsa and mean node.
TEST(CalculationEntries, ASettingLeftOutKeepsTheRequestsOwn) {
    BirthRequest request;
    request.settings = {E::Modern, A::Raman, N::True, S::Classic};
    ASSERT_FALSE(ReadRequestLine(R"({"sunrise":"hindu"})", request).has_value());
    EXPECT_EQ(request.settings, (CalculationSettings{E::Modern, A::Raman, N::True, S::Hindu}));
    ASSERT_FALSE(ReadRequestLine(R"({"ephemeris":"classic"})", request).has_value());
    EXPECT_EQ(request.settings, (CalculationSettings{E::Classic, A::Classic, N::Mean, S::Hindu}));
}

}  // namespace
}  // namespace kalodaya
