#include "ui/about_box.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

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
constexpr int kMovedGap = 60;  // above a text moved down, as between the design's lines

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

// The texts from the top down at their design places, each moved below the one above where a
// longer translation (or a taller script) reaches down into it; `Shift` says how far the box's
// last text has moved, for the button and the box under it.
class TextColumn {
  public:
    explicit TextColumn(QWidget* parent) : parent_(parent) {}
    QLabel* Add(QLabel* label, const QString& name, const QFont& font, int top) {
        QLabel* added = AddText(parent_, label, name, font, top);
        if (added->y() < bottom_) added->move(added->x(), bottom_ + Px(kMovedGap));
        shift_ = added->y() - Px(top);
        bottom_ = added->geometry().bottom() + 1;
        return added;
    }
    int Shift() const { return shift_; }

  private:
    QWidget* parent_;
    int bottom_ = 0, shift_ = 0;
};

QString Translated(const char* text) {
    return QCoreApplication::translate("kalodaya::ui::AboutBox", text);
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

    TextColumn column(this);
    column.Add(new QLabel(kCaption), QStringLiteral("titleLabel"), Verdana(9.75, true), 240);
    column.Add(new QLabel(Translated(kDescription)), QStringLiteral("descriptionLabel"), plain, 600);

    // The place atlas's data is GeoNames', used under its licence, which asks for this credit.
    column.Add(new QLabel(Translated(kAtlasCredit)), QStringLiteral("atlasCredit"), plain, 1680);

    auto* home = new LinkLabel(config::kMakerSiteCaption);
    home->setWordWrap(false);
    column.Add(home, QStringLiteral("homePageLink"),
               NamedFont(QStringLiteral("MS Sans Serif"), 8.25, true, true), 2160);
    home->resize(home->sizeHint());
    connect(home, &LinkLabel::clicked, this, [this] { OpenHomePage(*services_.browser); });

    column.Add(new QLabel(config::Shown(config::kAboutCoBrandLine)), QStringLiteral("coBrandLine"),
               plain, 2640);
    auto* cobrand = new LinkLabel(config::Shown(config::kAboutCoBrandLink));
    column.Add(cobrand, QStringLiteral("coBrandLink"),
               NamedFont(QStringLiteral("MS Sans Serif"), 8.25, true, true), 2880);
    cobrand->setWordWrap(false);
    cobrand->resize(cobrand->sizeHint());
    connect(cobrand, &LinkLabel::clicked, this, [this] { OpenFullBrandPage(*services_.browser); });

    column.Add(new QLabel(Translated(kLicence)), QStringLiteral("licenceLabel"), plain, 3120);
    const int shift = column.Shift();

    auto* ok = new QPushButton(QCoreApplication::translate("kalodaya::ui::AboutBox", "OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setFont(Verdana(8.25, true));
    QPalette bp = ok->palette();
    bp.setColor(QPalette::Button, Qt::white);
    bp.setColor(QPalette::ButtonText, Qt::black);
    ok->setPalette(bp);
    ok->setGeometry(TwipRect(5070, 3360, 1260, 345).translated(0, shift));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(Px(kClientWidth), Px(kClientHeight) + shift);
    // The translation's status under the button, the box grown to hold it.
    if (language != Language::En) {
        QLabel* status = AddText(this, new QLabel(LanguageName(language) + QStringLiteral(": ") +
                                                  TranslationStatus(language)),
                                 QStringLiteral("translationStatus"), plain, kClientHeight - 60);
        status->move(status->x(), std::max(status->y() + shift, ok->geometry().bottom() + 1));
        setFixedSize(Px(kClientWidth), status->geometry().bottom() + Px(180));
    }
}

void ShowAboutBox(Services& services, QWidget* parent, Language language) {
    AboutBox about(services, parent, language);
    about.exec();
}

}  // namespace kalodaya::ui
