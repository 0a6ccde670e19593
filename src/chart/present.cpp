#include "chart/present.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "astro/zone_table.h"
#include "base/angles.h"
#include "base/utc_offset.h"
#include "chart/present_place.h"
#include "lagna/longitude_sign.h"
#include "profile/chart_words.h"
#include "profile/sign_profile_tables.h"
#include "profile/text_keys.h"

namespace kalodaya {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// The bodies whose display name carries the retrograde mark when they move backwards: the five
// planets (the Sun and the Moon never do, the nodes always do, the ascendant is no body).
constexpr bool ShowsRetrograde(int body) {
    return body >= Mercury && body <= Saturn;
}

std::string& AppendInt(std::string& out, long long value) {
    char buf[24];
    const char* end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return out.append(buf, static_cast<std::size_t>(end - buf));
}

std::string IntText(long long value) {
    std::string text;
    AppendInt(text, value);
    return text;
}

void Lines(std::string& cell, int count) {
    for (int i = 0; i < count; ++i) cell.append(kLineBreak);
}

// A position label ("28 Vir 42") with the language's sign code in place of the English one.
void LocalizePosition(std::string& label, const ChartWords& words) {
    if (label.size() < 6) return;
    const int sign = SignIndexOfCodeOrNone(std::string_view(label).substr(3, 3));
    if (sign < 0 || words.signCodes[sign] == kSignCodes[sign]) return;
    label.replace(3, 3, words.signCodes[sign]);
}

void PresentDetails(const ChartRequest& request, const ChartWords& w, BirthDetailsTexts& d) {
    const LocalBirth& b = request.birth;
    d.name = request.name;
    d.dob =
        FillPlaceholders(w.birthDate, {w.monthNames[b.month - 1], IntText(b.day), IntText(b.year)});
    d.tob = FillPlaceholders(w.birthTime, {IntText(b.hour), IntText(b.minute)});
    d.latitude = FillPlaceholders(w.coordinate, {IntText(b.place.latDeg), IntText(b.place.latMin),
                                                 b.place.south ? w.south : w.north});
    d.longitude = FillPlaceholders(w.coordinate, {IntText(b.place.lonDeg), IntText(b.place.lonMin),
                                                  b.place.east ? w.east : w.west});
    d.city = request.city;
    d.state = request.state;
    d.country = request.country;
}

}  // namespace

std::string DateWords(const DateTime& date, Language language) {
    const ChartWords& w = WordsOf(language);
    const DateTime::CivilDate civil = date.Date();
    return FillPlaceholders(
        w.dateWords, {w.monthNames[civil.month - 1], IntText(civil.day), IntText(civil.year)});
}

namespace {

// "05:49", or "10:30:00" with the seconds.
std::string ClockText(const DateTime& moment, bool withSeconds) {
    char text[16];
    const int length =
        withSeconds ? std::snprintf(text, sizeof text, "%02d:%02d:%02d", moment.Hour(),
                                    moment.Minute(), moment.Second())
                    : std::snprintf(text, sizeof text, "%02d:%02d", moment.Hour(), moment.Minute());
    return std::string(text, static_cast<std::size_t>(length));
}

// "4 h 41 min (11.71 ghatis)": a ghati is 24 minutes; two decimals show how far into the
// current one the birth fell.
std::string ElapsedText(int minutes, Language language) {
    char ghatis[32];
    std::snprintf(ghatis, sizeof ghatis, "%.2f", minutes / 24.0);
    return FillPlaceholders(Text(language, text_key::kElapsed),
                            {IntText(minutes / 60), IntText(minutes % 60), ghatis});
}

// The settings by their names in the language ("modern, lahiri ayanamsa, mean node, hindu
// sunrise").
std::string SettingsText(const CalculationSettings& s, Language language) {
    if (language == Language::En) return SettingsLine(s);
    auto name = [language](std::string_view setting) {
        return Text(language, SettingTextKey(setting));
    };
    return FillPlaceholders(Text(language, text_key::kSettings),
                            {name(SettingName(s.ephemeris)), name(SettingName(s.ayanamsa)),
                             name(SettingName(s.node)), name(SettingName(s.sunrise))});
}

}  // namespace

std::string ClockOnDateText(const std::string& clock, const DateTime& date, Language language) {
    return FillPlaceholders(Text(language, text_key::kClockOnDate),
                            {clock, DateWords(date, language)});
}

