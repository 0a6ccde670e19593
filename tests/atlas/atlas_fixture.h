#pragma once
// The committed atlas, loaded once for all tests of the process.
#include <gtest/gtest.h>

#include "astro/atlas/atlas.h"

namespace kalodaya::atlas::testing {

inline const Atlas& TheAtlas() {
    static const std::shared_ptr<const Atlas> atlas = [] {
        auto loaded = Atlas::Load(KALODAYA_ATLAS_DATA_DIR);
        if (!loaded) ADD_FAILURE() << loaded.error().message;
        return loaded ? *loaded : nullptr;
    }();
    if (!atlas) std::abort();
    return *atlas;
}

inline CivilTime At(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
    return {year, month, day, hour, minute, second};
}

}  // namespace kalodaya::atlas::testing
