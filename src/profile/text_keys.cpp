#include "profile/text_keys.h"

#include "base/tables.h"
#include "profile/sign_profile.h"

namespace kalodaya {
namespace {

std::string Joined(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string key(a);
    key.append(b);
    if (!c.empty()) key.append(".").append(c);
    return key;
}

}  // namespace

std::string SignNameKey(int sign) {
    return Joined("sign.", kSignNames.at(sign));
}

std::string SignCodeKey(int sign) {
    return Joined("sign.", kSignNames.at(sign), "code");
}

std::string BodyNameKey(int body) {
    return Joined("body.", kPlainPlanetNames.at(body));
}

std::string MonthNameKey(int month) {
    return Joined("month.", kMonthNames.at(month - 1));
}

std::string ProfileCaptionKey(int array) {
    return Joined("caption.", kProfileArrayNames.at(array));
}

std::string ProfileValueKey(int sign, int array) {
    return Joined("value.", kSignNames.at(sign), kProfileArrayNames.at(array));
}

std::string SettingTextKey(std::string_view settingName) {
    return Joined("setting.", settingName);
}

}  // namespace kalodaya
