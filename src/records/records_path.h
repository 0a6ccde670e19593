#pragma once
// Where the records database lives when no file is named on the command line.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace kalodaya::records {

// Reads an environment variable; nothing when it is unset.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;
std::optional<std::string> ProcessEnvironment(const char* name);

// KALODAYA_RECORDS_DB when set and not empty; else $XDG_DATA_HOME/kalodaya/records.sqlite
// when XDG_DATA_HOME is an absolute path (the XDG rules ignore a relative one); else
// $HOME/.local/share/kalodaya/records.sqlite. Nothing when not even HOME is set.
std::optional<std::filesystem::path> DefaultRecordsPath(
    const EnvironmentLookup& environment = ProcessEnvironment);

}  // namespace kalodaya::records
