#pragma once
// The offline atlas: places with their IANA time zones, and the zones' offset changes from
// 1800 to 2051. Loaded once from three data files; read-only afterwards, so one loaded atlas
// may serve any number of threads.
#include <filesystem>
#include <string>
#include <memory>
#include <optional>
#include <vector>

#include "astro/atlas/atlas_result.h"
#include "astro/atlas/place_index.h"
#include "astro/atlas/zone_history.h"

namespace kalodaya::atlas {

class Atlas {
  public:
    // Reads places.tsv, regions.tsv and zones.tsv from `directory`; refuses files whose check
    // line (atlas_check.h) does not match them. The places come from the compact index
    // places.idx instead (beside the files, or in the build tree for the source tree's files)
    // while it was made from places.tsv as it is: a few milliseconds instead of some thirty.
    static Expected<std::shared_ptr<const Atlas>> Load(const std::filesystem::path& directory);

    // The compact index of the places of `directory` (PlaceIndex::CompactIndex), made at build
    // time by kalodaya_atlas_index.
    static Expected<std::string> MakeCompactIndex(const std::filesystem::path& directory);

    // Loads from the first folder of AtlasSearchPath() that holds the files.
    static Expected<std::shared_ptr<const Atlas>> LoadInstalled();

    const PlaceIndex& places() const { return places_; }
    const ZoneHistory& zones() const { return zones_; }

    Atlas(ZoneHistory zones, PlaceIndex places)
        : zones_(std::move(zones)), places_(std::move(places)) {}
    Atlas(const Atlas&) = delete;
    Atlas& operator=(const Atlas&) = delete;

  private:
    ZoneHistory zones_;
    PlaceIndex places_;
};

// Where the atlas files are looked for: only the folder named by the environment variable
// KALODAYA_ATLAS_DIR when it is set; otherwise, in order, share/kalodaya/atlas beside the
// running program's bin folder (any install prefix), the configured install folder, and the
// source tree's data folder (programs run from the build tree).
std::vector<std::filesystem::path> AtlasSearchPath();

// The first folder of AtlasSearchPath() that holds the three files.
std::optional<std::filesystem::path> FindAtlasDirectory();

}  // namespace kalodaya::atlas
