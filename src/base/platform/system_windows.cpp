// The system seam on Windows: wide (UTF-16) system calls, UTF-8 everywhere else.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <thread>

#include "base/platform/system.h"

namespace kalodaya::platform {

namespace fs = std::filesystem;

namespace {

std::wstring Wide(std::string_view text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

}  // namespace

int AvailableCores() {
    DWORD_PTR process = 0, system = 0;
    if (GetProcessAffinityMask(GetCurrentProcess(), &process, &system) && process != 0)
        return std::popcount(static_cast<unsigned long long>(process));
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

std::optional<std::string> Environment(const char* name) {
    const wchar_t* value = _wgetenv(Wide(name).c_str());
    if (!value) return std::nullopt;
    return Narrow(value);
}

std::optional<fs::path> ProgramFile() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (size == 0) return std::nullopt;
        if (size < name.size()) {
            name.resize(size);
            return fs::path(name);
        }
        name.resize(name.size() * 2);
    }
}

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    localtime_s(&local, &when);
    return local;
}

std::optional<fs::path> UserDataFolder(const EnvironmentLookup& environment) {
    if (auto local = environment("LOCALAPPDATA"); local && !local->empty())
        return PathFromUtf8(*local) / "Kalodaya";
    return std::nullopt;
}

const char* NoDataFolderReason() { return "LOCALAPPDATA is not set"; }

// The narrow arguments are in the ANSI code page, which cannot hold every name: the wide
// command line is read again instead.
std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return {argv, argv + argc};
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(Narrow(wide[i]));
    LocalFree(wide);
    return arguments;
}

fs::path PathFromUtf8(std::string_view text) { return fs::path(Wide(text)); }

std::string Utf8(const fs::path& path) { return Narrow(path.native()); }

fs::path WithSuffix(const fs::path& path, std::string_view suffix) {
    return fs::path(path.native() + Wide(suffix));
}

}  // namespace kalodaya::platform
