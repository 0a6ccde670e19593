#include "lagna/special_lagnas.h"

namespace kalodaya {

// Placeholders until the special lagnas land.
void PlaceArudhaPada(AppState&, int, std::string_view) {}
void PlaceGhatiLagna(AppState&) {}
void PlaceHiddenLagnas(AppState&) {}

}  // namespace kalodaya
