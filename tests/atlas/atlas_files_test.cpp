// Finding and reading the atlas files, and their faults.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "astro/atlas/atlas.h"
#include "base/platform/system.h"
#include "support/test_system.h"

namespace kalodaya::atlas {
namespace {

namespace fs = std::filesystem;

class ScratchFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("kalodaya-atlas-test-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    void Write(const char* file, std::string_view text) {
        std::ofstream(folder_ / file, std::ios::binary) << text;
    }
    fs::path folder_;
};

constexpr std::string_view kZones = "tzdata\t2099z\nAsia/Kolkata\t19800/0/IST\t\n";
constexpr std::string_view kRegions = "C\tIN\tIndia\nA\t1\tTamil Nadu\n";
constexpr std::string_view kPlaces =
    "# a comment\n1264527\tChennai\t13088\t80278\tIN\t1\t4681087\t0\tmadras\n";

TEST_F(ScratchFolder, LoadsASmallAtlas) {
    Write("zones.tsv", kZones);
    Write("regions.tsv", kRegions);
    Write("places.tsv", kPlaces);
    const auto atlas = Atlas::Load(folder_);
    ASSERT_TRUE(atlas) << atlas.error().message;
    EXPECT_EQ((*atlas)->places().size(), 1u);
    EXPECT_EQ((*atlas)->zones().tzdataVersion(), "2099z");
    const auto place = (*atlas)->places().BestMatch("madras, tamil");
    ASSERT_TRUE(place);
    EXPECT_EQ(place->state, "Tamil Nadu");
    EXPECT_EQ(place->timeZone, "Asia/Kolkata");
}

TEST_F(ScratchFolder, MissingOrBrokenFilesAreErrors) {
    const auto missing = Atlas::Load(folder_);
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().message.find("zones.tsv"), std::string::npos);

    Write("zones.tsv", kZones);
    Write("regions.tsv", kRegions);
    Write("places.tsv", "1\tNowhere\t0\t0\tXX\t\t0\t0\t\n");  // unknown country
    const auto unknownCountry = Atlas::Load(folder_);
    ASSERT_FALSE(unknownCountry);
    EXPECT_NE(unknownCountry.error().message.find("places.tsv line 1"), std::string::npos);

    Write("places.tsv", "1\tNowhere\t0\t0\tIN\t\t0\t7\t\n");  // zone 7 of 1
    EXPECT_FALSE(Atlas::Load(folder_));
    Write("places.tsv", "1\tNowhere\tnorth\t0\tIN\t\t0\t0\t\n");
    EXPECT_FALSE(Atlas::Load(folder_));
    Write("places.tsv", "1\tNowhere\t0\t0\tIN\t25");  // cut short
    EXPECT_FALSE(Atlas::Load(folder_));
}

TEST_F(ScratchFolder, TheEnvironmentChoosesTheOnlyFolder) {
    kalodaya::testing::SetEnvironment("KALODAYA_ATLAS_DIR", platform::Utf8(folder_).c_str());
    EXPECT_EQ(AtlasSearchPath(), std::vector<fs::path>{folder_});
    EXPECT_FALSE(FindAtlasDirectory());  // empty: no quiet fall-back to another atlas
    Write("zones.tsv", kZones);
    Write("regions.tsv", kRegions);
    Write("places.tsv", kPlaces);
    const auto found = FindAtlasDirectory();
    kalodaya::testing::SetEnvironment("KALODAYA_ATLAS_DIR", nullptr);
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, folder_);
}

TEST(AtlasFiles, InstalledFoldersComeBeforeTheSourceTree) {
    const auto path = AtlasSearchPath();
    ASSERT_EQ(path.size(), 3u);
#if defined(_WIN32)
    // The folder atlas beside the program, as the Windows zip unpacks.
    EXPECT_EQ(path[0].filename(), "atlas");
    EXPECT_EQ(path[0].parent_path(), platform::ProgramFile()->parent_path());
#else
    // share/kalodaya/atlas beside this program's folder, as after an install to any prefix.
    EXPECT_EQ(path[0].parent_path().filename(), "kalodaya");
    EXPECT_EQ(path[0].parent_path().parent_path().filename(), "share");
#endif
    EXPECT_EQ(path[2].filename(), "data");
}

TEST(AtlasFiles, TheBuildTreeFindsTheCommittedAtlas) {
    const auto atlas = Atlas::LoadInstalled();
    ASSERT_TRUE(atlas) << atlas.error().message;
    EXPECT_TRUE((*atlas)->places().BestMatch("Chennai"));
}

}  // namespace
}  // namespace kalodaya::atlas
