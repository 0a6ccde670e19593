#include "cli/chart_json.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "profile/sign_profile.h"

namespace kalodaya::cli {
namespace {

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

// Compact JSON text in the forms nlohmann's serializer uses, written as the object is walked.
class Writer {
  public:
    explicit Writer(std::string& out) : out_(out) {}

    void Open() {
        out_ += '{';
        first_ = true;
    }
    void Close() {
        out_ += '}';
        first_ = false;
    }
    void OpenList() {
        out_ += '[';
        first_ = true;
    }
    void CloseList() {
        out_ += ']';
        first_ = false;
    }

    // The key of the next member (or nothing, for the next list item), after a comma if needed.
    void Key(std::string_view key) {  // keys are plain ASCII: nothing to escape
        char buf[48];
        if (key.size() > sizeof buf - 4) {  // not one of ours; never taken
            Separate();
            String(key);
            out_ += ':';
            return;
        }
        std::size_t n = 0;
        if (!first_) buf[n++] = ',';
        first_ = false;
        buf[n++] = '"';
        std::memcpy(buf + n, key.data(), key.size());
        n += key.size();
        buf[n++] = '"';
        buf[n++] = ':';
        out_.append(buf, n);
    }
    void Item() { Separate(); }

    void Null() {
        out_ += "null";
        first_ = false;
    }
    void Bool(bool value) {
        out_ += value ? "true" : "false";
        first_ = false;
    }
    void Int(long long value) {
        char buf[24];
        const char* end = std::to_chars(buf, buf + sizeof buf, value).ptr;
        out_.append(buf, static_cast<std::size_t>(end - buf));
        first_ = false;
    }
    void Double(double value) {
        if (!std::isfinite(value)) return Null();
        char buf[64];
        const char* end = nlohmann::detail::to_chars(buf, buf + sizeof buf, value);
        out_.append(buf, static_cast<std::size_t>(end - buf));
        first_ = false;
    }
    void String(std::string_view text) {
        first_ = false;
        if (IsPlain(text)) {  // the common case: copied between quotes as it is
            if (text.size() <= 62) {
                char buf[64];
                buf[0] = '"';
                std::memcpy(buf + 1, text.data(), text.size());
                buf[text.size() + 1] = '"';
                out_.append(buf, text.size() + 2);
            } else {
                out_ += '"';
                out_.append(text);
                out_ += '"';
            }
            return;
        }
        const std::size_t mark = out_.size();
        out_ += '"';
        std::size_t plain = 0;  // start of the run not yet copied
        std::size_t i = 0;
        while (i < text.size()) {
            // Eight plain bytes at a time: no control character, quote, backslash or byte
            // beyond ASCII among them.
            if (i + 8 <= text.size()) {
                std::uint64_t word;
                std::memcpy(&word, text.data() + i, 8);
                if (!NeedsAttention(word)) {
                    i += 8;
                    continue;
                }
            }
            const auto byte = static_cast<unsigned char>(text[i]);
            if (byte >= 0x80) {  // beyond ASCII: the library's own escaping, from the start
                out_.resize(mark);
                return Delegate(text);
            }
            if (byte >= 0x20 && byte != '"' && byte != '\\') {
                ++i;
                continue;
            }
            out_.append(text.data() + plain, i - plain);
            plain = ++i;
            char escape[6] = {'\\', 0, 0, 0, 0, 0};
            std::size_t length = 2;
            switch (byte) {
                case '\b':
                    escape[1] = 'b';
                    break;
                case '\t':
                    escape[1] = 't';
                    break;
                case '\n':
                    escape[1] = 'n';
                    break;
                case '\f':
                    escape[1] = 'f';
                    break;
                case '\r':
                    escape[1] = 'r';
                    break;
                case '"':
                    escape[1] = '"';
                    break;
                case '\\':
                    escape[1] = '\\';
                    break;
                default: {
                    static constexpr char kHex[] = "0123456789abcdef";
                    escape[1] = 'u';
                    escape[2] = '0';
                    escape[3] = '0';
                    escape[4] = kHex[byte >> 4];
                    escape[5] = kHex[byte & 15];
                    length = 6;
                }
            }
            out_.append(escape, length);
        }
        out_.append(text.data() + plain, text.size() - plain);
        out_ += '"';
    }
    // A date-time as "YYYY-MM-DDTHH:MM:SS" (the form of DateTime::Iso), or null.
    void DateOrNull(const DateTime& value, bool failed) {
        if (failed) return Null();
        Date(value, true);
    }
    void Date(const DateTime& value, bool withTime) {
        first_ = false;
        char buf[24];
        const int year = value.Year();
        if (year < 0 || year > 9999)
            return String(withTime ? value.Iso() : value.Iso().substr(0, 10));
        auto two = [](char* at, int v) {
            at[0] = static_cast<char>('0' + v / 10);
            at[1] = static_cast<char>('0' + v % 10);
        };
        buf[0] = '"';
        two(buf + 1, year / 100);
        two(buf + 3, year % 100);
        buf[5] = '-';
        two(buf + 6, value.Month());
        buf[8] = '-';
        two(buf + 9, value.Day());
        std::size_t n = 11;
        if (withTime) {
            buf[11] = 'T';
            two(buf + 12, value.Hour());
            buf[14] = ':';
            two(buf + 15, value.Minute());
            buf[17] = ':';
            two(buf + 18, value.Second());
            n = 20;
        }
        buf[n++] = '"';
        out_.append(buf, n);
    }

