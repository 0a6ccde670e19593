#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include "base/platform/system.h"
#include "base/quoted_value.h"
#include "request/request_line.h"

namespace kalodaya::cli {
namespace {

constexpr const char* kFooter = R"(
Every value goes through the same entry checks as the desktop program's form. An empty --lat
or --lon leaves its boxes empty, as a form not filled in. Exit status:
0 a chart was computed (also when the Sun does not rise or set there: "polar" is true and
"polar_message" says so),
1 an entry check failed ("message" holds its text),
2 an argument the form could not hold, or output that could not be written.

--place "Name[, State][, Country]" (the atlas's best match, the first --find-place lists)
or --place-id N (a GeoNames id) fills the city, state, country, latitude and longitude, and
the zone list entry whose offset the place's clocks kept at the birth date and time. That
offset holds any daylight, double summer or war time, so --dst goes only with --zone or
--utc-offset. Where no entry has the offset (Nepal's +05:45, local mean time before standard
time) the exact offset is used, to the minute. --lat, --lon, --city, --state, --country,
--zone and --utc-offset given beside a place win over it. --utc-offset +HH:MM (east of
Greenwich, -HH:MM west) is an exact offset in place of --zone. A place that matches nothing
is exit status 2.

With a place or an exact offset the chart gains "place": the atlas's name, state, country,
geonames_id, lat, lon, time_zone, utc_offset at the birth moment, abbreviation, dst, clock
("ok", "skipped" or "repeated") and local_mean_time (all null for an exact offset without a
place); the zone_entry (null for an exact offset) and used_offset the computation used; and
the tzdata version. Requests with neither print no "place".

--ephemeris modern computes the positions with the Swiss Ephemeris (its Moshier theory) in
place of the classic formulas; --ayanamsa (lahiri by default for modern), --node and --sunrise
choose the rest. The classic ephemeris takes only the classic ayanamsa and the mean node; any
other combination is exit status 2. Every chart states its "settings" and gives "longitudes",
the ten sidereal longitudes in the order of "names"; a modern chart adds
"classic_ghati_lagna", the classic calculation's ghati lagna beside its own.

--batch reads one JSON object per line on standard input with the keys name, date, time, lat,
lon, zone, utc_offset, place, place_id, dst, city, state, country, ephemeris, ayanamsa, node,
sunrise, chart_style (the same value forms as the options; zone and place_id whole numbers,
dst a boolean; null is the same as leaving a key out) and writes one JSON object per line, in
the same order. Each line is an independent
chart. A bad line (not exactly one JSON object, an unknown or repeated key, an unusable value,
a place that matches nothing, more than 1 MiB) yields {"valid": false, "error": ...} and the
batch goes on. --jobs sets how many threads compute charts; the output is the same for any
number. A program that feeds one line at a time gets each answer as soon as its line is
complete.

--batch also reads "utc_offset" (+HH:MM or +HH:MM:SS east of Greenwich, rounded to the minute)
in place of "zone": the exact offset of a saved record, as --records-export writes it.

A single chart always has "time_windows": for the ghati lagna, the ascendant and the Moon the
sign, the first and last clock times of birth ("from", "to", to the second, in the request's
own zone and daylight box) that keep it, the signs "before" and "after", and "from_limit" and
"to_limit" ("search": 12 hours each way, 3 days for the Moon; "date_range": the first or last
supported date; "polar": no sunrise beyond; else null); "chart": the same times for the whole
chart (every cell and marker). --time-range FROM TO (YYYY-MM-DDTHH:MM:SS, at most 24 hours)
adds "time_range": the spans in which the whole chart stays the same, each with "from", "to",
"ghati_lagna", "ascendant" and "moon". With --batch, --time-windows adds "time_windows" to
every chart, and a request line's "time_range": {"from": ..., "to": ...} adds its spans; a
line's "uncertainty_minutes": N (0 to 720, a saved record's uncertain birth time) without a
"time_range" adds the spans from N minutes before to N minutes after its time.
--chart-style south, north or east (a line's "chart_style") adds "chart_layout": the chart as
that region draws it, each sign's cell a polygon in a unit square (x right, y down) with the
boxes [x, y, width, height] of its texts and of its sign's number, and its texts.

Saved records (the desktop program's File menu) live in $XDG_DATA_HOME/kalodaya/records.sqlite
(else ~/.local/share/kalodaya/records.sqlite), or the file KALODAYA_RECORDS_DB or --records-db
names. --records-export writes every record as --batch request lines (into FILE, CSV when its
name ends in .csv; standard output without FILE). --records-import reads request lines or CSV
(by the name's extension), checks every line with the form's entry checks, imports the good ones
together (a record already saved is left out and counted) and prints each rejected line's
number and reason and how many were imported: exit
status 0 when all were imported, 1 when some were rejected, 2 when the file or the database
cannot be used. --records-list prints one JSON object per record: id, name, date, time, place
and updated (UTC).

Example:
  kalodaya-chart --name RAMA --date 1990-08-15 --time 10:30:00 --lat 28:39N --lon 77:13E --zone 34
)";

constexpr const char* kProgram = "kalodaya-chart";

CommandLine Failed(std::string message) {
    CommandLine line;
    line.action = CommandLine::Action::Fail;
    line.text = std::move(message);
    return line;
}

// The parser's own words, on one line, with a pointer to the help.
std::string ParserMessage(const CLI::ParseError& error, const CLI::App& app) {
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
        const std::vector<std::string> extras = app.remaining();
        if (!extras.empty()) {
            std::string message = "unexpected argument " + QuotedValue(extras.front());
            if (extras.size() > 1)
                message += " (and " + std::to_string(extras.size() - 1) + " more)";
            return message + "; see " + kProgram + " --help";
        }
    }
    return OneLineMessage(error.what()) + "; see " + std::string(kProgram) + " --help";
}

// --jobs: decimal digits, 1 to kMostJobs.
std::optional<int> Jobs(const std::string& text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    int jobs = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return std::nullopt;
        jobs = jobs * 10 + (ch - '0');
    }
    if (jobs < 1 || jobs > kMostJobs) return std::nullopt;
    return jobs;
}

}  // namespace

int AvailableCores() { return platform::AvailableCores(); }

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    CLI::App app{"Computes a ghati lagna chart and prints it as JSON.", kProgram};
    app.footer(kFooter);
    app.set_version_flag("--version", std::string(kProgram) + " " + KALODAYA_VERSION,
                         "print the program's name and version");
    CommandLine line;
    const EntryOptions entryOptions(app);
    bool batch = false;
    app.add_flag("--batch", batch, "read one JSON request per line on standard input");
    std::string findPlace;
    CLI::Option* const findPlaceOption = app.add_option(
        "--find-place", findPlace, "print the atlas's places matching TEXT, one JSON object a line");
    CLI::Option* const limitOption =
        app.add_option("--limit", line.limit, "at most N places for --find-place (default 10)")
            ->type_name("N");
    bool timeWindows = false;
    CLI::Option* const timeWindowsOption = app.add_flag(
        "--time-windows", timeWindows,
        "with --batch: every chart with its birth-time windows (\"time_windows\")");
    std::vector<std::string> timeRange;
    CLI::Option* const timeRangeOption =
        app.add_option("--time-range", timeRange,
                       "the chart's spans over the birth times FROM to TO (YYYY-MM-DDTHH:MM:SS, "
                       "at most 24 hours)")
            ->expected(2)
            ->type_name("FROM TO");
    std::string jobs;
    CLI::Option* const jobsOption = app.add_option(
        "--jobs", jobs,
        "with --batch: threads computing charts (default: one per core, " +
            std::to_string(AvailableCores()) + " here)")
            ->type_name("N");
    std::string recordsDb, importFile, exportFile;
    bool listRecords = false;
    CLI::Option* const recordsDbOption = app.add_option(
        "--records-db", recordsDb, "the saved records' database for the --records options")
        ->type_name("FILE");
    const std::pair<CLI::Option*, CommandLine::Action> recordsActions[] = {
        {app.add_option("--records-import", importFile,
                        "import request lines or CSV (by extension) into the saved records")
             ->type_name("FILE"),
         CommandLine::Action::RecordsImport},
        {app.add_option("--records-export", exportFile,
                        "write every saved record as request lines (standard output without FILE)")
             ->expected(0, 1)
             ->type_name("[FILE]"),
         CommandLine::Action::RecordsExport},
        {app.add_flag("--records-list", listRecords,
                      "print one JSON object per saved record"),
         CommandLine::Action::RecordsList},
    };
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        line.action = CommandLine::Action::Print;
        line.text = app.help();
        return line;
    } catch (const CLI::CallForAllHelp&) {
        line.action = CommandLine::Action::Print;
        line.text = app.help("", CLI::AppFormatMode::All);
        return line;
    } catch (const CLI::CallForVersion& version) {
        line.action = CommandLine::Action::Print;
        line.text = std::string(version.what()) + "\n";
        return line;
    } catch (const CLI::ParseError& error) {
        return Failed(ParserMessage(error, app));
    }

    // Saved records: one action alone, with --records-db at most.
    const CLI::Option* recordsAction = nullptr;
    for (const auto& [option, action] : recordsActions) {
        if (option->count() == 0) continue;
        if (recordsAction)
            return Failed(recordsAction->get_name() + " and " + option->get_name() +
                          " cannot be used together; see " + kProgram + " --help");
        recordsAction = option;
        line.action = action;
    }
    if (recordsAction) {
        for (const CLI::Option* option : app.get_options()) {
            if (option->count() == 0 || option == recordsAction || option == recordsDbOption)
                continue;
            return Failed(recordsAction->get_name() + " takes no " + option->get_name() +
                          "; see " + kProgram + " --help");
        }
        if (recordsDbOption->count() > 0) {
            if (recordsDb.empty())
                return Failed(std::string("--records-db needs a file name; see ") + kProgram +
                              " --help");
            line.recordsDb = recordsDb;
        }
        line.text = line.action == CommandLine::Action::RecordsImport ? importFile : exportFile;
        if (line.action == CommandLine::Action::RecordsImport && line.text.empty())
            return Failed(std::string("--records-import needs a file name; see ") + kProgram +
                          " --help");
        return line;
    }
    if (recordsDbOption->count() > 0)
        return Failed(std::string("--records-db goes with --records-import, --records-export or "
                                  "--records-list only; see ") +
                      kProgram + " --help");

    if (findPlaceOption->count() > 0) {
        line.action = CommandLine::Action::FindPlace;
        line.text = findPlace;
        return line;
    }
    if (limitOption->count() > 0)
        return Failed(std::string("--limit goes with --find-place only; see ") + kProgram +
                      " --help");
    if (batch) {
        for (const CLI::Option* option : entryOptions.Options())
            if (option->count() > 0)
                return Failed("--batch reads its requests from standard input and takes no " +
                              option->get_name() + "; see " + kProgram + " --help");
        line.jobs = AvailableCores();
        if (jobsOption->count() > 0) {
            const std::optional<int> given = Jobs(jobs);
            if (!given)
                return Failed("unusable --jobs " + QuotedValue(jobs) +
                              ": expected a number of threads from 1 to " +
                              std::to_string(kMostJobs));
            line.jobs = *given;
        }
        if (timeRangeOption->count() > 0)
            return Failed(std::string("--batch takes no --time-range (a request line's "
                                      "\"time_range\" key asks for one); see ") +
                          kProgram + " --help");
        line.timeWindows = timeWindows;
        line.action = CommandLine::Action::Batch;
        return line;
    }
    if (timeWindowsOption->count() > 0)
        return Failed(std::string("--time-windows goes with --batch only (a single chart always "
                                  "has them); see ") +
                      kProgram + " --help");
    if (jobsOption->count() > 0)
        return Failed(std::string("--jobs goes with --batch only; see ") + kProgram + " --help");
    if (timeRangeOption->count() > 0) {
        const auto from = ReadClockTime(timeRange[0]);
        if (!from) return Failed("--time-range: " + from.error().message);
        const auto to = ReadClockTime(timeRange[1]);
        if (!to) return Failed("--time-range: " + to.error().message);
        line.timeRange = BirthTimeRange{*from, *to};
    }
    line.entries = entryOptions.Given();
    if (auto error = CheckCombination(line.entries.Values(), EntryNaming::Options))
        return Failed(error->message + "; see " + kProgram + " --help");
    line.action = CommandLine::Action::Chart;
    return line;
}

}  // namespace kalodaya::cli
