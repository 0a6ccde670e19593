// Import, export, import into a second database, export again: the exports are identical, and
// --batch gives the same charts for the exported lines as for the original ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "cli/batch.h"
#include "records/record_fields.h"
#include "records/record_transfer.h"
#include "records/request_lines.h"
#include "../records/records_test_support.h"
#include "request/entry_checks.h"
#include "request/from_record.h"
#include "request/request_line.h"

namespace kalodaya::records {
namespace {

using testing::TempFolder;

// The reading of a request line and the form's entry checks.
std::optional<std::string> EntryChecks(const Record& record) {
    BirthRequest request;
    if (auto error = ReadRequestLine(RequestLine(record), request)) return error->message;
    if (auto failure = FirstFailedFormCheck(request)) return failure->message;
    return std::nullopt;
}

// Request lines read as both front ends read them, judged by `check` alone.
ImportRules Rules(const RecordCheck& check) {
    return {RecordImportRules().readLine, check};
}

Record ReadLine(const std::string& line) {
    return *RecordImportRules().readLine(line);
}

std::string Export(const RecordStore& store, FileFormat format) {
    std::ostringstream out;
    EXPECT_FALSE(ExportRecords(store, out, format));
    return out.str();
}

ImportReport Import(RecordStore& store, const std::string& text, FileFormat format,
                    const RecordCheck& check) {
    std::istringstream in(text);
    auto report = ImportRecords(store, in, format, Rules(check));
    EXPECT_TRUE(report) << report.error().message;
    return report ? *report : ImportReport{};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Charts(const std::vector<std::string>& requests) {
    std::string input;
    for (const auto& line : requests) input += line + "\n";
    std::istringstream in(input);
    std::ostringstream out;
    cli::RunBatch(in, out);
    return out.str();
}

TEST(RoundTrip, GoldenRequestsGiveIdenticalExportsAndCharts) {
    // The lines with a place of the atlas aside: an export writes the place's coordinates
    // and zone, not the place it came from, so their charts report no "place".
    std::ifstream file(KALODAYA_SOURCE_DIR "/tests/golden/requests.jsonl", std::ios::binary);
    std::vector<std::string> originalLines;
    std::string original;
    for (std::string line; std::getline(file, line);) {
        if (line.find("\"place") != std::string::npos) continue;
        originalLines.push_back(line);
        original += line + "\n";
    }
    ASSERT_GE(originalLines.size(), 10000u);

    TempFolder folder;
    RecordStore first = RecordStore::Open(folder / "first.sqlite");
    const ImportReport report = Import(first, original, FileFormat::RequestLines, EntryChecks);
    // The file's six lines that fail an entry check, each with the form's message, and its
    // four unusable exact offsets.
    ASSERT_EQ(report.rejected.size(), 10u);
    EXPECT_EQ(report.rejected[0].line, 5671);
    EXPECT_EQ(report.rejected[0].reason, "Please Enter Name");
    EXPECT_EQ(report.rejected[1].reason, "Please Enter Correct Date Or Month!");
    EXPECT_EQ(report.rejected[5].line, 5676);
    EXPECT_EQ(report.rejected[6].reason, "\"zone\" and \"utc_offset\" cannot both be given");
    for (std::size_t i = 7; i < 10; ++i)
        EXPECT_NE(report.rejected[i].reason.find("offset"), std::string::npos) << i;
    EXPECT_EQ(report.imported, originalLines.size() - 10);

    const std::string exported = Export(first, FileFormat::RequestLines);
    RecordStore second = RecordStore::Open(folder / "second.sqlite");
    const ImportReport again = Import(second, exported, FileFormat::RequestLines, EntryChecks);
    EXPECT_TRUE(again.rejected.empty());
    EXPECT_EQ(Export(second, FileFormat::RequestLines), exported);

    // Each imported line as the export writes it gives the same chart as the line itself, and
    // the export holds exactly those lines.
    std::vector<std::string> accepted, rewritten;
    std::size_t next = 0;
    for (std::size_t i = 0; i < originalLines.size(); ++i) {
        if (next < report.rejected.size() && report.rejected[next].line == static_cast<int>(i + 1)) {
            ++next;
            continue;
        }
        accepted.push_back(originalLines[i]);
        rewritten.push_back(RequestLine(ReadLine(originalLines[i])));
    }
    EXPECT_EQ(Charts(accepted), Charts(rewritten));
    std::vector<std::string> exportedLines = Lines(exported);
    std::sort(rewritten.begin(), rewritten.end());
    std::sort(exportedLines.begin(), exportedLines.end());
    EXPECT_EQ(exportedLines, rewritten);
}

std::vector<Record> AllRecords(const RecordStore& store) {
    std::vector<Record> records;
    EXPECT_FALSE(store.ForEach([&](const StoredRecord& s) { records.push_back(s.record); }));
    return records;
}

TEST(RoundTrip, VariedRecordsThroughCsvKeepEveryFieldAndThroughRequestLinesTheirRequest) {
    TempFolder folder;
    RecordStore source = RecordStore::Open(folder / "source.sqlite");
    std::vector<Record> records;
    for (int i = 0; i < 10000; ++i) records.push_back(testing::VariedRecord(i));
    ASSERT_TRUE(source.SaveAll(records));

    const std::string csv = Export(source, FileFormat::Csv);
    RecordStore fromCsv = RecordStore::Open(folder / "csv.sqlite");
    EXPECT_EQ(Import(fromCsv, csv, FileFormat::Csv, nullptr).imported, 10000u);
    EXPECT_EQ(Export(fromCsv, FileFormat::Csv), csv);
    EXPECT_EQ(AllRecords(fromCsv), AllRecords(source));

    // Request lines carry the records whose names the form's name box holds.
    RecordStore held = RecordStore::Open(folder / "held.sqlite");
    std::vector<Record> heldRecords;
    for (const Record& r : records)
        if (RequestFromRecord(r)) heldRecords.push_back(r);
    ASSERT_GT(heldRecords.size(), 4000u);
    ASSERT_TRUE(held.SaveAll(heldRecords));
    const std::string lines = Export(held, FileFormat::RequestLines);
    RecordStore fromLines = RecordStore::Open(folder / "lines.sqlite");
    EXPECT_EQ(Import(fromLines, lines, FileFormat::RequestLines, nullptr).imported,
              heldRecords.size());
    EXPECT_EQ(Export(fromLines, FileFormat::RequestLines), lines);
}

TEST(Import, ReportsRejectedLinesAndImportsTheRestTogether) {
    TempFolder folder;
    RecordStore store = RecordStore::Open(folder / "records.sqlite");
    const std::string text =
        R"({"name":"RAMA","date":"1990-08-15","lat":"28:39N","lon":"77:13E","zone":34})" "\n"
        "\n"
        R"({"name":"SITA","zone":99})" "\r\n"
        "not json\n"
        R"({"name":"","lat":"1:1N","lon":"1:1E"})" "\n"
        R"({"name":"LAV","lat":"1:1N","lon":"1:1E","utc_offset":"+05:45"})" "\n";
    const RecordCheck noBlankNames = [](const Record& r) -> std::optional<std::string> {
        if (r.name.empty()) return "Please Enter Name";
        return std::nullopt;
    };
    const ImportReport report = Import(store, text, FileFormat::RequestLines, noBlankNames);
    EXPECT_EQ(report.imported, 2u);
    ASSERT_EQ(report.rejected.size(), 3u);
    EXPECT_EQ(report.rejected[0].line, 3);
    EXPECT_NE(report.rejected[0].reason.find("unusable zone 99"), std::string::npos);
    EXPECT_EQ(report.rejected[1].line, 4);
    EXPECT_EQ(report.rejected[2].line, 5);
    EXPECT_EQ(report.rejected[2].reason, "Please Enter Name");
    EXPECT_EQ(*store.Count(), 2);

    // A CSV quote left open takes the rest of the file: that row is refused, earlier ones kept.
    const ImportReport csv = Import(store, "name,note\nA,fine\nB,\"open\nC,lost\n", FileFormat::Csv, nullptr);
    EXPECT_EQ(csv.imported, 1u);
    ASSERT_EQ(csv.rejected.size(), 1u);
    EXPECT_EQ(csv.rejected[0].line, 3);

    std::istringstream badHeader("RAMA,1990-08-15\n");
    EXPECT_FALSE(ImportRecords(store, badHeader, FileFormat::Csv, Rules(nullptr)));
    EXPECT_EQ(*store.Count(), 3) << "a failed import changes nothing";
    EXPECT_FALSE(ImportFile(store, folder / "missing.jsonl", Rules(nullptr)));
}

// An import takes what --batch and the form take, line by line: a line or row longer than
// --batch reads, or a text longer than its box, is refused with its line number, and the lines
// around it are imported. So every exported line can go to --batch as it is.
TEST(Import, EveryLineWithinTheLimitsOfBatchAndTheForm) {
    TempFolder folder;
    RecordStore store = RecordStore::Open(folder / "records.sqlite");
    const std::string rama = R"({"name":"RAMA","lat":"28:39N","lon":"77:13E"})";
    // Another record at the end: the same one again would be left out as already saved.
    const std::string sita = R"({"name":"SITA","lat":"28:39N","lon":"77:13E"})";
    const auto named = [](std::size_t letters) {
        return R"({"name":")" + std::string(letters, 'A') + R"("})";
    };
    const std::string overlong =
        R"({"name":"A","city":")" + std::string(kLongestImportLine, 'x') + R"("})";
    const ImportReport lines = Import(
        store,
        rama + "\n" + overlong + "\r\n" + named(kLongestRecordText + 1) + "\n" +
            named(kLongestRecordText) + "\n" + "{\"name\":\"\xff\"}\n" + sita,
        FileFormat::RequestLines, nullptr);
    EXPECT_EQ(lines.imported, 3u);
    ASSERT_EQ(lines.rejected.size(), 3u);
    const std::pair<int, std::string> expected[] = {
        {2, "the line is longer than 1048576 bytes"},
        {3, "the name is longer than 32767 characters"},
        {5, "the line is not UTF-8 text"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(lines.rejected[i].line, expected[i].first);
        EXPECT_EQ(lines.rejected[i].reason, expected[i].second);
    }

    // CSV rows, also those whose quoted fields run over several lines; letters beyond U+FFFF
    // count twice, as the form's boxes count them.
    const std::string astral = "\xF0\x9F\x9C\x81";  // U+1F701
    std::string wide;
    for (std::size_t i = 0; i < kLongestRecordText / 2 + 1; ++i) wide += astral;
    const ImportReport rows = Import(
        store,
        "name,city\nRAMA,\"two\nlines\"\nSITA,\"" + std::string(kLongestImportLine, 'x') +
            "\nmore\"\nLAV," + wide + "\nKUSH,end\n",
        FileFormat::Csv, nullptr);
    EXPECT_EQ(rows.imported, 2u);
    ASSERT_EQ(rows.rejected.size(), 2u);
    EXPECT_EQ(rows.rejected[0].line, 4);
    EXPECT_EQ(rows.rejected[0].reason, "the row is longer than 1048576 bytes");
    EXPECT_EQ(rows.rejected[1].line, 6);
    EXPECT_EQ(rows.rejected[1].reason, "the city is longer than 32767 characters");
    EXPECT_EQ(*store.Count(), 5);
}

TEST(Export, FilesAppearWholeInTheFormatTheirNameSays) {
    TempFolder folder;
    RecordStore store = RecordStore::Open(folder / "records.sqlite");
    ASSERT_TRUE(store.SaveNew(testing::Rama()));
    ASSERT_FALSE(ExportFile(store, folder / "out.CSV"));
    ASSERT_FALSE(ExportFile(store, folder / "out.jsonl"));
    EXPECT_TRUE(testing::FileBytes(folder / "out.CSV").starts_with("name,date,time,lat,lon,zone,"));
    EXPECT_EQ(testing::FileBytes(folder / "out.jsonl"), RequestLine(store.Get(1)->record) + "\n");
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_NE(entry.path().filename().string().front(), '.') << "a temporary file is left";
    EXPECT_TRUE(ExportFile(store, folder / "no/such/folder/out.jsonl"));
}

}  // namespace
}  // namespace kalodaya::records
