#include "records/record_transfer.h"

#include <fstream>
#include <istream>
#include <ostream>

#include "records/csv_records.h"
#include "records/csv_table.h"
#include "records/record_fields.h"
#include "records/request_lines.h"

namespace kalodaya::records {
namespace {

namespace fs = std::filesystem;

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

Status ReadRequestLines(std::istream& in, const ImportRules& rules, std::vector<Record>& accepted,
                        ImportReport& report) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (IsBlank(line)) continue;
        if (line.back() == '\r') line.pop_back();
        Judge(rules.readLine(line), number, rules.check, accepted, report);
    }
    if (in.bad()) return Error{"the file could not be read to its end"};
    return std::nullopt;
}

Status ReadCsv(std::istream& in, const RecordCheck& check, std::vector<Record>& accepted,
               ImportReport& report) {
    CsvReader reader(in);
    const auto header = reader.Next();
    if (!header) {
        if (const auto& failure = reader.failure())
            return Error{"line " + std::to_string(failure->line) +
                         ": the header row's quoted field is never closed"};
        return std::nullopt;  // an empty file imports nothing
    }
    const auto layout = ReadCsvHeader(*header);
    if (!layout) return layout.error();
    while (const auto row = reader.Next())
        Judge(RecordFromCsvRow(*row, *layout), row->line, check, accepted, report);
    // The rest of the file went into the open field: that row is refused, the rows before it
    // are imported.
    if (const auto& failure = reader.failure())
        report.rejected.push_back({failure->line, failure->message});
    if (in.bad()) return Error{"the file could not be read to its end"};
    return std::nullopt;
}

}  // namespace

FileFormat FormatForPath(const fs::path& path) {
    std::string extension = path.extension().string();
    for (char& ch : extension)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return extension == ".csv" ? FileFormat::Csv : FileFormat::RequestLines;
}

Result<ImportReport> ImportRecords(RecordStore& store, std::istream& in, FileFormat format,
                                   const ImportRules& rules) {
    ImportReport report;
    std::vector<Record> accepted;
    const Status read = format == FileFormat::Csv ? ReadCsv(in, rules.check, accepted, report)
                                                  : ReadRequestLines(in, rules, accepted, report);
    if (read) return *read;
    // Also with nothing accepted, so that a store that cannot save says so.
    const auto saved = store.SaveAll(accepted);
    if (!saved) return saved.error();
    report.imported = accepted.size();
    return report;
}

Result<ImportReport> ImportFile(RecordStore& store, const fs::path& path, const ImportRules& rules) {
    std::error_code ec;
    std::ifstream in(path, std::ios::binary);
    if (!in || fs::is_directory(path, ec)) return Error{"cannot read \"" + path.string() + "\""};
    return ImportRecords(store, in, FormatForPath(path), rules);
}

Status ExportRecords(const RecordStore& store, std::ostream& out, FileFormat format) {
    std::string pending;
    if (format == FileFormat::Csv) AppendCsvHeader(pending);
    bool written = true;
    const Status read = store.ForEach([&](const StoredRecord& stored) {
        if (format == FileFormat::Csv) {
            AppendCsvRecord(pending, stored.record);
        } else {
            pending += RequestLine(stored.record);
            pending += '\n';
        }
        if (pending.size() >= (1 << 16)) {
            written = written && out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
            pending.clear();
        }
    });
    if (read) return read;
    written = written && out.write(pending.data(), static_cast<std::streamsize>(pending.size())) &&
              out.flush();
    if (!written) return Error{"the export could not be written"};
    return std::nullopt;
}

Status ExportFile(const RecordStore& store, const fs::path& path) {
    const fs::path partial = path.string() + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out) return Error{"cannot write \"" + partial.string() + "\""};
        if (auto error = ExportRecords(store, out, FormatForPath(path))) {
            out.close();
            std::error_code ignored;
            fs::remove(partial, ignored);
            return error;
        }
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(partial, ignored);
            return Error{"cannot write \"" + partial.string() + "\""};
        }
    }
    std::error_code ec;
    fs::rename(partial, path, ec);
    if (ec) {
        fs::remove(partial, ec);
        return Error{"cannot write \"" + path.string() + "\": " + ec.message()};
    }
    return std::nullopt;
}

}  // namespace kalodaya::records
