#include "records/record_transfer.h"

#include "base/platform/system.h"

#include <fstream>
#include <ostream>
#include <sstream>
#include <unordered_set>

#include "base/whole_file.h"

namespace kalodaya::records {
namespace fs = std::filesystem;

FileFormat FormatForPath(const fs::path& path) {
    std::string extension = platform::Utf8(path.extension());
    for (char& ch : extension)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return extension == ".csv" ? FileFormat::Csv : FileFormat::RequestLines;
}

namespace {

// Every value SameEntries compares, in one text: the record's CSV row without its note and
// times.
std::string EntriesKey(Record record) {
    record.note.clear();
    record.created = record.updated = 0;
    std::string key;
    AppendFileRecord(key, record, FileFormat::Csv);
    return key;
}

}  // namespace

Result<ImportReport> ImportRecords(RecordStore& store, std::istream& in, FileFormat format,
                                   const ImportRules& rules) {
    ImportReport report;
    std::vector<Record> read;
    if (const Status failed = ReadRecords(in, format, rules, read, report)) return *failed;
    std::unordered_set<std::string> held;
    if (const Status failed = store.ForEach([&](const StoredRecord& stored) {
            held.insert(EntriesKey(stored.record));
        }))
        return *failed;
    std::vector<Record> accepted;
    for (Record& record : read) {
        if (held.insert(EntriesKey(record)).second)
            accepted.push_back(std::move(record));
        else
            ++report.alreadySaved;
    }
    // Also with nothing accepted, so that a store that cannot save says so.
    const auto saved = store.SaveAll(accepted);
    if (!saved) return saved.error();
    report.imported = accepted.size();
    return report;
}

Result<ImportReport> ImportFile(RecordStore& store, const fs::path& path, const ImportRules& rules) {
    std::error_code ec;
    std::ifstream in(path, std::ios::binary);
    if (!in || fs::is_directory(path, ec)) return Error{"cannot read \"" + platform::Utf8(path) + "\""};
    return ImportRecords(store, in, FormatForPath(path), rules);
}

Status ExportRecords(const RecordStore& store, std::ostream& out, FileFormat format) {
    std::string pending;
    AppendFileStart(pending, format);
    bool written = true;
    const Status read = store.ForEach([&](const StoredRecord& stored) {
        AppendFileRecord(pending, stored.record, format);
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
    std::ostringstream bytes;
    if (auto error = ExportRecords(store, bytes, FormatForPath(path))) return error;
    if (auto failure = WriteWholeFile(path, bytes.view()))
        return Error{"cannot write \"" + platform::Utf8(path) + "\": " + failure->reason};
    return std::nullopt;
}

}  // namespace kalodaya::records
