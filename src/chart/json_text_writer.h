#pragma once
// Compact JSON text written straight into a buffer, in exactly the forms the JSON library's
// compact dump uses (key order as written, number forms, escapes, U+FFFD for bytes that are not
// UTF-8), without building an object first: a batch writes one chart per line with it.
#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "base/date_time.h"
#include "base/json_bytes.h"
#include "base/platform/bytes.h"
#include "chart/json_text_scratch.h"

namespace kalodaya {
namespace json_text {

using Json = nlohmann::ordered_json;

// How each ASCII byte is written inside a JSON string: as it is, as a short escape (\n, \"),
// or as \u00XX; 8 bytes each, so that one fixed-size copy writes any of them. Bytes from 0x80
// up have length 0: they are checked as UTF-8.
struct EscapedByte {
    char text[8];
    unsigned char length;
};
inline constexpr std::array<EscapedByte, 256> kEscaped = [] {
    std::array<EscapedByte, 256> t{};
    constexpr char kHex[] = "0123456789abcdef";
    for (int b = 0; b < 0x80; ++b) {
        auto& e = t[b];
        if (b >= 0x20 && b != '"' && b != '\\') {
            e.text[0] = static_cast<char>(b);
            e.length = 1;
            continue;
        }
        const char* const shortForm = b == '\b'   ? "\\b"
                                      : b == '\t' ? "\\t"
                                      : b == '\n' ? "\\n"
                                      : b == '\f' ? "\\f"
                                      : b == '\r' ? "\\r"
                                      : b == '"'  ? "\\\""
                                      : b == '\\' ? "\\\\"
                                                  : nullptr;
        if (shortForm) {
            e.text[0] = shortForm[0];
            e.text[1] = shortForm[1];
            e.length = 2;
        } else {
            const char form[] = {'\\', 'u', '0', '0', kHex[b >> 4], kHex[b & 15]};
            for (int i = 0; i < 6; ++i) e.text[i] = form[i];
            e.length = 6;
        }
    }
    return t;
}();

// The length of the first part of `text` that needs no attention in a JSON string (no control
// character, quote, backslash or byte beyond ASCII), found a block at a time; the byte where it
// stops (if any) needs attention, or lies in the last, incomplete block.
inline std::size_t PlainPrefix(std::string_view text) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i quote = _mm_set1_epi8('"'), backslash = _mm_set1_epi8('\\');
    const __m128i blank = _mm_set1_epi8(0x20);
    for (; i + 16 <= text.size(); i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        // Signed bytes: below 0x20 are the control characters and every byte from 0x80 up.
        const __m128i attention =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, quote), _mm_cmpeq_epi8(v, backslash)),
                         _mm_cmplt_epi8(v, blank));
        if (const int mask = _mm_movemask_epi8(attention))
            return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    // Eight bytes at a time, the last few padded with blanks (which need no attention).
    while (i < text.size()) {
        std::uint64_t word = 0x2020202020202020ULL;
        const std::size_t n = text.size() - i;
        if (n >= 8) {
            std::memcpy(&word, text.data() + i, 8);
        } else {
            std::memcpy(&word, text.data() + i, n);
        }
        if (const std::uint64_t flags = AttentionFlags(word)) {
            if constexpr (std::endian::native == std::endian::little)
                return i + static_cast<std::size_t>(std::countr_zero(flags)) / 8;
            for (std::size_t k = 0; k < 8 && i + k < text.size(); ++k)
                if (kEscaped[static_cast<unsigned char>(text[i + k])].length != 1) return i + k;
        }
        i += 8;
    }
    return text.size();
}

// Compact JSON text in the forms nlohmann's serializer uses, written as the object is walked.
// The text is written into the scratch's buffer, which is kept between charts and never cleared
// (growing a string to write into would fill it with zeros first), then appended to `out` in
// one piece when the writer is done.
class JsonTextWriter {
  public:
    JsonTextWriter(std::string& out, WriterScratch& scratch) : out_(out), scratch_(scratch) {
        p_ = scratch_.data.get();
        end_ = p_ + scratch_.size;
        Room(4096);
    }
    ~JsonTextWriter() { out_.append(scratch_.data.get(), static_cast<std::size_t>(p_ - scratch_.data.get())); }
    JsonTextWriter(const JsonTextWriter&) = delete;
    JsonTextWriter& operator=(const JsonTextWriter&) = delete;

    void Open() {
        Room(1);
        *p_++ = '{';
        first_ = true;
    }
    void Close() {
        Room(1);
        *p_++ = '}';
        first_ = false;
    }
    void OpenList() {
        Room(1);
        *p_++ = '[';
        first_ = true;
    }
    void CloseList() {
        Room(1);
        *p_++ = ']';
        first_ = false;
    }

