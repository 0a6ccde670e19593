#pragma once
// What the entry form keeps between runs (QSettings): the zone the user last had, and the
// calculation chosen. On the first start, with no zone kept, the form takes the zone list's
// entry for the computer's own clock.
#include <QDateTime>
#include <QString>
#include <optional>

#include "astro/calculation_settings.h"
#include "request/birth_request.h"

class QSettings;

namespace kalodaya::ui {

// A zone the form can show: a list position, or an exact offset with its extra entry's
// caption.
struct FormZone {
    ZoneSelection zone = ZoneListEntry{0};
    QString exactLabel;  // for an exact offset
    friend bool operator==(const FormZone&, const FormZone&) = default;
};

// The form's own settings file (the same one as the chart style's).
QSettings FormSettings();

std::optional<FormZone> RememberedZone(QSettings& settings);
// Keeps `zone` for the next start; no zone selected keeps nothing.
void RememberZone(QSettings& settings, const FormZone& zone);

// The calculation kept, or the classic one; a kept combination that cannot be computed is
// the classic one too.
CalculationSettings RememberedCalculation(QSettings& settings);
void RememberCalculation(QSettings& settings, const CalculationSettings& calculation);

// The zone list's entry of the clock that `now` is read on (its zone's name, offset,
// abbreviation and daylight state), as the atlas names a place's clock; the exact offset
// when the list has no entry for that clock.
FormZone ZoneOfClock(const QDateTime& now);

}  // namespace kalodaya::ui
