#pragma once
// MDI, the application frame of the results: a top bar with the program's name, the results
// window as its only child, and a bottom bar with Back and Exit.
#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QWidget;

namespace kalodaya::ui {

class FrmDisplay;

class Mdi : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Kalodaya v1.20");

    // Builds the frame and loads the results window into it (the frame's load).
    explicit Mdi(QWidget* parent = nullptr);

    FrmDisplay* Display() const { return display_; }
    QMdiArea* Area() const { return area_; }
    QMdiSubWindow* DisplayWindow() const { return displayWindow_; }

signals:
    void backRequested();   // cmdBack or File > "&Back"
    void exitRequested();   // cmdExit, File > "E&xit" or the close box
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
    void PlaceInitially();

    QMdiArea* area_ = nullptr;
    QMdiSubWindow* displayWindow_ = nullptr;
    FrmDisplay* display_ = nullptr;
    QWidget* bottomBar_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    bool placed_ = false;
};

}  // namespace kalodaya::ui
