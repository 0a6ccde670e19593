#include "astro/calculation_settings.h"

#include <array>
#include <utility>

namespace kalodaya {
namespace {

template <typename Kind, std::size_t N>
using NameTable = std::array<std::pair<Kind, std::string_view>, N>;

constexpr NameTable<EphemerisKind, 2> kEphemerisNames = {{
    {EphemerisKind::Classic, "classic"}, {EphemerisKind::Modern, "modern"}}};
constexpr NameTable<AyanamsaKind, 5> kAyanamsaNames = {{{AyanamsaKind::Classic, "classic"},
                                                         {AyanamsaKind::Lahiri, "lahiri"},
                                                         {AyanamsaKind::Raman, "raman"},
                                                         {AyanamsaKind::Krishnamurti, "kp"},
                                                         {AyanamsaKind::TrueChitra, "true-chitra"}}};
constexpr NameTable<NodeKind, 2> kNodeNames = {{{NodeKind::Mean, "mean"}, {NodeKind::True, "true"}}};
constexpr NameTable<SunriseKind, 2> kSunriseNames = {{
    {SunriseKind::Classic, "classic"}, {SunriseKind::Hindu, "hindu"}}};

template <typename Kind, std::size_t N>
std::string_view NameIn(const NameTable<Kind, N>& table, Kind kind) {
    for (const auto& [k, name] : table)
        if (k == kind) return name;
    return {};
}

template <typename Kind, std::size_t N>
std::optional<Kind> KindIn(const NameTable<Kind, N>& table, std::string_view name) {
    for (const auto& [k, n] : table)
        if (n == name) return k;
    return std::nullopt;
}

}  // namespace

std::string_view SettingName(EphemerisKind kind) { return NameIn(kEphemerisNames, kind); }
std::string_view SettingName(AyanamsaKind kind) { return NameIn(kAyanamsaNames, kind); }
std::string_view SettingName(NodeKind kind) { return NameIn(kNodeNames, kind); }
std::string_view SettingName(SunriseKind kind) { return NameIn(kSunriseNames, kind); }

std::optional<EphemerisKind> EphemerisNamed(std::string_view name) {
    return KindIn(kEphemerisNames, name);
}
std::optional<AyanamsaKind> AyanamsaNamed(std::string_view name) {
    return KindIn(kAyanamsaNames, name);
}
std::optional<NodeKind> NodeNamed(std::string_view name) { return KindIn(kNodeNames, name); }
std::optional<SunriseKind> SunriseNamed(std::string_view name) {
    return KindIn(kSunriseNames, name);
}

AyanamsaKind DefaultAyanamsa(EphemerisKind ephemeris) {
    return ephemeris == EphemerisKind::Modern ? AyanamsaKind::Lahiri : AyanamsaKind::Classic;
}

std::optional<std::string> SettingsConflict(const CalculationSettings& s) {
    const std::string ephemeris(SettingName(s.ephemeris));
    if (s.IsModern() == (s.ayanamsa == AyanamsaKind::Classic))
        return "the " + ephemeris + " ephemeris has no " + std::string(SettingName(s.ayanamsa)) +
               " ayanamsa";
    if (!s.IsModern() && s.node == NodeKind::True)
        return std::string("the classic ephemeris has no true node");
    return std::nullopt;
}

std::string SettingsLine(const CalculationSettings& s) {
    std::string line(SettingName(s.ephemeris));
    line += ", ";
    line += SettingName(s.ayanamsa);
    line += " ayanamsa, ";
    line += SettingName(s.node);
    line += " node, ";
    line += SettingName(s.sunrise);
    line += " sunrise";
    return line;
}

}  // namespace kalodaya
