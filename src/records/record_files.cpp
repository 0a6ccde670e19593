#include "records/record_files.h"

#include <algorithm>
#include <istream>

#include "records/csv_records.h"
#include "records/csv_table.h"
#include "records/record_fields.h"
#include "records/request_lines.h"

namespace kalodaya::records {
namespace {

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// One parsed line through the shape and entry checks into the accepted list or the report.
void Judge(Result<Record> parsed, int line, const RecordCheck& check,
           std::vector<Record>& accepted, ImportReport& report) {
    if (!parsed) {
        report.rejected.push_back({line, parsed.error().message});
        return;
    }
    if (auto problem = ShapeProblem(*parsed)) {
        report.rejected.push_back({line, *problem});
        return;
    }
    if (check)
        if (auto failure = check(*parsed)) {
            report.rejected.push_back({line, *failure});
            return;
        }
    accepted.push_back(std::move(parsed).value());
}

std::string Overlong(const char* what) {
    return std::string("the ") + what + " is longer than " + std::to_string(kLongestImportLine) +
           " bytes";
}

// The next line without its line end ("\n" or "\r\n"), in bounded memory: a line longer than
// kLongestImportLine is read past and reported as overlong. False at the end of the input.
bool NextLine(std::istream& in, std::string& line, bool& overlong) {
    line.clear();
    overlong = false;
    char chunk[1 << 16];
    bool any = false;
    for (;;) {
        in.getline(chunk, sizeof chunk);
        std::size_t got = static_cast<std::size_t>(in.gcount());
        any = any || got > 0;
        const bool lineEnded = !in.eof() && !in.fail();
        if (lineEnded) --got;  // the '\n', counted but not stored
        // One byte past the limit is kept, for the '\r' of a "\r\n" line end.
        const std::size_t room = kLongestImportLine + 1 - std::min(line.size(), kLongestImportLine + 1);
        line.append(chunk, std::min(got, room));
        overlong = overlong || got > room;
        if (lineEnded || in.eof() || in.bad()) break;
        in.clear();  // the chunk was filled: the line goes on
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    overlong = overlong || line.size() > kLongestImportLine;
    return any;
}

Status ReadRequestLines(std::istream& in, const ImportRules& rules, std::vector<Record>& accepted,
                        ImportReport& report) {
    std::string line;
    bool overlong = false;
    for (int number = 1; NextLine(in, line, overlong); ++number) {
        if (overlong)
            report.rejected.push_back({number, Overlong("line")});
        else if (!IsBlank(line))
            Judge(rules.readLine(line), number, rules.check, accepted, report);
    }
    if (in.bad()) return Error{"the file could not be read to its end"};
    return std::nullopt;
}

Status ReadCsv(std::istream& in, const RecordCheck& check, std::vector<Record>& accepted,
               ImportReport& report) {
    CsvReader reader(in, kLongestImportLine);
    const auto header = reader.Next();
    if (!header) {
        if (const auto& failure = reader.failure())
            return Error{"line " + std::to_string(failure->line) +
                         ": the header row's quoted field is never closed"};
        return std::nullopt;  // an empty file imports nothing
    }
    if (header->overlong) return Error{"line " + std::to_string(header->line) + ": " + Overlong("header row")};
    const auto layout = ReadCsvHeader(*header);
    if (!layout) return layout.error();
    while (const auto row = reader.Next()) {
        if (row->overlong)
            report.rejected.push_back({row->line, Overlong("row")});
        else
            Judge(RecordFromCsvRow(*row, *layout), row->line, check, accepted, report);
    }
    // The rest of the file went into the open field: that row is refused, the rows before it
    // are imported.
    if (const auto& failure = reader.failure())
        report.rejected.push_back({failure->line, failure->message});
    if (in.bad()) return Error{"the file could not be read to its end"};
    return std::nullopt;
}

}  // namespace

Status ReadRecords(std::istream& in, FileFormat format, const ImportRules& rules,
                   std::vector<Record>& accepted, ImportReport& report) {
    return format == FileFormat::Csv ? ReadCsv(in, rules.check, accepted, report)
                                     : ReadRequestLines(in, rules, accepted, report);
}

void AppendFileStart(std::string& out, FileFormat format) {
    if (format == FileFormat::Csv) AppendCsvHeader(out);
}

void AppendFileRecord(std::string& out, const Record& record, FileFormat format) {
    if (format == FileFormat::Csv) {
        AppendCsvRecord(out, record);
    } else {
        out += RequestLine(record);
        out += '\n';
    }
}

}  // namespace kalodaya::records
