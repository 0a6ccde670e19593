#include "ui/coordinate_boxes.h"

#include <QLineEdit>
#include <QVariant>

#include "base/text_convert.h"

namespace kalodaya::ui {
namespace {

// The number a box was given and the text it showed for it.
constexpr const char* kShownValue = "shownValue";
constexpr const char* kShownText = "shownText";

}  // namespace

std::optional<int> BoxValue(const QLineEdit& box) {
    const QVariant shown = box.property(kShownValue);
    if (shown.isValid() && box.text() == box.property(kShownText).toString()) return shown.toInt();
    return ToInteger(box.text().toStdString());
}

void ShowBoxValue(QLineEdit& box, const std::optional<int>& value) {
    const QString text = value ? QString::number(*value) : QString();
    box.setText(text);
    box.setProperty(kShownValue, value ? QVariant(*value) : QVariant());
    box.setProperty(kShownText, text);
}

}  // namespace kalodaya::ui
