#pragma once
// The application frame of the results: a top bar with the program's name, the results
// window as its only child, and a bottom bar with Back and Exit.
#include <QMainWindow>

#include "ui/services.h"

class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QWidget;

namespace kalodaya::ui {

class ResultsWindow;

class AppFrame : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Kalodaya v1.20");

    // Builds the frame and loads the results window into it (the frame's load).
    explicit AppFrame(Services& services, QWidget* parent = nullptr);

    ResultsWindow* Display() const { return display_; }
    QMdiArea* Area() const { return area_; }
    QMdiSubWindow* DisplayWindow() const { return displayWindow_; }

    // Sizes the frame to show the whole results window (within the screen) and centres it;
    // again once the window holds its chart, whose texts set its size.
    void PlaceInitially();

signals:
    void backRequested();   // backButton or File > "&Back"
    void exitRequested();   // exitButton, File > "E&xit" or the close box
    void aboutRequested();  // Help > "&About Software"

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    QWidget* BuildTopBar();
    QWidget* BuildBottomBar();
    // Keeps Exit 300 twips from the right edge and Back 100 twips left of Exit, and the
    // results window centred across the frame.
    void ApplyResizeRule();

    Services& services_;
    QMdiArea* area_ = nullptr;
    QMdiSubWindow* displayWindow_ = nullptr;
    ResultsWindow* display_ = nullptr;
    QWidget* bottomBar_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    bool placed_ = false;
};

}  // namespace kalodaya::ui
