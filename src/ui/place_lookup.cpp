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
                         QObject* parent)
    : QObject(parent), c_(controls), request_(std::move(request)),
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
    if (exact_ && c_.zone->currentIndex() == kZoneCount) request.zone = exact_->offset;
    if (!chosen_) return;
    if (const AtBirth at = Resolve(request); at.birth) request.atlasPlace = AtlasPlaceOf(*at.birth);
}

void PlaceLookup::Forget() {
    chosen_.reset();
    zoneByHand_ = false;
    SetLine(QString());
}

PlaceLookup::AtBirth PlaceLookup::Resolve(const BirthRequest& request) const {
    if (!chosen_) return {};
    const std::optional<atlas::CivilTime> clock = BirthClock(request);
    if (!clock) return {std::nullopt, QStringLiteral("the date on the form does not exist")};
    const atlas::Atlas* atlas = popup_->Sources().atlas.get();
    const auto resolved = [&](const atlas::Place& place) -> AtBirth {
        auto birth = atlas::ResolvePlaceAtBirth(*atlas, place, *clock);
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
    BirthRequest request = request_();
    const AtBirth at = Resolve(request);
    if (at.birth) {
        EnterPlaceAtBirth(request, *at.birth, ZoneChoice::FromAtlas);
    } else {
        EnterPlace(request, PlaceOf(*chosen_));
    }
    ShowPlace(request);
    if (at.birth) ShowZone(request, *at.birth);
    ShowLine(at);
}

void PlaceLookup::OnMomentPicked() {
    if (!chosen_) return;
    BirthRequest request = request_();
    const AtBirth at = Resolve(request);
    if (at.birth && !zoneByHand_) {
        EnterPlaceAtBirth(request, *at.birth, ZoneChoice::FromAtlas);
        ShowZone(request, *at.birth);
    }
    ShowLine(at);
}

void PlaceLookup::OnZonePicked(int index) {
    zoneByHand_ = true;
    if (index != kZoneCount) RemoveExactEntry();
    if (chosen_) ShowLine(Resolve(request_()));
}

void PlaceLookup::OnDaylightClicked() {
    zoneByHand_ = true;
    if (chosen_) ShowLine(Resolve(request_()));
}

void PlaceLookup::OnCityChanged(const QString& text) {
    if (chosen_ && text != Text(chosen_->name)) Forget();
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
    c_.daylight->setChecked(r.daylight);
}

void PlaceLookup::ShowExactEntry(ExactOffset offset, const QString& label) {
    exact_ = ExactEntry{offset, label};
    if (c_.zone->count() == kZoneCount) {
        c_.zone->addItem(label);
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
    if (c_.zone->count() > kZoneCount && c_.zone->currentIndex() != kZoneCount)
        c_.zone->removeItem(kZoneCount);
}

QString PlaceLookup::ByHandNote(const atlas::PlaceAtBirth& birth) const {
    const int current = c_.zone->currentIndex();
    const bool daylight = c_.daylight->isChecked();
    QString pick;
    bool same = !daylight;
    if (birth.zoneEntry) {
        same = same && current == *birth.zoneEntry;
        pick = Text(kZoneTable[static_cast<std::size_t>(*birth.zoneEntry)].listText);
    } else {
        same = same && current == kZoneCount && exact_ &&
               exact_->offset.ToTheMinute() == ExactOffset{birth.usedOffsetSeconds}.ToTheMinute();
        pick = ExactLabel(birth);
    }
    if (same) return {};
    return QStringLiteral("zone picked by hand; the atlas would pick ") + pick +
           (daylight ? QStringLiteral(" with the daylight box clear") : QString());
}

void PlaceLookup::ShowLine(const AtBirth& at) {
    if (!at.birth) {
        SetLine(Text(chosen_ ? chosen_->name : std::string()) + QStringLiteral(": ") + at.problem);
        return;
    }
    const atlas::PlaceAtBirth& birth = *at.birth;
    QString line;
    if (birth.place.timeZone.empty()) {
        line = QStringLiteral("Your own place's fixed offset: UTC") +
               Text(UtcOffsetText(birth.offset.utcOffsetSeconds));
        if (!birth.zoneEntry) line += QStringLiteral(" — exact entry");
    } else {
        line = Text(atlas::ZoneLineText(birth));
    }
    if (zoneByHand_)
        if (const QString note = ByHandNote(birth); !note.isEmpty()) line += QStringLiteral(" — ") + note;
    SetLine(line);
}

// The whole line is the label's tooltip; the label shows what fits.
void PlaceLookup::SetLine(const QString& text) {
    c_.zoneLine->setToolTip(text);
    c_.zoneLine->setText(
        c_.zoneLine->fontMetrics().elidedText(text, Qt::ElideRight, c_.zoneLine->width()));
}

}  // namespace kalodaya::ui
