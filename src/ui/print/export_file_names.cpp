#include "ui/print/export_file_names.h"

namespace kalodaya::ui::print {

QString ChartFileStem(const std::string& name, const std::string& isoDate) {
    QString stem;
    for (const QChar ch : QString::fromStdString(name).simplified()) {
        if (ch == QLatin1Char(' '))
            stem += QLatin1Char('_');
        else if ((ch.isLetterOrNumber() && ch.unicode() < 0x80) || ch == QLatin1Char('-') ||
                 ch == QLatin1Char('_'))
            stem += ch;
    }
    if (stem.isEmpty()) stem = QStringLiteral("chart");
    // A name longer than a file name may be is cut, not refused.
    stem.truncate(kLongestNameInFileName);
    return stem + QLatin1Char('-') + QString::fromStdString(isoDate);
}

QString RunFileNames::Next(const QString& stem, const QString& extension) {
    QString name = stem + extension;
    for (int n = 2; !used_.insert(name.toLower()).second; ++n)
        name = stem + QLatin1Char('-') + QString::number(n) + extension;
    return name;
}

}  // namespace kalodaya::ui::print
