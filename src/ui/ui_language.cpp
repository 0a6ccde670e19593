#include "ui/ui_language.h"

#include <QActionGroup>
#include <QCoreApplication>

#include "profile/text_keys.h"
#include "ui/update_reminder.h"

namespace kalodaya::ui {
namespace {

const QString kLanguageKey = QStringLiteral("language");

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The translation file's name: Qt wants a locale name, so en-sa is en_SA.
QString TranslationFile(Language language) {
    QString code = Q(CodeOfLanguage(language));
    code.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (code == QStringLiteral("en_sa")) code = QStringLiteral("en_SA");
    return QStringLiteral(":/i18n/kalodaya_%1.qm").arg(code);
}

}  // namespace

Language LanguageOfLocaleName(const QString& localeName) {
    const QString language = localeName.section(QLatin1Char('_'), 0, 0)
                                 .section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('-'), 0, 0)
                                 .toLower();
    for (Language candidate : {Language::Hi, Language::Ta, Language::Te, Language::Kn})
        if (language == Q(CodeOfLanguage(candidate))) return candidate;
    return Language::En;
}

Language StartLanguage(QSettings& settings) {
    const QString stored = settings.value(kLanguageKey).toString();
    if (const auto language = LanguageOfCode(stored.toStdString())) return *language;
    return LanguageOfLocaleName(QLocale::system().name());
}

void StoreLanguage(QSettings& settings, Language language) {
    settings.setValue(kLanguageKey, Q(CodeOfLanguage(language)));
}

std::unique_ptr<QSettings> LanguageSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       kReminderOrganisation, kReminderApplication);
}

QString LanguageName(Language language) {
    return Q(Text(language, text_key::kName));
}

QString TranslationStatus(Language language) {
    return Q(Text(language, text_key::kStatus));
}

WidgetTranslation::~WidgetTranslation() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

bool WidgetTranslation::Install(Language language) {
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
        translator_.reset();
    }
    if (language == Language::En) return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(TranslationFile(language))) return false;
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
    return true;
}

QMenu* BuildLanguageMenu(QWidget* parent, Language current,
                         const std::function<void(Language)>& chosen) {
    auto* menu = new QMenu(QCoreApplication::translate("LanguageMenu", "&Language"), parent);
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu);
    for (int i = 0; i < kLanguageCount; ++i) {
        const auto language = static_cast<Language>(i);
        QAction* action = menu->addAction(LanguageName(language));
        action->setObjectName(QStringLiteral("language_") + Q(kLanguageCodes[i]));
        action->setCheckable(true);
        action->setChecked(language == current);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu,
                         [chosen, language] { chosen(language); });
    }
    return menu;
}

}  // namespace kalodaya::ui
