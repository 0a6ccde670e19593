#include "ui/place_lookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFutureWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>

#include "astro/atlas/place_at_birth.h"
#include "astro/atlas/zone_entry_match.h"
#include "astro/zone_table.h"
#include "chart/present_place.h"
#include "request/from_atlas.h"
#include "request/installed_atlas.h"
#include "ui/coordinate_boxes.h"
#include "records/record_store.h"
#include "ui/place_search_popup.h"

namespace kalodaya::ui {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What the worker thread reads.
struct LoadedSources {
    PlaceSources sources;
    QString atlasProblem;
};

LoadedSources ReadSources() {
    LoadedSources loaded;
    const auto& atlas = InstalledAtlas();
    if (atlas) {
        loaded.sources.atlas = *atlas;
    } else {
        loaded.atlasProblem = Text(atlas.error().message);
    }
    auto store = std::make_shared<records::RecordStore>(records::RecordStore::OpenDefault());
    if (store->access() != records::StoreAccess::Unavailable)
        loaded.sources.ownPlaces = std::move(store);
    return loaded;
}

// The extra zone list entry for `birth`; a place of the user's own kept with a fixed offset
// has no zone name to show.
QString ExactLabel(const atlas::PlaceAtBirth& birth) {
    if (birth.cityTimeUsed) return Text(*atlas::CityTimeEntryLabel(birth));
    if (birth.place.timeZone.empty())
        return QStringLiteral("Exact offset: UTC") + Text(UtcOffsetText(birth.usedOffsetSeconds));
    return Text(atlas::ExactEntryLabel(birth.usedOffsetSeconds, birth.offset.abbreviation,
                                       birth.place.timeZone));
}

atlas::Place PlaceOf(const PlaceSuggestion& suggestion) {
    if (const auto* place = std::get_if<atlas::Place>(&suggestion.place)) return *place;
    return AsAtlasPlace(std::get<records::Place>(suggestion.place));
}

}  // namespace

PlaceLookup::PlaceLookup(const PlaceControls& controls, std::function<BirthRequest()> request,
                         Language language, QObject* parent)
    : QObject(parent), c_(controls), request_(std::move(request)), language_(language),
      popup_(new PlaceSearchPopup(controls.city)) {
    setObjectName(QStringLiteral("placeLookup"));
    connect(popup_, &PlaceSearchPopup::placeChosen, this, &PlaceLookup::OnChosen);
    connect(c_.city, &QLineEdit::textChanged, this, &PlaceLookup::OnCityChanged);
    connect(c_.city, &QLineEdit::textEdited, this, &PlaceLookup::OnCityEdited);
    // `activated` comes from the user only (a click, the keyboard, the wheel), so a program
    // filling the form does not move the zone.
    for (QComboBox* list : c_.moment)
        connect(list, &QComboBox::activated, this, &PlaceLookup::OnMomentPicked);
    connect(c_.zone, &QComboBox::activated, this, &PlaceLookup::OnZonePicked);
    connect(c_.daylight, &QCheckBox::clicked, this, &PlaceLookup::OnDaylightClicked);
    // Coordinates the user types or a hemisphere the user sets are the user's own.
    for (QLineEdit* box : {c_.latDeg, c_.latMin, c_.lonDeg, c_.lonMin})
        connect(box, &QLineEdit::textEdited, this, &PlaceLookup::OnCoordinatesTyped);
    for (QRadioButton* option : {c_.latitude[0], c_.latitude[1], c_.longitude[0], c_.longitude[1]})
        connect(option, &QRadioButton::clicked, this, &PlaceLookup::OnCoordinatesTyped);
    LoadSources();
}

void PlaceLookup::LoadSources() {
    auto* watcher = new QFutureWatcher<LoadedSources>(this);
    connect(watcher, &QFutureWatcher<LoadedSources>::finished, this, [this, watcher] {
        const LoadedSources loaded = watcher->result();
        watcher->deleteLater();
        atlasProblem_ = loaded.atlasProblem;
        SetSources(loaded.sources);
    });
    watcher->setFuture(QtConcurrent::run(ReadSources));
}

