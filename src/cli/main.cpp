// kalodaya-chart: the chart pipeline from the command line, JSON out.
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "base/platform/standard_streams.h"
#include "base/platform/system.h"
#include "cli/batch.h"
#include "cli/byte_streams.h"
#include "chart/chart_json.h"
#include "chart/chart_outcome.h"
#include "cli/command_line.h"
#include "cli/find_place.h"
#include "cli/records_commands.h"

namespace {

constexpr int kExitComputed = 0;
constexpr int kExitCheckFailed = 1;
constexpr int kExitUnusable = 2;

int Fail(const std::string& message) {
    std::cerr << "kalodaya-chart: " << message << "\n";
    return kExitUnusable;
}

// The saved-records commands, each on the database the command line names.
int RunRecords(const kalodaya::cli::CommandLine& command, kalodaya::cli::ByteOutput& out) {
    using namespace kalodaya::cli;
    FdOutput err(kalodaya::platform::kStandardError);
    kalodaya::records::RecordStore store = OpenRecords(command.recordsDb, err);
    switch (command.action) {
        case CommandLine::Action::RecordsImport:
            return RunRecordsImport(store, kalodaya::platform::PathFromUtf8(command.text), out,
                                    err);
        case CommandLine::Action::RecordsExport:
            return RunRecordsExport(store,
                                    command.text.empty()
                                        ? std::nullopt
                                        : std::optional<std::filesystem::path>(
                                              kalodaya::platform::PathFromUtf8(command.text)),
                                    out, err);
        default:
            return RunRecordsList(store, out, err);
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kalodaya;
    platform::UseStandardStreamsAsBytes();
    const std::vector<std::string> arguments = platform::Utf8Arguments(argc, argv);
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
    const cli::CommandLine command =
        cli::ReadCommandLine(static_cast<int>(pointers.size()), pointers.data());
    cli::FdOutput out(platform::kStandardOutput);
    switch (command.action) {
        case cli::CommandLine::Action::Fail:
            return Fail(command.text);
        case cli::CommandLine::Action::Print:
            return out.Write(command.text) ? kExitComputed : Fail(out.Error());
        case cli::CommandLine::Action::Batch: {
            cli::FdInput in(platform::kStandardInput);
            const cli::BatchResult result = cli::RunBatch(in, out, command.jobs,
                              ChartOptions{command.timeWindows, command.language});
            return result.ok ? kExitComputed : Fail(result.error);
        }
        case cli::CommandLine::Action::FindPlace: {
            std::ostringstream places, problems;
            const int status = cli::RunFindPlace(command.text, command.limit, places, problems);
            if (status != 0) {
                std::cerr << problems.str();  // already one line, as kalodaya-chart says it
                return kExitUnusable;
            }
            return out.Write(places.str()) ? kExitComputed : Fail(out.Error());
        }
        case cli::CommandLine::Action::RecordsImport:
        case cli::CommandLine::Action::RecordsExport:
        case cli::CommandLine::Action::RecordsList:
            return RunRecords(command, out);
        case cli::CommandLine::Action::Chart:
            break;
    }

    BirthRequest request;
    if (auto error = RequestFromOptions(command.entries, request)) return Fail(error->message);
    request.timeRange = command.timeRange;
    // A single chart always carries its birth-time windows.
    const ChartOutcome outcome = RequestChart(request, ChartOptions{true, command.language});
    if (!outcome.rangeError.empty()) return Fail("unusable --time-range: " + outcome.rangeError);
    // Place texts are passed through as given; bytes that are not UTF-8 print as U+FFFD.
    const std::string text =
        ChartJson(outcome).dump(2, ' ', false,
                                     nlohmann::ordered_json::error_handler_t::replace) +
        "\n";
    if (!out.Write(text)) return Fail(out.Error());
    return outcome.failure ? kExitCheckFailed : kExitComputed;
}
