#include "request/request_line.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <nlohmann/json.hpp>

#include "base/json_bytes.h"
#include "base/entry_rules.h"
#include "base/quoted_value.h"
#include "records/record.h"

namespace kalodaya {
namespace {

constexpr std::string_view kTimeRangeKey = "time_range";
constexpr std::string_view kUncertaintyKey = "uncertainty_minutes";

int KeyIndex(std::string_view key) {
    if (key.empty()) return -1;
    for (int i = 0; i < kEntryCount; ++i) {
        const std::string_view known = kEntryNames[i].key;
        if (known.size() == key.size() && known[0] == key[0] && known == key) return i;
    }
    return -1;
}

bool IsHex(char ch) {
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}
int HexValue(char ch) {
    if (ch <= '9') return ch - '0';
    return (ch | 0x20) - 'a' + 10;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
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

// Whether a number in JSON's form is out of a double's range, either way.
bool OutsideDoubles(std::string_view written) {
#ifdef __EMSCRIPTEN__
    // The web module's C++ library (libc++ 14) has no from_chars for doubles; its strtod says
    // the same of a number in JSON's form, in the C locale the module always runs in.
    const std::string text(written);
    errno = 0;
    (void)std::strtod(text.c_str(), nullptr);
    return errno == ERANGE;
#else
    double value;
    return std::from_chars(written.data(), written.data() + written.size(), value).ec ==
           std::errc::result_out_of_range;
#endif
}

// Whether a number in JSON's form lies beyond the largest double: the JSON library refuses
// such a number, and reads one that underflows towards zero.
bool BeyondDoubles(std::string_view written) {
    if (!OutsideDoubles(written)) return false;
    // Out of range one way or the other: the power of ten of the first digit that is not zero
    // tells which. JSON's integer part is "0" or has no leading zero.
    if (written.front() == '-') written.remove_prefix(1);
    const std::size_t exponentAt = std::min(written.find_first_of("eE"), written.size());
    long long exponent = 0;
    if (exponentAt < written.size()) {
        const std::size_t digits = exponentAt + 1 + (written[exponentAt + 1] == '+' ? 1 : 0);
        // An exponent too long for 64 bits is beyond any double either way its sign goes.
        if (std::from_chars(written.data() + digits, written.data() + written.size(), exponent)
                .ec != std::errc())
            return written[exponentAt + 1] != '-';
    }
    const std::string_view mantissa = written.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    long long power;
    if (mantissa.front() != '0') {
        power = static_cast<long long>(point) - 1;
    } else {
        const std::size_t first = mantissa.find_first_not_of('0', point + 1);
        if (first == std::string_view::npos) return false;  // zero
        power = -static_cast<long long>(first - point);
    }
    return power + exponent >= 0;
}

// The one reader of a request line: a JSON object whose own members are judged by their keys
// (request/entry_values.h); nested values are read only to be skipped. The common line (plain
// strings, whole numbers) is read without copying; escaped strings are decoded into `decoded`,
// which the values then point into.
class RequestLineReader {
  public:
    RequestLineReader(std::string_view line, EntryValues& values,
                      std::array<std::string, kEntryCount>& decoded)
        : s_(line), values_(values), decoded_(decoded) {}

    std::optional<ReadError> Read() {
        if (!Object()) {
            if (s_.find('\0') != std::string_view::npos)
                return ReadError{"the line holds a NUL byte"};
            if (!IsUtf8(s_)) return ReadError{"the line is not UTF-8 text"};
            return ReadError{"the line is not a JSON object"};
        }
        return problem_;
    }

  private:
    bool Object() {
        // A byte order mark may open the text, as the JSON library allows.
        if (s_.size() >= 1 && static_cast<unsigned char>(s_[0]) == 0xEF) {
            if (s_.substr(0, 3) != "\xEF\xBB\xBF") return false;
            at_ = 3;
        }
        Blanks();
        if (!Take('{')) return false;
        Blanks();
        if (Take('}')) return AtEnd();
        std::array<bool, kEntryCount> seen{};
        for (;;) {
            std::string_view key;
            if (!String(key, &keyText_)) return false;
            EntryValue* value = nullptr;
            std::string* decoded = &scratch_;
            // The keys outside the entry table: their values are kept as written.
            std::optional<std::string_view>* whole = key == kTimeRangeKey     ? &timeRange_
                                                     : key == kUncertaintyKey ? &uncertainty_
                                                                              : nullptr;
            if (!problem_) {
                const int index = whole ? -1 : KeyIndex(key);
                if (whole) {
                    if (*whole)
                        problem_ = ReadError{"the key " + QuotedValue(key) + " appears more than once"};
                } else if (index < 0) {
                    problem_ = ReadError{"unknown key " + QuotedValue(key)};
                } else if (seen[index]) {
                    problem_ = ReadError{"the key " + QuotedValue(key) + " appears more than once"};
                } else {
                    seen[index] = true;
                    value = &values_[index];
                    decoded = &decoded_[index];
                }
            }
            Blanks();
            if (!Take(':')) return false;
            Blanks();
            const std::size_t valueAt = at_;
            if (!Value(value, decoded)) return false;
            if (whole && !*whole) *whole = s_.substr(valueAt, at_ - valueAt);
            Blanks();
            if (Take('}')) return AtEnd();
            if (!Take(',')) return false;
            Blanks();
        }
    }

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

    // A value; recorded in `into` unless that is null (a nested value, or one of a key that was
    // refused).
    bool Value(EntryValue* into, std::string* decoded) {
        if (at_ >= s_.size()) return false;
        EntryValue ignored;
        EntryValue& v = into ? *into : ignored;
        const char ch = s_[at_];
        if (ch == '"') {
            v.kind = EntryValue::String;
            return String(v.text, decoded);
        }
        if (ch == '-' || (ch >= '0' && ch <= '9')) return Number(v);
        if (ch == '{' || ch == '[') {
            v.kind = EntryValue::Other;
            return SkipNested();
        }
        if (Word("true") || Word("false")) {
            v.kind = EntryValue::Boolean;
            v.flag = ch == 't';
            return true;
        }
        if (Word("null")) {
            v.kind = EntryValue::Null;
            return true;
        }
        return false;
    }

    // A string: a view into the line when it holds no escape, else its decoded text in
    // `decoded`.
    bool String(std::string_view& out, std::string* decoded) {
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
            if (byte == '\\') {
                decoded->assign(s_.substr(start, at_ - start));
                if (!Escaped(*decoded)) return false;
                out = *decoded;
                return true;
            }
            if (byte < 0x20) return false;
            if (!Character()) return false;
        }
        return false;
    }

    // One character that needs no escape, moving past it: a byte of ASCII or a well-formed
    // UTF-8 sequence.
    bool Character() {
        if (static_cast<unsigned char>(s_[at_]) < 0x80) {
            ++at_;
            return true;
        }
        const std::size_t length = Utf8SequenceLength(s_, at_);
        at_ += length;
        return length != 0;
    }

    // The rest of a string from its first backslash, decoded into `out`.
    bool Escaped(std::string& out) {
        while (at_ < s_.size()) {
            const auto byte = static_cast<unsigned char>(s_[at_]);
            if (byte == '"') {
                ++at_;
                return true;
            }
            if (byte < 0x20) return false;
            if (byte != '\\') {
                const std::size_t from = at_;
                if (!Character()) return false;
                out.append(s_.substr(from, at_ - from));
                continue;
            }
            if (++at_ >= s_.size()) return false;
            const char escape = s_[at_++];
            switch (escape) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case '/': out += '/'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    std::uint32_t code = 0;
                    if (!CodeUnit(code)) return false;
                    if (code >= 0xD800 && code <= 0xDBFF) {
                        // A high surrogate must be followed by the low one of its pair.
                        std::uint32_t low = 0;
                        if (!Word("\\u") || !CodeUnit(low) || low < 0xDC00 || low > 0xDFFF)
                            return false;
                        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    } else if (code >= 0xDC00 && code <= 0xDFFF) {
                        return false;
                    }
                    AppendUtf8(out, code);
                    break;
                }
                default: return false;
            }
        }
        return false;
    }