void PlaceLookup::SetSources(PlaceSources sources) {
    popup_->SetSources(std::move(sources));
    sourcesReady_ = true;
    emit sourcesReady();
    // Letters typed while the sources were being read get their popup now.
    if (c_.city->hasFocus() && !chosen_ && LongEnoughToSearch(c_.city->text().toStdString()))
        popup_->Search();
}

void PlaceLookup::CompleteRequest(BirthRequest& request) const {
    if (exact_ && HasExactItem() && c_.zone->currentIndex() == kZoneCount)
        request.zone = exact_->offset;
    if (CityTimePicked()) request.zone = *cityTime_;
    // The atlas's zone already holds its daylight hour; the box only shows it.
    if (!c_.daylight->isEnabled()) request.daylight = false;
    if (!chosen_) return;
    if (const AtBirth at = Resolve(request); at.birth) request.atlasPlace = AtlasPlaceOf(*at.birth);
}

void PlaceLookup::DropChosen() {
    chosen_.reset();
    zoneByHand_ = false;
    ShowCityEntry(std::nullopt);
    SetLine(QString());
    ReleaseDaylightBox();
}

// The box stops showing the atlas's daylight state and becomes the user's again: clear, so
// that it adds no hour nobody asked for.
void PlaceLookup::ReleaseDaylightBox() {
    if (c_.daylight->isEnabled()) return;
    c_.daylight->setChecked(false);
    c_.daylight->setEnabled(true);
}

void PlaceLookup::Forget() {
    DropChosen();
    filled_.reset();
    ShowWarning();
}

QString PlaceLookup::OtherPlace() const {
    if (!filled_) return {};
    const QString city = c_.city->text().trimmed();
    if (city.isEmpty() || city.compare(filled_->city.trimmed(), Qt::CaseInsensitive) == 0)
        return {};
    return filled_->name;
}

void PlaceLookup::ShowWarning() {
    if (!c_.placeWarning) return;
    const QString other = OtherPlace();
    c_.placeWarning->setVisible(!other.isEmpty());
    c_.placeWarning->setText(
        other.isEmpty() ? QString()
                        : QStringLiteral("Coordinates and zone are still those of %1: pick %2 "
                                         "from the list or type its coordinates")
                              .arg(other, c_.city->text().trimmed()));
}

void PlaceLookup::HoldPlaceOf(const BirthRequest& r) {
    const QString city = Text(r.city), country = Text(r.country);
    if (city.trimmed().isEmpty()) {
        filled_.reset();
    } else {
        filled_ =
            FilledPlace{city, country.isEmpty() ? city : city + QStringLiteral(", ") + country};
    }
    ShowWarning();
}

void PlaceLookup::AskForPlace() {
    if (!c_.placeWarning) return;
    c_.placeWarning->setText(QStringLiteral(
        "Pick the place of birth from the City box's list, or type its coordinates"));
    c_.placeWarning->show();
}

void PlaceLookup::OnCoordinatesTyped() {
    filled_.reset();
    ShowWarning();
}

PlaceLookup::AtBirth PlaceLookup::Resolve(const BirthRequest& request) const {
    if (!chosen_) return {};
    const std::optional<atlas::CivilTime> clock = BirthClock(request);
    if (!clock) return {std::nullopt, QStringLiteral("the date on the form does not exist")};
    const atlas::Atlas* atlas = popup_->Sources().atlas.get();
    const auto resolved = [&](const atlas::Place& place) -> AtBirth {
        auto birth = atlas::ResolvePlaceAtBirth(*atlas, place, *clock, CityTimePicked());
        if (!birth) return {std::nullopt, Text(birth.error().message)};
        return {*birth, {}};
    };
    if (const auto* place = std::get_if<atlas::Place>(&chosen_->place)) return resolved(*place);

    const records::Place& own = std::get<records::Place>(chosen_->place);
    if (!own.ianaZone.empty()) {
        if (!atlas)
            return {std::nullopt, QStringLiteral("the place atlas, which holds the zone ") +
                                      Text(own.ianaZone) + QStringLiteral(", could not be read")};
        return resolved(AsAtlasPlace(own));
    }
    if (!own.utcOffsetSeconds)
        return {std::nullopt, QStringLiteral("no zone is kept with this place; pick it in the list")};
    atlas::PlaceAtBirth birth;
    birth.place = AsAtlasPlace(own);
    birth.clock = *clock;
    birth.offset.utcOffsetSeconds = *own.utcOffsetSeconds;
    // Without a zone nothing says whose clock the offset is: the exact entry stands in.
    birth.zoneEntry = std::nullopt;
    birth.usedOffsetSeconds = static_cast<int>(std::lround(*own.utcOffsetSeconds / 60.0)) * 60;
    return {birth, {}};
}

