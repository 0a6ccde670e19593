#include "time/retrograde.h"

namespace kalodaya {

// Placeholder until the station tables land.
bool IsRetrograde(std::string_view, const DateTime&) { return false; }

void MarkRetrogrades(AppState&) {}

}  // namespace kalodaya
