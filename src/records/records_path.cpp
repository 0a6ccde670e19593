#include "records/records_path.h"

namespace kalodaya::records {

std::optional<std::filesystem::path> DefaultRecordsPath(const EnvironmentLookup& environment) {
    if (auto chosen = environment("KALODAYA_RECORDS_DB"); chosen && !chosen->empty())
        return platform::PathFromUtf8(*chosen);
    if (auto folder = platform::UserDataFolder(environment)) return *folder / "records.sqlite";
    return std::nullopt;
}

}  // namespace kalodaya::records