void PlaceLookup::OnChosen(const PlaceSuggestion& suggestion) {
    chosen_ = suggestion;
    zoneByHand_ = false;
    ShowCityEntry(std::nullopt);
    BirthRequest request = request_();
    const AtBirth at = Resolve(request);
    if (at.birth) {
        EnterPlaceAtBirth(request, *at.birth, ZoneChoice::FromAtlas);
    } else {
        EnterPlace(request, PlaceOf(*chosen_));
    }
    ShowPlace(request);
    ShowCityEntry(at.birth);
    if (at.birth) ShowZone(request, *at.birth);
    ShowLine(at);
    const QString country = Text(request.country);
    filled_ = FilledPlace{c_.city->text(),
                          country.isEmpty() ? Text(request.city)
                                            : Text(request.city) + QStringLiteral(", ") + country};
    ShowWarning();
}

void PlaceLookup::OnMomentPicked() {
    if (!chosen_) return;
    BirthRequest request = request_();
    ShowCityEntry(Resolve(request).birth);
    const AtBirth at = Resolve(request_());
    if (at.birth && !zoneByHand_) {
        EnterPlaceAtBirth(request, *at.birth, ZoneChoice::FromAtlas);
        ShowZone(request, *at.birth);
    }
    ShowLine(at);
}

void PlaceLookup::OnZonePicked(int index) {
    zoneByHand_ = true;
    ReleaseDaylightBox();
    if (index != kZoneCount) RemoveExactEntry();
    if (chosen_) ShowLine(Resolve(request_()));
}

void PlaceLookup::OnDaylightClicked() {
    zoneByHand_ = true;
    if (chosen_) ShowLine(Resolve(request_()));
}

void PlaceLookup::OnCityChanged(const QString& text) {
    if (chosen_ && text != Text(chosen_->name)) DropChosen();
    ShowWarning();
}

void PlaceLookup::OnCityEdited() {
    if (!atlasProblem_.isEmpty() && LongEnoughToSearch(c_.city->text().toStdString()))
        SetLine(QStringLiteral("The place atlas could not be read: ") + atlasProblem_);
}

void PlaceLookup::ShowPlace(const BirthRequest& r) {
    c_.city->setText(Text(r.city));
    c_.state->setText(Text(r.state));
    c_.country->setText(Text(r.country));
    ShowBoxValue(*c_.latDeg, r.latitude.degrees);
    ShowBoxValue(*c_.latMin, r.latitude.minutes);
    ShowBoxValue(*c_.lonDeg, r.longitude.degrees);
    ShowBoxValue(*c_.lonMin, r.longitude.minutes);
    c_.latitude[r.latitude.north ? 0 : 1]->setChecked(true);
    c_.longitude[r.longitude.east ? 0 : 1]->setChecked(true);
}

void PlaceLookup::ShowZone(const BirthRequest& r, const atlas::PlaceAtBirth& birth) {
    if (const auto* exact = std::get_if<ExactOffset>(&r.zone)) {
        ShowExactEntry(*exact, ExactLabel(birth));
    } else if (const auto* entry = std::get_if<ZoneListEntry>(&r.zone)) {
        c_.zone->setCurrentIndex(entry->position);
        RemoveExactEntry();
    }
    // While the zone comes from the atlas, the box shows whether the clocks kept daylight time
    // then, and cannot add an hour on top; picking the zone by hand gives it back to the user.
    c_.daylight->setChecked(birth.offset.daylight);
    c_.daylight->setEnabled(false);
}

