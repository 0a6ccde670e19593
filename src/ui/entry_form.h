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

class EntryForm : public QMainWindow {
    Q_OBJECT
public:
    // Builds every control (each object is named after its control, e.g. "latDegreesBox") and runs
    // the load handler: the lists are filled and their first entries selected.
    explicit EntryForm(QWidget* parent = nullptr);

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
    void SearchCoordinatesOnline();
    void RequestExit();  // emits exitRequested, once at a time
    void BuildPlaceLookup();

    bool exiting_ = false;

    QLineEdit* nameBox = nullptr;
    QComboBox* monthList = nullptr;
    QComboBox* dayList = nullptr;
    QComboBox* yearList = nullptr;
    QComboBox* hourList = nullptr;
    QComboBox* minuteList = nullptr;
    QComboBox* secondList = nullptr;
    QLineEdit* cityBox = nullptr;
    QLineEdit* stateBox = nullptr;
    QLineEdit* countryBox = nullptr;
    QPushButton* coordinatesSearchButton = nullptr;
    QCheckBox* daylightBox = nullptr;
    QComboBox* zoneList = nullptr;
    QLineEdit* latDegreesBox = nullptr;
    QLineEdit* latMinutesBox = nullptr;
    QLineEdit* lonDegreesBox = nullptr;
    QLineEdit* lonMinutesBox = nullptr;
    QRadioButton* latitudeOptions[2] = {};
    QRadioButton* longitudeOptions[2] = {};
    QPushButton* getChartButton = nullptr;
    LinkLabel* forumLink = nullptr;
    LinkLabel* fullBrandLink = nullptr;
    LinkLabel* coBrandLink = nullptr;

    // The place lookup and the line under the zone box.
    QLabel* zoneLine = nullptr;
    PlaceLookup* placeLookup_ = nullptr;
};

}  // namespace kalodaya::ui
