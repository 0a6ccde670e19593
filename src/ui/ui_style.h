#pragma once
// The program's look: colours, fonts with fallbacks, and twip positions.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

namespace kalodaya::ui {

inline const QColor kSlate(75, 75, 150);
inline const QColor kCyan(0, 255, 255);
inline const QColor kLightYellow(255, 255, 192);
inline const QColor kYellow(255, 255, 0);
inline const QColor kLavender(128, 128, 255);

// 15 twips per pixel at 96 dpi; Qt scales the pixels on high-dpi screens.
constexpr int Px(int twips) { return (twips + 7) / 15; }
inline QRect TwipRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

// A named font at a point size; where the family is not installed, a close sans (or mono)
// fallback stands in.
QFont NamedFont(const QString& family, double pointSize, bool bold = false,
                bool underline = false, bool italic = false);
inline QFont Verdana(double pt, bool bold = false, bool underline = false) {
    return NamedFont(QStringLiteral("Verdana"), pt, bold, underline);
}

}  // namespace kalodaya::ui
