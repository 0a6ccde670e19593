// The atlas: loading it, one search keystroke over every place (target: under 30 ms, the popup
// answers each keystroke), and the offset at a birth moment.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>

#include "astro/atlas/atlas.h"
#include "astro/atlas/place_at_birth.h"

namespace {

using kalodaya::atlas::Atlas;

const Atlas& LoadedAtlas() {
    static const auto atlas = [] {
        auto loaded = Atlas::LoadInstalled();
        if (!loaded) std::abort();
        return *loaded;
    }();
    return *atlas;
}

// Loading the atlas (done once, off the form's thread, in the program): the places from the
// compact index of the build tree (target: 10 ms); with KALODAYA_ATLAS_DIR naming a folder of
// the three files alone, from the files themselves.
void BM_AtlasLoad(benchmark::State& bench) {
    const auto directory = kalodaya::atlas::FindAtlasDirectory();
    if (!directory) {
        bench.SkipWithError("no atlas");
        return;
    }
    for (auto _ : bench) benchmark::DoNotOptimize(Atlas::Load(*directory));
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond);

// The texts of keystrokes as a user types them; two letters match the most places.
constexpr std::array<const char*, 9> kKeystrokes = {
    "ch", "che", "chen", "chennai", "sa", "ma", "san fr", "zü", "new york, us"};

void BM_SearchKeystroke(benchmark::State& bench) {
    const Atlas& atlas = LoadedAtlas();
    const char* query = kKeystrokes[static_cast<std::size_t>(bench.range(0))];
    bench.SetLabel(query);
    for (auto _ : bench) benchmark::DoNotOptimize(atlas.places().Search(query, 10));
}
BENCHMARK(BM_SearchKeystroke)->DenseRange(0, kKeystrokes.size() - 1)->Unit(benchmark::kMillisecond);

void BM_OffsetAtBirth(benchmark::State& bench) {
    const Atlas& atlas = LoadedAtlas();
    const auto chennai = atlas.places().FindByGeonamesId(1264527);
    const kalodaya::atlas::CivilTime clock{1975, 1, 15, 6, 0, 0};
    for (auto _ : bench)
        benchmark::DoNotOptimize(kalodaya::atlas::ResolvePlaceAtBirth(atlas, *chennai, clock));
}
BENCHMARK(BM_OffsetAtBirth);

}  // namespace