    // The key of the next member, after a comma if needed. Keys are plain ASCII: nothing to
    // escape. A literal's length is known here, so its copy is a few moves.
    template <std::size_t N>
    void Key(const char (&key)[N]) {
        Room(N + 3);
        if (!first_) *p_++ = ',';
        first_ = false;
        *p_++ = '"';
        std::memcpy(p_, key, N - 1);
        p_ += N - 1;
        *p_++ = '"';
        *p_++ = ':';
    }
    void Key(std::string_view key) {
        Room(key.size() + 4);
        if (!first_) *p_++ = ',';
        first_ = false;
        *p_++ = '"';
        std::memcpy(p_, key.data(), key.size());
        p_ += key.size();
        *p_++ = '"';
        *p_++ = ':';
    }
    // The next list item: a comma if needed.
    void Item() {
        Room(1);
        if (!first_) *p_++ = ',';
        first_ = false;
    }

    // The text written from `mark` (a Mark()) on.
    std::size_t Mark() const { return static_cast<std::size_t>(p_ - scratch_.data.get()); }
    std::string_view Since(std::size_t mark) const {
        return {scratch_.data.get() + mark, Mark() - mark};
    }
    // Text that is already JSON, as the next value.
    void Raw(std::string_view text) {
        Room(text.size());
        std::memcpy(p_, text.data(), text.size());
        p_ += text.size();
        first_ = false;
    }

    // A value whose text is the same whenever `slot` is used (a sign's profile, say): written
    // the first time, copied from the scratch after that.
    template <typename Write>
    void Remembered(std::size_t slot, Write write) {
        auto& remembered = scratch_.remembered;
        if (slot >= remembered.size()) remembered.resize(slot + 1);
        if (!remembered[slot].empty()) return Raw(remembered[slot]);
        const std::size_t mark = Mark();
        write();
        remembered[slot].assign(Since(mark));
    }

    void Null() { Raw("null"); }
    void Bool(bool value) { Raw(value ? "true" : "false"); }
    void Int(long long value) {
        Room(24);
        p_ = std::to_chars(p_, p_ + 24, value).ptr;
        first_ = false;
    }
    void Double(double value) {
        if (!std::isfinite(value)) return Null();
        Room(64);
        p_ = nlohmann::detail::to_chars(p_, p_ + 64, value);
        first_ = false;
    }
    void String(std::string_view text) {
        first_ = false;
        if (ShortPlain(text) || LineBreaks(text) || LineBrokenPlain(text)) return;
        // Other short texts go straight to the byte loop below.
        const std::size_t plain = text.size() < 16 ? 0 : PlainPrefix(text);
        // Room for the worst case (every byte after the plain part escaped as \u00XX) and for
        // the last 8-byte copy.
        Room(plain + 6 * (text.size() - plain) + 10);
        // A local pointer: writes through the member would make the compiler reload it after
        // every byte (a char store may change any object).
        char* p = p_;
        *p++ = '"';
        std::memcpy(p, text.data(), plain);
        p += plain;
        for (std::size_t i = plain; i < text.size();) {
            const auto byte = static_cast<unsigned char>(text[i]);
            const EscapedByte& e = kEscaped[byte];
            if (e.length != 0) {
                std::memcpy(p, e.text, sizeof e.text);
                p += e.length;
                ++i;
                continue;
            }
            // Well-formed UTF-8 is copied as it is; anything else goes to the library's own
            // escaping, which replaces bytes that are not UTF-8 by U+FFFD.
            const std::size_t sequence = Utf8SequenceLength(text, i);
            if (sequence == 0) return Delegate(text);
            std::memcpy(p, text.data() + i, sequence);
            p += sequence;
            i += sequence;
        }
        *p++ = '"';
        p_ = p;
    }
    // A date-time as "YYYY-MM-DDTHH:MM:SS" (the form of DateTime::Iso), or null.
    void DateOrNull(const DateTime& value, bool failed) {
        if (failed) return Null();
        Date(value, true);
    }
    void Date(const DateTime& value, bool withTime) {
        first_ = false;
        const DateTime::CivilDate t = value.Date();
        const int secondOfDay =
            static_cast<int>(DateTime::SecondsBetween(value.DateOnly(), value));
        if (t.year < 0 || t.year > 9999)
            return String(withTime ? value.Iso() : value.Iso().substr(0, 10));
        Room(24);
        auto two = [](char* at, int v) {
            at[0] = static_cast<char>('0' + v / 10);
            at[1] = static_cast<char>('0' + v % 10);
        };
        char* const buf = p_;
        buf[0] = '"';
        two(buf + 1, static_cast<int>(t.year / 100));
        two(buf + 3, static_cast<int>(t.year % 100));
        buf[5] = '-';
        two(buf + 6, t.month);
        buf[8] = '-';
        two(buf + 9, t.day);
        std::size_t n = 11;
        if (withTime) {
            buf[11] = 'T';
            two(buf + 12, secondOfDay / 3600);
            buf[14] = ':';
            two(buf + 15, secondOfDay / 60 % 60);
            buf[17] = ':';
            two(buf + 18, secondOfDay % 60);
            n = 20;
        }
        buf[n++] = '"';
        p_ += n;
    }