BirthTimeTexts PresentBirthTimes(const ChartResult& r, Language language) {
    namespace key = text_key;
    BirthTimeTexts t;
    const DateTime& born = r.birthMoment;
    t.date = DateWords(born, language);
    t.isoDate = born.Iso().substr(0, 10);
    t.clock = ClockText(born, true);
    const LocalBirth& birth = r.request.birth;
    t.zone = "UTC" + UtcOffsetText(-birth.zone.WestMinutes() * 60 + (birth.daylight ? 3600 : 0));
    if (birth.daylight) t.zone = FillPlaceholders(Text(language, key::kZoneDaylight), {t.zone});
    const ChartRequest& request = r.request;
    if (request.zoneEntry && *request.zoneEntry >= 0 && *request.zoneEntry < kZoneCount)
        t.zoneSource = kZoneTable[*request.zoneEntry].listText;
    else
        t.zoneSource = std::string(Text(language, key::kExactOffsetSource));
    if (request.atlasPlace && !request.atlasPlace->timeZone.empty())
        t.zoneSource += " (" + request.atlasPlace->timeZone + ")";
    const DateTime& sunrise = r.sunEvents[kSunrise].value_or(r.referenceSunrise);
    t.sunrise = ClockText(sunrise, false);
    if (sunrise.DateOnly() != born.DateOnly())
        t.sunrise = ClockOnDateText(t.sunrise, sunrise, language);
    t.referenceSunrise =
        ClockOnDateText(ClockText(r.referenceSunrise, false), r.referenceSunrise, language);
    const bool countsToSunrise = r.referenceSunrise > born;
    t.elapsedCaption =
        Text(language, countsToSunrise ? key::kTimeToSunriseCaption : key::kTimeElapsedCaption);
    t.elapsed = ElapsedText(std::abs(r.elapsedMinutes), language);
    if (r.ghatiLagna) {
        t.ghatiLagna = PositionText(r.ghatiLagna->longitude, language);
        if (r.ghatiLagna->sign >= 0 && r.ghatiLagna->sign < kSignCount)
            t.ghatiLagna.append(", ").append(WordsOf(language).signNames[r.ghatiLagna->sign]);
    }
    if (const auto& place = request.atlasPlace) {
        // The zone line runs the notes on after a dash; here each stands as a sentence.
        for (std::string& note : ClockNoteTexts(place->clock, place->localMeanTime,
                                                place->utcOffsetSeconds, place->abbreviation,
                                                language))
            t.clockNotes.push_back(AsSentence(std::move(note), language));
        // Mumbai and Kolkata births of the years their cities kept their own time.
        if (auto note = CityTimeNote(*place, language)) t.clockNotes.push_back(std::move(*note));
    }
    return t;
}

std::vector<LabelledLine> BirthFactLines(const BirthTimeTexts& times, const ResultTexts& texts) {
    namespace key = text_key;
    const Language language = texts.language;
    auto caption = [language](std::string_view k) { return std::string(Text(language, k)); };
    std::vector<LabelledLine> lines = {
        {caption(key::kBirthCaption), times.date + ", " + times.clock},
        {caption(key::kPageTimeZone), times.zone},
        {caption(key::kZoneEntryCaption), times.zoneSource},
        {caption(key::kPageSunrise), times.sunrise},
        {caption(key::kPageReferenceSunrise), times.referenceSunrise},
        {times.elapsedCaption, times.elapsed},
    };
    if (!times.ghatiLagna.empty())
        lines.push_back({caption(key::kGhatiLagnaCaption), times.ghatiLagna});
    lines.push_back({caption(key::kSettingsCaption), texts.settings});
    return lines;
}

std::string ClassicComparisonText(const GhatiLagna& modern, const GhatiLagna& classic,
                                  Language language) {
    namespace key = text_key;
    double arc = std::fabs(modern.longitude - classic.longitude);
    if (arc > 180) arc = 360 - arc;
    const long arcMinutes = std::lround(arc * 60);
    // The ghati lagna moves 1.25° (75′) per minute of birth time: 0.8 s per minute of arc.
    const long seconds = std::lround(arc * 60 * 0.8);
    const std::string time =
        seconds < 60 ? FillPlaceholders(Text(language, key::kSeconds), {IntText(seconds)})
                     : FillPlaceholders(Text(language, key::kMinutesSeconds),
                                        {IntText(seconds / 60), IntText(seconds % 60)});
    std::string position = SignOfLongitude(classic.longitude).label;
    LocalizePosition(position, WordsOf(language));
    const std::string arcText = std::to_string(arcMinutes / 60) + "°" +
                                (arcMinutes % 60 < 10 ? "0" : "") +
                                std::to_string(arcMinutes % 60) + "′";
    return FillPlaceholders(Text(language, key::kClassicComparison), {position, arcText, time});
}

