// kalodaya-chart's saved-records commands as a script sees them: import reports and exit
// statuses, the list, exports to standard output and files, the database they act on, and the
// round trip of 10,000 varied requests through two databases and --batch.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

namespace fs = std::filesystem;
using kalodaya::testing_support::RunChart;

class Folder {
  public:
    Folder() {
        std::string pattern = fs::temp_directory_path() / "kalodaya-cli-records-XXXXXX";
        if (!mkdtemp(pattern.data())) std::abort();
        path_ = pattern;
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  private:
    fs::path path_;
};

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

const std::string kRama =
    R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34,"city":"New Delhi"})";

TEST(RecordsCommands, ImportReportsEveryRejectedLineAndSaysSoInItsStatus) {
    Folder folder;
    const std::string db = folder / "records.sqlite";
    WriteFile(folder / "mixed.jsonl", kRama + "\n\n" +
                                          R"({"name":"SITA","zone":99})" "\n" +
                                          R"({"name":"","lat":"1:1N","lon":"1:1E"})" "\n" +
                                          R"({"name":"Jürgen","lat":"1:1N","lon":"1:1E"})" "\n");
    const auto mixed = RunChart({"--records-db", db, "--records-import", folder / "mixed.jsonl"});
    EXPECT_EQ(mixed.status, 1);
    EXPECT_EQ(mixed.out,
              "line 3: unusable zone 99: expected a zone list position from 0 to 70\n"
              "line 4: Please Enter Name\n"
              "line 5: unusable name \"Jürgen\": the name box takes only the letters A to Z and "
              "blanks\n"
              "imported 1 record, rejected 3 lines\n");

    WriteFile(folder / "people.CSV", "name,date,lat,lon,zone,note\nSITA,2000-02-29,33:52S,151:0E,8,\"twins, the elder\"\n");
    const auto csv = RunChart({"--records-db", db, "--records-import", folder / "people.CSV"});
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out, "imported 1 record\n");

    for (const std::string& unreadable : {folder / "missing.jsonl", folder / ""})
        EXPECT_EQ(RunChart({"--records-db", db, "--records-import", unreadable}).status, 2);
    WriteFile(folder / "header.csv", "RAMA,1990-08-15\n");
    const auto header = RunChart({"--records-db", db, "--records-import", folder / "header.csv"});
    EXPECT_EQ(header.status, 2);
    EXPECT_NE(header.err.find("RAMA"), std::string::npos) << header.err;

    // The list: one object per record, by name.
    const auto list = RunChart({"--records-db", db, "--records-list"});
    ASSERT_EQ(list.status, 0);
    const auto lines = Lines(list.out);
    ASSERT_EQ(lines.size(), 2u);
    const auto rama = nlohmann::json::parse(lines[0]);
    EXPECT_EQ(rama["name"], "RAMA");
    EXPECT_EQ(rama["date"], "1990-08-15");
    EXPECT_EQ(rama["place"], "New Delhi");
    EXPECT_TRUE(rama["id"].is_number_integer());
    EXPECT_EQ(rama["updated"].get<std::string>().size(), std::string("2024-05-01T10:22:33Z").size());
    EXPECT_EQ(nlohmann::json::parse(lines[1])["date"], "2000-02-29");
}

