#pragma once
// The modal About box.
#include <QDialog>

namespace kalodaya::ui {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Kalodaya v1.20");
    static inline const QString kDescription = QStringLiteral(
        "Kalodaya is a special Lagna (Ascendant) calculated on the basis of Vedic Astrology. "
        "Ghati Lagna signifies the importance of self in terms of fame, power, authority and "
        "status. This is important for analysis of progress in career, power of politicians "
        "etc.");
    static inline const QString kAtlasCredit = QStringLiteral(
        "Place data: GeoNames (geonames.org), CC BY 4.0. Time zones: the IANA tz database.");

    explicit AboutBox(QWidget* parent = nullptr);
};

// Shows the About box modally over `parent` and returns when the user closes it.
void ShowAboutBox(QWidget* parent);

}  // namespace kalodaya::ui
