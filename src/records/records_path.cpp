#include "records/records_path.h"

#include <cstdlib>

namespace kalodaya::records {

std::optional<std::string> ProcessEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
}

std::optional<std::filesystem::path> DefaultRecordsPath(const EnvironmentLookup& environment) {
    namespace fs = std::filesystem;
    if (auto chosen = environment("KALODAYA_RECORDS_DB"); chosen && !chosen->empty())
        return fs::path(*chosen);
    if (auto data = environment("XDG_DATA_HOME"); data && fs::path(*data).is_absolute())
        return fs::path(*data) / "kalodaya" / "records.sqlite";
    if (auto home = environment("HOME"); home && !home->empty())
        return fs::path(*home) / ".local" / "share" / "kalodaya" / "records.sqlite";
    return std::nullopt;
}

}  // namespace kalodaya::records