// Lines naming a place (or its GeoNames id) are resolved through the atlas as --batch resolves
// them, the record keeping the place found; a place the atlas does not know rejects its line by
// number. Importing the file again adds nothing and counts the records already saved.
TEST(RecordsCommands, ImportResolvesPlacesAndCountsRecordsAlreadySaved) {
    Folder folder;
    const std::string db = folder / "records.sqlite";
    WriteFile(folder / "places.jsonl",
              R"({"name":"RAMA","date":"1975-01-15","time":"06:00:00","place":"Chennai, India"})" "\n"
              R"({"name":"SITA","date":"1990-08-15","place_id":1264527,"uncertainty_minutes":15})" "\n"
              R"({"name":"LAV","place":"Nowhere At All, Atlantis"})" "\n" +
                  kRama + "\n");
    const auto first = RunChart({"--records-db", db, "--records-import", folder / "places.jsonl"});
    EXPECT_EQ(first.status, 1);
    EXPECT_EQ(first.out,
              "line 3: no place in the atlas matches \"Nowhere At All, Atlantis\"\n"
              "imported 3 records, rejected 1 line\n");
    const auto again = RunChart({"--records-db", db, "--records-import", folder / "places.jsonl"});
    EXPECT_EQ(again.out,
              "line 3: no place in the atlas matches \"Nowhere At All, Atlantis\"\n"
              "imported 0 records, 3 already saved, rejected 1 line\n");

    const auto exported = RunChart({"--records-db", db, "--records-export"});
    ASSERT_EQ(exported.status, 0);
    const auto lines = Lines(exported.out);
    ASSERT_EQ(lines.size(), 3u);
    const auto rama = nlohmann::json::parse(lines[0]);
    EXPECT_EQ(rama["city"], "Chennai");
    EXPECT_EQ(rama["lat"], "13:05N");
    EXPECT_EQ(rama["zone"], 34);
    const auto sita = nlohmann::json::parse(lines[2]);
    EXPECT_EQ(sita["city"], "Chennai");
    EXPECT_EQ(sita["uncertainty_minutes"], 15);
}

TEST(RecordsCommands, ExportGoesToStandardOutputOrWholeIntoAFile) {
    Folder folder;
    const std::string db = folder / "records.sqlite";
    WriteFile(folder / "in.jsonl", kRama + "\n");
    ASSERT_EQ(RunChart({"--records-db", db, "--records-import", folder / "in.jsonl"}).status, 0);

    const auto out = RunChart({"--records-db", db, "--records-export"});
    ASSERT_EQ(out.status, 0);
    EXPECT_EQ(out.out,
              R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34,"dst":false,"city":"New Delhi","state":"","country":""})"
              "\n");
    ASSERT_EQ(RunChart({"--records-export", folder / "out.jsonl", "--records-db", db}).status, 0);
    EXPECT_EQ(FileText(folder / "out.jsonl"), out.out);
    ASSERT_EQ(RunChart({"--records-db", db, "--records-export", folder / "out.csv"}).status, 0);
    EXPECT_TRUE(FileText(folder / "out.csv").starts_with("name,date,time,lat,lon,zone,"));

    EXPECT_EQ(RunChart({"--records-db", db, "--records-export", folder / "no/such/out.jsonl"}).status, 2);
    EXPECT_EQ(RunChart({"--records-db", db, "--records-export"}, "",
                       kalodaya::testing_support::StdoutTo::DevFull)
                  .status,
              2);
}

mode_t Mode(const std::string& path) {
    struct stat entry{};
    return ::stat(path.c_str(), &entry) == 0 ? entry.st_mode & 07777 : 0;
}

