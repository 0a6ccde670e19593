#include "profile/sign_profile.h"

namespace kalodaya {

// Placeholder until the profile tables land.
void PresentSignProfile(AppState&) {}

}  // namespace kalodaya
