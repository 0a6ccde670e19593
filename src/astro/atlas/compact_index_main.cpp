// kalodaya_atlas_index DATA_FOLDER OUTPUT: writes the compact index of the atlas places
// (places.idx) at build time, so that programs load the places without parsing places.tsv.
#include <cstdio>
#include <fstream>

#include "astro/atlas/atlas.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kalodaya_atlas_index DATA_FOLDER OUTPUT\n");
        return 2;
    }
    const auto index = kalodaya::atlas::Atlas::MakeCompactIndex(argv[1]);
    if (!index) {
        std::fprintf(stderr, "kalodaya_atlas_index: %s\n", index.error().message.c_str());
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(index->data(), static_cast<std::streamsize>(index->size()));
    if (!out.flush()) {
        std::fprintf(stderr, "kalodaya_atlas_index: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