// --records-export FILE replaces a plain file as a whole (keeping its mode; a new one is
// private), follows a link, writes to a device or pipe as it stands and refuses a folder or a
// pipe nobody reads: nothing but a plain file is ever replaced.
TEST(RecordsCommands, ExportReplacesNothingButAPlainFile) {
    Folder folder;
    const std::string db = folder / "records.sqlite";
    WriteFile(folder / "in.jsonl", kRama + "\n");
    ASSERT_EQ(RunChart({"--records-db", db, "--records-import", folder / "in.jsonl"}).status, 0);
    const std::string exported = RunChart({"--records-db", db, "--records-export"}).out;
    const std::string target = folder / "target.jsonl";
    const std::string target2 = folder / "elsewhere.jsonl";
    struct Case {
        const char* name;
        std::function<void()> make;  // makes `target`
        int status;
        std::function<void(const kalodaya::testing_support::ProcessResult&)> check;
    };
    const Case cases[] = {
        {"nothing there", [] {}, 0,
         [&](const auto&) {
             EXPECT_EQ(FileText(target), exported);
             EXPECT_EQ(Mode(target), 0600u) << "birth data is private";
         }},
        {"a plain file of mode 640", [&] { WriteFile(target, "old"); ::chmod(target.c_str(), 0640); }, 0,
         [&](const auto&) {
             EXPECT_EQ(FileText(target), exported);
             EXPECT_EQ(Mode(target), 0640u);
         }},
        {"a link to a plain file", [&] { WriteFile(target2, "old"); fs::create_symlink(target2, target); },
         0,
         [&](const auto&) {
             EXPECT_TRUE(fs::is_symlink(target));
             EXPECT_EQ(FileText(target2), exported);
         }},
        {"a link to its standard output", [&] { fs::create_symlink("/proc/self/fd/1", target); }, 0,
         [&](const auto& run) {
             EXPECT_TRUE(fs::is_symlink(target));
             EXPECT_EQ(run.out, exported);
         }},
        {"a folder", [&] { fs::create_directory(target); }, 2,
         [&](const auto& run) {
             EXPECT_TRUE(fs::is_directory(target));
             EXPECT_EQ(run.err, "kalodaya-chart: cannot write \"" + target + "\": it is a folder\n");
         }},
        {"a named pipe nobody reads", [&] { ASSERT_EQ(::mkfifo(target.c_str(), 0600), 0); }, 2,
         [&](const auto& run) {
             EXPECT_TRUE(fs::is_fifo(target));
             EXPECT_NE(run.err.find("no program is reading"), std::string::npos) << run.err;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::string& made : {target, target2}) fs::remove_all(made);
        c.make();
        const auto run = kalodaya::testing_support::RunChartBounded(
            {"--records-db", db, "--records-export", target});
        ASSERT_FALSE(run.hung);
        EXPECT_EQ(run.status, c.status) << run.err;
        c.check(run);
        for (const auto& entry : fs::directory_iterator(folder / ""))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".target")) << "a temporary file is left";
    }
    // A device node, and a link to it, are written to and never replaced. The node is made in
    // the test's folder with the null device's numbers (never a link to the system's own, which
    // a faulty export run as root would replace); making one takes root.
    if (::geteuid() == 0) {
        fs::remove_all(target);
        const std::string device = folder / "device";
        ASSERT_EQ(::mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)), 0);
        fs::create_symlink(device, target);
        for (const std::string& path : {device, target})
            EXPECT_EQ(RunChart({"--records-db", db, "--records-export", path}).status, 0);
        EXPECT_TRUE(fs::is_character_file(device));
        EXPECT_TRUE(fs::is_symlink(target));
    }
}

// A records command that cannot do its work says why in one line and ends with status 2;
// the messages of the other commands say what happened, once.
TEST(RecordsCommands, FailuresAreOneLineSayingWhatHappened) {
    Folder folder;
    const std::string pipe = folder / "pipe.sqlite", dir = folder / "dir.sqlite";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(dir);
    WriteFile(folder / "in.jsonl", kRama + "\n");
    const struct {
        std::vector<std::string> args;
        const char* words;
    } cases[] = {
        {{"--records-db", pipe, "--records-list"}, "is not a plain file (a named pipe)"},
        {{"--records-db", pipe, "--records-export"}, "is not a plain file (a named pipe)"},
        {{"--records-db", dir, "--records-list"}, "is a folder, not a records file"},
        {{"--records-db", dir, "--records-import", folder / "in.jsonl"}, "is a folder, not a records file"},
        {{"--find-place", "delhi", "--limit", "0"}, "kalodaya-chart: --limit must be 1 or more\n"},
    };
    for (const auto& c : cases) {
        const auto run = kalodaya::testing_support::RunChartBounded(c.args);
        SCOPED_TRACE(c.args[c.args.size() - 2] + " " + c.args.back());
        ASSERT_FALSE(run.hung);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.err.starts_with("kalodaya-chart: ")) << run.err;
        EXPECT_EQ(run.err.rfind("kalodaya-chart: "), 0u) << "one prefix: " << run.err;
        EXPECT_NE(run.err.find(c.words), std::string::npos) << run.err;
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
    const auto batch = RunChart({"--batch"}, "{\"name\":\"\xff\"}\n");
    EXPECT_EQ(nlohmann::json::parse(batch.out)["error"], "the line is not UTF-8 text");
}

