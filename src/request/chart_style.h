#pragma once
// How a chart is drawn: the fixed-sign square of South India, the fixed-house diamond of North
// India or the fixed-sign square of Bengal and Odisha. The chart's numbers are the same in each.
#include <array>
#include <optional>
#include <string_view>

namespace kalodaya {

enum class ChartStyle : int { South, North, East };
inline constexpr int kChartStyleCount = 3;

// The names of --chart-style, of a request line's "chart_style" and of the stored choice, in
// ChartStyle order.
inline constexpr std::array<std::string_view, kChartStyleCount> kChartStyleNames = {
    "south", "north", "east"};

constexpr std::string_view NameOfChartStyle(ChartStyle style) {
    return kChartStyleNames[static_cast<int>(style)];
}

// The style named exactly `name` ("north"), if any.
constexpr std::optional<ChartStyle> ChartStyleNamed(std::string_view name) {
    for (int i = 0; i < kChartStyleCount; ++i)
        if (kChartStyleNames[i] == name) return static_cast<ChartStyle>(i);
    return std::nullopt;
}

}  // namespace kalodaya
