#include "cli/batch.h"

#include <array>
#include <bit>
#include <cstring>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string_view>

#include "cli/chart_json.h"
#include "cli/json_bytes.h"
#include "chart/chart_outcome.h"

namespace kalodaya::cli {
namespace {

using Json = nlohmann::json;

// The keys a request line may hold, in the order their values are read.
enum Key { kName, kDate, kTime, kLat, kLon, kZone, kDst, kCity, kState, kCountry, kKeyCount };
constexpr std::array<std::string_view, kKeyCount> kKeys = {
    "name", "date", "time", "lat", "lon", "zone", "dst", "city", "state", "country"};

// What one key of the line held.
struct Member {
    enum Kind { Absent, Null, String, Integer, Boolean, Other } kind = Absent;
    std::string_view text;   // String: into the line, or into the library's reading
    long long integer = 0;   // Integer, as the library converts it to long long
    bool flag = false;       // Boolean
};
using Members = std::array<Member, kKeyCount>;

int KeyIndex(std::string_view key) {
    for (int i = 0; i < kKeyCount; ++i)
        if (kKeys[i].size() == key.size() && kKeys[i][0] == key[0] && kKeys[i] == key) return i;
    return -1;
}

// The common line: one flat object of known keys, each once, holding plain strings (no
// escapes, no control characters, well-formed UTF-8), whole numbers of up to 18 digits, true,
// false or null. Read by hand; returns false for anything else, which the JSON library then
// reads (so every line gets the library's reading, only faster).
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
    // -?(0|[1-9][0-9]*), not followed by a fraction or an exponent.
    bool Number(Member& m) {
        const bool negative = Take('-');
        const std::size_t start = at_;
        long long value = 0;
        while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9') {
            // Longer numbers go to the JSON library; stopping first keeps the sum in range.
            if (at_ - start >= 18) return false;
            value = value * 10 + (s_[at_] - '0');
            ++at_;
        }
        const std::size_t digits = at_ - start;
        if (digits == 0 || (digits > 1 && s_[start] == '0')) return false;
        if (at_ < s_.size() && (s_[at_] == '.' || s_[at_] == 'e' || s_[at_] == 'E')) return false;
        m.kind = Member::Integer;
        m.integer = negative ? -value : value;
        return true;
    }

    std::string_view s_;
    std::size_t at_ = 0;
};

// The same members through the JSON library, for every line the quick reader leaves; the
// texts are kept in `request`.
std::optional<ArgError> LibraryRead(const std::string& line, Json& request, Members& members) {
    request = Json::parse(line, nullptr, /*allow_exceptions=*/false);
    if (request.is_discarded() || !request.is_object())
        return ArgError{"the line is not a JSON object"};
    for (const auto& item : request.items())  // in the library's key order
        if (KeyIndex(item.key()) < 0) return ArgError{"unknown key \"" + item.key() + "\""};
    for (int i = 0; i < kKeyCount; ++i) {
        const auto it = request.find(kKeys[i]);
        if (it == request.end()) continue;
        Member& m = members[i];
        if (it->is_null()) {
            m.kind = Member::Null;
        } else if (it->is_string()) {
            m.kind = Member::String;
            m.text = it->get_ref<const std::string&>();
        } else if (it->is_number_integer()) {
            m.kind = Member::Integer;
            m.integer = it->get<long long>();
        } else if (it->is_boolean()) {
            m.kind = Member::Boolean;
            m.flag = it->get<bool>();
        } else {
            m.kind = Member::Other;
        }
    }
    return std::nullopt;
}

std::optional<ArgError> NotAString(Key key) {
    return ArgError{"\"" + std::string(kKeys[key]) + "\" must be a string"};
}

// The members into the entries, each value through the option's own setter.
std::optional<ArgError> ApplyMembers(const Members& members, Entries& entries) {
    using Setter = std::optional<ArgError> (*)(Entries&, std::string_view);
    const std::pair<Key, Setter> setters[] = {{kName, SetName},
                                              {kDate, SetDate},
                                              {kTime, SetTime},
                                              {kLat, SetLatitude},
                                              {kLon, SetLongitude}};
    for (const auto& [key, setter] : setters) {
        const Member& m = members[key];
        if (m.kind != Member::Absent && m.kind != Member::Null && m.kind != Member::String)
            return NotAString(key);
        // A present key is set even when null (as empty text); the name always is.
        if (m.kind != Member::Absent || key == kName)
            if (auto error = setter(entries, m.kind == Member::String ? m.text : ""))
                return error;
    }
    if (const Member& zone = members[kZone]; zone.kind != Member::Absent) {
        if (zone.kind != Member::Integer) return ArgError{"\"zone\" must be a whole number"};
        if (auto error = SetZone(entries, zone.integer)) return error;
    }
    if (const Member& dst = members[kDst]; dst.kind != Member::Absent) {
        if (dst.kind != Member::Boolean) return ArgError{"\"dst\" must be true or false"};
        entries.dst = dst.flag;
    }
    for (auto [key, field] : {std::pair{kCity, &entries.city}, std::pair{kState, &entries.state},
                              std::pair{kCountry, &entries.country}}) {
        const Member& m = members[key];
        if (m.kind == Member::Absent || m.kind == Member::Null) continue;
        if (m.kind != Member::String) return NotAString(key);
        *field = m.text;
    }
    return std::nullopt;
}

// Output is gathered and written in large pieces; it is also written whenever the input has
// nothing more waiting, so that a program feeding lines one at a time gets its answers.
constexpr std::size_t kOutputChunk = 1 << 16;

bool WriteOut(std::ostream& out, std::string& pending) {
    out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
    pending.clear();
    return static_cast<bool>(out);
}

}  // namespace

std::optional<ArgError> ParseRequestLine(const std::string& line, Entries& entries) {
    Members members;
    Json request;  // holds the texts of a line the library reads
    if (!QuickReader(line).Read(members)) {
        members = Members{};
        if (auto error = LibraryRead(line, request, members)) return error;
    }
    return ApplyMembers(members, entries);
}

bool RunBatch(std::istream& in, std::ostream& out) {
    // Each chart is computed from its own line alone; the outcome only lends its strings'
    // storage to the next line.
    ChartOutcome outcome;
    std::string line, pending;
    pending.reserve(kOutputChunk + 8192);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Entries entries;
        if (auto error = ParseRequestLine(line, entries)) {
            pending += nlohmann::ordered_json{{"valid", false},
                                              {"message", nullptr},
                                              {"error", error->message}}
                           .dump();
        } else {
            RequestChartInto(entries, outcome);
            // Written straight as text: the same bytes as ChartJson(...).dump(-1, ' ', false,
            // error_handler_t::replace), without building the object.
            AppendChartJsonText(pending, outcome);
        }
        pending += '\n';
        const bool drained = in.rdbuf()->in_avail() <= 0;
        if (pending.size() >= kOutputChunk || drained) {
            if (!WriteOut(out, pending)) return false;
            if (drained) out.flush();
        }
    }
    WriteOut(out, pending);
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace kalodaya::cli
