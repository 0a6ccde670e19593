// The system seam: what the layers above rely on being the same on every system.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "base/platform/bytes.h"
#include "base/platform/files.h"
#include "base/platform/system.h"

namespace kalodaya::platform {
namespace {

namespace fs = std::filesystem;

TEST(Platform, FindBytesFindsTheFirstOccurrence) {
    static constexpr char kKeys[] = "delhi\nnew delhi\n\0x\nkrak\xC3\xB3w\n";
    const std::string keys(kKeys, sizeof kKeys - 1);
    const struct {
        std::string_view needle;
        std::size_t at;  // npos: not found
    } cases[] = {
        {"delhi", 0},
        {"new", 6},
        {"delhi\n", 0},
        {" delhi", 9},
        {"\ndelhi", std::string::npos},
        {std::string_view("\0x", 2), 16},
        {"krak\xC3\xB3w\n", 19},
        {"krak\xC3\xB3w\n\n", std::string::npos},
        {"mumbai", std::string::npos},
    };
    for (const auto& c : cases) {
        const char* hit = FindBytes(keys.data(), keys.size(), c.needle);
        if (c.at == std::string::npos)
            EXPECT_EQ(hit, nullptr) << c.needle;
        else
            EXPECT_EQ(hit, keys.data() + c.at) << c.needle;
    }
    // A needle longer than what is left, and a search that starts inside the text.
    EXPECT_EQ(FindBytes(keys.data(), 3, "delhi"), nullptr);
    EXPECT_EQ(FindBytes(keys.data() + 1, keys.size() - 1, "delhi"), keys.data() + 10);
}

TEST(Platform, PathsKeepEveryUtf8Name) {
    const fs::path folder = fs::temp_directory_path() /
                            ("kalodaya-platform-" + std::to_string(std::chrono::steady_clock::now()
                                                                        .time_since_epoch()
                                                                        .count()));
    fs::create_directories(folder);
    for (const char* name : {"plain", "Krak\xC3\xB3w", "S\xC3\xA3o Paulo", "\xE6\x9D\xB1\xE4\xBA\xAC",
                             "Z\xC3\xBCrich 2.csv"}) {
        const fs::path path = folder / PathFromUtf8(name);
        EXPECT_EQ(Utf8(path.filename()), name);
        std::ofstream(path) << "x";
        EXPECT_EQ(StatusOf(path).kind, FileKind::Plain) << name;
        const fs::path companion = WithSuffix(path, "-wal");
        EXPECT_EQ(Utf8(companion.filename()), std::string(name) + "-wal");
        EXPECT_EQ(companion.parent_path(), folder);
        EXPECT_EQ(StatusOf(companion).kind, FileKind::Missing) << name;
        EXPECT_EQ(StatusOf(companion).error, 0) << name;
        EXPECT_EQ(ReadError(companion), 0) << name;
    }
    EXPECT_EQ(StatusOf(folder).kind, FileKind::Folder);
    EXPECT_EQ(ReadError(folder / PathFromUtf8("plain")), 0);
    std::error_code ec;
    fs::remove_all(folder, ec);
}

TEST(Platform, TheUserDataFolderFollowsTheSystemsRules) {
    using Env = std::map<std::string, std::string>;
    const auto folderWith = [](Env env) {
        return UserDataFolder([env](const char* name) -> std::optional<std::string> {
            const auto it = env.find(name);
            if (it == env.end()) return std::nullopt;
            return it->second;
        });
    };
    const struct {
        Env env;
        std::optional<fs::path> folder;
    } cases[] = {
#if defined(_WIN32)
        {{{"LOCALAPPDATA", "C:\\Users\\u\\AppData\\Local"}},
         fs::path("C:\\Users\\u\\AppData\\Local\\Kalodaya")},
        {{{"LOCALAPPDATA", "C:\\Users\\Bo\xC5\xBC""ena\\AppData\\Local"}},
         PathFromUtf8("C:\\Users\\Bo\xC5\xBC""ena\\AppData\\Local\\Kalodaya")},
        {{{"HOME", "C:\\Users\\u"}}, std::nullopt},
        {{{"LOCALAPPDATA", ""}}, std::nullopt},
#else
        {{{"HOME", "/home/u"}}, fs::path("/home/u/.local/share/kalodaya")},
        {{{"HOME", "/home/u"}, {"XDG_DATA_HOME", "/data"}}, fs::path("/data/kalodaya")},
        {{{"HOME", "/home/u"}, {"XDG_DATA_HOME", "relative"}},
         fs::path("/home/u/.local/share/kalodaya")},
        {{{"HOME", ""}}, std::nullopt},
#endif
        {{}, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(folderWith(c.env), c.folder);
}

TEST(Platform, TheProgramFileIsThisTest) {
    const auto program = ProgramFile();
    ASSERT_TRUE(program);
    EXPECT_TRUE(fs::is_regular_file(*program));
    EXPECT_NE(Utf8(program->filename()).find("kalodaya_base_tests"), std::string::npos);
    EXPECT_GE(AvailableCores(), 1);
}

}  // namespace
}  // namespace kalodaya::platform
