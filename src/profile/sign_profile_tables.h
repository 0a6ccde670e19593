#pragma once
// The 28 profile arrays of the twelve signs, held for the whole run.
#include <array>
#include <string>

#include "core/result_texts.h"
#include "core/tables.h"

namespace kalodaya {

// Slots 0..11 hold the signs in sign order; the thirteenth slot is never filled.
inline constexpr int kProfileSlotCount = kSignCount + 1;

using SignProfileArray = std::array<std::string, kProfileSlotCount>;
// Indexed by ProfileArray (profile/sign_profile.h), then by slot.
using SignProfileArrays = std::array<SignProfileArray, kProfileFieldCount>;

// Assigns all 28 x 12 values in array order, each array in sign order. Calling it again
// reassigns the same values.
void LoadSignProfiles();

// The arrays as they stand: every value empty until the first LoadSignProfiles.
const SignProfileArrays& SignProfiles();

}  // namespace kalodaya
