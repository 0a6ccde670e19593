#pragma once
// kalodaya-chart's arguments: what to do, or the one-line reason they cannot be used.
#include <optional>
#include <string>

#include "cli/chart_args.h"
#include "chart/entries.h"

namespace kalodaya::cli {

// The entry options as given; a value option left out is absent.
struct EntryOptions {
    std::optional<std::string> name, date, time, lat, lon, zone;
    bool dst = false;
    std::optional<std::string> city, state, country;
    // A place of the atlas; an exact offset in place of a zone list entry.
    std::optional<std::string> place, placeId, utcOffset;
};

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
    EntryOptions entries;
    int jobs = 1;  // Batch: threads computing charts
    long long limit = 10;  // FindPlace: at most this many places
    std::optional<std::string> recordsDb;  // Records*: the database file, else the usual one
    std::string text;
};

// The threads --batch uses unless told: one per core this process may run on.
int AvailableCores();

// The most threads --jobs accepts.
inline constexpr int kMostJobs = 256;

CommandLine ReadCommandLine(int argc, const char* const* argv);

// The entry options into the entries of the form, through the value forms' setters. A place
// (--place, --place-id) fills what the form's place lookup fills for the birth date and time;
// options given beside it win: --lat, --lon, --city, --state, --country, and --zone or
// --utc-offset (the zone is then theirs).
std::optional<ArgError> EntriesFromOptions(const EntryOptions& options, Entries& entries);

}  // namespace kalodaya::cli
