#include "cli/request_line.h"

#include <array>
#include <bit>
#include <cstring>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "cli/json_bytes.h"
#include "cli/place_args.h"
#include "cli/quoted_value.h"

namespace kalodaya::cli {
namespace {

using Json = nlohmann::json;

// The keys a request line may hold, in the order their values are read.
enum Key {
    kName, kDate, kTime, kLat, kLon, kZone, kDst, kCity, kState, kCountry,
    kUtcOffset, kPlace, kPlaceId, kKeyCount
};
constexpr std::array<std::string_view, kKeyCount> kKeys = {
    "name", "date", "time", "lat", "lon", "zone", "dst", "city", "state", "country",
    "utc_offset", "place", "place_id"};

// What one key of the line held.
struct Member {
    enum Kind { Absent, Null, String, Integer, Boolean, Other } kind = Absent;
    std::string_view text;  // String, and Integer as written: into the line or the reading's copy
    bool flag = false;      // Boolean
};
using Members = std::array<Member, kKeyCount>;

int KeyIndex(std::string_view key) {
    for (int i = 0; i < kKeyCount; ++i)
        if (kKeys[i].size() == key.size() && kKeys[i][0] == key[0] && kKeys[i] == key) return i;
    return -1;
}

// The common line: one flat object of known keys, each once, holding plain strings (no
// escapes, no control characters, well-formed UTF-8), whole numbers, true, false or null. Read
// by hand; returns false for anything else, which the JSON library then reads (so every line
// gets the library's reading, only faster).
class QuickReader {
  public:
    explicit QuickReader(std::string_view line) : s_(line) {}

    bool Read(Members& members) {
        Blanks();
        if (!Take('{')) return false;
        Blanks();
        if (Take('}')) return AtEnd();
        std::array<bool, kKeyCount> seen{};
        for (;;) {
            std::string_view key;
            if (!Text(key)) return false;
            const int index = KeyIndex(key);
            if (index < 0 || seen[index]) return false;
            seen[index] = true;
            Blanks();
            if (!Take(':')) return false;
            Blanks();
            if (!Value(members[index])) return false;
            Blanks();
            if (Take('}')) return AtEnd();
            if (!Take(',')) return false;
            Blanks();
        }
    }

