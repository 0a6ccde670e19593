#pragma once
// What the tests ask of the operating system, for Linux and Windows alike: a fresh temporary
// folder and a change to the environment.
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace kalodaya::testing {

// A new folder under the system's temporary folder, named `prefix` and random letters.
inline std::filesystem::path MakeTemporaryFolder(const std::string& prefix) {
    namespace fs = std::filesystem;
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 pick(seed());
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string name = prefix + "-";
        for (int i = 0; i < 8; ++i) name += kLetters[pick() % (sizeof kLetters - 1)];
        std::error_code ec;
        const fs::path folder = fs::temp_directory_path() / name;
        if (fs::create_directory(folder, ec) && !ec) {
            fs::permissions(folder, fs::perms::owner_all, ec);
            return folder;
        }
    }
    std::abort();
}

// Sets `name` to `value`, or unsets it when `value` is null.
inline void SetEnvironment(const char* name, const char* value) {
#if defined(_WIN32)
    _putenv_s(name, value ? value : "");
#else
    if (value)
        ::setenv(name, value, 1);
    else
        ::unsetenv(name);
#endif
}

}  // namespace kalodaya::testing
