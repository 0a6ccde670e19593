#pragma once
// File names for exported charts, made from the person's name and birth date.
#include <QString>
#include <set>
#include <string>

namespace kalodaya::ui::print {

// The most characters of the person's name a file name keeps: with the date, a counter and
// the extension it stays well within the 255 bytes file systems allow.
inline constexpr int kLongestNameInFileName = 100;

// "RAMA-1990-08-15", blanks inside the name as underscores; "chart-1990-08-15" without a name.
// Anything but letters, digits, blanks, '-' and '_' is left out, so the stem is a plain file
// name on every system; the name is cut to kLongestNameInFileName characters.
QString ChartFileStem(const std::string& name, const std::string& isoDate);

// Hands out the names of one export run: a stem met again gets "-2", "-3", ... so that two
// charts of one run never overwrite each other.
class RunFileNames {
public:
    QString Next(const QString& stem, const QString& extension);

private:
    std::set<QString> used_;
};

}  // namespace kalodaya::ui::print
