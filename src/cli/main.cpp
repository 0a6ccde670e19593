// kalodaya-chart: the chart pipeline from the command line, JSON out.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>

#include "cli/batch.h"
#include "cli/byte_streams.h"
#include "cli/chart_json.h"
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
    FdOutput err(STDERR_FILENO);
    kalodaya::records::RecordStore store = OpenRecords(command.recordsDb, err);
    switch (command.action) {
        case CommandLine::Action::RecordsImport:
            return RunRecordsImport(store, command.text, out, err);
        case CommandLine::Action::RecordsExport:
            return RunRecordsExport(store,
                                    command.text.empty()
                                        ? std::nullopt
                                        : std::optional<std::filesystem::path>(command.text),
                                    out, err);
        default:
            return RunRecordsList(store, out, err);
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kalodaya;
    // A reader that went away is output that cannot be written: reported, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    const cli::CommandLine command = cli::ReadCommandLine(argc, argv);
    cli::FdOutput out(STDOUT_FILENO);
    switch (command.action) {
        case cli::CommandLine::Action::Fail:
            return Fail(command.text);
        case cli::CommandLine::Action::Print:
            return out.Write(command.text) ? kExitComputed : Fail(out.Error());
        case cli::CommandLine::Action::Batch: {
            cli::FdInput in(STDIN_FILENO);
            const cli::BatchResult result = cli::RunBatch(in, out, command.jobs, command.timeWindows);
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
    const ChartOutcome outcome = RequestChart(request, true);
    if (!outcome.rangeError.empty()) return Fail("unusable --time-range: " + outcome.rangeError);
    // Place texts are passed through as given; bytes that are not UTF-8 print as U+FFFD.
    const std::string text =
        cli::ChartJson(outcome).dump(2, ' ', false,
                                     nlohmann::ordered_json::error_handler_t::replace) +
        "\n";
    if (!out.Write(text)) return Fail(out.Error());
    return outcome.failure ? kExitCheckFailed : kExitComputed;
}