    bool CodeUnit(std::uint32_t& code) {
        if (s_.size() - at_ < 4) return false;
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char ch = s_[at_ + i];
            if (!IsHex(ch)) return false;
            code = code * 16 + static_cast<std::uint32_t>(HexValue(ch));
        }
        at_ += 4;
        return true;
    }

    // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?. A whole number is kept as written, whatever
    // its length (it is still a whole number, and reported as such); a fraction or an exponent
    // makes it no whole number.
    bool Number(EntryValue& v) {
        const std::size_t token = at_;
        Take('-');
        if (Take('0')) {
        } else if (!Digits()) {
            return false;
        }
        bool whole = true;
        if (Take('.')) {
            whole = false;
            if (!Digits()) return false;
        }
        if (at_ < s_.size() && (s_[at_] == 'e' || s_[at_] == 'E')) {
            whole = false;
            ++at_;
            if (!Take('+')) Take('-');
            if (!Digits()) return false;
        }
        const std::string_view written = s_.substr(token, at_ - token);
        // A fraction or an exponent makes the number a double, refused beyond the largest one.
        if (!whole && BeyondDoubles(written)) return false;
        v.kind = whole ? EntryValue::Integer : EntryValue::Other;
        v.text = written;
        return true;
    }
    bool Digits() {
        const std::size_t start = at_;
        while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9') ++at_;
        return at_ > start;
    }

    // A nested object or list, read through to its end without recursion.
    bool SkipNested() {
        std::string open;  // the brackets still open, innermost last
        for (;;) {
            // At a value: open a bracket, or read a plain value.
            if (s_[at_] == '{' || s_[at_] == '[') {
                open += s_[at_++];
                Blanks();
                if (Take(open.back() == '{' ? '}' : ']')) {
                    open.pop_back();
                } else {
                    if (!MemberStart(open.back())) return false;
                    continue;
                }
            } else if (!Value(nullptr, &scratch_)) {
                return false;
            }
            // After a value: the next one, or the closing brackets.
            for (;;) {
                if (open.empty()) return true;
                Blanks();
                if (Take(',')) {
                    Blanks();
                    if (!MemberStart(open.back())) return false;
                    break;
                }
                if (!Take(open.back() == '{' ? '}' : ']')) return false;
                open.pop_back();
            }
        }
    }
    // Before a member's value: its key and colon in an object; at a value either way.
    bool MemberStart(char bracket) {
        if (bracket == '{') {
            std::string_view key;
            if (!String(key, &scratch_)) return false;
            Blanks();
            if (!Take(':')) return false;
            Blanks();
        }
        return at_ < s_.size();
    }

    std::string_view s_;
    std::size_t at_ = 0;
    EntryValues& values_;
    std::array<std::string, kEntryCount>& decoded_;
    std::string keyText_, scratch_;
    std::optional<ReadError> problem_;

  public:
    std::optional<std::string_view> timeRange_;  // the "time_range" value as written
    std::optional<std::string_view> uncertainty_;  // the "uncertainty_minutes" value as written
};

