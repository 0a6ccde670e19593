// Fuzz target: arbitrary numbers in every box and list (empty boxes, nothing selected, values
// far outside the lists) and arbitrary texts, through the entry checks and the whole pipeline.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_json.h"
#include "chart/chart_outcome.h"
#include "astro/zone_table.h"

namespace {

// Splits the input at NUL bytes: a header of list positions and flags, then the box texts.
class Fields {
public:
    Fields(const uint8_t* data, size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}
    uint8_t Byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    std::string Text() {
        const auto end = rest_.find('\0');
        std::string text(rest_.substr(0, end));
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return text;
    }

private:
    std::string_view rest_;
};

// A list position 0..count-1, or -1 (nothing selected).
int Position(uint8_t byte, int count) { return static_cast<int>(byte % (count + 1)) - 1; }
// A value around a list's range, sometimes far outside it.
int Around(uint8_t low, uint8_t high, int first) {
    return first + static_cast<int16_t>(static_cast<uint16_t>(low | high << 8)) / 128;
}
// A coordinate box: empty, or a number of up to three digits (or a negative one).
std::optional<int> Box(uint8_t byte) {
    if (byte == 0) return std::nullopt;
    return static_cast<int>(byte) * 4 - 20;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fields in(data, size);
    kalodaya::BirthRequest e;
    e.month = Position(in.Byte(), 12) + 1;
    e.day = Around(in.Byte(), in.Byte(), 1);
    e.year = Around(in.Byte(), in.Byte(), 1901);
    e.hour = Around(in.Byte(), in.Byte(), 0);
    e.minute = Around(in.Byte(), in.Byte(), 0);
    e.second = Around(in.Byte(), in.Byte(), 0);
    switch (const int zone = Position(in.Byte(), kalodaya::kZoneCount + 1); zone) {
        case -1: e.zone = kalodaya::NoZone{}; break;
        case kalodaya::kZoneCount: e.zone = kalodaya::ExactOffset{Around(in.Byte(), in.Byte(), 0) * 60}; break;
        default: e.zone = kalodaya::ZoneListEntry{zone}; break;
    }
    const uint8_t flags = in.Byte();
    e.latitude.north = flags & 1;
    e.longitude.east = flags & 2;
    e.daylight = flags & 4;
    e.name = in.Text();
    e.latitude.degrees = Box(in.Byte());
    e.latitude.minutes = Box(in.Byte());
    e.longitude.degrees = Box(in.Byte());
    e.longitude.minutes = Box(in.Byte());
    e.city = in.Text();
    e.state = in.Text();
    e.country = in.Text();

    const auto outcome = kalodaya::RequestChart(e);
    // Both forms of the JSON: the library object and the compact text must agree.
    const std::string text = kalodaya::ChartJsonText(outcome);
    if (kalodaya::ChartJson(outcome).dump(-1, ' ', false,
                                               nlohmann::ordered_json::error_handler_t::replace) !=
        text)
        __builtin_trap();
    (void)kalodaya::ChartJson(outcome)
        .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    return 0;
}
