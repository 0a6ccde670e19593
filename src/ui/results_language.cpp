#include "ui/results_language.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>

#include "chart/present_pages.h"
#include "chart/present_windows.h"
#include "profile/sign_profile.h"

namespace kalodaya::ui {
namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A caption as the window writes it, blanks runs and the closing " :" aside: "Latitude   :"
// and "Latitude :" are one caption.
QString Key(const QString& text) {
    QString key = text.simplified();
    if (key.endsWith(QStringLiteral(" :"))) key.chop(2);
    return key;
}

// The tabs' captions, which no language file holds: widget texts of the window.
constexpr const char* kTabCaptions[] = {
    QT_TRANSLATE_NOOP("kalodaya::ui::ResultsWindow", "Ghati Lagna - Chart"),
    QT_TRANSLATE_NOOP("kalodaya::ui::ResultsWindow", "Ghati Lagna Details"),
};

// A label the window placed by hand keeps its box; a longer caption widens the box towards the
// side its text is not aligned to, as far as the parent reaches, so that it is not cut.
void Widen(QLabel* label) {
    if (label->parentWidget() == nullptr || label->parentWidget()->layout() != nullptr) return;
    const int needed = label->sizeHint().width() - label->width();
    if (needed <= 0) return;
    QRect box = label->geometry();
    const QRect room = label->parentWidget()->rect();
    if (label->alignment() & Qt::AlignRight)
        box.setLeft(std::max(room.left(), box.left() - needed));
    else
        box.setRight(std::min(room.right(), box.right() + needed));
    label->setGeometry(box);
}

}  // namespace

void ShowCaptionsInLanguage(QWidget* window, const ResultTexts& view) {
    if (view.language == Language::En) return;
    QHash<QString, QString> words;  // the English caption's key -> the language's caption
    auto add = [&words](std::string_view english, std::string_view text) {
        if (!text.empty()) words.insert(Key(Q(english)), Q(text));
    };
    const PageCaptions english = PresentPageCaptions(Language::En);
    const PageCaptions own = PresentPageCaptions(view.language);
    add(english.heading, own.heading);
    add(english.headingLine, own.headingLine);
    add(english.planetTable, own.planetTable);
    add(english.details, own.details);
    for (int k = 0; k < kBodyCount; ++k) add(english.planets[k], own.planets[k]);
    for (const auto& [from, to] : {std::pair{english.dateOfBirth, own.dateOfBirth},
                                   {english.timeOfBirth, own.timeOfBirth},
                                   {english.latitude, own.latitude},
                                   {english.longitude, own.longitude},
                                   {english.city, own.city},
                                   {english.state, own.state},
                                   {english.country, own.country}}) {
        const bool colon = Q(to).trimmed().endsWith(QLatin1Char(':'));
        words.insert(Key(Q(from)), colon ? Q(to) : Q(to) + QStringLiteral(" :"));
    }
    for (int array = 0; array < kProfileFieldCount; ++array)
        add(kProfileCaptions[array], view.captions[array]);
    add("Ghati Lagna Present In Sign", view.ghatiLagnaSignCaption);
    add(UncertaintyCaption(), UncertaintyCaption(view.language));
    add(UncertaintyUnit(), UncertaintyUnit(view.language));
    for (const char* tab : kTabCaptions)
        words.insert(Key(QString::fromLatin1(tab)),
                     QCoreApplication::translate("kalodaya::ui::ResultsWindow", tab));

    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->objectName() == QStringLiteral("lagnaSign")) {
            label->setText(Q(view.ghatiLagnaSignName));
            continue;
        }
        if (label->textFormat() == Qt::RichText) continue;
        const auto it = words.constFind(Key(label->text()));
        if (it == words.constEnd()) continue;
        label->setText(*it);
        Widen(label);
    }
    for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
        const auto it = words.constFind(Key(box->title()));
        if (it != words.constEnd()) box->setTitle(*it);
    }
    // The range table's column heads.
    const auto englishHeads = TimeRangeHeads();
    const auto ownHeads = TimeRangeHeads(view.language);
    for (QTableWidget* table : window->findChildren<QTableWidget*>())
        for (int i = 0; i < table->columnCount(); ++i) {
            QTableWidgetItem* head = table->horizontalHeaderItem(i);
            if (head == nullptr) continue;
            for (std::size_t k = 0; k < englishHeads.size(); ++k)
                if (head->text() == Q(englishHeads[k])) head->setText(Q(ownHeads[k]));
            FitTableToColumns(table);
        }
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->tabBar()->setElideMode(Qt::ElideNone);
            const auto it = words.constFind(Key(tabs->tabText(i)));
            if (it != words.constEnd()) tabs->setTabText(i, *it);
        }
}

void FitTableToColumns(QTableWidget* table) {
    table->resizeColumnsToContents();
    int width = 2 * table->frameWidth() + table->verticalHeader()->sizeHint().width() +
                table->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < table->columnCount(); ++c) width += table->columnWidth(c);
    table->setMinimumWidth(width);
}

}  // namespace kalodaya::ui
