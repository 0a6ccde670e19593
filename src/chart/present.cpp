#include "chart/present.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/angles.h"
#include "astro/atlas/place_at_birth.h"
#include "astro/zone_table.h"
#include "base/utc_offset.h"
#include "lagna/longitude_sign.h"
#include "profile/sign_profile_tables.h"

namespace kalodaya {
namespace {

constexpr std::string_view kDegreeBlank = "\xC2\xB0 ";  // U+00B0 and a blank
constexpr std::string_view kLineBreak = "\r\n";

// Display names: the plain name, or the name with the retrograde mark " (R) ".
constexpr std::array<std::string_view, kBodyCount> kMarkedNames = {
    "Sun",          "Moon",        "Mercury (R) ", "Venus (R) ", "Mars (R) ",
    "Jupiter (R) ", "Saturn (R) ", "Rahu",         "Ketu",       "Asc"};

std::string& AppendInt(std::string& out, long long value) {
    char buf[24];
    const char* end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return out.append(buf, static_cast<std::size_t>(end - buf));
}

// "28° 39' N": degrees, degree sign and blank, minutes, apostrophe, blank and hemisphere.
void CoordinateText(std::string& out, long long degrees, long long minutes, char hemisphere) {
    out.clear();
    AppendInt(out, degrees).append(kDegreeBlank);
    AppendInt(out, minutes).append("' ").push_back(hemisphere);
}

void Lines(std::string& cell, int count) {
    for (int i = 0; i < count; ++i) cell.append(kLineBreak);
}

void PresentDetails(const ChartRequest& request, BirthDetailsTexts& d) {
    const LocalBirth& b = request.birth;
    d.name = request.name;
    d.dob.assign(kMonthNames[b.month - 1]).push_back('/');
    AppendInt(d.dob, b.day).push_back('/');
    AppendInt(d.dob, b.year);
    d.tob.clear();
    AppendInt(d.tob, b.hour).push_back(':');
    AppendInt(d.tob, b.minute);
    CoordinateText(d.latitude, b.place.latDeg, b.place.latMin, b.place.south ? 'S' : 'N');
    CoordinateText(d.longitude, b.place.lonDeg, b.place.lonMin, b.place.east ? 'E' : 'W');
    d.city = request.city;
    d.state = request.state;
    d.country = request.country;
}

}  // namespace

std::string DateWords(const DateTime& date) {
    const DateTime::CivilDate civil = date.Date();
    std::string text(kMonthNames[civil.month - 1]);
    text.push_back(' ');
    AppendInt(text, civil.day).append(", ");
    AppendInt(text, civil.year);
    return text;
}

namespace {

// "05:49", or "10:30:00" with the seconds.
std::string ClockText(const DateTime& moment, bool withSeconds) {
    char text[16];
    const int length = withSeconds ? std::snprintf(text, sizeof text, "%02d:%02d:%02d",
                                                   moment.Hour(), moment.Minute(), moment.Second())
                                   : std::snprintf(text, sizeof text, "%02d:%02d", moment.Hour(),
                                                   moment.Minute());
    return std::string(text, static_cast<std::size_t>(length));
}

// "4 h 41 min (11.71 ghatis)": a ghati is 24 minutes; two decimals show how far into the
// current one the birth fell.
std::string ElapsedText(int minutes) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%d h %d min (%.2f ghatis)", minutes / 60,
                                     minutes % 60, minutes / 24.0);
    return std::string(text, static_cast<std::size_t>(length));
}

}  // namespace

BirthTimeTexts PresentBirthTimes(const ChartResult& r) {
    BirthTimeTexts t;
    const DateTime& born = r.birthMoment;
    t.date = DateWords(born);
    t.isoDate = born.Iso().substr(0, 10);
    t.clock = ClockText(born, true);
    const LocalBirth& birth = r.request.birth;
    t.zone = "UTC" + UtcOffsetText(-birth.zone.WestMinutes() * 60 + (birth.daylight ? 3600 : 0));
    if (birth.daylight) t.zone += ", daylight saving time";
    const ChartRequest& request = r.request;
    if (request.zoneEntry && *request.zoneEntry >= 0 && *request.zoneEntry < kZoneCount)
        t.zoneSource = kZoneTable[*request.zoneEntry].listText;
    else
        t.zoneSource = "Exact offset";
    if (request.atlasPlace && !request.atlasPlace->timeZone.empty())
        t.zoneSource += " (" + request.atlasPlace->timeZone + ")";
    const DateTime& sunrise = r.sunEvents[kSunrise].value_or(r.referenceSunrise);
    t.sunrise = ClockText(sunrise, false);
    if (sunrise.DateOnly() != born.DateOnly()) t.sunrise += ", " + DateWords(sunrise);
    t.referenceSunrise = ClockText(r.referenceSunrise, false) + ", " + DateWords(r.referenceSunrise);
    const bool countsToSunrise = r.referenceSunrise > born;
    t.elapsedCaption = countsToSunrise ? "Time To Sunrise :" : "Time Elapsed :";
    t.elapsed = ElapsedText(std::abs(r.elapsedMinutes));
    if (r.ghatiLagna) {
        FormatPlanetLabelOfLongitude(r.ghatiLagna->longitude, t.ghatiLagna);
        if (r.ghatiLagna->sign >= 0 && r.ghatiLagna->sign < kSignCount)
            t.ghatiLagna.append(", ").append(kSignNames[r.ghatiLagna->sign]);
    }
    if (const auto& place = request.atlasPlace) {
        for (std::string note :
             atlas::ClockNotes(place->clock, place->localMeanTime, place->utcOffsetSeconds,
                               place->abbreviation)) {
            // The zone line runs the notes on after a dash; here each stands as a sentence.
            if (!note.empty() && note[0] >= 'a' && note[0] <= 'z') note[0] -= 'a' - 'A';
            t.clockNotes.push_back(note + ".");
        }
    }
    return t;
}

