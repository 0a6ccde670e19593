#pragma once
// The entry form's coordinate boxes as numbers. A number shown in a box (a saved record's, an
// atlas place's) is kept with it and read back as that number while the box still shows it;
// what the user types is read as typed.
#include <optional>

class QLineEdit;

namespace kalodaya::ui {

// The box's number; none while it holds nothing (or anything but a whole number, which its
// key filter does not let in).
std::optional<int> BoxValue(const QLineEdit& box);
void ShowBoxValue(QLineEdit& box, const std::optional<int>& value);

}  // namespace kalodaya::ui
