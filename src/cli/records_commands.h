#pragma once
// kalodaya-chart --records-import, --records-export and --records-list: the saved records of
// the desktop program from the command line.
#include <filesystem>
#include <optional>
#include <string>

#include "cli/byte_streams.h"
#include "records/record_store.h"

namespace kalodaya::cli {

// Exit statuses of the records commands.
inline constexpr int kRecordsDone = 0;
inline constexpr int kRecordsSomeRejected = 1;  // --records-import: some lines were not imported
inline constexpr int kRecordsFailed = 2;        // a file or the database could not be used

// The database named by --records-db, else the one the desktop program uses
// (KALODAYA_RECORDS_DB, then the user's data folder). The notice of a file set aside goes to
// `err`; why records cannot be saved or read is left to the command's own failure.
records::RecordStore OpenRecords(const std::optional<std::string>& recordsDb, ByteOutput& err);

// Imports the request lines or CSV (by the name's extension) of `file` through the form's
// checks, all good lines together. Writes each rejected line's number and reason, then how many
// were imported, to `out`.
int RunRecordsImport(records::RecordStore& store, const std::filesystem::path& file,
                     ByteOutput& out, ByteOutput& err);

// Writes every record as --batch request lines to `out`, or into `file` (CSV when its name
// ends in .csv), whole or not at all.
int RunRecordsExport(const records::RecordStore& store,
                     const std::optional<std::filesystem::path>& file, ByteOutput& out,
                     ByteOutput& err);

// One JSON object per record, by name and birth date: id, name, date, time, place (the city,
// state and country that are filled in) and updated (UTC).
int RunRecordsList(const records::RecordStore& store, ByteOutput& out, ByteOutput& err);

}  // namespace kalodaya::cli
