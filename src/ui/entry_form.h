#pragma once
// The entry form: the window in which the user enters the birth details.
#include <QMainWindow>

#include "request/birth_request.h"
#include "request/entry_checks.h"
#include "ui/form_settings.h"
#include "ui/services.h"

class QAction;
class QCheckBox;
class QComboBox;
class QCalendarWidget;
class QSpinBox;
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
    // the load handler: the lists are filled and their first entries selected. `language` is the
    // one the line under the zone box is written in (the widgets' own texts come from the
    // installed translation).
    explicit EntryForm(Services& services, Language language = Language::En,
                       QWidget* parent = nullptr);

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
    // Empties the boxes and puts every list and option back where the form opens.
    void ClearEntries();
    // What a person starting the program sees: today's date (the services' clock), the zone
    // kept from the last run (on the first start the zone of the computer's clock) and the
    // calculation last chosen.
    void ShowStartEntries();
    // The zone selected now, with the extra entry's caption for an exact offset.
    FormZone CurrentZone() const;
    // Fills the date and time lists with the services' clock's date and time ("Now").
    void FillNow();

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
    void ConnectEnter();
    void LoadLists();
    void CenterOnScreen();
    void SearchCoordinatesOnline();
    void RequestExit();  // emits exitRequested, once at a time
    void BuildPlaceLookup();
    QLayout* BuildCalculation(QWidget* parent);
    void BuildDateBox(QWidget* parent);
    void ShowCalculation(const CalculationSettings& settings);
    CalculationSettings CurrentCalculation() const;
    void OnCalculationPicked();
    void ShowZone(const FormZone& zone);
    void SyncDateBox();
    void OnDateTyped();
    void SelectDate(const QDate& date);
    void ShowCalendar();

    Services& services_;
    Language language_;
    bool exiting_ = false;

    QLineEdit* nameBox = nullptr;
    QComboBox* monthList = nullptr;
    QComboBox* dayList = nullptr;
    QComboBox* yearList = nullptr;
    QComboBox* hourList = nullptr;
    QComboBox* minuteList = nullptr;
    QComboBox* secondList = nullptr;
    // The date as text (typed, or picked from the calendar), kept in step with the lists.
    QLineEdit* dateBox = nullptr;
    QPushButton* calendarButton = nullptr;
    QCalendarWidget* dateCalendar = nullptr;  // a popup under the date box
    QPushButton* nowButton = nullptr;
    QSpinBox* uncertaintyBox = nullptr;  // minutes either side of the birth time
    // The calculation: classic or modern, and the modern one's ayanamsa, node and sunrise.
    QComboBox* calculationList = nullptr;
    QComboBox* ayanamsaList = nullptr;
    QComboBox* nodeList = nullptr;
    QComboBox* sunriseList = nullptr;
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

    // The place lookup, the line under the zone box and the warning about coordinates that
    // belong to another place than the City box names.
    QLabel* zoneLine = nullptr;
    QLabel* placeWarning = nullptr;
    PlaceLookup* placeLookup_ = nullptr;
};

}  // namespace kalodaya::ui