  private:
    bool AtEnd() {
        Blanks();
        return at_ == s_.size();
    }
    void Blanks() {
        while (at_ < s_.size() &&
               (s_[at_] == ' ' || s_[at_] == '\t' || s_[at_] == '\n' || s_[at_] == '\r'))
            ++at_;
    }
    bool Take(char ch) {
        if (at_ >= s_.size() || s_[at_] != ch) return false;
        ++at_;
        return true;
    }
    bool Word(std::string_view word) {
        if (s_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }
    bool Text(std::string_view& out) {
        if (!Take('"')) return false;
        const std::size_t start = at_;
        while (at_ < s_.size()) {
            // Eight plain bytes at a time while the line has them.
            if (at_ + 8 <= s_.size()) {
                std::uint64_t word;
                std::memcpy(&word, s_.data() + at_, 8);
                const std::uint64_t flags = AttentionFlags(word);
                if (flags == 0) {
                    at_ += 8;
                    continue;
                }
                if constexpr (std::endian::native == std::endian::little)
                    at_ += static_cast<std::size_t>(std::countr_zero(flags)) / 8;
            }
            const auto byte = static_cast<unsigned char>(s_[at_]);
            if (byte == '"') {
                out = s_.substr(start, at_ - start);
                ++at_;
                return true;
            }
            if (byte == '\\' || byte < 0x20) return false;
            if (byte < 0x80) {
                ++at_;
            } else {
                const std::size_t length = Utf8SequenceLength(s_, at_);
                if (length == 0) return false;
                at_ += length;
            }
        }
        return false;
    }
    bool Value(Member& m) {
        if (at_ >= s_.size()) return false;
        const char ch = s_[at_];
        if (ch == '"') {
            std::string_view text;
            if (!Text(text)) return false;
            m.kind = Member::String;
            m.text = text;
            return true;
        }
        if (ch == '-' || (ch >= '0' && ch <= '9')) return Number(m);
        if (Word("true") || Word("false")) {
            m.kind = Member::Boolean;
            m.flag = ch == 't';
            return true;
        }
        if (Word("null")) {
            m.kind = Member::Null;
            return true;
        }
        return false;
    }
    // -?(0|[1-9][0-9]*), not followed by a fraction or an exponent; kept as written, since a
    // number of any length is still a whole number (and is reported as such).
    bool Number(Member& m) {
        const std::size_t token = at_;
        Take('-');
        const std::size_t start = at_;
        while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9') ++at_;
        const std::size_t digits = at_ - start;
        if (digits == 0 || (digits > 1 && s_[start] == '0')) return false;
        if (at_ < s_.size() && (s_[at_] == '.' || s_[at_] == 'e' || s_[at_] == 'E')) return false;
        m.kind = Member::Integer;
        m.text = s_.substr(token, at_ - token);
        return true;
    }

    std::string_view s_;
    std::size_t at_ = 0;
};

// Whether a number the library could only read as a floating-point value is written as a whole
// number (one too large for 64 bits).
bool WrittenAsWholeNumber(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    if (text.empty()) return false;
    for (char ch : text)
        if (ch < '0' || ch > '9') return false;
    return true;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length =
            static_cast<unsigned char>(text[at]) < 0x80 ? 1 : Utf8SequenceLength(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

// Every line the quick reader leaves, through the JSON library's event reader: the whole line
// must be one object (the library stops at nothing before the end), and its keys are judged in
// the order the line writes them. Texts are kept here for the members to point into.
class LibraryReader {
  public:
    explicit LibraryReader(std::string_view line) : line_(line) {}

    std::optional<ArgError> Read(Members& members) {
        // The library's reader takes a NUL byte for the end of its input.
        if (line_.find('\0') != std::string_view::npos)
            return ArgError{"the line holds a NUL byte"};
        if (!Json::sax_parse(line_.begin(), line_.end(), this) || !wasObject_)
            return ArgError{IsUtf8(line_) ? "the line is not a JSON object"
                                          : "the line is not UTF-8 text"};
        if (problem_) return problem_;
        for (int i = 0; i < kKeyCount; ++i) {
            members_[i].text = texts_[i];
            members[i] = members_[i];
        }
        return std::nullopt;
    }

    // The library's events.
    bool null() { return Value(Member::Null); }
    bool boolean(bool value) {
        if (Value(Member::Boolean)) members_[key_].flag = value;
        return true;
    }
    bool number_integer(Json::number_integer_t value) { return Written(std::to_string(value)); }
    bool number_unsigned(Json::number_unsigned_t value) { return Written(std::to_string(value)); }
    bool number_float(Json::number_float_t, const std::string& written) {
        if (WrittenAsWholeNumber(written)) return Written(written);
        return Value(Member::Other);
    }
    bool string(std::string& value) {
        if (Value(Member::String)) texts_[key_] = std::move(value);
        return true;
    }
    bool binary(Json::binary_t&) { return Value(Member::Other); }
    bool start_object(std::size_t) {
        if (depth_ == 0) wasObject_ = true;
        else Value(Member::Other);
        ++depth_;
        return true;
    }
    bool end_object() {
        --depth_;
        return true;
    }
    bool start_array(std::size_t) {
        Value(Member::Other);
        ++depth_;
        return true;
    }
    bool end_array() {
        --depth_;
        return true;
    }
    bool key(std::string& name) {
        if (depth_ != 1) return true;
        key_ = KeyIndex(name);
        if (problem_) return true;
        if (key_ < 0)
            problem_ = ArgError{"unknown key " + QuotedValue(name)};
        else if (seen_[key_])
            problem_ = ArgError{"the key " + QuotedValue(name) + " appears more than once"};
        else
            seen_[key_] = true;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
        return false;
    }

  private:
    // Records the kind of a value that belongs to a known key of the line's own object; says
    // whether it did.
    bool Value(Member::Kind kind) {
        if (depth_ != 1 || key_ < 0 || problem_) return false;
        members_[key_].kind = kind;
        return true;
    }
    bool Written(std::string written) {
        if (Value(Member::Integer)) texts_[key_] = std::move(written);
        return true;
    }

    std::string_view line_;
    int depth_ = 0;
    bool wasObject_ = false;
    int key_ = -1;
    std::array<bool, kKeyCount> seen_{};
    std::optional<ArgError> problem_;
    Members members_{};
    std::array<std::string, kKeyCount> texts_;
};

std::optional<ArgError> NotAString(Key key) {
    return ArgError{"\"" + std::string(kKeys[key]) + "\" must be a string"};
}

bool Given(const Member& m) { return m.kind != Member::Absent && m.kind != Member::Null; }

// The keys of the atlas: a place by name or GeoNames id, which sets the zone unless the line
// gives one, and an exact offset in place of a zone entry.
std::optional<ArgError> ApplyPlace(const Members& members, Entries& entries) {
    const Member& zone = members[kZone];
    const Member& offset = members[kUtcOffset];
    const Member& place = members[kPlace];
    const Member& placeId = members[kPlaceId];
    if (Given(zone) && Given(offset))
        return ArgError{"\"zone\" and \"utc_offset\" cannot both be given"};
    if (!Given(place) && !Given(placeId)) return std::nullopt;
    if (Given(place) && Given(placeId))
        return ArgError{"\"place\" and \"place_id\" cannot both be given"};
    const Member& dst = members[kDst];
    if (!Given(zone) && !Given(offset) && dst.kind == Member::Boolean && dst.flag)
        return ArgError{
            "\"dst\" goes with \"zone\" or \"utc_offset\": the offset the place's clocks kept at "
            "the birth moment already holds any daylight time"};
    const ZoneChoice choice = Given(zone) || Given(offset) ? ZoneChoice::Kept : ZoneChoice::FromAtlas;
    if (Given(place)) {
        if (place.kind != Member::String) return NotAString(kPlace);
        return SetPlace(entries, place.text, choice);
    }
    if (placeId.kind != Member::Integer) return ArgError{"\"place_id\" must be a whole number"};
    return SetPlaceId(entries, placeId.text, choice);
}

// The members into the entries, each value through the option's own setter. A null member is
// a member left out: the form keeps its default. A place comes after the birth moment it is
// resolved for and before the members that win over it, as with the options.
std::optional<ArgError> ApplyMembers(const Members& members, Entries& entries) {
    using Setter = std::optional<ArgError> (*)(Entries&, std::string_view);
    const auto applyTexts = [&](std::initializer_list<std::pair<Key, Setter>> setters)
        -> std::optional<ArgError> {
        for (const auto& [key, setter] : setters) {
            const Member& m = members[key];
            if (Given(m) && m.kind != Member::String) return NotAString(key);
            // The name box is always read, empty when the line leaves it out.
            if (Given(m) || key == kName)
                if (auto error = setter(entries, Given(m) ? m.text : "")) return error;
        }
        return std::nullopt;
    };
    if (auto error = applyTexts({{kName, SetName}, {kDate, SetDate}, {kTime, SetTime}}))
        return error;
    if (auto error = ApplyPlace(members, entries)) return error;
    if (auto error = applyTexts({{kLat, SetLatitude}, {kLon, SetLongitude}})) return error;
    if (const Member& zone = members[kZone]; Given(zone)) {
        if (zone.kind != Member::Integer) return ArgError{"\"zone\" must be a whole number"};
        if (auto error = SetZoneNumber(entries, zone.text)) return error;
    }
    if (auto error = applyTexts({{kUtcOffset, SetUtcOffset}})) return error;
    if (const Member& dst = members[kDst]; Given(dst)) {
        if (dst.kind != Member::Boolean) return ArgError{"\"dst\" must be true or false"};
        entries.dst = dst.flag;
    }
    for (auto [key, field] : {std::pair{kCity, &entries.city}, std::pair{kState, &entries.state},
                              std::pair{kCountry, &entries.country}}) {
        const Member& m = members[key];
        if (!Given(m)) continue;
        if (m.kind != Member::String) return NotAString(key);
        *field = m.text;
    }
    return std::nullopt;
}

}  // namespace

std::optional<ArgError> ParseRequestLine(std::string_view line, Entries& entries) {
    Members members{};
    if (QuickReader(line).Read(members)) return ApplyMembers(members, entries);
    members = Members{};
    LibraryReader library(line);  // holds the texts the members point into
    if (auto error = library.Read(members)) return error;
    return ApplyMembers(members, entries);
}

}  // namespace kalodaya::cli
