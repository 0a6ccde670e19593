#pragma once
// The one process-wide state object: every record the stages share, kept between requests.
#include <array>
#include <cstdint>
#include <string>

#include "core/birth_data.h"
#include "core/chart_state.h"
#include "core/result_texts.h"

namespace kalodaya {

// Module values of the two ephemeris modules, kept until the next run.
struct EphemerisState {
    double AyanamsaCorrection = 0;  // minus the ayanamsa of the birth moment, degrees
    std::string AscText;            // FormatSignDms texts
    std::string MoonText;
    std::array<std::string, 6> BodyText;  // by body number: Mercury, Venus, Earth(Sun), Mars, ...
    std::string RahuText, KetuText;
};

// Working state of the arudha padas and hidden lagnas (16-bit as the records declare them).
struct SpecialLagnaState {
    int16_t HouseCounter = 0;
    int16_t LordSignNo = 0;
    int16_t HouseSignNo = 0;
    int16_t LagnaLordSignNo = 0;
    int16_t AscSignNo = 0;
    int16_t AscKala = 0;
    int16_t MoonKala = 0;
    double PranaSigns = 0, PranaDeg = 0, PranaMin = 0, PranaSec = 0;
};

// Results of the retrograde lookup for Mercury, Venus, Mars, Jupiter, Saturn.
struct RetrogradeState {
    std::array<bool, 5> RetroFlags{};
};

struct AppState {
    BirthData birth;
    ChartState chart;
    EphemerisState ephemeris;
    SpecialLagnaState lagna;
    RetrogradeState retro;
    ResultTexts view;  // every text the results window shows
};

// The entry form's load handler: fills the shared name tables.
void LoadTables(AppState& state);

}  // namespace kalodaya
