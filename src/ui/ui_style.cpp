#include "ui/ui_style.h"

#include <QFontDatabase>

namespace kalodaya::ui {

QFont NamedFont(const QString& family, double pointSize, bool bold, bool underline, bool italic) {
    QFont font(family);
    const bool mono = family.startsWith(QStringLiteral("Courier"));
    font.setStyleHint(mono ? QFont::TypeWriter : QFont::SansSerif);
    if (!QFontDatabase::families().contains(family)) {
        // Verdana and MS Sans Serif are wide humanist sans faces; DejaVu Sans is the closest
        // common stand-in on Linux desktops.
        font.setFamilies({family, mono ? QStringLiteral("DejaVu Sans Mono")
                                       : QStringLiteral("DejaVu Sans"),
                          mono ? QStringLiteral("Liberation Mono") : QStringLiteral("Liberation Sans")});
    }
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setItalic(italic);
    return font;
}

}  // namespace kalodaya::ui
