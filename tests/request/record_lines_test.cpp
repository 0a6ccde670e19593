// Request lines read into saved records as the import of both front ends reads them: with the
// reader of --batch, then as a record.
#include <gtest/gtest.h>

#include "../records/records_test_support.h"
#include "records/record_fields.h"
#include "records/request_lines.h"
#include "request/from_record.h"

namespace kalodaya::records {
namespace {

using testing::VariedRecord;

Result<Record> ParseRequestLine(std::string_view line) {
    return RecordImportRules().readLine(line);
}

TEST(RecordLines, KeysLeftOutKeepTheFormsDefaults) {
    const auto record = ParseRequestLine(R"({"name":"SITA"})");
    ASSERT_TRUE(record) << record.error().message;
    Record expected;
    expected.name = "SITA";
    EXPECT_EQ(*record, expected);

    // A null is a key left out, whatever the key, as --batch reads it; an empty coordinate
    // leaves the boxes blank.
    const auto nulls = ParseRequestLine(
        R"({"name":null,"date":null,"time":null,"lat":"","lon":null,"zone":null,"dst":null,)"
        R"("city":null,"state":null,"country":null})");
    ASSERT_TRUE(nulls) << nulls.error().message;
    EXPECT_EQ(*nulls, Record());
    const auto exact = ParseRequestLine(R"({"zone":null,"utc_offset":"+05:45"})");
    ASSERT_TRUE(exact) << exact.error().message;
    EXPECT_TRUE(std::holds_alternative<ExactOffset>(exact->zone));
}

// A place from the atlas brings its coordinates, zone, GeoNames id and IANA zone.
TEST(RecordLines, APlaceOfTheAtlasIsKeptWithItsIdAndZone) {
    const auto record = ParseRequestLine(
        R"({"name":"rama","date":"1975-01-15","time":"06:00:00","place":"Chennai, India"})");
    ASSERT_TRUE(record) << record.error().message;
    EXPECT_EQ(record->name, "RAMA") << "as the name box holds it";
    EXPECT_EQ(record->city, "Chennai");
    EXPECT_EQ(record->latitude, (Latitude{13, 5, true}));
    EXPECT_EQ(record->zone, Zone(ZoneEntry{34}));
    EXPECT_EQ(record->geonamesId, 1264527);
    EXPECT_EQ(record->ianaZone, "Asia/Kolkata");
}

TEST(RecordLines, ExactOffsetsGetTheZoneListsLabel) {
    const auto record = ParseRequestLine(R"({"name":"A","utc_offset":"+05:45"})");
    ASSERT_TRUE(record) << record.error().message;
    EXPECT_EQ(record->zone, Zone(ExactOffset{5 * 3600 + 45 * 60, "Exact offset: UTC+05:45"}));
}

TEST(RecordLines, RefuseWhatBatchRefusesAndSayWhy) {
    const std::pair<const char*, const char*> cases[] = {
        {"[1,2]", "not a JSON object"},
        {R"({"name":"A","note":"twins"})", "unknown key \"note\""},
        {R"({"name":"R2"})", "unusable name \"R2\""},
        {R"({"date":"1900-12-31"})", "unusable date \"1900-12-31\""},
        {R"({"date":"1990-8-15"})", "unusable date"},
        {R"({"name":"A","name":"B"})", "the key \"name\" appears more than once"},
        {R"({"time":"24:00:00"})", "unusable time"},
        {R"({"lat":"28:39E"})", "unusable latitude"},
        {R"({"lat":"128:39N"})", "unusable latitude"},
        {R"({"lon":"77:130E"})", "unusable longitude"},
        {R"({"zone":71})", "unusable zone 71"},
        {R"({"zone":-1})", "unusable zone -1"},
        {R"({"zone":34.0})", "\"zone\" must be a whole number"},
        {R"({"zone":"34"})", "\"zone\" must be a whole number"},
        {R"({"zone":1,"utc_offset":"+05:45"})", "cannot both be given"},
        {R"({"utc_offset":"+5:45"})", "unusable UTC offset"},
        {R"({"utc_offset":"+05:60"})", "unusable UTC offset"},
        {R"({"dst":1})", "\"dst\" must be true or false"},
        {R"({"name":7})", "\"name\" must be a string"},
        {R"({"country":false})", "\"country\" must be a string"},
    };
    for (const auto& [line, reason] : cases) {
        const auto record = ParseRequestLine(line);
        ASSERT_FALSE(record) << line;
        EXPECT_NE(record.error().message.find(reason), std::string::npos)
            << line << " -> " << record.error().message;
    }
}

// What a request line holds comes back unchanged; the label of an exact offset becomes the
// zone list's, the rest is not part of a request.
TEST(RecordLines, ReadBackWhatTheyWrite) {
    for (int i = 0; i < 2000; ++i) {
        Record expected = VariedRecord(i);
        if (!RequestFromRecord(expected)) continue;  // a name the name box does not hold
        const auto read = ParseRequestLine(RequestLine(expected));
        ASSERT_TRUE(read) << RequestLine(expected) << ": " << read.error().message;
        if (auto* exact = std::get_if<ExactOffset>(&expected.zone))
            exact->label = ExactOffsetLabel(exact->seconds, "");
        expected.geonamesId.reset();
        expected.ianaZone.clear();
        expected.note.clear();
        expected.created = expected.updated = 0;
        EXPECT_EQ(*read, expected) << RequestLine(expected);
    }
}

}  // namespace
}  // namespace kalodaya::records
