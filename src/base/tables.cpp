#include "base/tables.h"

namespace kalodaya {
namespace {

// Every sign code finds its own sign, and its slot holds no other.
constexpr bool EveryCodeFindsItsSign() {
    for (int i = 0; i < kSignCount; ++i) {
        const auto slot = detail::SignCodeSlot(detail::PackSignCode(kSignCodes[i]));
        if (detail::kSignOfSlot[slot] != i) return false;
    }
    return true;
}
static_assert(EveryCodeFindsItsSign());

}  // namespace
}  // namespace kalodaya
