#pragma once
// Importing and exporting saved records: kalodaya-chart --batch request lines (JSON lines) and
// CSV with a header row.
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/record.h"
#include "records/record_files.h"
#include "records/record_store.h"
#include "records/result.h"

namespace kalodaya::records {

// ".csv" (in any case) is CSV; every other name holds request lines.
FileFormat FormatForPath(const std::filesystem::path& path);

// Reads every line (blank ones are passed over), refuses those that are not a record or fail
// the checks, leaves out (and counts) those whose entries and name a saved record or an
// earlier line already holds, and saves the others in one transaction. An error only when nothing could be
// imported for a reason other than the lines (a CSV header that is not one, a file that cannot
// be read to its end, a store that cannot save); the store is then unchanged.
Result<ImportReport> ImportRecords(RecordStore& store, std::istream& in, FileFormat format,
                                   const ImportRules& rules);
// The same from a file, its format from its name; an error when it cannot be read.
Result<ImportReport> ImportFile(RecordStore& store, const std::filesystem::path& path,
                                const ImportRules& rules);

// Every record in the store's export order: request lines (one per record), or a header row
// and one row per record. The same records give the same bytes, whatever database holds them.
Status ExportRecords(const RecordStore& store, std::ostream& out, FileFormat format);
// The same into a file, its format from its name, as WriteWholeFile writes it: whole or not at
// all, never replacing anything but a plain file.
Status ExportFile(const RecordStore& store, const std::filesystem::path& path);

}  // namespace kalodaya::records
