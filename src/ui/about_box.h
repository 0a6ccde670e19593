#pragma once
// The modal About box.
#include <QCoreApplication>
#include <QDialog>

#include "profile/language_texts.h"
#include "ui/services.h"

namespace kalodaya::ui {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Kalodaya v1.20");
    // The box's texts, in English here and shown in the program's language.
    static constexpr const char* kDescription = QT_TRANSLATE_NOOP(
        "kalodaya::ui::AboutBox",
        "Kalodaya is a special Lagna (Ascendant) calculated on the basis of Vedic Astrology. "
        "Ghati Lagna signifies the importance of self in terms of fame, power, authority and "
        "status. This is important for analysis of progress in career, power of politicians "
        "etc.");
    static constexpr const char* kAtlasCredit = QT_TRANSLATE_NOOP(
        "kalodaya::ui::AboutBox",
        "Place data: GeoNames (geonames.org), CC BY 4.0. Time zones: the IANA tz database.");
    // The program's licence, and the Swiss Ephemeris' that it carries.
    static constexpr const char* kLicence = QT_TRANSLATE_NOOP(
        "kalodaya::ui::AboutBox", "Licence: AGPL-3.0-or-later. Swiss Ephemeris: Astrodienst, AGPL.");

    // In a language other than English the box says, in it, how far its translation has come.
    explicit AboutBox(Services& services, QWidget* parent = nullptr,
                      Language language = Language::En);

private:
    Services& services_;
};

// Shows the About box modally over `parent` and returns when the user closes it.
void ShowAboutBox(Services& services, QWidget* parent, Language language = Language::En);

}  // namespace kalodaya::ui
