#include "chart/present_windows.h"

#include <cstdlib>
#include <string_view>

#include "base/tables.h"
#include "chart/present.h"
#include "profile/chart_words.h"
#include "profile/text_keys.h"

namespace kalodaya {
namespace {

namespace key = text_key;

std::string SignName(int sign, Language language) {
    return sign >= 0 && sign < kSignCount ? std::string(WordsOf(language).signNames[sign])
                                          : std::string("-");
}

std::string Two(int64_t value) {
    return std::string{static_cast<char>('0' + value / 10 % 10),
                       static_cast<char>('0' + value % 10)};
}

// "10:18:40", and ", August 14, 1990" after it when the date is not the birth's.
std::string ClockOn(const DateTime& t, const DateTime& birth, Language language) {
    std::string clock = Two(t.Hour()) + ":" + Two(t.Minute()) + ":" + Two(t.Second());
    if (t.DateOnly() != birth.DateOnly()) return ClockOnDateText(clock, t, language);
    return clock;
}

// "11 min 20 s", "2 h 0 min 5 s", "3 days 2 h 0 min 5 s": how far a window's edge lies from
// the birth.
std::string Distance(int64_t seconds, Language language) {
    seconds = std::llabs(seconds);
    const int64_t days = seconds / 86400, hours = seconds / 3600 % 24;
    const int64_t minutes = seconds / 60 % 60, secs = seconds % 60;
    auto n = [](int64_t v) { return std::to_string(v); };
    if (days > 0)
        return FillPlaceholders(Text(language, days == 1 ? key::kDistanceDay : key::kDistanceDays),
                                {n(days), n(hours), n(minutes), n(secs)});
    if (hours > 0)
        return FillPlaceholders(Text(language, key::kDistanceHours),
                                {n(hours), n(minutes), n(secs)});
    return FillPlaceholders(Text(language, key::kDistanceMinutes), {n(minutes), n(secs)});
}

// An edge's clock time, and why it is where it is when it is not a change.
std::string Edge(const DateTime& t, WindowLimit limit, const DateTime& birth, Language language) {
    std::string clock = ClockOn(t, birth, language);
    std::string_view note;
    switch (limit) {
        case WindowLimit::Search:
            note = key::kLimitSearch;
            break;
        case WindowLimit::DateRange:
            note = key::kLimitDateRange;
            break;
        case WindowLimit::Polar:
            note = key::kLimitPolar;
            break;
        case WindowLimit::None:
            return clock;
    }
    return FillPlaceholders(Text(language, note), {clock});
}

std::string WindowLine(const std::string& subject, const TimeWindow& w, const DateTime& birth,
                       Language language) {
    return FillPlaceholders(Text(language, key::kWindowLine),
                            {subject, Edge(w.from, w.fromLimit, birth, language),
                             Edge(w.to, w.toLimit, birth, language),
                             Distance(DateTime::SecondsBetween(w.from, birth), language),
                             Distance(DateTime::SecondsBetween(birth, w.to), language),
                             ClockOn(birth, birth, language)});
}

std::string Subject(std::string_view pattern, int sign, Language language) {
    return FillPlaceholders(Text(language, pattern), {SignName(sign, language)});
}

}  // namespace

TimeWindowTexts PresentTimeWindows(const TimeWindows& w, const DateTime& birth, Language language) {
    TimeWindowTexts t;
    if (w.ghatiLagna)
        t.ghatiLagna = WindowLine(Subject(key::kWindowGhatiLagna, w.ghatiLagna->sign, language),
                                  *w.ghatiLagna, birth, language);
    t.ascendant = WindowLine(Subject(key::kWindowAscendant, w.ascendant.sign, language),
                             w.ascendant, birth, language);
    t.moon = WindowLine(Subject(key::kWindowMoon, w.moon.sign, language), w.moon, birth, language);
    if (w.chart)
        t.chart =
            WindowLine(std::string(Text(language, key::kWindowChart)), *w.chart, birth, language);
    return t;
}

std::vector<TimeRangeRowTexts> PresentTimeRange(const std::vector<TimeRangeSpan>& spans,
                                                const DateTime& birth, Language language) {
    std::vector<TimeRangeRowTexts> rows;
    rows.reserve(spans.size());
    for (const TimeRangeSpan& s : spans)
        rows.push_back({ClockOn(s.from, birth, language), ClockOn(s.to, birth, language),
                        SignName(s.ghatiLagna, language), SignName(s.ascendant, language),
                        SignName(s.moon, language), s.from <= birth && birth <= s.to});
    return rows;
}

std::array<std::string, 5> TimeRangeHeads(Language language) {
    std::array<std::string, 5> heads;
    for (std::size_t i = 0; i < heads.size(); ++i)
        heads[i] = std::string(Text(language, key::kRangeHeads[i]));
    return heads;
}

std::string UncertaintyCaption(Language language) {
    return std::string(Text(language, key::kRangeUncertainty));
}

}  // namespace kalodaya
