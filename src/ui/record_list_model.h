#pragma once
// The rows of the "Open Saved" list: the matches of the search box, each record's name, birth
// date and time, and place, made into texts only for the rows on screen.
#include <QAbstractTableModel>
#include <cstddef>
#include <vector>

#include "records/record.h"

namespace kalodaya::ui {

class RecordListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kName, kBorn, kPlace, kColumnCount };

    explicit RecordListModel(QObject* parent = nullptr);

    // Shows summaries[rows[0]], summaries[rows[1]], ...; `summaries` must outlive the rows
    // shown (it is the search's list, which the dialog keeps).
    void Show(const std::vector<records::RecordSummary>& summaries,
              const std::vector<std::size_t>& rows);
    const records::RecordSummary& SummaryAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const std::vector<records::RecordSummary>* summaries_ = nullptr;
    std::vector<std::size_t> rows_;
};

// "15 August 1990, 10:30:00"
QString BornText(const records::RecordSummary& summary);

}  // namespace kalodaya::ui