  private:
    // No control character, quote, backslash or byte beyond ASCII in the text.
    static bool IsPlain(std::string_view text) {
        std::size_t i = 0;
        for (; i + 8 <= text.size(); i += 8) {
            std::uint64_t word;
            std::memcpy(&word, text.data() + i, 8);
            if (NeedsAttention(word)) return false;
        }
        if (i == text.size()) return true;
        std::uint64_t tail = 0x2020202020202020ULL;  // blanks need no attention
        std::memcpy(&tail, text.data() + i, text.size() - i);
        return !NeedsAttention(tail);
    }

    static bool NeedsAttention(std::uint64_t w) {
        constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHigh = 0x8080808080808080ULL;
        auto hasZero = [](std::uint64_t v) { return (v - kOnes) & ~v & kHigh; };
        const std::uint64_t control = (w - kOnes * 0x20) & ~w & kHigh;  // a byte below 0x20
        return ((w & kHigh) | control | hasZero(w ^ (kOnes * '"')) | hasZero(w ^ (kOnes * '\\'))) !=
               0;
    }

    void Separate() {
        if (!first_) out_ += ',';
        first_ = false;
    }
    // Text with bytes beyond ASCII: the library's own escaping, which also replaces bytes that
    // are not UTF-8 by U+FFFD.
    void Delegate(std::string_view text) {
        out_ += Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
    }

    std::string& out_;
    bool first_ = true;
};

template <typename Array>
void List(Writer& w, const Array& items, std::size_t count) {
    w.OpenList();
    for (std::size_t i = 0; i < count; ++i) {
        w.Item();
        w.String(items[i]);
    }
    w.CloseList();
}

}  // namespace

void AppendChartJsonText(std::string& out, const AppState& state, const ChartOutcome& outcome) {
    Writer w(out);
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

    const BirthData& b = state.birth;
    const ChartState& c = state.chart;
    const ResultTexts& v = state.view;
    const bool polar = outcome.polar;
    const auto& failed = outcome.sunEventFailed;

    w.Key("zone");
    w.Open();
    w.Key("hours");
    w.Int(b.ZoneHours);
    w.Key("minutes");
    w.Int(b.ZoneMinutes);
    w.Close();
    w.Key("ayanamsa_correction");
    w.Double(state.ephemeris.AyanamsaCorrection);
    w.Key("ascendant");
    w.Open();
    w.Key("deg");
    w.Double(c.AscDeg);
    w.Key("text");
    w.String(v.planet[Asc]);
    w.Close();
    w.Key("moon");
    w.Open();
    w.Key("sidereal");
    w.Double(c.MoonSidereal);
    w.Key("nakshatra_start");
    w.Double(c.MoonNakshatraStart);
    w.Close();
    w.Key("positions");
    List(w, v.planet, kBodyCount);
    w.Key("names");
    List(w, c.PlanetNames, kBodyCount);

    static constexpr const char* kEventKeys[kSunEventCount] = {
        "sunrise", "sunset", "prev_sunrise", "prev_sunset", "next_sunrise", "next_sunset"};
    const DateTime* events[kSunEventCount] = {&c.Sunrise,    &c.Sunset,      &c.PrevSunrise,
                                              &c.PrevSunset, &c.NextSunrise, &c.NextSunset};
    for (int i = 0; i < kSunEventCount; ++i) {
        w.Key(kEventKeys[i]);
        w.DateOrNull(*events[i], failed[i]);
    }
    w.Key("birth_moment");
    w.Date(c.BirthMoment, true);

    w.Key("polar");
    w.Bool(polar);
    // Each failed event with its date: the birth date, the day before, the day after.
    w.Key("polar_failed");
    w.OpenList();
    static constexpr const char* kEventNames[] = {"sunrise", "sunset"};
    const DateTime birthDate = c.BirthMoment.DateOnly();
    for (int i = 0; i < kSunEventCount; ++i) {
        if (!failed[i]) continue;
        const DateTime date = birthDate.AddDays(i / 2 == 0 ? 0 : (i / 2 == 1 ? -1 : 1));
        w.Item();
        w.Open();
        w.Key("date");
        w.Date(date, false);
        w.Key("event");
        w.String(kEventNames[i % 2]);
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
        w.Date(c.RefSunrise, true);
        w.Key("elapsed_minutes");
        w.Int(c.ElapsedMinutes);
        w.Key("elapsed_seconds");
        w.Int(c.ElapsedSeconds);
        w.Key("sun_at_sunrise");
        w.Double(c.SunAtSunrise);
        w.Key("sun_at_sunrise_text");
        w.String(c.SunAtSunriseText);
        const int sign = c.GhatiLagnaSign;
        w.Key("ghati_lagna");
        w.Open();
        w.Key("deg");
        w.Double(c.GhatiLagnaDeg);
        w.Key("text");
        w.String(c.GhatiLagnaText);
        w.Key("sign");
        w.Int(sign);
        w.Key("sign_name");
        if (sign >= 0 && sign < kSignCount) {
            w.String(kSignNames[sign]);
        } else {
            w.Null();
        }
        w.Close();
    }
    w.Key("cells");
    List(w, v.signCells, kSignCount);
    w.Key("markers");
    List(w, v.markers, kSignCount);
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
        const auto& keys = ProfileKeys();
        w.Open();
        for (int i = 0; i < kProfileFieldCount; ++i) {
            w.Key(keys[i]);
            w.String(v.profile[i]);
        }
        w.Close();
    }
    w.Close();
}

std::string ChartJsonText(const AppState& state, const ChartOutcome& outcome) {
    std::string out;
    out.reserve(4096);
    AppendChartJsonText(out, state, outcome);
    return out;
}

Json ChartJson(const AppState& state, const ChartOutcome& outcome) {
    return Json::parse(ChartJsonText(state, outcome));
}

}  // namespace kalodaya::cli
