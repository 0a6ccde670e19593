#include "cli/find_place.h"

#include "astro/atlas/atlas.h"
#include "chart/place_json.h"

namespace kalodaya::cli {

int RunFindPlace(std::string_view text, long long limit, std::ostream& out, std::ostream& err) {
    constexpr int kExitUnusable = 2;
    if (limit < 1) {
        err << "kalodaya-chart: --limit must be 1 or more\n";
        return kExitUnusable;
    }
    const auto loaded = atlas::Atlas::LoadInstalled();
    if (!loaded) {
        err << "kalodaya-chart: " << loaded.error().message << "\n";
        return kExitUnusable;
    }
    for (const atlas::Place& place :
         (*loaded)->places().Search(text, static_cast<std::size_t>(limit))) {
        out << PlaceJsonText(place) << "\n";
    }
    return 0;
}

}  // namespace kalodaya::cli
