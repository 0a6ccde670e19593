#pragma once
// Saved records as files, without a store: kalodaya-chart --batch request lines (JSON lines)
// and CSV with a header row, read into records and written from them. The desktop's import and
// export (records/record_transfer.h) and the web page both use these, so a file written by one
// is read by the other.
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/record.h"
#include "records/result.h"

namespace kalodaya::records {

enum class FileFormat { RequestLines, Csv };

// How imported records are read and judged, supplied by the caller so that this library needs
// no request or chart code: the reader of one request line (the one kalodaya-chart --batch
// reads them with), and the entry checks (the message of the first check a record fails, or
// nothing when it may be imported).
using RecordCheck = std::function<std::optional<std::string>(const Record&)>;
struct ImportRules {
    std::function<Result<Record>(std::string_view line)> readLine;
    RecordCheck check;
};

struct RejectedLine {
    int line = 0;  // in the file, from 1
    std::string reason;
};

struct ImportReport {
    std::size_t imported = 0;
    // Records left out because a saved one (or one earlier in the file) holds the same
    // entries and name.
    std::size_t alreadySaved = 0;
    std::vector<RejectedLine> rejected;  // in line order
};

// Reads every line (blank ones are passed over) into `accepted`, and those that are not a record
// or fail the checks into the report. An error only when the file as a whole cannot be read (a
// CSV header that is not one, a file that cannot be read to its end).
Status ReadRecords(std::istream& in, FileFormat format, const ImportRules& rules,
                   std::vector<Record>& accepted, ImportReport& report);

// The file's first bytes (a CSV header row; nothing for request lines), and one record's line
// or row with its line end.
void AppendFileStart(std::string& out, FileFormat format);
void AppendFileRecord(std::string& out, const Record& record, FileFormat format);

}  // namespace kalodaya::records
