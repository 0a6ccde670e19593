#pragma once
// The operating system as the Qt-free layers see it: processors, the environment, the running
// program's file, the local clock, the user's data folder, text in the system's own encoding.
// Every call into the system of the layers below the desktop program goes through this folder
// (tools/check_layers.sh refuses one elsewhere), so that the chart, the atlas, the records and
// kalodaya-chart build wherever a C++20 compiler runs; one source file per system implements it.
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalodaya::platform {

// The processors this process may run on (its affinity, not the machine's count), at least 1.
int AvailableCores();

// An environment variable as UTF-8 text; nothing when it is unset.
std::optional<std::string> Environment(const char* name);
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// The running program's own file, links resolved; nothing when the system cannot tell.
std::optional<std::filesystem::path> ProgramFile();

// The calendar fields of `when` in the user's local time zone.
std::tm LocalTime(std::time_t when);

// The folder this user's Kalodaya data lives in, made or not:
//   Linux and the like: $XDG_DATA_HOME/kalodaya when XDG_DATA_HOME is an absolute path (the
//   XDG rules ignore a relative one), else $HOME/.local/share/kalodaya;
//   Windows: %LOCALAPPDATA%\Kalodaya.
// Nothing when the variable it rests on is not set; NoDataFolderReason() then says why.
std::optional<std::filesystem::path> UserDataFolder(const EnvironmentLookup& environment);
const char* NoDataFolderReason();

// The program's arguments as UTF-8 texts, whatever the system hands over.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Paths to and from UTF-8 text: what the user types and reads, and what SQLite takes.
std::filesystem::path PathFromUtf8(std::string_view text);
std::string Utf8(const std::filesystem::path& path);

// A path with `suffix` added to its last name ("records.sqlite" + "-wal").
std::filesystem::path WithSuffix(const std::filesystem::path& path, std::string_view suffix);

}  // namespace kalodaya::platform
