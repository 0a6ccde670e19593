#include "ui/number_typing.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>

namespace kalodaya::ui {
namespace {

class NumberTyping final : public QObject {
public:
    explicit NumberTyping(QComboBox* list) : QObject(list), list_(list) {
        list->installEventFilter(this);
        list->view()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() != 1 || !text[0].isDigit() ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return QObject::eventFilter(watched, event);
        Type(text);
        return true;
    }

private:
    int Find(const QString& typed, Qt::MatchFlags how) const {
        return list_->findText(typed, how | Qt::MatchCaseSensitive);
    }

    void Type(const QString& digit) {
        if (!clock_.isValid() || clock_.elapsed() > QApplication::keyboardInputInterval())
            typed_.clear();
        clock_.start();
        typed_ += digit;
        if (Find(typed_, Qt::MatchStartsWith) < 0) typed_ = digit;
        // The number itself, or while more digits may follow, the first entry it begins.
        int index = Find(typed_, Qt::MatchExactly);
        if (index < 0) index = Find(typed_, Qt::MatchStartsWith);
        if (index < 0) return;
        if (list_->view()->isVisible()) {
            list_->view()->setCurrentIndex(list_->model()->index(index, list_->modelColumn()));
            return;
        }
        if (index == list_->currentIndex()) return;
        list_->setCurrentIndex(index);
        emit list_->activated(index);  // a user's pick, as the keyboard's own search makes it
    }

    QComboBox* list_;
    QString typed_;
    QElapsedTimer clock_;
};

}  // namespace

void InstallNumberTyping(QComboBox* list) { new NumberTyping(list); }

}  // namespace kalodaya::ui
