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
constexpr const char* kIndexFile = "places.idx";

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

// What the compact index must have been made from: places.tsv's check line and size, read
// without reading the rest of it.
std::optional<std::string> PlacesIdentity(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    std::string line;
    if (error || !in || !std::getline(in, line)) return std::nullopt;
    return line + " size=" + std::to_string(size);
}

// The compact index of the places made at build time: beside the files where installed, in
// the build tree for the source tree's files. A cross build has none.
std::optional<std::string> CompactIndexFor(const std::filesystem::path& directory) {
    std::vector<std::filesystem::path> candidates = {directory / kIndexFile};
    std::error_code error;
    if (std::string_view(KALODAYA_ATLAS_INDEX_DIR).size() > 0 &&
        std::filesystem::equivalent(directory, KALODAYA_ATLAS_SOURCE_DIR, error))
        candidates.push_back(std::filesystem::path(KALODAYA_ATLAS_INDEX_DIR) / kIndexFile);
    for (const auto& path : candidates) {
        if (!std::filesystem::is_regular_file(path, error)) continue;
        auto text = ReadWholeFile(path);
        if (text) return std::move(*text);
    }
    return std::nullopt;
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
    auto regionsText = ReadWholeFile(directory / kRegionsFile);
    if (!regionsText) return regionsText.error();
    if (auto damaged = CheckAtlasFile(kRegionsFile, *regionsText)) return *damaged;
    // The compact index stands for places.tsv only while it was made from the file as it is
    // (its check line and size); otherwise, or damaged, the file itself is read and checked.
    if (auto index = CompactIndexFor(directory)) {
        if (const auto identity = PlacesIdentity(directory / kPlacesFile)) {
            auto places =
                PlaceIndex::FromCompactIndex(std::move(*index), *identity, *regionsText, *zones);
            if (places) return std::make_shared<const Atlas>(std::move(*zones), std::move(*places));
        }
    }
    auto placesText = ReadWholeFile(directory / kPlacesFile);
    if (!placesText) return placesText.error();
    if (auto damaged = CheckAtlasFile(kPlacesFile, *placesText)) return *damaged;
    auto places = PlaceIndex::Parse(std::move(*placesText), std::move(*regionsText), *zones);
    if (!places) return places.error();
    return std::make_shared<const Atlas>(std::move(*zones), std::move(*places));
}

Expected<std::string> Atlas::MakeCompactIndex(const std::filesystem::path& directory) {
    auto zonesText = ReadWholeFile(directory / kZonesFile);
    if (!zonesText) return zonesText.error();
    auto zones = ZoneHistory::Parse(*zonesText);
    if (!zones) return zones.error();
    auto regionsText = ReadWholeFile(directory / kRegionsFile);
    if (!regionsText) return regionsText.error();
    auto placesText = ReadWholeFile(directory / kPlacesFile);
    if (!placesText) return placesText.error();
    if (auto damaged = CheckAtlasFile(kPlacesFile, *placesText)) return *damaged;
    const auto identity = PlacesIdentity(directory / kPlacesFile);
    if (!identity) return AtlasError{"Cannot read the atlas file places.tsv."};
    auto places = PlaceIndex::Parse(std::move(*placesText), std::move(*regionsText), *zones);
    if (!places) return places.error();
    return places->CompactIndex(*identity);
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