// Another program in the middle of a save does not keep the records from being read; a save,
// which has to wait for it, says who holds the file when the wait is over.
TEST(RecordsCommands, ReadingGoesOnWhileAnotherProgramWrites) {
    Folder folder;
    const std::string db = folder / "records.sqlite";
    WriteFile(folder / "in.jsonl", kRama + "\n");
    ASSERT_EQ(RunChart({"--records-db", db, "--records-import", folder / "in.jsonl"}).status, 0);
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(db.c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE; DELETE FROM records", nullptr, nullptr, nullptr),
              SQLITE_OK);
    const auto list = RunChart({"--records-db", db, "--records-list"});
    const auto exported = RunChart({"--records-db", db, "--records-export"});
    const auto imported = RunChart({"--records-db", db, "--records-import", folder / "in.jsonl"});
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(Lines(list.out).size(), 1u);
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(imported.status, 2);
    // This test's own program holds the lock, under the name the system keeps for it.
    std::ifstream comm("/proc/self/comm");
    std::string self;
    std::getline(comm, self);
    EXPECT_NE(imported.err.find("locked by another program (" + self + ", process " +
                                std::to_string(::getpid()) + ")"),
              std::string::npos)
        << imported.err;
}

TEST(RecordsCommands, ActOnTheDatabaseTheEnvironmentNamesUnlessTold) {
    Folder folder;
    WriteFile(folder / "in.jsonl", kRama + "\n");
    ASSERT_EQ(setenv("KALODAYA_RECORDS_DB", (folder / "env.sqlite").c_str(), 1), 0);
    const auto imported = RunChart({"--records-import", folder / "in.jsonl"});
    const auto fromEnvironment = RunChart({"--records-list"});
    const auto fromOption = RunChart({"--records-list", "--records-db", folder / "other.sqlite"});
    unsetenv("KALODAYA_RECORDS_DB");
    EXPECT_EQ(imported.status, 0);
    EXPECT_EQ(Lines(fromEnvironment.out).size(), 1u);
    EXPECT_EQ(fromOption.status, 0);
    EXPECT_EQ(fromOption.out, "");

    // A file that is no database is set aside, said once, and a fresh one started.
    WriteFile(folder / "junk.sqlite", std::string(4096, 'x'));
    const auto junk = RunChart({"--records-db", folder / "junk.sqlite", "--records-list"});
    EXPECT_EQ(junk.status, 0);
    EXPECT_NE(junk.err.find("set-aside"), std::string::npos) << junk.err;
    EXPECT_EQ(RunChart({"--records-db", folder / "junk.sqlite", "--records-list"}).err, "");
}