std::string PolarMessage(const PolarOutcome& polar, Language language) {
    return FillPlaceholders(WordsOf(language).polarMessage, {DateWords(polar.date, language)});
}

std::string PositionText(double longitude, Language language) {
    std::string label;
    FormatPlanetLabelOfLongitude(longitude, label);
    LocalizePosition(label, WordsOf(language));
    return label;
}

std::string CheckMessage(const EntryCheckFailure& failure, Language language) {
    if (language == Language::En) return failure.message;
    // The checks' messages are the English file's texts: the key is the one whose English
    // text the message is.
    for (const auto& [key, english] : LanguageTexts(Language::En))
        if (key.starts_with("check.") && english == failure.message)
            return std::string(Text(language, key));
    return failure.message;
}

void PresentInto(const ChartResult& r, ResultTexts& t, Language language) {
    const ChartWords& w = WordsOf(language);
    t.language = language;
    for (int k = 0; k < kBodyCount; ++k) {
        FormatPlanetLabelOfLongitude(r.longitude[k], t.planet[k]);
        LocalizePosition(t.planet[k], w);
        t.names[k] = r.retrograde[k] && ShowsRetrograde(k) ? std::string_view(w.retrogradeNames[k])
                                                           : w.bodyNames[k];
    }
    // Each body's name on a line of its own in the cell of its sign, in body order.
    for (auto& cell : t.signCells) cell.clear();
    for (int k = 0; k < kBodyCount; ++k) {
        const int sign = r.bodySign[k];
        if (sign < 0) continue;
        t.signCells[sign].append(kLineBreak).append(t.names[k]);
    }
    // Arudha lines, then "GL", then the hidden lagnas' lines.
    t.ghatiLagnaMark = w.ghatiLagnaMark;
    for (int sign = 0; sign < kSignCount; ++sign) {
        std::string& cell = t.markers[sign];
        cell.clear();
        Lines(cell, r.marks.arudha[sign]);
        if (r.marks.ghatiLagnaSign == sign) cell.append(kLineBreak).append(w.ghatiLagnaMark);
        Lines(cell, r.marks.hidden[sign]);
    }
    PresentDetails(r.request, w, t.details);
    t.usedOffset.clear();
    t.placeOffset.clear();
    if (PlaceReported(r.request)) {
        // The daylight box moves the clock an hour ahead of the zone: the offset used holds it.
        const LocalBirth& b = r.request.birth;
        t.usedOffset = UtcOffsetText(-b.zone.WestMinutes() * 60 + (b.daylight ? 3600 : 0));
        if (r.request.atlasPlace)
            t.placeOffset = UtcOffsetText(r.request.atlasPlace->utcOffsetSeconds);
    }
    t.placeNote.clear();
    if (r.request.atlasPlace) {
        if (auto note = CityTimeNote(*r.request.atlasPlace, language))
            t.placeNote = std::move(*note);
    }

    t.profile = {};
    t.profileSign.reset();
    t.ghatiLagnaSignName = {};
    t.captions = w.captions;
    t.ghatiLagnaSignCaption = w.ghatiLagnaSignCaption;
    t.sunAtSunrise.clear();
    t.ghatiLagna.clear();
    t.polarMessage.clear();
    t.settings = SettingsText(r.request.settings, language);
    t.classicGhatiLagna.clear();
    if (r.polar) {
        t.polarMessage = PolarMessage(*r.polar, language);
        return;
    }
    FormatPlanetLabelOfLongitude(r.sunAtSunrise, t.sunAtSunrise);
    LocalizePosition(t.sunAtSunrise, w);
    if (!r.ghatiLagna) return;
    t.ghatiLagna = SignOfLongitude(r.ghatiLagna->longitude).label;
    LocalizePosition(t.ghatiLagna, w);
    if (r.classicGhatiLagna)
        t.classicGhatiLagna = ClassicComparisonText(*r.ghatiLagna, *r.classicGhatiLagna, language);
    const int sign = r.ghatiLagna->sign;
    if (sign >= 0 && sign < kSignCount) t.ghatiLagnaSignName = w.signNames[sign];
    if (sign >= 0 && sign < kSignCount && ProfileOfSign(sign)) {
        t.profile = w.profiles[sign];
        t.profileSign = sign;
    }
}

ResultTexts Present(const ChartResult& result, Language language) {
    ResultTexts texts;
    PresentInto(result, texts, language);
    return texts;
}

}  // namespace kalodaya
