#pragma once
// The entry form's coordinate boxes as numbers: what the user typed, read once into the
// request, and a request's numbers shown in them.
#include <optional>

class QLineEdit;

namespace kalodaya::ui {

// The box's number; none while it holds nothing (or anything but a whole number, which its
// key filter does not let in).
std::optional<int> BoxValue(const QLineEdit& box);
void ShowBoxValue(QLineEdit& box, const std::optional<int>& value);

}  // namespace kalodaya::ui
