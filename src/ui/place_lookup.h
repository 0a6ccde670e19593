#pragma once
// The entry form's place lookup: the City box's popup of places, and what choosing one does.
// A chosen place fills the place boxes, the coordinates and the zone for the birth date and
// time on the form, and the line under the zone box tells which offset the clocks kept then.
// Changing the date or time afterwards follows the place's zone to the new moment, unless the
// user picked the zone (or the daylight box) by hand: that choice stands, and the line says
// what the atlas would pick. Typing in the City box lets go of the chosen place; while the
// City box names another place than the one whose coordinates and zone the boxes still hold,
// a warning under the boxes says so, until the user picks a place or types coordinates.
//
// The atlas and the user's own places are read on a worker thread, so the form shows at once;
// the popup offers them as soon as they are there.
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "astro/atlas/place_at_birth.h"
#include "request/birth_request.h"
#include "ui/place_suggestions.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kalodaya::ui {

class PlaceSearchPopup;

// The form's controls the lookup reads and fills.
struct PlaceControls {
    QLineEdit* city = nullptr;
    QLineEdit* state = nullptr;
    QLineEdit* country = nullptr;
    QLineEdit* latDeg = nullptr;
    QLineEdit* latMin = nullptr;
    QLineEdit* lonDeg = nullptr;
    QLineEdit* lonMin = nullptr;
    std::array<QRadioButton*, 2> latitude{};   // North, South
    std::array<QRadioButton*, 2> longitude{};  // East, West
    QComboBox* zone = nullptr;
    QCheckBox* daylight = nullptr;
    QLabel* zoneLine = nullptr;
    QLabel* placeWarning = nullptr;
    std::array<QComboBox*, 6> moment{};  // month, day, year, hour, minute, second
};

class PlaceLookup : public QObject {
    Q_OBJECT
public:
    // `request` reads what the form's controls hold (the form's CurrentRequest); the line under
    // the zone box is written in `language`.
    PlaceLookup(const PlaceControls& controls, std::function<BirthRequest()> request,
                Language language, QObject* parent);

    // Adds what the controls cannot say to a request read from them: the exact offset while
    // the zone list's extra entry is selected, and the chosen place's record.
    void CompleteRequest(BirthRequest& request) const;

    // Shows the request's place: the city, state and country boxes, the coordinate boxes and
    // the hemisphere buttons.
    void ShowPlace(const BirthRequest& request);

    // Lets go of the chosen place (the form was filled from elsewhere). The zone stays.
    void Forget();

    // The place ("Paris, France") whose coordinates and zone the boxes hold while the City box
    // names another; empty when the boxes and the City box agree (or the user typed them).
    QString OtherPlace() const;
    // The boxes now hold the place of `request` (a saved record shown), city and coordinates
    // together.
    void HoldPlaceOf(const BirthRequest& request);
    // Says under the boxes that a place is needed (the form was asked for a chart without one);
    // typing in the City box takes the words away.
    void AskForPlace();

    // Puts the extra entry at the end of the zone list and selects it; `label` as
    // atlas::ExactEntryLabel writes it.
    void ShowExactEntry(ExactOffset offset, const QString& label);
    // Selects list position `index` of the zone list's own entries, and drops the extra entry.
    void ShowZoneEntry(int index);

    // Whether the atlas and the user's own places have been read (or failed to be).
    bool SourcesReady() const { return sourcesReady_; }
    void SetSources(PlaceSources sources);
    PlaceSearchPopup* Popup() const { return popup_; }

signals:
    void sourcesReady();

private:
    // The chosen place at the birth moment of `request`, or why there is none.
    struct AtBirth {
        std::optional<atlas::PlaceAtBirth> birth;
        QString problem;
    };
    AtBirth Resolve(const BirthRequest& request) const;
    // The zone list's city time entry ("Bombay Time UTC+04:51", always the last item) while the
    // chosen place kept a city time at the birth moment; whether it is the one selected.
    void ShowCityEntry(const std::optional<atlas::PlaceAtBirth>& birth);
    bool CityTimePicked() const;
    bool HasExactItem() const;

    void LoadSources();
    void OnChosen(const PlaceSuggestion& suggestion);
    void OnMomentPicked();
    void OnZonePicked(int index);
    void OnDaylightClicked();
    void OnCityChanged(const QString& text);
    void OnCityEdited();
    void OnCoordinatesTyped();
    void DropChosen();
    void ReleaseDaylightBox();
    void ShowWarning();

    void ShowZone(const BirthRequest& request, const atlas::PlaceAtBirth& birth);
    void RemoveExactEntry();
    void ShowLine(const AtBirth& at);
    void SetLine(const QString& text);
    QString ByHandNote(const atlas::PlaceAtBirth& birth) const;

    PlaceControls c_;
    std::function<BirthRequest()> request_;
    Language language_;
    PlaceSearchPopup* popup_;
    bool sourcesReady_ = false;
    QString atlasProblem_;  // why the atlas could not be read

    std::optional<PlaceSuggestion> chosen_;
    // The place whose coordinates and zone the boxes hold since one was chosen: the City box's
    // text it was shown with, and its name with its country.
    struct FilledPlace {
        QString city;
        QString name;
    };
    std::optional<FilledPlace> filled_;
    bool zoneByHand_ = false;
    struct ExactEntry {
        ExactOffset offset;
        QString label;
    };
    std::optional<ExactEntry> exact_;
    std::optional<ExactOffset> cityTime_;  // the city time entry's offset while it is listed
};

}  // namespace kalodaya::ui
