#include "cli/records_commands.h"

#include <nlohmann/json.hpp>
#include <sstream>

#include "request/from_record.h"
#include "base/platform/system.h"
#include "base/quoted_value.h"
#include "records/record_fields.h"
#include "records/record_transfer.h"

namespace kalodaya::cli {
namespace {

int Fail(ByteOutput& err, const std::string& message) {
    err.Write("kalodaya-chart: " + OneLineMessage(message) + "\n");
    return kRecordsFailed;
}

int Written(ByteOutput& out, ByteOutput& err, const std::string& text) {
    return out.Write(text) ? kRecordsDone : Fail(err, out.Error());
}

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

records::RecordStore OpenRecords(const std::optional<std::string>& recordsDb, ByteOutput& err) {
    records::RecordStore store = recordsDb ? records::RecordStore::Open(platform::PathFromUtf8(*recordsDb))
                                           : records::RecordStore::OpenDefault();
    // A store that cannot save or cannot be read has its reason said once, by the command
    // that meets it; the notice (meant for the desktop program) would only say it twice.
    if (const auto& notice = store.notice(); notice && store.CanSave())
        err.Write("kalodaya-chart: " + OneLineMessage(*notice) + "\n");
    return store;
}

int RunRecordsImport(records::RecordStore& store, const std::filesystem::path& file,
                     ByteOutput& out, ByteOutput& err) {
    const auto report = records::ImportFile(store, file, RecordImportRules());
    if (!report) return Fail(err, report.error().message);
    std::string text;
    for (const records::RejectedLine& rejected : report->rejected)
        text += "line " + std::to_string(rejected.line) + ": " + OneLineMessage(rejected.reason) +
                "\n";
    text += "imported " + Count(report->imported, "record", "records");
    if (report->alreadySaved > 0) text += ", " + std::to_string(report->alreadySaved) + " already saved";
    if (!report->rejected.empty())
        text += ", rejected " + Count(report->rejected.size(), "line", "lines");
    text += "\n";
    if (!out.Write(text)) return Fail(err, out.Error());
    return report->rejected.empty() ? kRecordsDone : kRecordsSomeRejected;
}

int RunRecordsExport(const records::RecordStore& store,
                     const std::optional<std::filesystem::path>& file, ByteOutput& out,
                     ByteOutput& err) {
    if (file) {
        if (auto error = records::ExportFile(store, *file)) return Fail(err, error->message);
        return kRecordsDone;
    }
    std::ostringstream lines;
    if (auto error = records::ExportRecords(store, lines, records::FileFormat::RequestLines))
        return Fail(err, error->message);
    return Written(out, err, lines.str());
}

int RunRecordsList(const records::RecordStore& store, ByteOutput& out, ByteOutput& err) {
    const auto list = store.List();
    if (!list) return Fail(err, list.error().message);
    std::string text;
    for (const records::RecordSummary& s : *list) {
        const nlohmann::ordered_json line = {{"id", s.id},
                                             {"name", s.name},
                                             {"date", records::DateText(s)},
                                             {"time", records::TimeText(s)},
                                             {"place", records::PlaceText(s)},
                                             {"updated", records::TimestampText(s.updated)}};
        text += line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        text += '\n';
    }
    return Written(out, err, text);
}

}  // namespace kalodaya::cli
