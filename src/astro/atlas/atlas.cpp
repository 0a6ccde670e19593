#include "astro/atlas/atlas.h"

#include "astro/atlas/atlas_check.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "base/platform/system.h"

namespace kalodaya::atlas {
namespace {

constexpr const char* kPlacesFile = "places.tsv";
constexpr const char* kRegionsFile = "regions.tsv";
constexpr const char* kZonesFile = "zones.tsv";

Expected<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return AtlasError{"Cannot open the atlas file " + platform::Utf8(path) + "."};
    std::string text;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > 0) text.resize(static_cast<std::size_t>(size));
    if (!in.read(text.data(), static_cast<std::streamsize>(text.size())))
        return AtlasError{"Cannot read the atlas file " + platform::Utf8(path) + "."};
    return text;
}

bool HoldsAtlas(const std::filesystem::path& directory) {
    std::error_code error;
    for (const char* file : {kPlacesFile, kRegionsFile, kZonesFile})
        if (!std::filesystem::is_regular_file(directory / file, error)) return false;
    return true;
}

}  // namespace

Expected<std::shared_ptr<const Atlas>> Atlas::Load(const std::filesystem::path& directory) {
    auto zonesText = ReadWholeFile(directory / kZonesFile);
    if (!zonesText) return zonesText.error();
    if (auto damaged = CheckAtlasFile(kZonesFile, *zonesText)) return *damaged;
    auto zones = ZoneHistory::Parse(*zonesText);
    if (!zones) return zones.error();
    auto placesText = ReadWholeFile(directory / kPlacesFile);
    if (!placesText) return placesText.error();
    if (auto damaged = CheckAtlasFile(kPlacesFile, *placesText)) return *damaged;
    auto regionsText = ReadWholeFile(directory / kRegionsFile);
    if (!regionsText) return regionsText.error();
    if (auto damaged = CheckAtlasFile(kRegionsFile, *regionsText)) return *damaged;
    auto places = PlaceIndex::Parse(std::move(*placesText), std::move(*regionsText), *zones);
    if (!places) return places.error();
    return std::make_shared<const Atlas>(std::move(*zones), std::move(*places));
}

Expected<std::shared_ptr<const Atlas>> Atlas::LoadInstalled() {
    const auto directory = FindAtlasDirectory();
    if (!directory) {
        std::string searched;
        for (const auto& folder : AtlasSearchPath()) searched += "\n  " + platform::Utf8(folder);
        return AtlasError{"The place atlas is not installed; looked in:" + searched};
    }
    return Load(*directory);
}

std::vector<std::filesystem::path> AtlasSearchPath() {
    if (auto chosen = platform::Environment("KALODAYA_ATLAS_DIR"); chosen && !chosen->empty())
        return {platform::PathFromUtf8(*chosen)};
    std::vector<std::filesystem::path> folders;
    if (const auto program = platform::ProgramFile())
        folders.push_back((program->parent_path() / KALODAYA_ATLAS_FROM_PROGRAM).lexically_normal());
    folders.emplace_back(KALODAYA_ATLAS_INSTALL_DIR);
    folders.emplace_back(KALODAYA_ATLAS_SOURCE_DIR);
    return folders;
}

std::optional<std::filesystem::path> FindAtlasDirectory() {
    for (const auto& folder : AtlasSearchPath())
        if (HoldsAtlas(folder)) return folder;
    return std::nullopt;
}

}  // namespace kalodaya::atlas