void PlaceLookup::ShowExactEntry(ExactOffset offset, const QString& label) {
    exact_ = ExactEntry{offset, label};
    if (!HasExactItem()) {
        c_.zone->insertItem(kZoneCount, label);
    } else {
        c_.zone->setItemText(kZoneCount, label);
    }
    c_.zone->setCurrentIndex(kZoneCount);
}

void PlaceLookup::ShowZoneEntry(int index) {
    c_.zone->setCurrentIndex(index);
    RemoveExactEntry();
}

// Only ever after another entry has been selected.
void PlaceLookup::RemoveExactEntry() {
    exact_.reset();
    if (HasExactItem() && c_.zone->currentIndex() != kZoneCount) c_.zone->removeItem(kZoneCount);
}

bool PlaceLookup::HasExactItem() const {
    return c_.zone->count() > kZoneCount + (cityTime_ ? 1 : 0);
}

bool PlaceLookup::CityTimePicked() const {
    return cityTime_ && c_.zone->currentIndex() == c_.zone->count() - 1;
}

// The city time is offered beside the database's offset, never chosen for the user.
void PlaceLookup::ShowCityEntry(const std::optional<atlas::PlaceAtBirth>& birth) {
    const std::optional<std::string> label =
        birth ? atlas::CityTimeEntryLabel(*birth) : std::nullopt;
    const bool picked = CityTimePicked();
    if (cityTime_ && !label) {
        if (picked) c_.zone->setCurrentIndex(birth && birth->zoneEntry ? *birth->zoneEntry : 0);
        c_.zone->removeItem(c_.zone->count() - 1);
        cityTime_.reset();
        return;
    }
    if (!label) return;
    const ExactOffset offset{
        static_cast<int>(std::lround(birth->cityTime->offsetSeconds / 60.0)) * 60};
    if (cityTime_) {
        c_.zone->setItemText(c_.zone->count() - 1, Text(*label));
    } else {
        c_.zone->addItem(Text(*label));
    }
    cityTime_ = offset;
}

QString PlaceLookup::ByHandNote(const atlas::PlaceAtBirth& birth) const {
    const int current = c_.zone->currentIndex();
    const bool daylight = c_.daylight->isEnabled() && c_.daylight->isChecked();
    QString pick;
    bool same = !daylight;
    if (birth.cityTimeUsed) {
        same = same && CityTimePicked();
        pick = ExactLabel(birth);
    } else if (birth.zoneEntry) {
        same = same && current == *birth.zoneEntry;
        pick = Text(kZoneTable[static_cast<std::size_t>(*birth.zoneEntry)].listText);
    } else {
        same = same && current == kZoneCount && exact_ &&
               exact_->offset.ToTheMinute() == ExactOffset{birth.usedOffsetSeconds}.ToTheMinute();
        pick = ExactLabel(birth);
    }
    if (same) return {};
    return Text(ZoneByHandText(pick.toStdString(), daylight, language_));
}

void PlaceLookup::ShowLine(const AtBirth& at) {
    if (!at.birth) {
        SetLine(Text(chosen_ ? chosen_->name : std::string()) + QStringLiteral(": ") + at.problem);
        return;
    }
    const atlas::PlaceAtBirth& birth = *at.birth;
    QString line;
    if (birth.place.timeZone.empty()) {
        line = Text(OwnPlaceLineText(birth.offset.utcOffsetSeconds, !birth.zoneEntry, language_));
    } else {
        line = Text(ZoneLineText(birth, language_));
        if (const auto note = CityTimeNote(AtlasPlaceOf(birth), language_))
            line += QStringLiteral(" — ") + Text(*note);
    }
    if (zoneByHand_)
        if (const QString note = ByHandNote(birth); !note.isEmpty()) line += QStringLiteral(" — ") + note;
    SetLine(line);
}

// The whole line, wrapped over as many lines as it needs.
void PlaceLookup::SetLine(const QString& text) { c_.zoneLine->setText(text); }

}  // namespace kalodaya::ui