std::vector<LabelledLine> BirthFactLines(const BirthTimeTexts& times, const ResultTexts& texts) {
    std::vector<LabelledLine> lines = {
        {"Birth :", times.date + ", " + times.clock},
        {"Time Zone :", times.zone},
        {"Zone Entry :", times.zoneSource},
        {"Sunrise :", times.sunrise},
        {"Reference Sunrise :", times.referenceSunrise},
        {times.elapsedCaption, times.elapsed},
    };
    if (!times.ghatiLagna.empty()) lines.push_back({"Ghati Lagna :", times.ghatiLagna});
    lines.push_back({"Calculation :", texts.settings});
    return lines;
}

std::string ClassicComparisonText(const GhatiLagna& modern, const GhatiLagna& classic) {
    double arc = std::fabs(modern.longitude - classic.longitude);
    if (arc > 180) arc = 360 - arc;
    const long arcMinutes = std::lround(arc * 60);
    // The ghati lagna moves 1.25° (75′) per minute of birth time: 0.8 s per minute of arc.
    const long seconds = std::lround(arc * 60 * 0.8);
    std::string time = seconds < 60 ? std::to_string(seconds) + " s"
                                    : std::to_string(seconds / 60) + " min " +
                                          std::to_string(seconds % 60) + " s";
    return "Classic: " + SignOfLongitude(classic.longitude).label + ", " +
           std::to_string(arcMinutes / 60) + "°" + (arcMinutes % 60 < 10 ? "0" : "") +
           std::to_string(arcMinutes % 60) + "′ apart, about " + time + " of birth time";
}

std::string PolarMessage(const PolarOutcome& polar) {
    return "The Sun does not rise or set at this place on " + DateWords(polar.date) +
           ", so the Ghati Lagna cannot be computed.";
}

void PresentInto(const ChartResult& r, ResultTexts& t) {
    for (int k = 0; k < kBodyCount; ++k) {
        FormatPlanetLabelOfLongitude(r.longitude[k], t.planet[k]);
        t.names[k] = r.retrograde[k] ? kMarkedNames[k] : kPlainPlanetNames[k];
    }
    // Each body's name on a line of its own in the cell of its sign, in body order.
    for (auto& cell : t.signCells) cell.clear();
    for (int k = 0; k < kBodyCount; ++k) {
        const int sign = r.bodySign[k];
        if (sign < 0) continue;
        t.signCells[sign].append(kLineBreak).append(t.names[k]);
    }
    // Arudha lines, then "GL", then the hidden lagnas' lines.
    for (int sign = 0; sign < kSignCount; ++sign) {
        std::string& cell = t.markers[sign];
        cell.clear();
        Lines(cell, r.marks.arudha[sign]);
        if (r.marks.ghatiLagnaSign == sign) cell.append(kLineBreak).append(kGhatiLagnaMarker);
        Lines(cell, r.marks.hidden[sign]);
    }
    PresentDetails(r.request, t.details);
    t.usedOffset.clear();
    t.placeOffset.clear();
    if (PlaceReported(r.request)) {
        // The daylight box moves the clock an hour ahead of the zone: the offset used holds it.
        const LocalBirth& b = r.request.birth;
        t.usedOffset = UtcOffsetText(-b.zone.WestMinutes() * 60 + (b.daylight ? 3600 : 0));
        if (r.request.atlasPlace) t.placeOffset = UtcOffsetText(r.request.atlasPlace->utcOffsetSeconds);
    }

    t.profile = {};
    t.profileSign.reset();
    t.sunAtSunrise.clear();
    t.ghatiLagna.clear();
    t.polarMessage.clear();
    t.settings = SettingsLine(r.request.settings);
    t.classicGhatiLagna.clear();
    if (r.polar) {
        t.polarMessage = PolarMessage(*r.polar);
        return;
    }
    FormatPlanetLabelOfLongitude(r.sunAtSunrise, t.sunAtSunrise);
    if (!r.ghatiLagna) return;
    t.ghatiLagna = SignOfLongitude(r.ghatiLagna->longitude).label;
    if (r.classicGhatiLagna)
        t.classicGhatiLagna = ClassicComparisonText(*r.ghatiLagna, *r.classicGhatiLagna);
    if (const SignProfileValues* values = ProfileOfSign(r.ghatiLagna->sign)) {
        t.profile = *values;
        t.profileSign = r.ghatiLagna->sign;
    }
}

ResultTexts Present(const ChartResult& result) {
    ResultTexts texts;
    PresentInto(result, texts);
    return texts;
}

}  // namespace kalodaya