  private:
    // A text of 4 to 16 bytes that needs no escaping, written with two overlapping word copies
    // (most of a chart's texts are such); false, with nothing written, for any other text.
    bool ShortPlain(std::string_view text) {
        const std::size_t n = text.size();
        if (n < 4 || n > 16) return false;
        const char* const t = text.data();
        if (n >= 8) {
            std::uint64_t head, tail;
            std::memcpy(&head, t, 8);
            std::memcpy(&tail, t + n - 8, 8);
            if (AttentionFlags(head) | AttentionFlags(tail)) return false;
            Room(n + 2);
            p_[0] = '"';
            std::memcpy(p_ + 1, &head, 8);
            std::memcpy(p_ + 1 + n - 8, &tail, 8);
        } else {
            std::uint32_t head, tail;
            std::memcpy(&head, t, 4);
            std::memcpy(&tail, t + n - 4, 4);
            constexpr std::uint64_t kBlanks = 0x2020202000000000ULL;  // need no attention
            if (AttentionFlags(kBlanks | head) | AttentionFlags(kBlanks | tail)) return false;
            Room(n + 2);
            p_[0] = '"';
            std::memcpy(p_ + 1, &head, 4);
            std::memcpy(p_ + 1 + n - 4, &tail, 4);
        }
        p_[n + 1] = '"';
        p_ += n + 2;
        return true;
    }

    // A text of line breaks only (CR LF, up to 16 of them; the marker cells are mostly such),
    // copied from their escaped form; false, with nothing written, for any other text.
    bool LineBreaks(std::string_view text) {
        static constexpr std::string_view kEscaped16 =
            "\\r\\n\\r\\n\\r\\n\\r\\n\\r\\n\\r\\n\\r\\n\\r\\n"
            "\\r\\n\\r\\n\\r\\n\\r\\n\\r\\n\\r\\n\\r\\n\\r\\n";
        const std::size_t n = text.size();
        if (n == 0 || n % 2 != 0 || n > 32) return false;
        for (std::size_t i = 0; i < n; i += 2)
            if (text[i] != '\r' || text[i + 1] != '\n') return false;
        Room(2 * n + 2);
        p_[0] = '"';
        std::memcpy(p_ + 1, kEscaped16.data(), 2 * n);
        p_[2 * n + 1] = '"';
        p_ += 2 * n + 2;
        return true;
    }

    // A text of CR LF line breaks with plain ASCII between them (a chart cell: a body's name
    // a line; a marker cell: "GL" among empty lines), written with its breaks escaped; false,
    // with nothing written, for any other text.
    bool LineBrokenPlain(std::string_view text) {
        const std::size_t n = text.size();
        if (n < 2 || n > 1024 || text[0] != '\r') return false;
        Room(2 * n + 2);
        char* p = p_;
        *p++ = '"';
        for (std::size_t i = 0; i < n;) {
            if (text[i] == '\r') {
                if (i + 1 == n || text[i + 1] != '\n') return false;
                std::memcpy(p, "\\r\\n", 4);
                p += 4;
                i += 2;
                continue;
            }
            if (kEscaped[static_cast<unsigned char>(text[i])].length != 1) return false;
            *p++ = text[i++];
        }
        *p++ = '"';
        p_ = p;
        return true;
    }

    // At least `n` bytes free at p_.
    void Room(std::size_t n) {
        if (static_cast<std::size_t>(end_ - p_) < n) [[unlikely]]
            Grow(n);
    }
    [[gnu::noinline]] void Grow(std::size_t n) {
        const std::size_t used = static_cast<std::size_t>(p_ - scratch_.data.get());
        const std::size_t size = std::max(2 * scratch_.size, used + n);
        auto data = platform::UninitializedBytes(size);
        if (used > 0) std::memcpy(data.get(), scratch_.data.get(), used);
        scratch_.data = std::move(data);
        scratch_.size = size;
        p_ = scratch_.data.get() + used;
        end_ = scratch_.data.get() + size;
    }
    // Text with bytes that are not UTF-8: the library's own escaping.
    void Delegate(std::string_view text) {
        Raw(Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace));
    }

    std::string& out_;
    WriterScratch& scratch_;
    char* p_ = nullptr;
    char* end_ = nullptr;
    bool first_ = true;
};

}  // namespace json_text

using json_text::JsonTextWriter;

}  // namespace kalodaya
