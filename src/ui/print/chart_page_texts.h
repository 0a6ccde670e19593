#pragma once
// Every text of the printed and exported chart, in one plain record. The pages are drawn from
// this alone, never from the windows, so they come out the same at any window size and
// without a display. Texts are UTF-8; a line break is a single '\n'.
#include <array>
#include <string>
#include <vector>

#include "chart/chart_layout.h"

namespace kalodaya::ui::print {

inline constexpr int kPagePlanetCount = 10;
inline constexpr int kPageProfileTextCount = 5;

struct LabelledText {
    std::string label;
    std::string text;
};

struct ChartPageTexts {
    // The document's title (PDF title, print job name): the name and the birth details.
    std::string documentTitle;
    std::string name;
    std::string isoBirthDate;  // "1990-08-15", for file names
    std::string birthMoment;   // "August 15, 1990, 10:30:00"
    std::string place;         // "New Delhi, Delhi, India": the place texts given
    std::string pageNumber = "Page %1";  // the footer's page number, %1 the number

    // The header strip of both pages.
    std::string heading;        // "Significance of Ghati Lagna"
    std::string headingLine;    // what the ghati lagna signifies
    std::string signCaption;    // "Ghati Lagna Present In Sign"
    std::string ghatiLagnaSign; // "Cancer"

    // The chart in each style (its bodies and markers by sign), and the style the page draws.
    std::array<ChartLayout, kChartStyleCount> layouts;
    ChartStyle chartStyle = ChartStyle::South;

    std::string planetTableCaption;                        // "Vedic Planetary Position"
    std::array<LabelledText, kPagePlanetCount> planets;    // "Surya/Sun", "28 Can 31"
    std::string detailsCaption;                            // "Your Details"
    std::vector<LabelledText> birthDetails;                // date, time, place, zone
    std::string sunriseCaption;
    // Sunrise, reference sunrise, the time elapsed and the ghati lagna.
    std::vector<LabelledText> sunRows;

    // Under the chart, each a whole paragraph: the calculation settings, the birth-time
    // windows, a modern chart's classic ghati lagna and the notes on the birth's clock time.
    std::string notesCaption;  // "Birth Time Windows"
    std::vector<std::string> notes;
    // The spans of the range of birth times asked for, with the column heads; the entered
    // time's span is rangeBirthRow (-1: none). No rows: no range was asked for.
    std::string rangeCaption;
    std::vector<std::string> rangeHeads;
    std::vector<std::vector<std::string>> rangeRows;
    int rangeBirthRow = -1;

    // The second page: the ghati lagna sign's profile.
    std::string profileCaption;                            // "Ghati Lagna Details"
    std::vector<LabelledText> profileFields;               // "Ruling Planet", "Moon", ...
    std::array<LabelledText, kPageProfileTextCount> profileTexts;  // "Looks", full text, ...
};

}  // namespace kalodaya::ui::print
