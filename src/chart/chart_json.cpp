#include "chart/chart_json.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "astro/atlas/place_texts.h"
#include "chart/chart_layout.h"
#include "chart/present.h"
#include "chart/json_text_writer.h"
#include "chart/json_value_builder.h"
#include "lagna/longitude_sign.h"
#include "profile/sign_profile.h"
#include "profile/text_keys.h"

namespace kalodaya {
namespace {

using Json = nlohmann::ordered_json;

// The chart's members, each section written once for both sinks (the compact text and the
// library object). Values come from the chart's numbers and from the texts Present made; a
// member whose value the chart does not have is null.

// Writes `key` and either its value (through `value`) or null.
template <typename Sink, typename Key, typename Write>
void Member(Sink& w, const Key& key, bool present, Write value) {
    w.Key(key);
    if (present) {
        value();
    } else {
        w.Null();
    }
}

template <typename Sink, typename Key>
void TextOrNull(Sink& w, const Key& key, std::string_view text) {
    Member(w, key, !text.empty(), [&] { w.String(text); });
}

template <typename Sink, typename Texts>
void List(Sink& w, const Texts& texts) {
    w.OpenList();
    for (const auto& text : texts) {
        w.Item();
        w.String(text);
    }
    w.CloseList();
}

std::string SnakeCase(std::string_view name) {
    std::string out;
    for (char ch : name) {
        if (std::isupper(static_cast<unsigned char>(ch))) {
            if (!out.empty()) out += '_';
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        } else {
            out += ch;
        }
    }
    return out;
}

// The profile's keys: its value names in snake case ("lucky_days").
const std::array<std::string, kProfileFieldCount>& ProfileKeys() {
    static const std::array<std::string, kProfileFieldCount> keys = [] {
        std::array<std::string, kProfileFieldCount> k;
        for (int i = 0; i < kProfileFieldCount; ++i) k[i] = SnakeCase(kProfileArrayNames[i]);
        return k;
    }();
    return keys;
}

// Texts of a chart's JSON that its key alone decides, written once per scratch: the display
// names by the bodies' retrograde marks, and the profile by its sign.
constexpr std::size_t NamesSlot(unsigned retrogradeMarks) { return retrogradeMarks; }
constexpr std::size_t ProfileSlot(int sign) {
    return (std::size_t{1} << kBodyCount) + static_cast<std::size_t>(sign);
}

unsigned RetrogradeMarks(const ChartResult& r) {
    unsigned marks = 0;
    for (int k = 0; k < kBodyCount; ++k) marks |= (r.retrograde[k] ? 1u : 0u) << k;
    return marks;
}

template <typename Sink>
void WriteZone(Sink& w, const ZoneOffset& zone) {
    w.Key("zone");
    w.Open();
    w.Key("hours");
    w.Int(zone.hours);
    w.Key("minutes");
    w.Int(zone.minutes);
    w.Close();
}

// The birthplace as the atlas gave it and the offset the computation used, for a chart that
// reports them (PlaceReported): a request of neither kind gets the same output as before there
// was an atlas. Without an atlas place (an exact offset typed in) the atlas's members are null.
template <typename Sink>
void WritePlace(Sink& w, const ChartRequest& request, const ResultTexts& v) {
    const AtlasPlace* p = request.atlasPlace ? &*request.atlasPlace : nullptr;
    w.Key("place");
    w.Open();
    Member(w, "name", p, [&] { w.String(p->name); });
    Member(w, "state", p, [&] { w.String(p->state); });  // empty for a place without one
    Member(w, "country", p, [&] { w.String(p->country); });
    Member(w, "geonames_id", p && p->geonamesId, [&] { w.Int(*p->geonamesId); });
    Member(w, "lat", p, [&] { w.Double(p->latitude); });
    Member(w, "lon", p, [&] { w.Double(p->longitude); });
    TextOrNull(w, "time_zone", p ? p->timeZone : std::string_view());
    Member(w, "utc_offset", p, [&] { w.String(v.placeOffset); });
    TextOrNull(w, "abbreviation", p ? p->abbreviation : std::string_view());
    Member(w, "dst", p, [&] { w.Bool(p->daylight); });
    Member(w, "clock", p, [&] { w.String(atlas::ClockReadingText(p->clock)); });
    Member(w, "local_mean_time", p, [&] { w.Bool(p->localMeanTime); });
    Member(w, "zone_entry", request.zoneEntry.has_value(), [&] { w.Int(*request.zoneEntry); });
    w.Key("used_offset");
    w.String(v.usedOffset);
    TextOrNull(w, "tzdata", p ? p->tzdataVersion : std::string_view());
    // Only where the place kept a city time of its own: every other chart's record is as it was.
    if (!v.placeNote.empty()) {
        w.Key("note");
        w.String(v.placeNote);
    }
    w.Close();
}

template <typename Sink>
void WriteBodies(Sink& w, const ChartResult& r, const ResultTexts& v) {
    w.Key("ayanamsa_correction");
    w.Double(r.ayanamsaCorrection);
    w.Key("ascendant");
    w.Open();
    w.Key("deg");
    w.Double(r.longitude[Asc]);
    w.Key("text");
    w.String(v.planet[Asc]);
    w.Close();
    w.Key("moon");
    w.Open();
    w.Key("sidereal");
    w.Double(r.longitude[Moon]);
    w.Key("nakshatra_start");
    w.Double(r.moonNakshatraStart);
    w.Close();
    w.Key("positions");
    List(w, v.planet);
    w.Key("names");
    w.Remembered(NamesSlot(RetrogradeMarks(r)), [&] { List(w, v.names); });
    // The sidereal longitudes in degrees, in the order of the names.
    w.Key("longitudes");
    w.OpenList();
    for (const double longitude : r.longitude) {
        w.Item();
        w.Double(longitude);
    }
    w.CloseList();
}

// The calculation the chart was computed with, by the names its options take.
template <typename Sink>
void WriteSettings(Sink& w, const CalculationSettings& s) {
    w.Key("settings");
    w.Open();
    w.Key("ephemeris");
    w.String(SettingName(s.ephemeris));
    w.Key("ayanamsa");
    w.String(SettingName(s.ayanamsa));
    w.Key("node");
    w.String(SettingName(s.node));
    w.Key("sunrise");
    w.String(SettingName(s.sunrise));
    w.Close();
}

// The sun events of the birth date and its neighbours, the birth moment, and why a polar chart
// has no ghati lagna: each failed event with its date, and the day beyond the neighbours the
// choice of the reference sunrise may have needed.
template <typename Sink>
void WriteSunEvents(Sink& w, const ChartResult& r, const ResultTexts& v) {
    static constexpr const char* kEventKeys[kSunEventCount] = {
        "sunrise", "sunset", "prev_sunrise", "prev_sunset", "next_sunrise", "next_sunset"};
    for (int i = 0; i < kSunEventCount; ++i) {
        w.Key(kEventKeys[i]);
        w.DateOrNull(r.sunEvents[i].value_or(DateTime()), !r.sunEvents[i]);
    }
    w.Key("birth_moment");
    w.Date(r.birthMoment, true);

    const bool polar = r.polar.has_value();
    w.Key("polar");
    w.Bool(polar);
    Member(w, "polar_message", polar, [&] { w.String(v.polarMessage); });
    static constexpr const char* kEventNames[] = {"sunrise", "sunset"};
    const auto failed = [&](const DateTime& date, bool sunset) {
        w.Item();
        w.Open();
        w.Key("date");
        w.Date(date, false);
        w.Key("event");
        w.String(kEventNames[sunset ? 1 : 0]);
        w.Close();
    };
    w.Key("polar_failed");
    w.OpenList();
    const DateTime birthDate = r.birthMoment.DateOnly();
    for (int i = 0; i < kSunEventCount; ++i)
        if (!r.sunEvents[i])
            failed(birthDate.AddDays(i / 2 == 0 ? 0 : (i / 2 == 1 ? -1 : 1)), i % 2 == 1);
    if (polar && std::llabs(DateTime::DaysBetween(birthDate, r.polar->date)) > 1)
        failed(r.polar->date, r.polar->sunset);
    w.CloseList();
}

// The reference sunrise, the time since it and the ghati lagna; all null for a polar chart.
template <typename Sink>
void WriteGhatiLagna(Sink& w, const ChartResult& r, const ResultTexts& v) {
    const bool computed = !r.polar;
    Member(w, "reference_sunrise", computed, [&] { w.Date(r.referenceSunrise, true); });
    Member(w, "elapsed_minutes", computed, [&] { w.Int(r.elapsedMinutes); });
    Member(w, "elapsed_seconds", computed, [&] { w.Int(r.elapsedSeconds); });
    Member(w, "sun_at_sunrise", computed, [&] { w.Double(r.sunAtSunrise); });
    Member(w, "sun_at_sunrise_text", computed, [&] { w.String(v.sunAtSunrise); });
    const GhatiLagna* gl = computed && r.ghatiLagna ? &*r.ghatiLagna : nullptr;
    Member(w, "ghati_lagna", gl, [&] {
        w.Open();
        w.Key("deg");
        w.Double(gl->longitude);
        w.Key("text");
        w.String(v.ghatiLagna);
        w.Key("sign");
        w.Int(gl->sign);
        Member(w, "sign_name", gl->sign >= 0 && gl->sign < kSignCount,
               [&] { w.String(kSignNames[gl->sign]); });
        w.Close();
    });
    // A modern chart's classic ghati lagna beside its own; classic charts have no such key.
    if (!r.request.settings.IsModern()) return;
    const GhatiLagna* classic = computed && r.classicGhatiLagna ? &*r.classicGhatiLagna : nullptr;
    Member(w, "classic_ghati_lagna", classic, [&] {
        w.Open();
        w.Key("deg");
        w.Double(classic->longitude);
        w.Key("text");
        w.String(SignOfLongitude(classic->longitude).label);
        w.Key("comparison");
        w.String(v.classicGhatiLagna);
        w.Close();
    });
}

template <typename Sink>
void WriteDetails(Sink& w, const BirthDetailsTexts& d) {
    w.Key("details");
    w.Open();
    const std::pair<const char*, const std::string*> details[] = {
        {"name", &d.name},           {"dob", &d.dob},   {"tob", &d.tob},
        {"latitude", &d.latitude},   {"longitude", &d.longitude},
        {"city", &d.city},           {"state", &d.state}, {"country", &d.country}};
    for (const auto& [key, value] : details) {
        w.Key(key);
        w.String(*value);
    }
    w.Close();
}

template <typename Sink>
void WriteProfile(Sink& w, const ChartResult& r, const ResultTexts& v) {
    Member(w, "profile", !r.polar && v.profileSign, [&] {
        w.Remembered(ProfileSlot(*v.profileSign), [&] {
            const auto& keys = ProfileKeys();
            w.Open();
            for (int i = 0; i < kProfileFieldCount; ++i) {
                w.Key(keys[i]);
                w.String(v.profile[i]);
            }
            w.Close();
        });
    });
}

const char* LimitName(WindowLimit limit) {
    switch (limit) {
        case WindowLimit::Search:
            return "search";
        case WindowLimit::DateRange:
            return "date_range";
        case WindowLimit::Polar:
            return "polar";
        case WindowLimit::None:
            break;
    }
    return nullptr;
}

template <typename Sink>
void SignOrNull(Sink& w, const char* key, int sign, Language language = Language::En) {
    Member(w, key, sign >= 0 && sign < kSignCount,
           [&] { w.String(language == Language::En ? kSignNames[sign] : Text(language, SignNameKey(sign))); });
}

// One window: its sign and the signs around it (not for the whole chart), its first and last
// clock times, and why it stops where it stops when that is not a change.
template <typename Sink>
void WriteWindow(Sink& w, const char* key, const std::optional<TimeWindow>& window, bool signs) {
    Member(w, key, window.has_value(), [&] {
        w.Open();
        if (signs) SignOrNull(w, "sign", window->sign);
        w.Key("from");
        w.Date(window->from, true);
        w.Key("to");
        w.Date(window->to, true);
        if (signs) {
            SignOrNull(w, "before", window->before);
            SignOrNull(w, "after", window->after);
        }
        const char* fromLimit = LimitName(window->fromLimit);
        const char* toLimit = LimitName(window->toLimit);
        Member(w, "from_limit", fromLimit, [&] { w.String(fromLimit); });
        Member(w, "to_limit", toLimit, [&] { w.String(toLimit); });
        w.Close();
    });
}

// Written out of line: the members every chart has stay as the compiler laid them out before.
template <typename Sink>
[[gnu::noinline]] void WriteTimeWindows(Sink& w, const TimeWindows& windows) {
    w.Key("time_windows");
    w.Open();
    WriteWindow(w, "ghati_lagna", windows.ghatiLagna, true);
    WriteWindow(w, "ascendant", std::optional<TimeWindow>(windows.ascendant), true);
    WriteWindow(w, "moon", std::optional<TimeWindow>(windows.moon), true);
    WriteWindow(w, "chart", windows.chart, false);
    w.Close();
}

template <typename Sink>
[[gnu::noinline]] void WriteTimeRange(Sink& w, const std::vector<TimeRangeSpan>& spans) {
    w.Key("time_range");
    w.OpenList();
    for (const TimeRangeSpan& span : spans) {
        w.Item();
        w.Open();
        w.Key("from");
        w.Date(span.from, true);
        w.Key("to");
        w.Date(span.to, true);
        SignOrNull(w, "ghati_lagna", span.ghatiLagna);
        SignOrNull(w, "ascendant", span.ascendant);
        SignOrNull(w, "moon", span.moon);
        w.Close();
    }
    w.CloseList();
}

// A layout coordinate to a ten-thousandth of the chart's side, finer than any pixel.
double Coordinate(double value) { return std::round(value * 1e4) / 1e4; }

template <typename Sink>
void WriteRect(Sink& w, const UnitRect& r) {
    w.OpenList();
    for (double value : {r.x, r.y, r.width, r.height}) {
        w.Item();
        w.Double(Coordinate(value));
    }
    w.CloseList();
}

// The chart as the asked style draws it (chart/chart_layout.h), for a page that draws it
// itself: unit-square coordinates, rectangles as [x, y, width, height].
template <typename Sink>
void WriteLayout(Sink& w, const ChartLayout& layout) {
    w.Key("chart_layout");
    w.Open();
    w.Key("style");
    w.String(NameOfChartStyle(layout.style));
    w.Key("cells");
    w.OpenList();
    for (const LayoutCell& cell : layout.cells) {
        w.Item();
        w.Open();
        w.Key("sign");
        w.Int(cell.sign);
        w.Key("house");
        w.Int(cell.house);
        w.Key("number");
        w.String(cell.number);
        w.Key("outline");
        w.OpenList();
        for (const UnitPoint& p : cell.outline) {
            w.Item();
            w.OpenList();
            w.Item();
            w.Double(Coordinate(p.x));
            w.Item();
            w.Double(Coordinate(p.y));
            w.CloseList();
        }
        w.CloseList();
        w.Key("text_box");
        WriteRect(w, cell.textBox);
        w.Key("number_box");
        WriteRect(w, cell.numberBox);
        w.Key("items");
        w.OpenList();
        for (const LayoutItem& item : cell.items) {
            w.Item();
            w.Open();
            w.Key("kind");
            w.String(item.kind == LayoutItem::Kind::Body ? "body" : "marker");
            w.Key("text");
            w.String(item.text);
            w.Close();
        }
        w.CloseList();
        w.Close();
    }
    w.CloseList();
    Member(w, "centre", layout.centre.has_value(), [&] { WriteRect(w, *layout.centre); });
    w.Close();
}

// The chart's texts in the asked language, beside the English members (which stay as they
// are for every caller): the same keys where the English member is a text, so a page picks
// either; the texts English has only in the desktop's pages (captions, birth times, windows'
// lines) under keys of their own. Written only when a language other than English was asked.
template <typename Sink>
[[gnu::noinline]] void WriteLocalized(Sink& w, const ChartOutcome& outcome) {
    const LocalizedTexts& l = *outcome.localized;
    const ResultTexts& v = l.texts;
    const Language language = l.language;
    w.Key("texts_localized");
    w.Open();
    w.Key("language");
    w.String(CodeOfLanguage(language));
    w.Key("status");
    w.String(Text(language, text_key::kStatus));
    if (outcome.failure) {
        w.Key("message");
        w.String(l.message);
        w.Close();
        return;
    }
    const ChartResult& r = outcome.result;
    w.Key("positions");
    List(w, v.planet);
    w.Key("names");
    List(w, v.names);
    w.Key("cells");
    List(w, v.signCells);
    w.Key("markers");
    List(w, v.markers);
    w.Key("ghati_lagna_mark");
    w.String(v.ghatiLagnaMark);
    w.Key("settings");
    w.String(v.settings);
    Member(w, "polar_message", r.polar.has_value(), [&] { w.String(v.polarMessage); });
    TextOrNull(w, "sun_at_sunrise_text", v.sunAtSunrise);
    const GhatiLagna* gl = !r.polar && r.ghatiLagna ? &*r.ghatiLagna : nullptr;
    Member(w, "ghati_lagna", gl, [&] {
        w.Open();
        w.Key("text");
        w.String(v.ghatiLagna);
        SignOrNull(w, "sign_name", gl->sign, language);
        w.Close();
    });
    TextOrNull(w, "classic_comparison", v.classicGhatiLagna);
    WriteDetails(w, v.details);
    w.Key("sign_caption");
    w.String(v.ghatiLagnaSignCaption);
    w.Key("profile_captions");
    w.Open();
    for (int i = 0; i < kProfileFieldCount; ++i) {
        if (v.captions[i].empty()) continue;
        w.Key(ProfileKeys()[i]);
        w.String(v.captions[i]);
    }
    w.Close();
    Member(w, "profile", v.profileSign.has_value(), [&] {
        w.Open();
        for (int i = 0; i < kProfileFieldCount; ++i) {
            w.Key(ProfileKeys()[i]);
            w.String(v.profile[i]);
        }
        w.Close();
    });
    Member(w, "birth_times", l.birthTimes.has_value(), [&] {
        const BirthTimeTexts& t = *l.birthTimes;
        const std::pair<const char*, const std::string*> times[] = {
            {"date", &t.date},
            {"clock", &t.clock},
            {"zone", &t.zone},
            {"sunrise", &t.sunrise},
            {"reference_sunrise", &t.referenceSunrise},
            {"elapsed_caption", &t.elapsedCaption},
            {"elapsed", &t.elapsed}};
        w.Open();
        for (const auto& [key, value] : times) {
            w.Key(key);
            w.String(*value);
        }
        w.Close();
    });
    if (l.windows) {
        w.Key("time_windows");
        w.Open();
        TextOrNull(w, "ghati_lagna", l.windows->ghatiLagna);
        TextOrNull(w, "ascendant", l.windows->ascendant);
        TextOrNull(w, "moon", l.windows->moon);
        TextOrNull(w, "chart", l.windows->chart);
        w.Close();
    }
    if (outcome.range) {
        static constexpr const char* kRangeKeys[] = {"from", "to", "ghati_lagna", "ascendant",
                                                     "moon"};
        const std::array<std::string, 5> heads = TimeRangeHeads(language);
        w.Key("time_range_heads");
        w.Open();
        for (std::size_t i = 0; i < heads.size(); ++i) {
            w.Key(kRangeKeys[i]);
            w.String(heads[i]);
        }
        w.Close();
        w.Key("time_range");
        w.OpenList();
        for (const TimeRangeRowTexts& row : l.range) {
            const std::string* values[] = {&row.from, &row.to, &row.ghatiLagna, &row.ascendant,
                                           &row.moon};
            w.Item();
            w.Open();
            for (std::size_t i = 0; i < heads.size(); ++i) {
                w.Key(kRangeKeys[i]);
                w.String(*values[i]);
            }
            w.Close();
        }
        w.CloseList();
    }
    if (r.request.chartStyle) {
        // The layout's item texts, cell by cell in sign order, as the chart draws them.
        const ChartLayout layout = LayOutChart(r, v, *r.request.chartStyle);
        w.Key("chart_layout_items");
        w.OpenList();
        for (const LayoutCell& cell : layout.cells) {
            w.Item();
            w.OpenList();
            for (const LayoutItem& item : cell.items) {
                w.Item();
                w.String(item.text);
            }
            w.CloseList();
        }
        w.CloseList();
    }
    w.Close();
}

// The chart's members in their order: the failed entry check alone, or the whole chart.
template <typename Sink>
void WriteChart(Sink& w, const ChartOutcome& outcome) {
    w.Open();
    w.Key("valid");
    w.Bool(!outcome.failure.has_value());
    w.Key("message");
    if (outcome.failure) {
        w.String(outcome.failure->message);
        if (outcome.localized) WriteLocalized(w, outcome);
        w.Close();
        return;
    }
    w.Null();

    const ChartResult& r = outcome.result;
    const ResultTexts& v = outcome.texts;
    WriteZone(w, r.request.birth.zone);
    if (PlaceReported(r.request)) WritePlace(w, r.request, v);
    WriteSettings(w, r.request.settings);
    WriteBodies(w, r, v);
    WriteSunEvents(w, r, v);
    WriteGhatiLagna(w, r, v);
    w.Key("cells");
    List(w, v.signCells);
    w.Key("markers");
    List(w, v.markers);
    WriteDetails(w, v.details);
    WriteProfile(w, r, v);
    if (outcome.windows) WriteTimeWindows(w, *outcome.windows);
    if (outcome.range) WriteTimeRange(w, *outcome.range);
    if (r.request.chartStyle) WriteLayout(w, LayOutChart(r, v, *r.request.chartStyle));
    if (outcome.localized) WriteLocalized(w, outcome);
    w.Close();
}

}  // namespace

void AppendChartJsonText(std::string& out, const ChartOutcome& outcome,
                         ChartJsonScratch& scratch) {
    JsonTextWriter w(out, scratch);
    WriteChart(w, outcome);
}

void AppendChartJsonText(std::string& out, const ChartOutcome& outcome) {
    ChartJsonScratch scratch;
    AppendChartJsonText(out, outcome, scratch);
}

std::string ChartJsonText(const ChartOutcome& outcome) {
    std::string out;
    out.reserve(4096);
    AppendChartJsonText(out, outcome);
    return out;
}

Json ChartJson(const ChartOutcome& outcome) {
    JsonValueBuilder builder;
    WriteChart(builder, outcome);
    return builder.Take();
}

}  // namespace kalodaya
