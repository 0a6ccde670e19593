#include "ui/standard_palette.h"

#include <QApplication>

namespace kalodaya::ui {

QPalette StandardPalette() {
    QPalette p = QApplication::palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        if (r == QPalette::NoRole) continue;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(group, r, p.color(group, r));
    }
    return p;
}

}  // namespace kalodaya::ui
