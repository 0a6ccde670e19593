#pragma once
// How many values a sign's profile has (the names and order are in profile/sign_profile.h).
namespace kalodaya {

inline constexpr int kProfileFieldCount = 28;

}  // namespace kalodaya