TEST(RecordsCommands, OneActionAtATimeAndNothingOfAChartWithIt) {
    const std::vector<std::vector<std::string>> refused = {
        {"--records-list", "--records-export"},
        {"--records-import", "a.jsonl", "--records-list"},
        {"--records-list", "--name", "RAMA"},
        {"--records-export", "--batch"},
        {"--records-list", "--find-place", "Delhi"},
        {"--records-db", "x.sqlite"},
        {"--records-db", "x.sqlite", "--batch"},
        {"--records-import"},
        {"--records-list", "--records-db", ""},
    };
    for (const auto& args : refused) {
        const auto run = RunChart(args);
        EXPECT_EQ(run.status, 2) << args[0] << " " << args[1];
        EXPECT_NE(run.err.find("--help"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

// --batch reads a saved record's exact offset as the export writes it.
TEST(RecordsCommands, BatchTakesUtcOffsetInPlaceOfTheZone) {
    const auto zoneOf = [](const std::string& offset) {
        const auto run = RunChart({"--batch"}, R"({"name":"A","lat":"27:42N","lon":"85:19E","utc_offset":)" +
                                                   offset + "}\n");
        return nlohmann::json::parse(run.out);
    };
    EXPECT_EQ(zoneOf(R"("+05:45")")["zone"], (nlohmann::json{{"hours", -5}, {"minutes", -45}}));
    // Local mean time to the second: the chart uses it to the minute.
    EXPECT_EQ(zoneOf(R"("-05:21:10")")["zone"], (nlohmann::json{{"hours", 5}, {"minutes", 21}}));
    EXPECT_EQ(zoneOf(R"("+00:00:30")")["zone"], (nlohmann::json{{"hours", -0}, {"minutes", -1}}));
    const auto listEntry = RunChart({"--batch"}, R"({"name":"A","lat":"27:42N","lon":"85:19E"})" "\n");
    EXPECT_EQ(zoneOf("null")["zone"], nlohmann::json::parse(listEntry.out)["zone"]);
    for (const char* bad : {R"("+5:45")", R"("05:45")", R"("+24:00")", "345", R"("+14:00:30")",
                            R"("-12:00:30")"})
        EXPECT_EQ(zoneOf(bad)["valid"], false) << bad;
    const auto both = RunChart({"--batch"}, R"({"name":"A","zone":3,"utc_offset":"+05:45"})" "\n");
    EXPECT_NE(both.out.find("cannot both be given"), std::string::npos);
}

// Request lines as people and programs write them: every key now and then left out or null,
// keys in any order, names in either case, numbers with and without leading zeros, exact
// offsets with seconds, place texts with quotes, commas, line breaks and letters beyond ASCII,
// and about one line in fifty that an entry check refuses.
std::string VariedRequest(int i) {
    unsigned state = 2246822519u * static_cast<unsigned>(i + 7);
    const auto next = [&state](unsigned range) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % range);
    };
    const auto pad = [&](int value) {
        const std::string text = std::to_string(value);
        return value < 10 && next(3) == 0 ? "0" + text : text;
    };
    static const char* const names[] = {"RAMA", "sita devi", "JOHN SMITH", "A", "X Y Z",
                                        " LEADING", "Lav Kush", "MEERA  BAI"};
    static const char* const places[] = {"", "New Delhi", "Zürich", "São Paulo, SP",
                                         "Kathmandu\nline two", "the \"old\" town", "日本"};
    std::vector<std::pair<std::string, nlohmann::json>> members;
    const auto maybe = [&](const char* key, nlohmann::json value) {
        const int roll = next(20);
        if (roll == 0) return;  // left out
        members.emplace_back(key, roll == 1 ? nlohmann::json() : std::move(value));
    };
    std::string name = names[next(std::size(names))];
    if (next(100) == 0) name = "";
    members.emplace_back("name", name);
    char date[40], time[40];  // room for any int, so the compiler can prove nothing is cut
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", 1901 + next(150), 1 + next(12),
                  1 + next(next(40) == 0 ? 31 : 28));
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", next(24), next(60), next(60));
    maybe("date", date);
    maybe("time", time);
    const std::string lat = pad(next(90)) + ":" + pad(next(60)) + (next(2) ? "N" : "S");
    const std::string lon = pad(next(180)) + ":" + pad(next(60)) + (next(2) ? "E" : "W");
    members.emplace_back("lat", next(200) == 0 ? "" : lat);
    members.emplace_back("lon", lon);
    if (next(4) == 0) {
        // Within the offsets clocks keep, -12:00 to +14:00, to the nearest minute.
        const int east = next(2);
        const int seconds = (east ? 1 : -1) *
                            (next((east ? 14 : 12) * 3600 - 60) + (next(2) ? 0 : next(60)));
        const int magnitude = std::abs(seconds);
        char offset[16];
        if (magnitude % 60)
            std::snprintf(offset, sizeof offset, "%c%02d:%02d:%02d", seconds < 0 ? '-' : '+',
                          magnitude / 3600, magnitude / 60 % 60, magnitude % 60);
        else
            std::snprintf(offset, sizeof offset, "%c%02d:%02d", seconds < 0 ? '-' : '+',
                          magnitude / 3600, magnitude / 60 % 60);
        members.emplace_back("utc_offset", offset);
    } else {
        maybe("zone", next(71));
    }
    maybe("dst", next(2) == 0);
    maybe("city", places[next(std::size(places))]);
    maybe("state", next(2) ? "Bagmati" : "");
    maybe("country", places[next(std::size(places))]);
    for (std::size_t k = members.size(); k > 1; --k)
        if (next(3) == 0) std::swap(members[k - 1], members[next(static_cast<unsigned>(k))]);
    nlohmann::ordered_json line = nlohmann::ordered_json::object();
    for (auto& [key, value] : members) line[key] = std::move(value);
    return line.dump();
}

std::vector<std::string> SortedCharts(const std::string& requests) {
    const auto run = RunChart({"--batch"}, requests);
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> charts = Lines(run.out);
    std::sort(charts.begin(), charts.end());
    return charts;
}

TEST(RecordsCommands, TenThousandRequestsRoundTripThroughTwoDatabasesAndBatch) {
    Folder folder;
    std::string original;
    for (int i = 0; i < 10000; ++i) original += VariedRequest(i) + "\n";
    WriteFile(folder / "original.jsonl", original);

    const auto first =
        RunChart({"--records-db", folder / "first.sqlite", "--records-import", folder / "original.jsonl"});
    ASSERT_EQ(first.status, 1) << first.err;
    // The lines an entry check refused, by number.
    std::vector<bool> refused(10001, false);
    std::size_t refusals = 0;
    for (const std::string& line : Lines(first.out)) {
        if (!line.starts_with("line ")) continue;
        refused.at(std::stoul(line.substr(5))) = true;
        ++refusals;
    }
    EXPECT_GT(refusals, 50u);
    EXPECT_LT(refusals, 500u);
    EXPECT_EQ(Lines(first.out).back(), "imported " + std::to_string(10000 - refusals) +
                                           " records, rejected " + std::to_string(refusals) +
                                           " lines");

    const auto exported = RunChart({"--records-db", folder / "first.sqlite", "--records-export"});
    ASSERT_EQ(exported.status, 0);
    WriteFile(folder / "exported.jsonl", exported.out);
    const auto second = RunChart(
        {"--records-db", folder / "second.sqlite", "--records-import", folder / "exported.jsonl"});
    ASSERT_EQ(second.status, 0) << second.out;
    ASSERT_EQ(RunChart({"--records-db", folder / "second.sqlite", "--records-export",
                        folder / "again.jsonl"})
                  .status,
              0);
    EXPECT_EQ(FileText(folder / "again.jsonl"), exported.out);

    // --batch: the same charts from the accepted original lines as from the export (whose
    // order is the records', not the file's).
    std::string accepted;
    const auto lines = Lines(original);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!refused[i + 1]) accepted += lines[i] + "\n";
    const auto fromOriginal = SortedCharts(accepted);
    EXPECT_EQ(fromOriginal.size(), 10000 - refusals);
    EXPECT_TRUE(fromOriginal == SortedCharts(exported.out))
        << "the export's charts differ from the original's";
}

}  // namespace
