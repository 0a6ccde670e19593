#include "profile/sign_profile.h"

#include "profile/sign_profile_tables.h"

namespace kalodaya {

void PresentSignProfile(AppState& state) {
    // The arrays are constant: loading them again would assign the same 336 values on every
    // request, so they are loaded once.
    static const bool loaded = (LoadSignProfiles(), true);
    (void)loaded;
    const SignProfileArrays& arrays = SignProfiles();
    // The search stops one short of the spare slot, so only a real sign is ever presented.
    for (int i = 0; i < kProfileSlotCount - 1; ++i) {
        if (state.chart.GhatiLagnaSign != i) continue;
        for (int a = 0; a < kProfileFieldCount; ++a) state.view.profile[a] = arrays[a][i];
        state.view.profileSign = i;
        return;
    }
}

}  // namespace kalodaya
