// Fuzz target: arbitrary texts in every box and arbitrary list positions, through the entry
// checks and the whole pipeline on one long-lived state (as the desktop program runs them).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/chart_json.h"
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

// A list position 0..count-1, or -1 (nothing selected), and the text it shows.
int Position(uint8_t byte, int count) { return static_cast<int>(byte % (count + 1)) - 1; }
std::string ListText(int position, int first) {
    return position < 0 ? std::string() : std::to_string(first + position);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fields in(data, size);
    kalodaya::Entries e;
    e.monthIndex = Position(in.Byte(), 12);
    e.dayText = ListText(Position(in.Byte(), 31), 1);
    e.yearText = ListText(Position(in.Byte(), 150), 1901);
    e.hourText = ListText(Position(in.Byte(), 24), 0);
    e.minuteText = ListText(Position(in.Byte(), 60), 0);
    e.secondText = ListText(Position(in.Byte(), 60), 0);
    e.zoneIndex = Position(in.Byte(), kalodaya::kZoneCount);
    const uint8_t flags = in.Byte();
    e.north = flags & 1;
    e.east = flags & 2;
    e.dst = flags & 4;
    e.name = in.Text();
    e.latDegText = in.Text();
    e.latMinText = in.Text();
    e.lonDegText = in.Text();
    e.lonMinText = in.Text();
    e.city = in.Text();
    e.state = in.Text();
    e.country = in.Text();

    const auto outcome = kalodaya::RequestChart(e);
    // Both forms of the JSON: the library object and the compact text must agree.
    const std::string text = kalodaya::cli::ChartJsonText(outcome);
    if (kalodaya::cli::ChartJson(outcome).dump(-1, ' ', false,
                                               nlohmann::ordered_json::error_handler_t::replace) !=
        text)
        __builtin_trap();
    (void)kalodaya::cli::ChartJson(outcome)
        .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    return 0;
}
