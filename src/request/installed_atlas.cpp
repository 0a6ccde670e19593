#include "request/installed_atlas.h"

namespace kalodaya {

const atlas::Expected<std::shared_ptr<const atlas::Atlas>>& InstalledAtlas() {
    static const auto loaded = atlas::Atlas::LoadInstalled();
    return loaded;
}

}  // namespace kalodaya
