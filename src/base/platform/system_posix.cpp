// The system seam on Linux and other POSIX systems.
#include <sched.h>

#include <algorithm>
#include <cstdlib>
#include <thread>

#include "base/platform/system.h"

namespace kalodaya::platform {

namespace fs = std::filesystem;

int AvailableCores() {
#if defined(__linux__)
    cpu_set_t cores;
    if (sched_getaffinity(0, sizeof cores, &cores) == 0 && CPU_COUNT(&cores) > 0)
        return CPU_COUNT(&cores);
#endif
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
}

std::optional<fs::path> ProgramFile() {
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    return program;
}

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return local;
}

std::optional<fs::path> UserDataFolder(const EnvironmentLookup& environment) {
    if (auto data = environment("XDG_DATA_HOME"); data && fs::path(*data).is_absolute())
        return fs::path(*data) / "kalodaya";
    if (auto home = environment("HOME"); home && !home->empty())
        return fs::path(*home) / ".local" / "share" / "kalodaya";
    return std::nullopt;
}

const char* NoDataFolderReason() { return "HOME is not set"; }

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv, argv + argc}; }

fs::path PathFromUtf8(std::string_view text) { return fs::path(text); }

std::string Utf8(const fs::path& path) { return path.string(); }

fs::path WithSuffix(const fs::path& path, std::string_view suffix) {
    return fs::path(path.native() + std::string(suffix));
}

}  // namespace kalodaya::platform
