#pragma once
// The paper the pages are laid out for: Letter where the user's locale uses it, A4 elsewhere.
#include <QLocale>
#include <QPageSize>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kalodaya::ui::print {

enum class Paper { A4, Letter };

// Letter in the territories whose standard paper it is (the United States, Canada, Mexico,
// most of Central America, Colombia, Venezuela, Chile and the Philippines), A4 elsewhere.
Paper PaperForTerritory(QLocale::Territory territory);

// The paper of the user's locale: the locale that governs paper (LC_ALL, then LC_PAPER, then
// LANG, as the C library reads them), or Qt's system locale when none is set.
Paper UserPaper(const std::function<std::string(const char*)>& env);
Paper UserPaper();

QPageSize PageSizeOf(Paper paper);

// "a4" or "letter", in any case.
std::optional<Paper> PaperNamed(std::string_view name);

}  // namespace kalodaya::ui::print
