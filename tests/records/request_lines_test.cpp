// Records as --batch request lines: the forms written.
#include <gtest/gtest.h>

#include "records/record_fields.h"
#include "records/request_lines.h"
#include "records_test_support.h"

namespace kalodaya::records {
namespace {

using testing::Rama;

TEST(RequestLines, WriteEveryKeyInTheBatchOrder) {
    EXPECT_EQ(RequestLine(Rama()),
              R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N",)"
              R"("lon":"77:13E","zone":34,"dst":false,"city":"New Delhi","state":"Delhi",)"
              R"("country":"India"})");

    Record r = Rama();
    r.latitude = {std::nullopt, 5, false};
    r.longitude = {7, std::nullopt, false};
    r.zone = ExactOffset{-(5 * 3600 + 21 * 60 + 10), "label"};
    r.city = "Zürich";
    const std::string line = RequestLine(r);
    EXPECT_NE(line.find(R"("lat":":05S","lon":"7:W","utc_offset":"-05:21:10","dst":false)"),
              std::string::npos)
        << line;
    EXPECT_EQ(line.find("zone"), std::string::npos);
    EXPECT_NE(line.find("\"Zürich\""), std::string::npos) << "UTF-8 written as it is";
}

TEST(RecordTexts, PlacesLeaveOutEmptyParts) {
    RecordSummary s;
    s.city = "Kirtipur";
    s.country = "Nepal";
    EXPECT_EQ(PlaceText(s), "Kirtipur, Nepal");
    s.city.clear();
    EXPECT_EQ(PlaceText(s), "Nepal");
}

}  // namespace
}  // namespace kalodaya::records
