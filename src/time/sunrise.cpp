#include "time/sunrise.h"

namespace kalodaya {

// Placeholder until the sunrise computation lands: leaves the slots as they are.
SunEventStatus SunRiseSet(int, int, int, int, int, int, int, bool, int, int, bool, int, int, bool,
                          std::array<DateTime, 3>&) {
    return {true, true, false};
}

bool IsDaylightSaving(int, int, int, int, int) { return false; }

}  // namespace kalodaya
