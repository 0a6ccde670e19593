#include "profile/chart_words.h"

#include "profile/sign_profile.h"
#include "profile/text_keys.h"

namespace kalodaya {
namespace {

ChartWords BuildWords(Language language) {
    namespace key = text_key;
    auto text = [language](std::string_view k) { return Text(language, k); };
    ChartWords w;
    const std::string_view mark = text(key::kRetrogradeMark);
    for (int body = 0; body < kBodyCount; ++body) {
        w.bodyNames[body] = text(BodyNameKey(body));
        w.retrogradeNames[body].append(w.bodyNames[body]).append(" ").append(mark).append(" ");
    }
    w.ghatiLagna = text(key::kGhatiLagna);
    w.ghatiLagnaMark = text(key::kGhatiLagnaMark);
    for (int month = 1; month <= 12; ++month) w.monthNames[month - 1] = text(MonthNameKey(month));
    w.north = text(key::kNorth);
    w.south = text(key::kSouth);
    w.east = text(key::kEast);
    w.west = text(key::kWest);
    w.dateWords = text(key::kDateWords);
    w.birthDate = text(key::kBirthDate);
    w.birthTime = text(key::kBirthTime);
    w.coordinate = text(key::kCoordinate);
    w.polarMessage = text(key::kPolarMessage);

    using A = ProfileArray;
    for (int sign = 0; sign < kSignCount; ++sign) {
        w.signNames[sign] = text(SignNameKey(sign));
        w.signCodes[sign] = text(SignCodeKey(sign));
        for (int array = 0; array < kProfileFieldCount; ++array) {
            std::string_view& value = w.profiles[sign][array];
            if (array == A::EnglishName)
                value = Text(Language::En, SignNameKey(sign));
            else if (array == A::SignAbbr)
                value = w.signCodes[sign];
            else
                value = text(ProfileValueKey(sign, array));
        }
    }
    for (int array = 0; array < kProfileFieldCount; ++array)
        if (array != A::SignAbbr) w.captions[array] = text(ProfileCaptionKey(array));
    w.ghatiLagnaSignCaption = text(key::kGhatiLagnaSignCaption);
    return w;
}

std::array<ChartWords, kLanguageCount> BuildAll() {
    std::array<ChartWords, kLanguageCount> all;
    for (int i = 0; i < kLanguageCount; ++i) all[i] = BuildWords(static_cast<Language>(i));
    return all;
}

}  // namespace

const ChartWords& WordsOf(Language language) {
    static const std::array<ChartWords, kLanguageCount> all = BuildAll();  // built once
    return all[static_cast<int>(language)];
}

}  // namespace kalodaya
