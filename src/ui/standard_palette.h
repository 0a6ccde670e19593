#pragma once
// The desktop's own colours for the few parts of the slate windows that keep them (menu bar,
// tab captions, the text boxes' scroll bars).
#include <QPalette>

namespace kalodaya::ui {

// The application's palette with every role set explicitly, so that nothing of a parent's
// slate palette is inherited.
QPalette StandardPalette();

}  // namespace kalodaya::ui
