#pragma once
// Angle reduction and the longitude texts shared by every ephemeris stage.
#include <string>
#include <string_view>

namespace kalodaya {

inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;

inline constexpr std::string_view kSignCodeString = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Two-argument arctangent in radians, -pi..pi; y = 0 with x < 0 gives 0, not pi.
double QuadrantArctan(double y, double x);
// Raised by 360 once if negative, then lowered by 360 once if above 360.
double Normalize360(double degrees);
// Into [0, 2 pi).
double ReduceToTwoPi(double radians);

// The one-directional reductions the algorithm writes as loops, computed in one step with the same
// result (each subtraction or addition of 360 in the loop is exact, so is fmod):
// "while a >= 360: a = a - 360" (below 360; a negative angle stays as it is),
double SubtractWhileAtLeast360(double degrees);
// "while a > 360: a = a - 360" (exactly 360 stays 360),
double SubtractWhileAbove360(double degrees);
// "while a < 0: a = a + 360".
double AddWhileNegative(double degrees);

// Degrees, minutes and seconds within the sign, then the sign code: 15° 30' 0" Tau.
// The numbers are truncated, never rounded; a longitude of 360 or more has an empty code.
std::string FormatSignDms(double degrees);
// Two-digit degrees, the sign code, two-digit minutes: "05 Tau 07".
std::string FormatPlanetLabel(std::string_view signDmsText);

// The same two texts written into `out`, reusing its storage (the stages call these once per body
// and run; they keep the state's strings from reallocating).
void FormatSignDmsInto(double degrees, std::string& out);
void FormatPlanetLabelInto(std::string_view signDmsText, std::string& out);
// Both texts of one longitude at once: dms = FormatSignDms(degrees) and
// label = FormatPlanetLabel(dms), without reading the first text back.
void FormatLongitudeTexts(double degrees, std::string& dms, std::string& label);
// The label alone: label = FormatPlanetLabel(FormatSignDms(degrees)).
void FormatPlanetLabelOfLongitude(double degrees, std::string& label);
// The sign index of that label's code (SignIndexOfPositionOrNone of base/tables.h), or -1,
// without writing the label where the code is plainly the longitude's sign.
int SignIndexOfLongitudeLabel(double degrees);

}  // namespace kalodaya
