#pragma once
// The entry form: the window in which the user enters the birth details.
#include <QMainWindow>

#include "request/birth_request.h"
#include "request/entry_checks.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kalodaya::ui {

class LinkLabel;
class PlaceLookup;

class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Builds every control (each object is named after its control, e.g. "txtLatD") and runs
    // the load handler: the lists are filled and their first entries selected.
    explicit FrmMain(QWidget* parent = nullptr);

    // The request the controls hold now, read from their values: list positions, box numbers,
    // buttons; the place lookup adds the exact offset and the atlas place.
    BirthRequest CurrentRequest() const;

    // Moves the focus to the control of `field` (after a failed entry check).
    void FocusField(EntryField field);

    // The City box's place lookup (the atlas's places, the zone for the birth moment).
    PlaceLookup* Places() const { return placeLookup_; }
    // Fills every control from `request` (a saved record opened). An exact offset is shown as an
    // extra entry after the zone list's own, captioned `exactZoneLabel`.
    void ShowRequest(const BirthRequest& request, const QString& exactZoneLabel = {});

signals:
    void chartRequested();  // "Get My Ghati Lagna": the button or the File menu
    void exitRequested();   // File > Exit, or the window's close box
    void aboutRequested();  // Help > About Software

protected:
    // Closing the window does not close it: it asks the program to end (exitRequested).
    // A close that arrives while that request is being handled (the program closing its
    // windows as it ends) is let through.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildControls();
    void SetTabOrder();
    void LoadLists();
    void CenterOnScreen();
    void cmdBrowser_Click();
    void RequestExit();  // emits exitRequested, once at a time
    void BuildPlaceLookup();

    bool exiting_ = false;

    QLineEdit* txtName = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboSS = nullptr;
    QLineEdit* txtMCity = nullptr;
    QLineEdit* txtMState = nullptr;
    QLineEdit* txtMCountry = nullptr;
    QPushButton* cmdBrowser = nullptr;
    QCheckBox* chkDST = nullptr;
    QComboBox* cmbTimeZone = nullptr;
    QLineEdit* txtLatD = nullptr;
    QLineEdit* txtLatM = nullptr;
    QLineEdit* txtLonD = nullptr;
    QLineEdit* txtLonM = nullptr;
    QRadioButton* optLat[2] = {};
    QRadioButton* optLong[2] = {};
    QPushButton* cmdRashi = nullptr;
    LinkLabel* Label61 = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    LinkLabel* lblCobrand = nullptr;

    // The place lookup and the line under the zone box.
    QLabel* lblZoneLine = nullptr;
    PlaceLookup* placeLookup_ = nullptr;
};

}  // namespace kalodaya::ui
