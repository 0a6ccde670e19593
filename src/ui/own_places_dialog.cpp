#include "ui/own_places_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "records/record_fields.h"
#include "base/utc_offset.h"
#include "ui/message_boxes.h"

namespace kalodaya::ui {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// A fixed offset as "UTC+05:45"; the IANA zone by its name.
QString ZoneText(const records::Place& place) {
    if (!place.ianaZone.empty()) return Text(place.ianaZone);
    if (place.utcOffsetSeconds)
        return QStringLiteral("UTC") + Text(UtcOffsetText(*place.utcOffsetSeconds));
    return {};
}

// Far more than anyone types by hand; the table lists them all.
constexpr std::size_t kAllPlaces = 100000;

}  // namespace

OwnPlacesDialog::OwnPlacesDialog(records::RecordStore& store, MessageBoxes& messages,
                                 QWidget* parent)
    : QDialog(parent), store_(store), messages_(messages) {
    setObjectName(QStringLiteral("ownPlacesDialog"));
    setWindowTitle(QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "Your Places"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral(
        "Places you typed by hand and kept. Double-click a cell to change it; coordinates "
        "are written as 28:39N and 77:13E."));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    table_ = new QTableWidget(0, kColumnCount, this);
    table_->setObjectName(QStringLiteral("placeTable"));
    table_->setHorizontalHeaderLabels({QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "Place"), QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "State"),
                                       QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "Country"), QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "Latitude"),
                                       QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "Longitude"), QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "Zone")});
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setMinimumSize(640, 240);
    layout->addWidget(table_, 1);

    auto* buttons = new QDialogButtonBox;
    delete_ = buttons->addButton(QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "&Delete"), QDialogButtonBox::DestructiveRole);
    delete_->setObjectName(QStringLiteral("deleteButton"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    layout->addWidget(buttons);
    connect(delete_, &QPushButton::clicked, this, &OwnPlacesDialog::DeleteCurrent);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(table_, &QTableWidget::itemChanged, this, &OwnPlacesDialog::OnEdited);
    Fill();
}

void OwnPlacesDialog::Fill() {
    filling_ = true;
    const auto found = store_.SearchPlaces("", kAllPlaces);
    places_ = found ? *found : std::vector<records::StoredPlace>{};
    table_->setRowCount(static_cast<int>(places_.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const records::Place& p = places_[static_cast<std::size_t>(row)].place;
        const QString cells[kColumnCount] = {
            Text(p.name), Text(p.state), Text(p.country), Text(records::LatitudeText(p.latitude)),
            Text(records::LongitudeText(p.longitude)), ZoneText(p)};
        for (int column = 0; column < kColumnCount; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            // The zone comes with the place from the atlas or the record it was kept from.
            if (column == kZone) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            table_->setItem(row, column, item);
        }
    }
    table_->resizeColumnsToContents();
    delete_->setEnabled(!places_.empty());
    filling_ = false;
    if (!found)
        Warn(QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "Your places could not be read: %1").arg(Text(found.error().message)));
}

void OwnPlacesDialog::OnEdited(QTableWidgetItem* item) {
    if (filling_) return;
    const std::size_t row = static_cast<std::size_t>(item->row());
    if (row >= places_.size()) return;
    records::Place changed = places_[row].place;
    const std::string text = item->text().trimmed().toStdString();
    QString problem;
    switch (item->column()) {
        case kName:
            if (text.empty()) problem = QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "A place needs a name.");
            changed.name = text;
            break;
        case kState: changed.state = text; break;
        case kCountry: changed.country = text; break;
        case kLatitude: {
            const auto lat = records::ReadLatitude(text);
            if (lat && lat->degrees && lat->minutes) {
                changed.latitude = *lat;
            } else {
                problem = QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "Write the latitude as degrees:minutes and N or S "
                                         "(28:39N).");
            }
            break;
        }
        case kLongitude: {
            const auto lon = records::ReadLongitude(text);
            if (lon && lon->degrees && lon->minutes) {
                changed.longitude = *lon;
            } else {
                problem = QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "Write the longitude as degrees:minutes and E or W "
                                         "(77:13E).");
            }
            break;
        }
        default: return;
    }
    if (problem.isEmpty()) {
        if (const auto shape = records::ShapeProblem(changed)) problem = Text(*shape);
    }
    if (problem.isEmpty()) {
        // Kept anew and the old entry removed: a place is found by its name, state and country.
        if (const auto error = store_.DeletePlace(places_[row].id)) {
            problem = Text(error->message);
        } else if (const auto saved = store_.SavePlace(changed); !saved) {
            store_.SavePlace(places_[row].place);
            problem = Text(saved.error().message);
        }
    }
    if (!problem.isEmpty()) Warn(QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "The place was not changed. %1").arg(problem));
    // The table is filled again once the edited item's signal is over (filling replaces it).
    QMetaObject::invokeMethod(this, &OwnPlacesDialog::Fill, Qt::QueuedConnection);
}

void OwnPlacesDialog::DeleteCurrent() {
    const int row = table_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= places_.size()) return;
    const records::StoredPlace& place = places_[static_cast<std::size_t>(row)];
    MessageRequest question{
        QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "Delete %1 from your places?").arg(Text(place.place.name)),
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No};
    question.defaultButton = QMessageBox::No;
    if (messages_.Show(this, question) != QMessageBox::Yes) return;
    if (const auto error = store_.DeletePlace(place.id))
        Warn(QCoreApplication::translate("kalodaya::ui::OwnPlacesDialog", "The place could not be deleted: %1").arg(Text(error->message)));
    Fill();
}

void OwnPlacesDialog::Warn(const QString& text) {
    messages_.Show(this, {text, QMessageBox::Warning, QMessageBox::Ok});
}

}  // namespace kalodaya::ui
