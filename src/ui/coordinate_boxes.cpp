#include "ui/coordinate_boxes.h"

#include <QLineEdit>

#include "base/text_convert.h"

namespace kalodaya::ui {

std::optional<int> BoxValue(const QLineEdit& box) {
    return ToInteger(box.text().toStdString());
}

void ShowBoxValue(QLineEdit& box, const std::optional<int>& value) {
    box.setText(value ? QString::number(*value) : QString());
}

}  // namespace kalodaya::ui
