#pragma once
// Where the records database lives when no file is named on the command line.
#include <filesystem>
#include <optional>
#include <string>

#include "base/platform/system.h"

namespace kalodaya::records {

using platform::EnvironmentLookup;

// KALODAYA_RECORDS_DB when set and not empty; else records.sqlite in the user's data folder
// (platform::UserDataFolder: $XDG_DATA_HOME/kalodaya, $HOME/.local/share/kalodaya, or on
// Windows %LOCALAPPDATA%\Kalodaya). Nothing when there is no such folder.
std::optional<std::filesystem::path> DefaultRecordsPath(
    const EnvironmentLookup& environment = platform::Environment);

}  // namespace kalodaya::records
