#pragma once
// Digits typed into a list of numbers (day, year, hour, minute, second) select the number
// typed, whether the list is closed or open: "1" then "5" gives 15, and with hour 14 shown,
// "2" gives 2. Qt's own search would step to the next entry starting with the digit (16, 20).
// Digits typed within the desktop's keyboard interval of each other make one number; a digit
// that no entry of the list can follow starts a new one.
class QComboBox;

namespace kalodaya::ui {

void InstallNumberTyping(QComboBox* list);

}  // namespace kalodaya::ui
