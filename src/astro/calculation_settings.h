#pragma once
// How a chart's positions and sun events are computed: which ephemeris, which ayanamsa makes its
// longitudes sidereal, which lunar node, and which sunrise. The default is the program's own
// classic calculation; every other combination is named explicitly in the chart's output.
#include <optional>
#include <string>
#include <string_view>

namespace kalodaya {

// The classic formulas of astro/ (planets.h, moon.h, ascendant.h, sunrise.h), or the Swiss
// Ephemeris with its built-in Moshier analytic theory (astro/swiss_ephemeris.h).
enum class EphemerisKind { Classic, Modern };
// Classic: the program's two ayanamsa formulas (astro/ayanamsa.h), classic ephemeris only. The
// others are the Swiss Ephemeris' sidereal modes of the same names (modern ephemeris only).
enum class AyanamsaKind { Classic, Lahiri, Raman, Krishnamurti, TrueChitra };
// The mean or the true (osculating) lunar node; the classic ephemeris has its own mean node.
enum class NodeKind { Mean, True };
// Classic: the upper limb at the horizon with refraction (zenith distance 90°50′). Hindu: the
// disc's centre at the geometric horizon, no refraction (zenith distance 90°).
enum class SunriseKind { Classic, Hindu };

struct CalculationSettings {
    EphemerisKind ephemeris = EphemerisKind::Classic;
    AyanamsaKind ayanamsa = AyanamsaKind::Classic;
    NodeKind node = NodeKind::Mean;
    SunriseKind sunrise = SunriseKind::Classic;

    bool IsModern() const { return ephemeris == EphemerisKind::Modern; }
    friend bool operator==(const CalculationSettings&, const CalculationSettings&) = default;
};

// The names the command line, request lines, saved records and the JSON output use:
// "classic"/"modern", "classic"/"lahiri"/"raman"/"kp"/"true-chitra", "mean"/"true",
// "classic"/"hindu".
std::string_view SettingName(EphemerisKind kind);
std::string_view SettingName(AyanamsaKind kind);
std::string_view SettingName(NodeKind kind);
std::string_view SettingName(SunriseKind kind);

// The setting a name stands for (exactly as SettingName writes it); nothing for another text.
std::optional<EphemerisKind> EphemerisNamed(std::string_view name);
std::optional<AyanamsaKind> AyanamsaNamed(std::string_view name);
std::optional<NodeKind> NodeNamed(std::string_view name);
std::optional<SunriseKind> SunriseNamed(std::string_view name);

// The ayanamsa an ephemeris uses when none is chosen: classic for the classic ephemeris,
// Lahiri for the modern one.
AyanamsaKind DefaultAyanamsa(EphemerisKind ephemeris);

// Why a combination cannot be computed (the classic ephemeris with a Swiss ayanamsa or the true
// node, the modern one with the classic ayanamsa), in one line; nothing when it can.
std::optional<std::string> SettingsConflict(const CalculationSettings& settings);

// All four settings in one line, "modern, lahiri ayanamsa, mean node, hindu sunrise".
std::string SettingsLine(const CalculationSettings& settings);

}  // namespace kalodaya
