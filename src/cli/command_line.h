#pragma once
// kalodaya-chart's arguments: what to do, or the one-line reason they cannot be used.
#include <optional>
#include <string>

#include "profile/language_texts.h"
#include "request/birth_request.h"
#include "request/entry_options.h"

namespace kalodaya::cli {

struct CommandLine {
    enum class Action {
        Chart,  // one chart from the entry options
        Batch,  // requests on standard input
        FindPlace,  // the atlas's places matching `text`, at most `limit`
        RecordsImport,  // the request lines or CSV of file `text` into the saved records
        RecordsExport,  // every saved record as request lines: into file `text`, or standard
                        // output when `text` is empty
        RecordsList,    // one JSON object per saved record
        Print,  // `text` (help or version) goes to standard output; nothing else happens
        Fail,   // `text` is the one-line reason for standard error; exit status 2
    };
    Action action = Action::Fail;
    GivenEntryOptions entries;  // Chart: read by RequestFromOptions
    int jobs = 1;  // Batch: threads computing charts
    bool timeWindows = false;  // Batch: every chart with its birth-time windows
    // Chart, Batch: the language of the texts written beside the English ones
    // ("texts_localized"); none without --language.
    std::optional<Language> language;
    std::optional<BirthTimeRange> timeRange;  // Chart: the spans of this range of birth times
    long long limit = 10;  // FindPlace: at most this many places
    std::optional<std::string> recordsDb;  // Records*: the database file, else the usual one
    std::string text;
};

// The threads --batch uses unless told: one per core this process may run on.
int AvailableCores();

// The most threads --jobs accepts.
inline constexpr int kMostJobs = 256;

CommandLine ReadCommandLine(int argc, const char* const* argv);

}  // namespace kalodaya::cli
