// kalodaya-chart: the chart pipeline from the command line, JSON out.
#include <CLI/CLI.hpp>
#include <iostream>
#include <string>

#include "cli/batch.h"
#include "cli/chart_args.h"
#include "cli/chart_json.h"
#include "cli/find_place.h"
#include "core/chart_pipeline.h"

namespace {

constexpr int kExitComputed = 0;
constexpr int kExitCheckFailed = 1;
constexpr int kExitUnusable = 2;

constexpr const char* kFooter = R"(
Every value goes through the same entry checks as the desktop program's form. Exit status:
0 a chart was computed (also when the Sun does not rise or set there: "polar" is true and
"polar_message" says so),
1 an entry check failed ("message" holds its text), 2 an argument the form could not hold.

--batch reads one JSON object per line on standard input with the keys
name, date, time, lat, lon, zone, dst, city, state, country (the same value forms as the
options; dst a boolean) and writes one JSON object per line, in the same order. Each line is an
independent chart. A bad line yields {"valid": false, "error": ...} and the batch goes on.

Example:
  kalodaya-chart --name RAMA --date 1990-08-15 --time 10:30:00 --lat 28:39N --lon 77:13E --zone 34
)";

}  // namespace

int main(int argc, char** argv) {
    using namespace kalodaya;
    CLI::App app{"Computes a ghati lagna chart and prints it as JSON.", "kalodaya-chart"};
    app.footer(kFooter);
    std::string name, date, time, lat, lon, city, stateName, country;
    long long zone = 0;
    bool dst = false, batch = false;
    app.add_option("--name", name, "name as typed in the name box (letters and blanks)");
    app.add_option("--date", date, "birth date YYYY-MM-DD, 1901 to 2050 (default 1901-01-01)");
    app.add_option("--time", time, "birth time HH:MM:SS (default 00:00:00)");
    app.add_option("--lat", lat, "latitude DD:MM with N or S, e.g. 28:39N (default empty, North)");
    app.add_option("--lon", lon, "longitude DDD:MM with E or W, e.g. 77:13E (default empty, East)");
    app.add_option("--zone", zone, "time zone list position 0..70 (default 0)");
    app.add_flag("--dst", dst, "daylight saving time applied");
    app.add_option("--city", city, "city");
    app.add_option("--state", stateName, "state");
    app.add_option("--country", country, "country");
    app.add_flag("--batch", batch, "read one JSON request per line on standard input");
    std::string findPlace;
    long long placeLimit = cli::kDefaultPlaceLimit;
    app.add_option("--find-place", findPlace,
                   "print the atlas's places matching TEXT, one JSON object a line");
    app.add_option("--limit", placeLimit, "at most N places for --find-place (default 10)");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : kExitUnusable;
    }

    if (app.count("--find-place"))
        return cli::RunFindPlace(findPlace, placeLimit, std::cout, std::cerr);

    if (batch) {
        // Nothing has been read or written yet: the streams may leave C stdio's buffering.
        std::ios::sync_with_stdio(false);
        std::cin.tie(nullptr);
        return cli::RunBatch(std::cin, std::cout) ? kExitComputed : kExitUnusable;
    }

    Entries entries;
    entries.city = city;
    entries.state = stateName;
    entries.country = country;
    entries.dst = dst;
    std::optional<cli::ArgError> error = cli::SetName(entries, name);
    if (!error && app.count("--date")) error = cli::SetDate(entries, date);
    if (!error && app.count("--time")) error = cli::SetTime(entries, time);
    if (!error && app.count("--lat")) error = cli::SetLatitude(entries, lat);
    if (!error && app.count("--lon")) error = cli::SetLongitude(entries, lon);
    if (!error) error = cli::SetZone(entries, zone);
    if (error) {
        std::cerr << "kalodaya-chart: " << error->message << "\n";
        return kExitUnusable;
    }

    AppState state;
    LoadTables(state);
    const ChartOutcome outcome = RequestChart(state, entries);
    // Place texts are passed through as given; bytes that are not UTF-8 print as U+FFFD.
    std::cout << cli::ChartJson(state, outcome)
                     .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
              << "\n";
    return outcome.failure ? kExitCheckFailed : kExitComputed;
}
