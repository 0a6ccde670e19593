#include "ui/record_list_model.h"

#include "base/tables.h"
#include "records/record_fields.h"

namespace kalodaya::ui {

RecordListModel::RecordListModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordListModel::Show(const std::vector<records::RecordSummary>& summaries,
                           const std::vector<std::size_t>& rows) {
    beginResetModel();
    summaries_ = &summaries;
    rows_ = rows;
    endResetModel();
}

const records::RecordSummary& RecordListModel::SummaryAt(int row) const {
    return (*summaries_)[rows_[static_cast<std::size_t>(row)]];
}

int RecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RecordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    const records::RecordSummary& s = SummaryAt(index.row());
    switch (index.column()) {
        case kName: return QString::fromStdString(s.name);
        case kBorn: return BornText(s);
        case kPlace: return QString::fromStdString(records::PlaceText(s));
        default: return {};
    }
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    switch (section) {
        case kName: return QStringLiteral("Name");
        case kBorn: return QStringLiteral("Born");
        case kPlace: return QStringLiteral("Place");
        default: return {};
    }
}

QString BornText(const records::RecordSummary& s) {
    const QString month = s.month >= 1 && s.month <= 12
                              ? QString::fromLatin1(kMonthNames[static_cast<std::size_t>(s.month - 1)])
                              : QString::number(s.month);
    return QStringLiteral("%1 %2 %3, %4")
        .arg(s.day)
        .arg(month)
        .arg(s.year)
        .arg(QString::fromStdString(records::TimeText(s)));
}

}  // namespace kalodaya::ui
