// Finding and reading the atlas files, and their faults.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "astro/atlas/atlas.h"
#include "astro/atlas/atlas_check.h"
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
    // Writes `body` after the generator's check line, as the generator does.
    void Write(const char* file, std::string_view body) {
        WriteRaw(file, AtlasCheckLine(body) + "\n" + std::string(body));
    }
    void WriteRaw(const char* file, std::string_view text) {
        std::ofstream(folder_ / file, std::ios::binary) << text;
    }
    fs::path folder_;
};

constexpr std::string_view kZones = "tzdata\t2099z\nAsia/Kolkata\t19800/0/IST\t\n";
constexpr std::string_view kRegions = "C\tIN\tIndia\tin,ind,india,bharat\nA\t1\tTamil Nadu\n";
constexpr std::string_view kPlaces =
    "# a comment\n1264527\tChennai\t13088\t80278\tIN\t1\t4681087\t0\t\tmadras\n"
    "15\tMylapore\t13034\t80267\tIN\t1\t0\t0\td\tmadras mylapore\n";

TEST_F(ScratchFolder, LoadsASmallAtlas) {
    Write("zones.tsv", kZones);
    Write("regions.tsv", kRegions);
    Write("places.tsv", kPlaces);
    const auto atlas = Atlas::Load(folder_);
    ASSERT_TRUE(atlas) << atlas.error().message;
    EXPECT_EQ((*atlas)->places().size(), 2u);
    EXPECT_EQ((*atlas)->zones().tzdataVersion(), "2099z");
    const auto place = (*atlas)->places().BestMatch("madras, bharat");
    ASSERT_TRUE(place);
    EXPECT_EQ(place->name, "Chennai");
    EXPECT_EQ(place->state, "Tamil Nadu");
    EXPECT_EQ(place->timeZone, "Asia/Kolkata");
    // A section of the city comes after the city, whatever the population says.
    const auto both = (*atlas)->places().Search("madras", 5);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[1].name, "Mylapore");
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
    // Line 1 is the check line.
    EXPECT_NE(unknownCountry.error().message.find("places.tsv line 2"), std::string::npos);

    Write("places.tsv", "1\tNowhere\t0\t0\tIN\t\t0\t7\t\n");  // zone 7 of 1
    EXPECT_FALSE(Atlas::Load(folder_));
    Write("places.tsv", "1\tNowhere\tnorth\t0\tIN\t\t0\t0\t\n");
    EXPECT_FALSE(Atlas::Load(folder_));
    Write("places.tsv", "1\tNowhere\t0\t0\tIN\t25");  // cut short
    EXPECT_FALSE(Atlas::Load(folder_));
    Write("places.tsv", "1\tNowhere\t0\t0\tIN\t\t0\t0\tPPLX\t\n");  // kind is d or nothing
    EXPECT_FALSE(Atlas::Load(folder_));
    Write("places.tsv", kPlaces);
    Write("regions.tsv", "C\tIN\tIndia\n");  // a country without search keys
    EXPECT_FALSE(Atlas::Load(folder_));
}

// A damaged file must not load: a lost line would move every later GeoNames id by one.
TEST_F(ScratchFolder, DamagedFilesAreRefusedWithOneLine) {
    std::ifstream in(fs::path(KALODAYA_ATLAS_DATA_DIR) / "places.tsv", std::ios::binary);
    const std::string places((std::istreambuf_iterator<char>(in)), {});
    ASSERT_GT(places.size(), 1'000'000u);
    std::string lineLost = places;
    const std::size_t middle = lineLost.find('\n', lineLost.size() / 2) + 1;
    lineLost.erase(middle, lineLost.find('\n', middle) + 1 - middle);
    std::string byteChanged = places;
    byteChanged[byteChanged.size() / 2] ^= 1;
    const struct {
        const char* what;
        std::string text;
        const char* says;
    } cases[] = {
        {"line lost", lineLost, "118896 records where 118897 were written"},
        {"byte changed", byteChanged, "checksum does not match"},
        {"empty", "", "empty or cut short"},
        {"no check line", places.substr(places.find('\n') + 1), "not the generator's check line"},
    };
    Write("zones.tsv", kZones);
    Write("regions.tsv", kRegions);
    for (const auto& c : cases) {
        WriteRaw("places.tsv", c.text);
        const auto atlas = Atlas::Load(folder_);
        ASSERT_FALSE(atlas) << c.what;
        const std::string& message = atlas.error().message;
        EXPECT_NE(message.find("The atlas file places.tsv is damaged"), std::string::npos) << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << "one line";
    }
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
