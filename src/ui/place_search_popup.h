#pragma once
// The popup of places under the City box. From the second character typed on, each keystroke
// searches the atlas (a few places of the user's own country, as the locale names it, first)
// and the user's own kept places, and shows the matches, best first; clicking one, or Enter on
// it, reports it. The box keeps the keyboard while the popup is open.
#include <QObject>
#include <vector>

#include "ui/place_suggestions.h"

class QCompleter;
class QLineEdit;
class QStandardItemModel;

namespace kalodaya::ui {

class PlaceSearchPopup : public QObject {
    Q_OBJECT
public:
    explicit PlaceSearchPopup(QLineEdit* box);

    void SetSources(PlaceSources sources);
    const PlaceSources& Sources() const { return sources_; }

    // Searches for the box's text and opens the popup with the matches, or closes it when there
    // are none. Each keystroke in the box does this.
    void Search();

    QCompleter* Completer() const { return completer_; }
    const std::vector<PlaceSuggestion>& Suggestions() const { return suggestions_; }

signals:
    void placeChosen(const kalodaya::ui::PlaceSuggestion& place);

private:
    void Open();
    void OnActivated(int row);

    QLineEdit* box_;
    QStandardItemModel* model_;
    QCompleter* completer_;
    PlaceSources sources_;
    std::vector<PlaceSuggestion> suggestions_;
};

}  // namespace kalodaya::ui
