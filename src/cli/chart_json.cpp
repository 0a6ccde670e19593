#include "cli/chart_json.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <string>
#include <string_view>

#include "astro/atlas/place_texts.h"
#include "astro/atlas/zone_entry_match.h"
#include "cli/json_text_writer.h"
#include "cli/json_value_builder.h"
#include "chart/present.h"
#include "profile/sign_profile.h"

namespace kalodaya::cli {
namespace {

// Mercury .. Saturn: the bodies that can carry a retrograde mark.
constexpr int kRetroPlanetSlots = 5;

using Json = nlohmann::ordered_json;

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

const std::array<std::string, kProfileFieldCount>& ProfileKeys() {
    static const std::array<std::string, kProfileFieldCount> keys = [] {
        std::array<std::string, kProfileFieldCount> k;
        for (int i = 0; i < kProfileFieldCount; ++i) k[i] = SnakeCase(kProfileArrayNames[i]);
        return k;
    }();
    return keys;
}

template <typename Sink, typename Array>
void List(Sink& w, const Array& items, std::size_t count) {
    w.OpenList();
    for (std::size_t i = 0; i < count; ++i) {
        w.Item();
        w.String(items[i]);
    }
    w.CloseList();
}

template <typename Sink>
void WriteProfileMembers(Sink& w, const std::array<std::string_view, kProfileFieldCount>& values) {
    const auto& keys = ProfileKeys();
    w.Open();
    for (int i = 0; i < kProfileFieldCount; ++i) {
        w.Key(keys[i]);
        w.String(values[i]);
    }
    w.Close();
}

// A sign's profile is the same text in every chart: its compact JSON is written once per sign.
const std::string& ProfileJsonText(int sign) {
    static const std::array<std::string, kSignCount> texts = [] {
        std::array<std::string, kSignCount> t;
        // Through the library (a text writer would share the scratch buffer of the chart being
        // written when this first runs).
        for (int s = 0; s < kSignCount; ++s) {
            JsonValueBuilder w;
            WriteProfileMembers(w, *ProfileOfSign(s));
            t[s] = w.Take().dump(-1, ' ', false, Json::error_handler_t::replace);
        }
        return t;
    }();
    return texts[sign];
}

void WriteProfile(JsonTextWriter& w, const ResultTexts& v) {
    w.Raw(ProfileJsonText(*v.profileSign));
}
void WriteProfile(JsonValueBuilder& w, const ResultTexts& v) {
    WriteProfileMembers(w, v.profile);
}

// The display names, the sign cells and the marker cells as compact text, written from the
// chart's numbers with the same bytes as the library's escaping of the presented texts (the
// names are plain ASCII; a line break is "\r\n" in JSON). The names list has one text per
// set of retrograde marks, made once.
const std::string& NamesJsonText(const ChartResult& r) {
    static const std::array<std::string, 1 << kRetroPlanetSlots> texts = [] {
        std::array<std::string, 1 << kRetroPlanetSlots> t;
        for (unsigned mask = 0; mask < t.size(); ++mask) {
            ChartResult marked;
            for (int i = 0; i < kRetroPlanetSlots; ++i)
                marked.retrograde[Mercury + i] = (mask >> i) & 1;
            JsonValueBuilder w;
            List(w, Present(marked).names, kBodyCount);
            t[mask] = w.Take().dump(-1, ' ', false, Json::error_handler_t::replace);
        }
        return t;
    }();
    unsigned mask = 0;
    for (int i = 0; i < kRetroPlanetSlots; ++i) mask |= (r.retrograde[Mercury + i] ? 1u : 0u) << i;
    return texts[mask];
}

void WriteNames(JsonTextWriter& w, const ChartOutcome& o) { w.Raw(NamesJsonText(o.result)); }
void WriteNames(JsonValueBuilder& w, const ChartOutcome& o) {
    List(w, o.texts.names, kBodyCount);
}

constexpr std::string_view kEscapedLineBreak = "\\r\\n";

void WriteCells(JsonTextWriter& w, const ChartOutcome& o) {
    const ChartResult& r = o.result;
    w.OpenList();
    for (int sign = 0; sign < kSignCount; ++sign) {
        w.Item();
        w.Raw("\"");
        for (int k = 0; k < kBodyCount; ++k) {
            if (r.bodySign[k] != sign) continue;
            w.Raw(kEscapedLineBreak);
            w.Raw(o.texts.names[k]);
        }
        w.Raw("\"");
    }
    w.CloseList();
}
void WriteCells(JsonValueBuilder& w, const ChartOutcome& o) {
    List(w, o.texts.signCells, kSignCount);
}

void WriteMarkers(JsonTextWriter& w, const ChartOutcome& o) {
    const SignMarks& marks = o.result.marks;
    w.OpenList();
    for (int sign = 0; sign < kSignCount; ++sign) {
        w.Item();
        w.Raw("\"");
        for (int i = 0; i < marks.arudha[sign]; ++i) w.Raw(kEscapedLineBreak);
        if (marks.ghatiLagnaSign == sign) w.Raw("\\r\\nGL");
        for (int i = 0; i < marks.hidden[sign]; ++i) w.Raw(kEscapedLineBreak);
        w.Raw("\"");
    }
    w.CloseList();
}
void WriteMarkers(JsonValueBuilder& w, const ChartOutcome& o) {
    List(w, o.texts.markers, kSignCount);
}

// The birthplace as the atlas gave it and the offset the computation used. Written when the
// place came from the atlas or an exact offset stood in for a zone entry, and only then, so a
// request of neither kind gets the same output as before there was an atlas. Without an atlas
// place (an exact offset typed in) the atlas's members are null.
template <typename Sink>
void WritePlace(Sink& w, const ChartRequest& request) {
    const AtlasPlace* p = request.atlasPlace ? &*request.atlasPlace : nullptr;
    const auto textOrNull = [&w](std::string_view text) {
        if (text.empty()) return w.Null();
        w.String(text);
    };
    w.Key("place");
    w.Open();
    if (p) {
        w.Key("name");
        w.String(p->name);
        w.Key("state");
        w.String(p->state);  // empty for a place without one, as --find-place writes it
        w.Key("country");
        w.String(p->country);
        w.Key("geonames_id");
        if (p->geonamesId) {
            w.Int(*p->geonamesId);
        } else {
            w.Null();
        }
        w.Key("lat");
        w.Double(p->latitude);
        w.Key("lon");
        w.Double(p->longitude);
        w.Key("time_zone");
        textOrNull(p->timeZone);
        w.Key("utc_offset");
        w.String(UtcOffsetText(p->utcOffsetSeconds));
        w.Key("abbreviation");
        textOrNull(p->abbreviation);
        w.Key("dst");
        w.Bool(p->daylight);
        w.Key("clock");
        w.String(atlas::ClockReadingText(p->clock));
        w.Key("local_mean_time");
        w.Bool(p->localMeanTime);
    } else {
        for (const char* key : {"name", "state", "country", "geonames_id", "lat", "lon",
                                "time_zone", "utc_offset", "abbreviation", "dst", "clock",
                                "local_mean_time"}) {
            w.Key(key);
            w.Null();
        }
    }
    w.Key("zone_entry");
    if (request.zoneEntry) {
        w.Int(*request.zoneEntry);
    } else {
        w.Null();
    }
    w.Key("used_offset");
    // The daylight box moves the clock an hour ahead of the zone: the offset used holds it.
    w.String(UtcOffsetText(-request.birth.zone.WestMinutes() * 60 +
                           (request.birth.daylight ? 3600 : 0)));
    w.Key("tzdata");
    textOrNull(p ? std::string_view(p->tzdataVersion) : std::string_view());
    w.Close();
}

// The chart's members in their order: one description for both sinks.
template <typename Sink>
void WriteChart(Sink& w, const ChartOutcome& outcome) {
    w.Open();
    w.Key("valid");
    w.Bool(!outcome.failure.has_value());
    w.Key("message");
    if (outcome.failure) {
        w.String(outcome.failure->message);
        w.Close();
        return;
    }
    w.Null();

    const ChartResult& r = outcome.result;
    const ResultTexts& v = outcome.texts;
    const bool polar = r.polar.has_value();

    w.Key("zone");
    w.Open();
    w.Key("hours");
    w.Int(r.request.birth.zone.hours);
    w.Key("minutes");
    w.Int(r.request.birth.zone.minutes);
    w.Close();
    if (r.request.atlasPlace || !r.request.zoneEntry) WritePlace(w, r.request);
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
    List(w, v.planet, kBodyCount);
    w.Key("names");
    WriteNames(w, outcome);

    static constexpr const char* kEventKeys[kSunEventCount] = {
        "sunrise", "sunset", "prev_sunrise", "prev_sunset", "next_sunrise", "next_sunset"};
    for (int i = 0; i < kSunEventCount; ++i) {
        w.Key(kEventKeys[i]);
        w.DateOrNull(r.sunEvents[i].value_or(DateTime()), !r.sunEvents[i]);
    }
    w.Key("birth_moment");
    w.Date(r.birthMoment, true);

    w.Key("polar");
    w.Bool(polar);
    w.Key("polar_message");  // the text shown instead of the chart
    if (polar) {
        w.String(v.polarMessage);
    } else {
        w.Null();
    }
    // Each failed event with its date: the birth date, the day before, the day after.
    w.Key("polar_failed");
    w.OpenList();
    static constexpr const char* kEventNames[] = {"sunrise", "sunset"};
    const DateTime birthDate = r.birthMoment.DateOnly();
    for (int i = 0; i < kSunEventCount; ++i) {
        if (r.sunEvents[i]) continue;
        const DateTime date = birthDate.AddDays(i / 2 == 0 ? 0 : (i / 2 == 1 ? -1 : 1));
        w.Item();
        w.Open();
        w.Key("date");
        w.Date(date, false);
        w.Key("event");
        w.String(kEventNames[i % 2]);
        w.Close();
    }
    // The choice may have needed a day beyond the neighbours; name that event too.
    if (polar && std::llabs(DateTime::DaysBetween(birthDate, r.polar->date)) > 1) {
        w.Item();
        w.Open();
        w.Key("date");
        w.Date(r.polar->date, false);
        w.Key("event");
        w.String(kEventNames[r.polar->sunset ? 1 : 0]);
        w.Close();
    }
    w.CloseList();

    if (polar) {
        for (const char* key : {"reference_sunrise", "elapsed_minutes", "elapsed_seconds",
                                "sun_at_sunrise", "sun_at_sunrise_text", "ghati_lagna"}) {
            w.Key(key);
            w.Null();
        }
    } else {
        w.Key("reference_sunrise");
        w.Date(r.referenceSunrise, true);
        w.Key("elapsed_minutes");
        w.Int(r.elapsedMinutes);
        w.Key("elapsed_seconds");
        w.Int(r.elapsedSeconds);
        w.Key("sun_at_sunrise");
        w.Double(r.sunAtSunrise);
        w.Key("sun_at_sunrise_text");
        w.String(v.sunAtSunrise);
        w.Key("ghati_lagna");
        if (r.ghatiLagna) {
            w.Open();
            w.Key("deg");
            w.Double(r.ghatiLagna->longitude);
            w.Key("text");
            w.String(v.ghatiLagna);
            w.Key("sign");
            w.Int(r.ghatiLagna->sign);
            w.Key("sign_name");
            const int sign = r.ghatiLagna->sign;
            if (sign >= 0 && sign < kSignCount) {
                w.String(kSignNames[sign]);
            } else {
                w.Null();
            }
            w.Close();
        } else {
            w.Null();
        }
    }
    w.Key("cells");
    WriteCells(w, outcome);
    w.Key("markers");
    WriteMarkers(w, outcome);
    w.Key("details");
    w.Open();
    const std::pair<const char*, const std::string*> details[] = {
        {"name", &v.details.name},
        {"dob", &v.details.dob},
        {"tob", &v.details.tob},
        {"latitude", &v.details.latitude},
        {"longitude", &v.details.longitude},
        {"city", &v.details.city},
        {"state", &v.details.state},
        {"country", &v.details.country}};
    for (const auto& [key, value] : details) {
        w.Key(key);
        w.String(*value);
    }
    w.Close();
    w.Key("profile");
    if (polar || !v.profileSign) {
        w.Null();
    } else {
        WriteProfile(w, v);
    }
    w.Close();
}

}  // namespace

void AppendChartJsonText(std::string& out, const ChartOutcome& outcome) {
    JsonTextWriter w(out);
    WriteChart(w, outcome);
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

}  // namespace kalodaya::cli
