#pragma once
// The desktop's language: the system locale's on the first start, then the one chosen in the
// Language menu, kept in the settings. Widget texts come from Qt Linguist translations
// (translations/kalodaya_<code>.ts, built into the program); the chart's texts from the
// language files, through the chart's options.
#include <QMenu>
#include <QSettings>
#include <QString>
#include <QTranslator>
#include <functional>
#include <memory>

#include "profile/language_texts.h"

namespace kalodaya::ui {

// "hi_IN", "ta", "te_IN.UTF-8" -> that language; anything else -> English.
Language LanguageOfLocaleName(const QString& localeName);

// The stored choice (its code under "language"), else the system locale's language.
Language StartLanguage(QSettings& settings);
void StoreLanguage(QSettings& settings, Language language);

// The settings the choice is kept in, beside the update reminder's.
std::unique_ptr<QSettings> LanguageSettings();

// The language's own name ("தமிழ்") and how far its translation has come, in it.
QString LanguageName(Language language);
QString TranslationStatus(Language language);

// The widget texts of one language installed in the application: installing sends every
// widget a LanguageChange event. English removes the translation (the sources are English).
class WidgetTranslation {
  public:
    ~WidgetTranslation();
    // False when the language's translation is not built into the program (English texts).
    bool Install(Language language);

  private:
    std::unique_ptr<QTranslator> translator_;
};

// A "&Language" menu of the six languages, each under its own name, the current one checked;
// choosing one calls `chosen`.
QMenu* BuildLanguageMenu(QWidget* parent, Language current,
                         const std::function<void(Language)>& chosen);

}  // namespace kalodaya::ui
