// CSV: rows as spreadsheets write them, and records as rows under a header.
#include <gtest/gtest.h>

#include <sstream>

#include "records/csv_records.h"
#include "records/csv_table.h"
#include "records_test_support.h"

namespace kalodaya::records {
namespace {

std::vector<CsvRow> Rows(const std::string& text, std::optional<CsvReader::Failure>* failure = nullptr) {
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<CsvRow> rows;
    while (auto row = reader.Next()) rows.push_back(std::move(*row));
    if (failure) *failure = reader.failure();
    return rows;
}

TEST(CsvTable, ReadsQuotedFieldsLineBreaksAndBothLineEnds) {
    const auto rows = Rows(
        "\xEF\xBB\xBFname,note\r\n"
        "\"Lee, Anne\",\"said \"\"hi\"\"\"\r\n"
        "\r\n"
        "B,\"two\r\nlines\"\n"
        "C,\n"
        "D,un\"quoted");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"name", "note"}));
    EXPECT_EQ(rows[1].fields, (std::vector<std::string>{"Lee, Anne", "said \"hi\""}));
    EXPECT_EQ(rows[2].fields, (std::vector<std::string>{"B", "two\r\nlines"}));
    EXPECT_EQ(rows[2].line, 4);
    EXPECT_EQ(rows[3].line, 6) << "numbered by file line, past the field's line break";
    EXPECT_EQ(rows[3].fields, (std::vector<std::string>{"C", ""}));
    EXPECT_EQ(rows[4].fields, (std::vector<std::string>{"D", "un\"quoted"}));
}

TEST(CsvTable, AQuotedFieldLeftOpenStopsAtItsRow) {
    std::optional<CsvReader::Failure> failure;
    const auto rows = Rows("a,b\nc,\"open\nd,e\n", &failure);
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->line, 2);
}

TEST(CsvTable, WritesWhatItReads) {
    const std::vector<std::string> fields = {"", "plain", "a,b", "say \"x\"", "cr\r\nlf", " pad ",
                                             "Zürich"};
    std::string text;
    AppendCsvRow(text, fields);
    EXPECT_EQ(text.substr(0, 9), ",plain,\"a");
    const auto rows = Rows(text);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].fields, fields);
}

Result<Record> FromCsv(const std::string& text) {
    const auto rows = Rows(text);
    const auto layout = ReadCsvHeader(rows.at(0));
    if (!layout) return layout.error();
    return RecordFromCsvRow(rows.at(1), *layout);
}

TEST(CsvRecords, ColumnsInAnyOrderAndLeftOutKeepDefaults) {
    const auto record = FromCsv("Country,NAME,utc_offset,iana_zone\nNepal,RAM,+05:45,Asia/Kathmandu\n");
    ASSERT_TRUE(record) << record.error().message;
    Record expected;
    expected.name = "RAM";
    expected.country = "Nepal";
    expected.ianaZone = "Asia/Kathmandu";
    expected.zone = ExactOffset{20700, "Exact offset: UTC+05:45 (Asia/Kathmandu)"};
    EXPECT_EQ(*record, expected);
}

TEST(CsvRecords, RefuseWhatWouldBeLostOrMisread) {
    const std::pair<const char*, const char*> cases[] = {
        {"name,born\nA,1990\n", "unknown column \"born\""},
        {"name,Name\nA,B\n", "named twice"},
        {"name,date\nA\n", "the row has 1 fields, the header names 2"},
        {"zone,utc_offset\n3,+01:00\n", "cannot both be given"},
        {"zone,utc_offset_label\n3,Exact\n", "without utc_offset"},
        {"zone\n71\n", "unusable zone \"71\""},
        {"zone\n-1\n", "unusable zone"},
        {"utc_offset\n+14:00:30\n", "clocks keep offsets from -12:00 to +14:00"},
        {"dst\nmaybe\n", "unusable dst"},
        {"geonames_id\n0\n", "unusable geonames_id"},
        {"created\n2024-02-30T00:00:00Z\n", "unusable time stamp"},
        {"date\n\n,\n", "the row has 2 fields"},
    };
    for (const auto& [text, reason] : cases) {
        const auto record = FromCsv(text);
        ASSERT_FALSE(record) << text;
        EXPECT_NE(record.error().message.find(reason), std::string::npos)
            << text << " -> " << record.error().message;
    }
}

// A text a spreadsheet would run as a formula is written after an apostrophe and read back
// as it was; the values of fixed form (an offset west of Greenwich) are numbers and stay so.
TEST(CsvRecords, TextsASpreadsheetWouldRunAreMarkedAndComeBackAsTyped) {
    const std::pair<std::string, std::string> cases[] = {
        {R"(=HYPERLINK("http://evil","x"))", R"('=HYPERLINK("http://evil","x"))"},
        {"+1", "'+1"},
        {"-1", "'-1"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tx", "'\tx"},
        {"\rx", "'\rx"},
        {"'=x", "''=x"},
        {"''", "'''"},
        {"'s-Hertogenbosch", "'s-Hertogenbosch"},
        {"'", "'"},
        {"a=b", "a=b"},
        {"", ""},
    };
    for (const auto& [typed, cell] : cases) {
        Record record = testing::Rama();
        record.city = typed;
        record.note = typed;
        record.zone = ExactOffset{-(5 * 3600 + 30 * 60), "Exact offset"};
        std::string text;
        AppendCsvHeader(text);
        AppendCsvRecord(text, record);
        const auto rows = Rows(text);
        ASSERT_EQ(rows.size(), 2u) << typed;
        EXPECT_EQ(rows[1].fields[kCsvCity], cell);
        EXPECT_EQ(rows[1].fields[kCsvNote], cell);
        EXPECT_EQ(rows[1].fields[kCsvUtcOffset], "-05:30");
        const auto back = RecordFromCsvRow(rows[1], *ReadCsvHeader(rows[0]));
        ASSERT_TRUE(back) << back.error().message;
        EXPECT_EQ(*back, record) << typed;
    }
}

TEST(CsvRecords, EveryFieldComesBack) {
    std::string text;
    AppendCsvHeader(text);
    for (int i = 0; i < 2000; ++i) AppendCsvRecord(text, testing::VariedRecord(i));
    const auto rows = Rows(text);
    ASSERT_EQ(rows.size(), 2001u);
    const auto layout = ReadCsvHeader(rows[0]);
    ASSERT_TRUE(layout);
    for (int i = 0; i < 2000; ++i) {
        const auto record = RecordFromCsvRow(rows[i + 1], *layout);
        ASSERT_TRUE(record) << record.error().message;
        EXPECT_EQ(*record, testing::VariedRecord(i)) << "row " << i + 1;
    }
}

}  // namespace
}  // namespace kalodaya::records
