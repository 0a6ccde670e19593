#pragma once
// The 28 profile values of each of the twelve signs, read-only for the whole run.
#include <array>
#include <string_view>

#include "base/tables.h"
#include "profile/profile_fields.h"

namespace kalodaya {

// One sign's values, indexed by ProfileArray (profile/sign_profile.h).
using SignProfileValues = std::array<std::string_view, kProfileFieldCount>;
// Indexed by sign, then by ProfileArray.
using SignProfileTable = std::array<SignProfileValues, kSignCount>;

// The table, built on first use (from any thread) and never changed afterwards.
const SignProfileTable& SignProfiles();

// The values of sign index `sign`, or nullptr outside 0..11.
const SignProfileValues* ProfileOfSign(int sign);

}  // namespace kalodaya
