#pragma once
// The program's icon: a small square chart, drawn rather than loaded.
#include <QIcon>

namespace kalodaya::ui {

QIcon AppIcon();

}  // namespace kalodaya::ui
