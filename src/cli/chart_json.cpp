#include "cli/chart_json.h"

#include <cctype>

#include "profile/sign_profile.h"

namespace kalodaya::cli {
namespace {

using Json = nlohmann::ordered_json;

Json Event(const DateTime& value, bool failed) {
    return failed ? Json(nullptr) : Json(value.Iso());
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

template <typename Array>
Json List(const Array& items, std::size_t count) {
    Json list = Json::array();
    for (std::size_t i = 0; i < count; ++i) list.push_back(items[i]);
    return list;
}

}  // namespace

Json ChartJson(const AppState& state, const ChartOutcome& outcome) {
    Json out;
    out["valid"] = !outcome.failure.has_value();
    out["message"] = outcome.failure ? Json(outcome.failure->message) : Json(nullptr);
    if (outcome.failure) return out;

    const BirthData& b = state.birth;
    const ChartState& c = state.chart;
    const ResultTexts& v = state.view;
    const bool polar = outcome.polar;
    const auto& failed = outcome.sunEventFailed;

    out["zone"] = {{"hours", b.ZoneHours}, {"minutes", b.ZoneMinutes}};
    out["ayanamsa_correction"] = state.ephemeris.AyanamsaCorrection;
    out["ascendant"] = {{"deg", c.AscDeg}, {"text", v.planet[Asc]}};
    out["moon"] = {{"sidereal", c.MoonSidereal}, {"nakshatra_start", c.MoonNakshatraStart}};
    out["positions"] = List(v.planet, kBodyCount);
    out["names"] = List(c.PlanetNames, kBodyCount);
    out["sunrise"] = Event(c.Sunrise, failed[kSunrise]);
    out["sunset"] = Event(c.Sunset, failed[kSunset]);
    out["prev_sunrise"] = Event(c.PrevSunrise, failed[kPrevSunrise]);
    out["prev_sunset"] = Event(c.PrevSunset, failed[kPrevSunset]);
    out["next_sunrise"] = Event(c.NextSunrise, failed[kNextSunrise]);
    out["next_sunset"] = Event(c.NextSunset, failed[kNextSunset]);
    out["birth_moment"] = c.BirthMoment.Iso();

    out["polar"] = polar;
    Json polarFailed = Json::array();
    static constexpr const char* kEventNames[] = {"sunrise", "sunset"};
    const DateTime birthDate = c.BirthMoment.DateOnly();
    for (int i = 0; i < kSunEventCount; ++i) {
        if (!failed[i]) continue;
        const DateTime date = birthDate.AddDays(i / 2 == 0 ? 0 : (i / 2 == 1 ? -1 : 1));
        polarFailed.push_back({{"date", date.Iso().substr(0, 10)}, {"event", kEventNames[i % 2]}});
    }
    out["polar_failed"] = polarFailed;

    if (polar) {
        for (const char* key : {"reference_sunrise", "elapsed_minutes", "elapsed_seconds",
                                "sun_at_sunrise", "sun_at_sunrise_text", "ghati_lagna"})
            out[key] = nullptr;
    } else {
        out["reference_sunrise"] = c.RefSunrise.Iso();
        out["elapsed_minutes"] = c.ElapsedMinutes;
        out["elapsed_seconds"] = c.ElapsedSeconds;
        out["sun_at_sunrise"] = c.SunAtSunrise;
        out["sun_at_sunrise_text"] = c.SunAtSunriseText;
        const int sign = c.GhatiLagnaSign;
        out["ghati_lagna"] = {{"deg", c.GhatiLagnaDeg},
                              {"text", c.GhatiLagnaText},
                              {"sign", sign},
                              {"sign_name", kSignNames[sign]}};
    }
    out["cells"] = List(v.signCells, kSignCount);
    out["markers"] = List(v.markers, kSignCount);
    out["details"] = {{"name", v.details.name},       {"dob", v.details.dob},
                      {"tob", v.details.tob},         {"latitude", v.details.latitude},
                      {"longitude", v.details.longitude}, {"city", v.details.city},
                      {"state", v.details.state},     {"country", v.details.country}};
    if (polar || !v.profileSign) {
        out["profile"] = nullptr;
    } else {
        Json profile;
        for (int i = 0; i < kProfileFieldCount; ++i)
            profile[SnakeCase(kProfileArrayNames[i])] = v.profile[i];
        out["profile"] = profile;
    }
    return out;
}

}  // namespace kalodaya::cli
