#include "ui/open_records_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/message_boxes.h"
#include "ui/record_list_model.h"

namespace kalodaya::ui {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Number(std::size_t n) { return QLocale::system().toString(static_cast<qulonglong>(n)); }

}  // namespace

OpenRecordsDialog::OpenRecordsDialog(records::RecordStore& store, MessageBoxes& messages,
                                     QWidget* parent)
    : QDialog(parent), store_(store), messages_(messages) {
    setObjectName(QStringLiteral("openRecordsDialog"));
    setWindowTitle(QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "Open Saved Birth Details"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* layout = new QVBoxLayout(this);
    auto* searchLabel = new QLabel(QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "&Search by name, place or date of birth:"));
    search_ = new QLineEdit;
    search_->setObjectName(QStringLiteral("searchBox"));
    search_->setPlaceholderText(QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "e.g. rama delhi 1990"));
    search_->setClearButtonEnabled(true);
    searchLabel->setBuddy(search_);
    search_->installEventFilter(this);

    model_ = new RecordListModel(this);
    list_ = new QTreeView;
    list_->setObjectName(QStringLiteral("recordList"));
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);  // rows are laid out without asking each one its size
    list_->setAlternatingRowColors(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setStretchLastSection(true);
    list_->header()->resizeSection(RecordListModel::kName, 200);
    list_->header()->resizeSection(RecordListModel::kBorn, 190);
    list_->setMinimumSize(640, 280);

    count_ = new QLabel;
    count_->setObjectName(QStringLiteral("countLabel"));

    auto* noteLabel = new QLabel(QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "N&ote:"));
    note_ = new QPlainTextEdit;
    note_->setObjectName(QStringLiteral("noteBox"));
    note_->setTabChangesFocus(true);
    note_->setFixedHeight(note_->fontMetrics().lineSpacing() * 3 + 12);
    noteLabel->setBuddy(note_);

    auto* buttons = new QDialogButtonBox;
    open_ = buttons->addButton(QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "&Open"), QDialogButtonBox::AcceptRole);
    open_->setObjectName(QStringLiteral("openButton"));
    open_->setDefault(true);
    delete_ = buttons->addButton(QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "&Delete"), QDialogButtonBox::DestructiveRole);
    delete_->setObjectName(QStringLiteral("deleteButton"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));

    layout->addWidget(searchLabel);
    layout->addWidget(search_);
    layout->addWidget(list_, 1);
    layout->addWidget(count_);
    layout->addWidget(noteLabel);
    layout->addWidget(note_);
    layout->addWidget(buttons);

    connect(search_, &QLineEdit::textChanged, this, &OpenRecordsDialog::Search);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &OpenRecordsDialog::ShowCurrent);
    connect(list_, &QTreeView::activated, this, &OpenRecordsDialog::OpenCurrent);
    connect(open_, &QPushButton::clicked, this, &OpenRecordsDialog::OpenCurrent);
    connect(delete_, &QPushButton::clicked, this, &OpenRecordsDialog::DeleteCurrent);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto list = store_.List();
    if (!list) {
        count_->setText(Text(list.error().message));
        search_->setEnabled(false);
    } else {
        filter_ = records::RecordFilter(std::move(list).value());
    }
    if (!store_.CanSave()) {
        note_->setReadOnly(true);
        delete_->setEnabled(false);
    }
    Search(QString());
    search_->setFocus();
}

OpenRecordsDialog::~OpenRecordsDialog() = default;

void OpenRecordsDialog::Search(const QString& text) {
    const std::vector<std::size_t>& matches = filter_.Match(text.toStdString());
    model_->Show(filter_.summaries(), matches);
    const std::size_t all = filter_.summaries().size();
    if (all == 0) {
        if (search_->isEnabled()) count_->setText(QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "No saved birth details yet."));
    } else if (matches.size() == all) {
        count_->setText(all == 1 ? QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "1 saved record")
                                 : QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "%1 saved records").arg(Number(all)));
    } else {
        count_->setText(QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "%1 of %2 saved records").arg(Number(matches.size()), Number(all)));
    }
    // The first match is in hand, so Enter opens it.
    if (!matches.empty()) list_->setCurrentIndex(model_->index(0, 0));
    ShowCurrent();
}

std::optional<records::RecordSummary> OpenRecordsDialog::Current() const {
    const QModelIndex index = list_->currentIndex();
    if (!index.isValid()) return std::nullopt;
    return model_->SummaryAt(index.row());
}

void OpenRecordsDialog::ShowCurrent() {
    const auto current = Current();
    if (current && noteOf_ == current->id) return;
    SaveNote();
    open_->setEnabled(current.has_value());
    delete_->setEnabled(current.has_value() && store_.CanSave());
    noteOf_.reset();
    note_->clear();
    note_->setEnabled(false);
    if (!current) return;
    const auto record = store_.Get(current->id);
    if (!record) return;
    note_->setPlainText(Text(record->record.note));
    note_->document()->setModified(false);
    note_->setEnabled(true);
    noteOf_ = current->id;
}

bool OpenRecordsDialog::SaveNote() {
    if (!noteOf_ || !note_->document()->isModified()) return true;
    note_->document()->setModified(false);
    if (auto error = store_.UpdateNote(*noteOf_, note_->toPlainText().toStdString())) {
        messages_.Show(this, {QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "The note could not be saved: %1")
                                   .arg(Text(error->message)),
                               QMessageBox::Warning, QMessageBox::Ok});
        return false;
    }
    return true;
}

void OpenRecordsDialog::OpenCurrent() {
    const auto current = Current();
    if (!current) return;
    SaveNote();
    chosen_ = current->id;
    accept();
}

void OpenRecordsDialog::DeleteCurrent() {
    const auto current = Current();
    if (!current) return;
    const QString question =
        QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "Delete the saved birth details of %1 (born %2)? This cannot be undone.")
            .arg(current->name.empty() ? QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "this record") : Text(current->name),
                 BornText(*current));
    MessageRequest ask{question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No};
    ask.defaultButton = QMessageBox::No;  // Enter keeps the record
    if (messages_.Show(this, ask) != QMessageBox::Yes) return;
    if (auto error = store_.Delete(current->id)) {
        messages_.Show(this, {QCoreApplication::translate("kalodaya::ui::OpenRecordsDialog", "The record could not be deleted: %1")
                                   .arg(Text(error->message)),
                               QMessageBox::Warning, QMessageBox::Ok});
        return;
    }
    noteOf_.reset();  // its note went with it
    filter_.Remove(current->id);
    Search(search_->text());
}

void OpenRecordsDialog::done(int result) {
    SaveNote();
    QDialog::done(result);
}

// Up, Down, Page Up and Page Down in the search box move through the list, so the hands stay
// on the keys between typing and opening.
bool OpenRecordsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QKeyEvent copy(QEvent::KeyPress, key, press->modifiers());
            QCoreApplication::sendEvent(list_, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kalodaya::ui
