#pragma once
// The installed atlas, read when a place is first asked for and kept for the rest of the
// process; the threads of a batch and the form's place lookup share it. It never changes once
// read.
#include <memory>

#include "astro/atlas/atlas.h"

namespace kalodaya {

const atlas::Expected<std::shared_ptr<const atlas::Atlas>>& InstalledAtlas();

}  // namespace kalodaya
