#include "ui/about_box.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "ui/app_icon.h"
#include "ui/link_label.h"
#include "ui/product_config.h"
#include "ui/ui_language.h"
#include "ui/ui_style.h"
#include "ui/web_links.h"

namespace kalodaya::ui {
namespace {

constexpr int kClientWidth = 6495, kClientHeight = 3915;
constexpr int kTextLeft = 1080, kTextWidth = 5250;

QLabel* AddText(QWidget* parent, QLabel* label, const QString& name, const QFont& font,
                int top) {
    label->setParent(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setWordWrap(true);
    label->setGeometry(Px(kTextLeft), Px(top), Px(kTextWidth),
                       label->heightForWidth(Px(kTextWidth)));
    return label;
}

}  // namespace

AboutBox::AboutBox(Services& services, QWidget* parent, Language language)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(kCaption);
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    QPalette p = palette();
    p.setColor(QPalette::Window, kSlate);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    const QFont plain = NamedFont(QStringLiteral("MS Sans Serif"), 8.25);
    setFont(plain);
    setFixedSize(Px(kClientWidth), Px(kClientHeight));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setPixmap(AppIcon().pixmap(48, 48));
    icon->setGeometry(Px(240), Px(240), 48, 48);

    AddText(this, new QLabel(kCaption), QStringLiteral("titleLabel"), Verdana(9.75, true), 240);
    AddText(this, new QLabel(kDescription), QStringLiteral("descriptionLabel"), plain, 600);

    // The place atlas's data is GeoNames', used under its licence, which asks for this credit.
    AddText(this, new QLabel(kAtlasCredit), QStringLiteral("atlasCredit"), plain, 1680);

    auto* home = new LinkLabel(config::kMakerSiteCaption);
    AddText(this, home, QStringLiteral("homePageLink"),
            NamedFont(QStringLiteral("MS Sans Serif"), 8.25, true, true), 2160);
    home->setWordWrap(false);
    home->adjustSize();
    connect(home, &LinkLabel::clicked, this, [this] { OpenHomePage(*services_.browser); });

    AddText(this, new QLabel(config::Shown(config::kAboutCoBrandLine)), QStringLiteral("coBrandLine"), plain,
            2640);
    auto* cobrand = new LinkLabel(config::Shown(config::kAboutCoBrandLink));
    AddText(this, cobrand, QStringLiteral("coBrandLink"),
            NamedFont(QStringLiteral("MS Sans Serif"), 8.25, true, true), 2880);
    cobrand->setWordWrap(false);
    cobrand->adjustSize();
    connect(cobrand, &LinkLabel::clicked, this, [this] { OpenFullBrandPage(*services_.browser); });

    AddText(this, new QLabel(kLicence), QStringLiteral("licenceLabel"), plain, 3120);

    auto* ok = new QPushButton(QCoreApplication::translate("kalodaya::ui::AboutBox", "OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setFont(Verdana(8.25, true));
    QPalette bp = ok->palette();
    bp.setColor(QPalette::Button, Qt::white);
    bp.setColor(QPalette::ButtonText, Qt::black);
    ok->setPalette(bp);
    ok->setGeometry(TwipRect(5070, 3360, 1260, 345));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // The translation's status under the button, the box grown to hold it.
    if (language != Language::En) {
        QLabel* status = AddText(this, new QLabel(LanguageName(language) + QStringLiteral(": ") +
                                                  TranslationStatus(language)),
                                 QStringLiteral("translationStatus"), plain, kClientHeight - 60);
        setFixedSize(Px(kClientWidth), status->geometry().bottom() + Px(180));
    }
}

void ShowAboutBox(Services& services, QWidget* parent, Language language) {
    AboutBox about(services, parent, language);
    about.exec();
}

}  // namespace kalodaya::ui