// A "time_range" value: null, or an object of exactly "from" and "to", clock times.
std::optional<ReadError> ReadTimeRange(std::string_view written, BirthRequest& request) {
    const ReadError unusable{
        "unusable time_range: expected {\"from\": \"YYYY-MM-DDTHH:MM:SS\", \"to\": "
        "\"YYYY-MM-DDTHH:MM:SS\"}"};
    const auto value = nlohmann::json::parse(written, nullptr, false);
    if (value.is_null()) return std::nullopt;
    if (!value.is_object() || value.size() != 2 || !value.contains("from") ||
        !value.contains("to") || !value["from"].is_string() || !value["to"].is_string())
        return unusable;
    const auto from = ReadClockTime(value["from"].get<std::string>());
    if (!from) return from.error();
    const auto to = ReadClockTime(value["to"].get<std::string>());
    if (!to) return to.error();
    request.timeRange = BirthTimeRange{*from, *to};
    return std::nullopt;
}

// An "uncertainty_minutes" value: null, or whole minutes from 0 to 720. A line that asks for no
// range of its own gets the birth times that many minutes either side of its time, so that
// --batch lists the intervals the desktop's uncertainty box shows.
std::optional<ReadError> ReadUncertainty(std::string_view written, BirthRequest& request) {
    const auto value = nlohmann::json::parse(written, nullptr, false);
    if (value.is_null()) return std::nullopt;
    if (!value.is_number_integer() || value.get<long long>() < 0 ||
        value.get<long long>() > records::kLongestUncertaintyMinutes)
        return ReadError{"unusable uncertainty_minutes " + QuotedValue(written) +
                         ": expected whole minutes from 0 to " +
                         std::to_string(records::kLongestUncertaintyMinutes)};
    request.uncertaintyMinutes = value.get<int>();
    if (request.timeRange || request.uncertaintyMinutes == 0) return std::nullopt;
    if (request.month < 1 || request.month > 12 || request.day < 1 ||
        request.day > DaysInMonth(request.year, request.month))
        return std::nullopt;  // no such date: the entry checks say so
    const DateTime birth = DateTime::FromCivil(request.year, request.month, request.day,
                                               request.hour, request.minute, request.second);
    const int64_t span = int64_t{request.uncertaintyMinutes} * 60;
    // Within the clock times a range may name: the year list's first and last second.
    const DateTime first = DateTime::FromCivil(entry_rules::kFirstYear, 1, 1);
    const DateTime last = DateTime::FromCivil(entry_rules::kLastYear, 12, 31, 23, 59, 59);
    request.timeRange = BirthTimeRange{std::max(birth.AddSeconds(-span), first),
                                       std::min(birth.AddSeconds(span), last)};
    return std::nullopt;
}

}  // namespace

Expected<DateTime, ReadError> ReadClockTime(std::string_view text) {
    const ReadError bad{"unusable clock time " + QuotedValue(text) +
                        ": expected YYYY-MM-DDTHH:MM:SS"};
    if (text.size() != 19 || text[10] != 'T') return bad;
    BirthRequest r;
    if (SetDate(r, text.substr(0, 10)) || SetTime(r, text.substr(11))) return bad;
    if (r.month < 1 || r.month > 12 || r.day < 1 || r.day > DaysInMonth(r.year, r.month) ||
        r.hour > 23 || r.minute > 59 || r.second > 59)
        return bad;
    return DateTime::FromCivil(r.year, r.month, r.day, r.hour, r.minute, r.second);
}

std::optional<ReadError> ReadRequestLine(std::string_view line, BirthRequest& request) {
    EntryValues values{};
    std::array<std::string, kEntryCount> decoded;  // the escaped texts the values point into
    RequestLineReader reader(line, values, decoded);
    if (auto error = reader.Read()) return error;
    if (auto error = ApplyEntryValues(values, request, EntryNaming::Keys)) return error;
    if (reader.timeRange_)
        if (auto error = ReadTimeRange(*reader.timeRange_, request)) return error;
    if (reader.uncertainty_) return ReadUncertainty(*reader.uncertainty_, request);
    return std::nullopt;
}

}  // namespace kalodaya
