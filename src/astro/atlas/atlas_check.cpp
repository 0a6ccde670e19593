#include "astro/atlas/atlas_check.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace kalodaya::atlas {
namespace {

constexpr uint64_t kFnvOffset = 0xcbf29ce484222325ULL;
constexpr uint64_t kFnvPrime = 0x100000001b3ULL;

std::size_t CountRecords(std::string_view body) {
    std::size_t count = 0;
    while (!body.empty()) {
        const std::size_t end = body.find('\n');
        const std::string_view line = body.substr(0, end);
        if (!line.empty() && line.front() != '#') ++count;
        if (end == std::string_view::npos) break;
        body.remove_prefix(end + 1);
    }
    return count;
}

AtlasError Damaged(std::string_view file, const std::string& what) {
    return {"The atlas file " + std::string(file) + " is damaged (" + what +
            "); reinstall the program."};
}

}  // namespace

uint64_t AtlasChecksum(std::string_view text) {
    uint64_t hash = kFnvOffset;
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        uint64_t word = 0;
        for (int i = 7; i >= 0; --i)
            word = (word << 8) | static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
        hash = (hash ^ word) * kFnvPrime;
    }
    if (at < text.size()) {
        uint64_t word = 0;
        for (std::size_t i = text.size(); i-- > at;)
            word = (word << 8) | static_cast<unsigned char>(text[i]);
        hash = (hash ^ word) * kFnvPrime;
    }
    return hash;
}

std::string AtlasCheckLine(std::string_view body) {
    char line[80];
    std::snprintf(line, sizeof line, "# check records=%zu fnv=%016" PRIx64, CountRecords(body),
                  AtlasChecksum(body));
    return line;
}

std::optional<AtlasError> CheckAtlasFile(std::string_view file, std::string_view text) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) return Damaged(file, "it is empty or cut short");
    const std::string_view first = text.substr(0, end);
    const std::string_view body = text.substr(end + 1);
    unsigned long long written = 0;
    char checksum[17] = {};
    if (std::sscanf(std::string(first).c_str(), "# check records=%llu fnv=%16[0-9a-f]", &written,
                    checksum) != 2)
        return Damaged(file, "its first line is not the generator's check line");
    const std::size_t found = CountRecords(body);
    if (found != written)
        return Damaged(file, std::to_string(found) + " records where " + std::to_string(written) +
                                 " were written");
    if (AtlasCheckLine(body) != first) return Damaged(file, "its checksum does not match");
    return std::nullopt;
}

}  // namespace kalodaya::atlas
