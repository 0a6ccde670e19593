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

// The compact index beside the files: the same atlas, or the files themselves whenever the
// index is not that of places.tsv as it is.
TEST_F(ScratchFolder, TheCompactIndexLoadsTheSameAtlasOnlyForItsOwnFile) {
    Write("zones.tsv", kZones);
    Write("regions.tsv", kRegions);
    Write("places.tsv", kPlaces);
    const auto index = Atlas::MakeCompactIndex(folder_);
    ASSERT_TRUE(index) << index.error().message;
    WriteRaw("places.idx", *index);
    // The index alone is read: a body changed without changing the check line or the size
    // would be refused if the file were read.
    std::string sameSize = AtlasCheckLine(kPlaces) + "\n" + std::string(kPlaces);
    sameSize[sameSize.rfind("Mylapore") + 7] = 'a';
    WriteRaw("places.tsv", sameSize);
    const auto indexed = Atlas::Load(folder_);
    ASSERT_TRUE(indexed) << indexed.error().message;
    const auto both = (*indexed)->places().Search("madras", 5);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].name, "Chennai");
    EXPECT_EQ(both[0].state, "Tamil Nadu");
    EXPECT_EQ(both[1].name, "Mylapore");
    EXPECT_EQ(both[1].geonamesId, 1264542);
    EXPECT_TRUE((*indexed)->places().FindByGeonamesId(1264527));

    Write("places.tsv", kPlaces);
    const auto flipped = [&](std::size_t at) {
        std::string damaged = *index;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x20);
        return damaged;
    };
    const std::string kinds[] = {flipped(40), flipped(index->size() - 20),
                                 index->substr(0, index->size() - 8), std::string()};
    for (const std::string& damaged : kinds) {
        WriteRaw("places.idx", damaged);
        const auto atlas = Atlas::Load(folder_);
        ASSERT_TRUE(atlas) << atlas.error().message;  // from places.tsv
        EXPECT_EQ((*atlas)->places().size(), 2u);
    }

    // places.tsv changed after the index was made: the file is read, and a damaged one refused.
    WriteRaw("places.idx", *index);
    Write("places.tsv", std::string(kPlaces) + "9\tAdyar\t13006\t80257\tIN\t1\t0\t0\td\t\n");
    const auto changed = Atlas::Load(folder_);
    ASSERT_TRUE(changed) << changed.error().message;
    EXPECT_EQ((*changed)->places().size(), 3u);
    Write("places.tsv", kPlaces);
    std::string lineLost = AtlasCheckLine(kPlaces) + "\n# a comment\n" +
                           std::string(kPlaces.substr(kPlaces.find("15\t")));
    WriteRaw("places.tsv", lineLost);
    EXPECT_FALSE(Atlas::Load(folder_));
}

// The committed atlas, from its index and from its files: the same places, names and ranks.
TEST(AtlasFiles, TheCompactIndexOfTheCommittedAtlasMatchesItsFiles) {
    const auto directory = FindAtlasDirectory();
    ASSERT_TRUE(directory);
    const auto index = Atlas::MakeCompactIndex(*directory);
    ASSERT_TRUE(index) << index.error().message;
    const auto scratch = fs::temp_directory_path() / ("kalodaya-index-" + std::to_string(::getpid()));
    fs::create_directories(scratch);
    for (const char* file : {"places.tsv", "regions.tsv", "zones.tsv"})
        fs::copy_file(fs::path(KALODAYA_ATLAS_DATA_DIR) / file, scratch / file);
    const auto fromFiles = Atlas::Load(scratch);
    std::ofstream(scratch / "places.idx", std::ios::binary) << *index;
    {
        // As above: a changed body of the same size and check line shows the index was read.
        std::fstream places(scratch / "places.tsv", std::ios::in | std::ios::out | std::ios::binary);
        places.seekp(-2, std::ios::end);
        places.put('#');
    }
    const auto fromIndex = Atlas::Load(scratch);
    fs::remove_all(scratch);
    ASSERT_TRUE(fromFiles);
    ASSERT_TRUE(fromIndex);
    EXPECT_EQ((*fromIndex)->places().size(), (*fromFiles)->places().size());
    for (const char* query : {"ch", "chen", "madras", "munchen", "sao paulo", "zu", "new york, us",
                              "london, united kingdom", "gurugram"}) {
        const auto a = (*fromFiles)->places().Search(query, 10);
        const auto b = (*fromIndex)->places().Search(query, 10);
        ASSERT_EQ(a.size(), b.size()) << query;
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i].geonamesId, b[i].geonamesId) << query;
            EXPECT_EQ(a[i].name, b[i].name) << query;
            EXPECT_EQ(a[i].state, b[i].state) << query;
            EXPECT_EQ(a[i].timeZone, b[i].timeZone) << query;
            EXPECT_EQ(a[i].latitude, b[i].latitude) << query;
        }
    }
}

TEST(AtlasFiles, TheBuildTreeFindsTheCommittedAtlas) {
    const auto atlas = Atlas::LoadInstalled();
    ASSERT_TRUE(atlas) << atlas.error().message;
    EXPECT_TRUE((*atlas)->places().BestMatch("Chennai"));
}

}  // namespace
}  // namespace kalodaya::atlas
