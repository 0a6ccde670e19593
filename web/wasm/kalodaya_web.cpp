// The web page's entry point: request lines in, the chart layer's JSON text out. Nothing here
// computes or makes a text; it passes lines to the request layer's reader and the chart layer,
// and hands the page the lists the desktop form fills its boxes from.
//
// Every function returns a NUL-terminated UTF-8 text that stays valid until the next call of
// the same function (the page copies it at once).
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <sstream>
#include <nlohmann/json.hpp>
#include <string>

#include "astro/zone_table.h"
#include "base/entry_rules.h"
#include "base/tables.h"
#include "chart/batch_line.h"
#include "chart/chart_outcome.h"
#include "chart/place_json.h"
#include "chart/present_place.h"
#include "chart/present_windows.h"
#include "astro/calculation_settings.h"
#include "profile/language_texts.h"
#include "profile/sign_profile.h"
#include "base/entry_forms.h"
#include "base/utc_offset.h"
#include "records/record_files.h"
#include "records/request_lines.h"
#include "request/from_atlas.h"
#include "request/from_record.h"
#include "request/installed_atlas.h"
#include "request/request_line.h"

namespace {

using kalodaya::InstalledAtlas;

std::string Dump(const nlohmann::ordered_json& json) {
    return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace

extern "C" {

// The answer kalodaya-chart --batch writes for one request line, without its line end.
EMSCRIPTEN_KEEPALIVE const char* kalodaya_chart(const char* line) {
    static kalodaya::BatchScratch scratch;
    static std::string out;
    out.clear();
    kalodaya::AnswerRequestLine(line, scratch, out);
    if (!out.empty() && out.back() == '\n') out.pop_back();
    return out.c_str();
}

// Reads the atlas from `directory` of the module's file system, where the page has written its
// files. Returns "" when it is ready, or why it cannot be used. Called once, before any request
// that names a place: the atlas is read the first time it is asked for and kept.
EMSCRIPTEN_KEEPALIVE const char* kalodaya_open_atlas(const char* directory) {
    static std::string message;
    setenv("KALODAYA_ATLAS_DIR", directory, 1);
    const auto& atlas = InstalledAtlas();
    message = atlas ? std::string() : atlas.error().message;
    return message.c_str();
}

// kalodaya-chart --find-place's lines for `text`, best first, at most `limit`, each ended by a
// line end; "" when none matches or the atlas is not open.
EMSCRIPTEN_KEEPALIVE const char* kalodaya_find_place(const char* text, int limit) {
    static std::string out;
    out.clear();
    const auto& atlas = InstalledAtlas();
    if (!atlas || limit < 1) return out.c_str();
    for (const auto& place : (*atlas)->places().Search(text, static_cast<std::size_t>(limit))) {
        out += kalodaya::PlaceJsonText(place);
        out += '\n';
    }
    return out.c_str();
}

// The form's entries once the atlas place `geonames_id` is entered into the request that
// `line` holds, as the desktop form's place lookup enters it: the place's texts and
// coordinates, and the zone its clocks kept at the birth moment (a list entry, or the exact
// offset when no entry has it), with the zone line. {"error": ...} when the line cannot be
// read or the place is not in the atlas.
EMSCRIPTEN_KEEPALIVE const char* kalodaya_enter_place(const char* line, double geonames_id) {
    static std::string out;
    nlohmann::ordered_json json;
    kalodaya::BirthRequest request;
    const auto& atlas = InstalledAtlas();
    const auto place =
        atlas ? (*atlas)->places().FindByGeonamesId(static_cast<int64_t>(geonames_id))
              : std::nullopt;
    if (auto error = kalodaya::ReadRequestLine(line, request)) {
        json["error"] = error->message;
    } else if (!place) {
        json["error"] = "no such place in the atlas";
    } else {
        const auto birth = kalodaya::EnterAtlasPlace(request, **atlas, *place,
                                                     kalodaya::ZoneChoice::FromAtlas);
        json["city"] = request.city;
        json["state"] = request.state;
        json["country"] = request.country;
        json["lat"] = kalodaya::LatitudeForm(request.latitude);
        json["lon"] = kalodaya::LongitudeForm(request.longitude);
        json["dst"] = request.daylight;
        if (const auto* entry = std::get_if<kalodaya::ZoneListEntry>(&request.zone))
            json["zone"] = entry->position;
        else
            json["zone"] = nullptr;
        if (const auto* exact = std::get_if<kalodaya::ExactOffset>(&request.zone))
            json["utc_offset"] = kalodaya::UtcOffsetText(exact->eastSeconds);
        else
            json["utc_offset"] = nullptr;
        // In the language the line names (the page's own), English without one.
        json["zone_line"] =
            birth ? kalodaya::ZoneLineText(*birth, request.language.value_or(kalodaya::Language::En))
                  : std::string();
    }
    out = Dump(json);
    return out.c_str();
}

// What the form's lists hold: the month names, the zone list's texts, the years, and the
// lengths of the coordinate boxes; and the captions of the profile's values, in the order of
// the chart's "profile" members.
EMSCRIPTEN_KEEPALIVE const char* kalodaya_form_lists() {
    static std::string out;
    namespace rules = kalodaya::entry_rules;
    nlohmann::ordered_json json;
    for (const auto month : kalodaya::kMonthNames) json["months"].push_back(month);
    for (const auto& zone : kalodaya::kZoneTable) json["zones"].push_back(zone.listText);
    json["first_year"] = rules::kFirstYear;
    json["last_year"] = rules::kLastYear;
    json["lat_degree_digits"] = rules::kLatDegreeDigits;
    json["lon_degree_digits"] = rules::kLonDegreeDigits;
    json["minute_digits"] = rules::kMinuteDigits;
    for (const auto caption : kalodaya::kProfileCaptions) json["profile_captions"].push_back(caption);
    // The calculation settings' names, as request lines write them, the default first.
    using kalodaya::SettingName;
    auto& settings = json["settings"];
    for (const auto kind : {kalodaya::EphemerisKind::Classic, kalodaya::EphemerisKind::Modern}) {
        settings["ephemeris"].push_back(SettingName(kind));
        json["default_ayanamsa"][std::string(SettingName(kind))] =
            SettingName(kalodaya::DefaultAyanamsa(kind));
    }
    for (const auto kind : {kalodaya::AyanamsaKind::Classic, kalodaya::AyanamsaKind::Lahiri,
                            kalodaya::AyanamsaKind::Raman, kalodaya::AyanamsaKind::Krishnamurti,
                            kalodaya::AyanamsaKind::TrueChitra})
        settings["ayanamsa"].push_back(SettingName(kind));
    for (const auto kind : {kalodaya::NodeKind::Mean, kalodaya::NodeKind::True})
        settings["node"].push_back(SettingName(kind));
    for (const auto kind : {kalodaya::SunriseKind::Classic, kalodaya::SunriseKind::Hindu})
        settings["sunrise"].push_back(SettingName(kind));
    out = Dump(json);
    return out.c_str();
}

// The page's own texts in the language of `code` (English for a code that names none): every
// text of the language files under the prefixes the page reads, the language's own where it has
// one, else the English; and the languages by their own names, for the page's language list.
EMSCRIPTEN_KEEPALIVE const char* kalodaya_page_texts(const char* code) {
    static std::string out;
    using kalodaya::Language;
    static constexpr std::string_view kPrefixes[] = {"web.", "month.", "page.", "caption.",
                                                     "setting.", "meta."};
    const Language language = kalodaya::LanguageOfCode(code).value_or(Language::En);
    nlohmann::ordered_json json;
    json["language"] = kalodaya::CodeOfLanguage(language);
    auto& texts = json["texts"];
    texts = nlohmann::ordered_json::object();
    for (const auto& [key, english] : kalodaya::LanguageTexts(Language::En))
        for (const auto prefix : kPrefixes)
            if (key.starts_with(prefix)) texts[key] = kalodaya::Text(language, key);
    json["languages"] = nlohmann::ordered_json::array();
    for (const auto each : {Language::En, Language::EnSa, Language::Hi, Language::Ta, Language::Te,
                            Language::Kn})
        json["languages"].push_back({{"code", kalodaya::CodeOfLanguage(each)},
                                     {"name", kalodaya::Text(each, "meta.name")}});
    out = Dump(json);
    return out.c_str();
}

// The texts of the birth-time windows of the chart `line` asks for, in the line's "language"
// (English without one): {"ghati_lagna", "ascendant", "moon", "chart"}, each "" when the chart
// has none; {} when the line gives no chart.
EMSCRIPTEN_KEEPALIVE const char* kalodaya_time_windows(const char* line) {
    static std::string out;
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    kalodaya::BirthRequest request;
    if (!kalodaya::ReadRequestLine(line, request)) {
        const auto outcome = kalodaya::RequestChart(request, true);
        if (outcome.Computed() && outcome.windows) {
            const auto texts =
                kalodaya::PresentTimeWindows(*outcome.windows, outcome.result.birthMoment,
                                             request.language.value_or(kalodaya::Language::En));
            json["ghati_lagna"] = texts.ghatiLagna;
            json["ascendant"] = texts.ascendant;
            json["moon"] = texts.moon;
            json["chart"] = texts.chart;
        }
    }
    out = Dump(json);
    return out.c_str();
}

// A file of saved charts, as the desktop's import reads it (`csv` nonzero: CSV with a header row;
// else request lines), with the same checks: {"lines": [request lines], "rejected": [{"line",
// "reason"}]}, or {"error": ...} when the file as a whole cannot be read.
EMSCRIPTEN_KEEPALIVE const char* kalodaya_read_saved(const char* text, int csv) {
    static std::string out;
    namespace records = kalodaya::records;
    std::istringstream in{std::string(text)};
    std::vector<records::Record> accepted;
    records::ImportReport report;
    nlohmann::ordered_json json;
    const auto format = csv ? records::FileFormat::Csv : records::FileFormat::RequestLines;
    if (const auto error = records::ReadRecords(in, format, kalodaya::RecordImportRules(),
                                                accepted, report)) {
        json["error"] = error->message;
    } else {
        json["lines"] = nlohmann::ordered_json::array();
        for (const auto& record : accepted) json["lines"].push_back(records::RequestLine(record));
        json["rejected"] = nlohmann::ordered_json::array();
        for (const auto& rejected : report.rejected)
            json["rejected"].push_back({{"line", rejected.line}, {"reason", rejected.reason}});
    }
    out = Dump(json);
    return out.c_str();
}

// Saved charts' request lines (one a line) as the desktop's export writes them: CSV with its
// header row when `csv` is nonzero, else request lines. A line that is not a record is left out.
EMSCRIPTEN_KEEPALIVE const char* kalodaya_write_saved(const char* lines, int csv) {
    static std::string out;
    namespace records = kalodaya::records;
    const auto format = csv ? records::FileFormat::Csv : records::FileFormat::RequestLines;
    const auto rules = kalodaya::RecordImportRules();
    out.clear();
    records::AppendFileStart(out, format);
    std::istringstream in{std::string(lines)};
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) continue;
        if (const auto record = rules.readLine(line)) records::AppendFileRecord(out, *record, format);
    }
    return out.c_str();
}

}  // extern "C"
