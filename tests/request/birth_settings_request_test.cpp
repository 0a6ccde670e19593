// The birth time's uncertainty and the calculation settings between saved records, requests
// and request lines.
#include <gtest/gtest.h>

#include "../records/records_test_support.h"
#include "request/from_record.h"
#include "request/request_line.h"

namespace kalodaya {
namespace {

using records::Calculation;
using records::testing::Rama;

TEST(RecordSettings, NamesBecomeSettingsOrSayWhyNot) {
    struct Case {
        Calculation names;
        std::optional<CalculationSettings> settings;  // nothing: refused
        const char* words;
    };
    const Case cases[] = {
        {{}, CalculationSettings{}, ""},
        {{"modern", "lahiri", "mean", "classic"},
         CalculationSettings{EphemerisKind::Modern, AyanamsaKind::Lahiri, NodeKind::Mean,
                             SunriseKind::Classic},
         ""},
        {{"modern", "kp", "true", "hindu"},
         CalculationSettings{EphemerisKind::Modern, AyanamsaKind::Krishnamurti, NodeKind::True,
                             SunriseKind::Hindu},
         ""},
        {{"classic", "classic", "mean", "hindu"},
         CalculationSettings{EphemerisKind::Classic, AyanamsaKind::Classic, NodeKind::Mean,
                             SunriseKind::Hindu},
         ""},
        {{"swiss", "lahiri", "mean", "classic"}, std::nullopt, "unusable ephemeris \"swiss\""},
        {{"modern", "fagan", "mean", "classic"}, std::nullopt, "unusable ayanamsa \"fagan\""},
        {{"modern", "lahiri", "osculating", "classic"}, std::nullopt, "unusable node"},
        {{"modern", "lahiri", "mean", "vedic"}, std::nullopt, "unusable sunrise"},
        {{"classic", "raman", "mean", "classic"}, std::nullopt, "raman"},
        {{"modern", "classic", "mean", "classic"}, std::nullopt, "classic"},
    };
    for (const Case& c : cases) {
        records::Record record = Rama();
        record.calculation = c.names;
        record.uncertaintyMinutes = 25;
        const auto request = RequestFromRecord(record);
        SCOPED_TRACE(c.names.ephemeris + " " + c.names.ayanamsa + " " + c.names.node + " " +
                     c.names.sunrise);
        if (!c.settings) {
            ASSERT_FALSE(request);
            EXPECT_NE(request.error().find(c.words), std::string::npos) << request.error();
            EXPECT_TRUE(CheckRecord(record)) << "an import refuses it";
            continue;
        }
        ASSERT_TRUE(request) << request.error();
        EXPECT_EQ(request->settings, *c.settings);
        EXPECT_EQ(request->uncertaintyMinutes, 25);
        const auto back = RecordFromRequest(*request, record);
        ASSERT_TRUE(back) << back.error();
        EXPECT_EQ(*back, record);
        // Another setting or uncertainty is a change of the record opened.
        BirthRequest other = *request;
        other.uncertaintyMinutes = 0;
        EXPECT_TRUE(RequestChanged(other, record));
        other = *request;
        other.settings.sunrise =
            other.settings.sunrise == SunriseKind::Hindu ? SunriseKind::Classic : SunriseKind::Hindu;
        EXPECT_TRUE(RequestChanged(other, record));
    }
}

// "uncertainty_minutes" in a request line: the minutes, and, without a "time_range" of the
// line's own, the range of birth times that many minutes either side of its time.
TEST(RequestLineUncertainty, GivesTheMinutesAndTheirRangeOfBirthTimes) {
    const auto at = [](int day, int hour, int minute) {
        return DateTime::FromCivil(1990, 8, day, hour, minute, 0);
    };
    struct Case {
        const char* line;
        int minutes;
        std::optional<BirthTimeRange> range;
    };
    const Case cases[] = {
        {R"({"date":"1990-08-15","time":"10:30:00","uncertainty_minutes":15})", 15,
         BirthTimeRange{at(15, 10, 15), at(15, 10, 45)}},
        {R"({"date":"1990-08-15","time":"23:50:00","uncertainty_minutes":20})", 20,
         BirthTimeRange{at(15, 23, 30), at(16, 0, 10)}},
        {R"({"date":"1990-08-15","time":"10:30:00","uncertainty_minutes":720})", 720,
         BirthTimeRange{at(14, 22, 30), at(15, 22, 30)}},
        {R"({"date":"1990-08-15","time":"10:30:00","uncertainty_minutes":0})", 0, std::nullopt},
        {R"({"date":"1990-08-15","time":"10:30:00","uncertainty_minutes":null})", 0, std::nullopt},
        // The line's own range stands, in either order of the keys.
        {R"({"date":"1990-08-15","uncertainty_minutes":5,"time_range":{"from":"1990-08-15T09:00:00","to":"1990-08-15T10:00:00"}})",
         5, BirthTimeRange{at(15, 9, 0), at(15, 10, 0)}},
        {R"({"time_range":{"from":"1990-08-15T09:00:00","to":"1990-08-15T10:00:00"},"uncertainty_minutes":5})",
         5, BirthTimeRange{at(15, 9, 0), at(15, 10, 0)}},
        // Within the year list's clock times.
        {R"({"date":"2050-12-31","time":"23:50:00","uncertainty_minutes":20})", 20,
         BirthTimeRange{DateTime::FromCivil(2050, 12, 31, 23, 30, 0),
                        DateTime::FromCivil(2050, 12, 31, 23, 59, 59)}},
        {R"({"date":"1901-01-01","time":"00:05:00","uncertainty_minutes":10})", 10,
         BirthTimeRange{DateTime::FromCivil(1901, 1, 1, 0, 0, 0),
                        DateTime::FromCivil(1901, 1, 1, 0, 15, 0)}},
        // No such date: the minutes are kept, the entry checks speak of the date.
        {R"({"date":"1990-02-31","uncertainty_minutes":5})", 5, std::nullopt},
    };
    for (const Case& c : cases) {
        BirthRequest request;
        const auto error = ReadRequestLine(c.line, request);
        ASSERT_FALSE(error) << c.line << ": " << error->message;
        EXPECT_EQ(request.uncertaintyMinutes, c.minutes) << c.line;
        EXPECT_EQ(request.timeRange, c.range) << c.line;
    }

    for (const char* line : {R"({"uncertainty_minutes":721})", R"({"uncertainty_minutes":-1})",
                             R"({"uncertainty_minutes":"15"})", R"({"uncertainty_minutes":1.5})",
                             R"({"uncertainty_minutes":true})"}) {
        BirthRequest request;
        const auto error = ReadRequestLine(line, request);
        ASSERT_TRUE(error) << line;
        EXPECT_NE(error->message.find("unusable uncertainty_minutes"), std::string::npos)
            << error->message;
    }
    BirthRequest request;
    const auto twice = ReadRequestLine(R"({"uncertainty_minutes":1,"uncertainty_minutes":2})", request);
    ASSERT_TRUE(twice);
    EXPECT_NE(twice->message.find("more than once"), std::string::npos) << twice->message;
}

TEST(RecordLineSettings, AnImportedLineKeepsItsUncertaintyAndSettings) {
    const auto record = RecordImportRules().readLine(
        R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E",)"
        R"("zone":34,"uncertainty_minutes":10,"ephemeris":"modern","sunrise":"hindu"})");
    ASSERT_TRUE(record) << record.error().message;
    EXPECT_EQ(record->uncertaintyMinutes, 10);
    EXPECT_EQ(record->calculation, (Calculation{"modern", "lahiri", "mean", "hindu"}))
        << "a modern ephemeris given alone brings Lahiri and the mean node";
}

}  // namespace
}  // namespace kalodaya
