#include "ui/place_search_popup.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <algorithm>

namespace kalodaya::ui {
namespace {

// The row of a suggestion in suggestions_, kept on its item.
constexpr int kRowRole = Qt::UserRole + 1;

// The user's country as the locale names it ("IN"); empty when the locale names none.
std::string OwnCountry() {
    const QLocale::Territory territory = QLocale().territory();
    if (territory == QLocale::AnyTerritory) return {};
    const QString code = QLocale::territoryToCode(territory);
    return code.size() == 2 ? code.toStdString() : std::string();
}

}  // namespace

PlaceSearchPopup::PlaceSearchPopup(QLineEdit* box)
    : QObject(box), box_(box), model_(new QStandardItemModel(this)), completer_(new QCompleter(this)) {
    setObjectName(QStringLiteral("placeSearchPopup"));
    completer_->setModel(model_);
    // The rows are the search's own, best first: the completer shows them all, unfiltered. It
    // serves the box through setWidget rather than QLineEdit::setCompleter, so the box neither
    // re-filters the rows, narrows the popup to its own width, nor copies a highlighted row's
    // text into itself.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setMaxVisibleItems(static_cast<int>(kAtlasSuggestions));
    completer_->setWidget(box_);
    completer_->popup()->setObjectName(QStringLiteral("placeSearchList"));
    connect(box_, &QLineEdit::textEdited, this, &PlaceSearchPopup::Search);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { OnActivated(index.data(kRowRole).toInt()); });
}

void PlaceSearchPopup::SetSources(PlaceSources sources) {
    sources_ = std::move(sources);
}

void PlaceSearchPopup::Search() {
    suggestions_ = SuggestPlaces(box_->text().toStdString(), sources_, OwnCountry());
    model_->clear();
    for (std::size_t i = 0; i < suggestions_.size(); ++i) {
        auto* item = new QStandardItem(QString::fromStdString(suggestions_[i].text));
        item->setData(static_cast<int>(i), kRowRole);
        item->setEditable(false);
        if (suggestions_[i].Own()) {
            QFont italic = box_->font();
            italic.setItalic(true);
            item->setFont(italic);
        }
        model_->appendRow(item);
    }
    if (suggestions_.empty()) {
        completer_->popup()->hide();
        return;
    }
    Open();
}

// As wide as its longest line (at least as wide as the box, at most as wide as the screen),
// under the box.
void PlaceSearchPopup::Open() {
    QAbstractItemView* list = completer_->popup();
    completer_->setCompletionPrefix(QString());
    const int scrollBar = list->verticalScrollBar()->sizeHint().width();
    int width = std::max(box_->width(), list->sizeHintForColumn(0) + scrollBar + 2 * list->frameWidth() + 4);
    if (const QScreen* screen = box_->screen()) width = std::min(width, screen->availableGeometry().width());
    completer_->complete(QRect(0, 0, width, box_->height()));
    list->setCurrentIndex(QModelIndex());
}

void PlaceSearchPopup::OnActivated(int row) {
    if (row < 0 || row >= static_cast<int>(suggestions_.size())) return;
    const PlaceSuggestion chosen = suggestions_[static_cast<std::size_t>(row)];
    completer_->popup()->hide();
    emit placeChosen(chosen);
}

}  // namespace kalodaya::ui
