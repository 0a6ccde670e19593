#include "ui/print/paper_size.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace kalodaya::ui::print {

Paper PaperForTerritory(QLocale::Territory territory) {
    static constexpr QLocale::Territory kLetterTerritories[] = {
        QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,    QLocale::Belize,
        QLocale::Guatemala,    QLocale::ElSalvador, QLocale::Honduras,  QLocale::Nicaragua,
        QLocale::CostaRica,    QLocale::Panama,     QLocale::PuertoRico, QLocale::DominicanRepublic,
        QLocale::Colombia,     QLocale::Venezuela,  QLocale::Chile,     QLocale::Philippines,
    };
    return std::find(std::begin(kLetterTerritories), std::end(kLetterTerritories), territory) !=
                   std::end(kLetterTerritories)
               ? Paper::Letter
               : Paper::A4;
}

Paper UserPaper(const std::function<std::string(const char*)>& env) {
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const std::string value = env(variable);
        if (value.empty()) continue;
        // "C" and "POSIX" name no territory: the C library's paper for them is A4.
        const QLocale locale(QString::fromStdString(value.substr(0, value.find('.'))));
        if (locale.language() == QLocale::C) return Paper::A4;
        return PaperForTerritory(locale.territory());
    }
    return PaperForTerritory(QLocale::system().territory());
}

Paper UserPaper() {
    return UserPaper([](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    });
}

QPageSize PageSizeOf(Paper paper) {
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

std::optional<Paper> PaperNamed(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    if (lower == "a4") return Paper::A4;
    if (lower == "letter") return Paper::Letter;
    return std::nullopt;
}

}  // namespace kalodaya::ui::print
