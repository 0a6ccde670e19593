#include "ui/form_settings.h"

#include <QSettings>
#include <QTimeZone>

#include "astro/atlas/zone_entry_match.h"
#include "astro/zone_table.h"
#include "ui/chart_drawing/chart_style_panel.h"

namespace kalodaya::ui {
namespace {

const QString kZoneEntryKey = QStringLiteral("form/zoneEntry");
const QString kExactOffsetKey = QStringLiteral("form/exactOffsetSeconds");
const QString kExactLabelKey = QStringLiteral("form/exactOffsetLabel");
const QString kEphemerisKey = QStringLiteral("calculation/ephemeris");
const QString kAyanamsaKey = QStringLiteral("calculation/ayanamsa");
const QString kNodeKey = QStringLiteral("calculation/node");
const QString kSunriseKey = QStringLiteral("calculation/sunrise");

QString Name(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A kept setting by its name; nothing when it is missing or names no setting.
template <typename Named>
auto Kept(QSettings& settings, const QString& key, Named named) {
    return named(settings.value(key).toString().toStdString());
}

}  // namespace

QSettings FormSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, kChartStyleOrganisation,
                     kChartStyleApplication);
}

std::optional<FormZone> RememberedZone(QSettings& settings) {
    bool ok = false;
    if (settings.contains(kZoneEntryKey)) {
        const int position = settings.value(kZoneEntryKey).toInt(&ok);
        if (ok && position >= 0 && position < kZoneCount) return FormZone{ZoneListEntry{position}, {}};
        return std::nullopt;
    }
    if (settings.contains(kExactOffsetKey)) {
        const int seconds = settings.value(kExactOffsetKey).toInt(&ok);
        if (ok && seconds > -86400 && seconds < 86400)
            return FormZone{ExactOffset{seconds}, settings.value(kExactLabelKey).toString()};
    }
    return std::nullopt;
}

void RememberZone(QSettings& settings, const FormZone& zone) {
    if (const auto* entry = std::get_if<ZoneListEntry>(&zone.zone)) {
        settings.remove(kExactOffsetKey);
        settings.remove(kExactLabelKey);
        settings.setValue(kZoneEntryKey, entry->position);
    } else if (const auto* exact = std::get_if<ExactOffset>(&zone.zone)) {
        settings.remove(kZoneEntryKey);
        settings.setValue(kExactOffsetKey, exact->eastSeconds);
        settings.setValue(kExactLabelKey, zone.exactLabel);
    }
    settings.sync();
}

CalculationSettings RememberedCalculation(QSettings& settings) {
    CalculationSettings kept;
    const auto ephemeris = Kept(settings, kEphemerisKey, EphemerisNamed);
    if (!ephemeris) return kept;
    kept.ephemeris = *ephemeris;
    kept.ayanamsa = Kept(settings, kAyanamsaKey, AyanamsaNamed).value_or(DefaultAyanamsa(*ephemeris));
    kept.node = Kept(settings, kNodeKey, NodeNamed).value_or(NodeKind::Mean);
    kept.sunrise = Kept(settings, kSunriseKey, SunriseNamed).value_or(SunriseKind::Classic);
    if (SettingsConflict(kept)) return {};
    return kept;
}

void RememberCalculation(QSettings& settings, const CalculationSettings& c) {
    settings.setValue(kEphemerisKey, Name(SettingName(c.ephemeris)));
    settings.setValue(kAyanamsaKey, Name(SettingName(c.ayanamsa)));
    settings.setValue(kNodeKey, Name(SettingName(c.node)));
    settings.setValue(kSunriseKey, Name(SettingName(c.sunrise)));
    settings.sync();
}

FormZone ZoneOfClock(const QDateTime& now) {
    // The computer's clock reads local time: its zone is the system's.
    const QByteArray id =
        now.timeSpec() == Qt::TimeZone ? now.timeZone().id() : QTimeZone::systemTimeZoneId();
    const int offset = now.offsetFromUtc();
    // The clock's offset to the minute, as the computation uses it.
    const int minutes = offset >= 0 ? (offset + 30) / 60 : -((-offset + 30) / 60);
    const std::string abbreviation = now.timeZoneAbbreviation().toStdString();
    const std::string name = id.toStdString();
    if (const auto position = atlas::MatchZoneEntry(minutes * 60, abbreviation,
                                                    now.isDaylightTime(), name))
        return {ZoneListEntry{*position}, {}};
    return {ExactOffset{minutes * 60},
            QString::fromStdString(atlas::ExactEntryLabel(minutes * 60, abbreviation, name))};
}

}  // namespace kalodaya::ui
