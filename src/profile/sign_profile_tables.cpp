#include "profile/sign_profile_tables.h"

#include <string_view>

#include "profile/sign_profile.h"
#include "profile/sign_texts.h"

namespace kalodaya {
namespace {

using Column = std::array<std::string_view, kSignCount>;

// The short facts, one column per array, rows in sign order Aries .. Pisces. The values are
// shown exactly as they stand, irregular ones included (Gemini's gender, Leo's color, Virgo's
// four and Aquarius's three compatible signs).
constexpr Column kVedicName = {"Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
                               "Thula", "Vrischika", "Dhanus",  "Makara", "Kumbha", "Meena"};
constexpr Column kEnglishName = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                 "Leo",         "Virgo",     "Libra",    "Scorpio",
                                 "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
constexpr Column kSignAbbr = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                              "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
constexpr Column kRulingPlanet = {"Mars",  "Venus", "Mercury", "Moon",   "Sun",    "Mercury",
                                  "Venus", "Mars",  "Jupiter", "Saturn", "Saturn", "Jupiter"};
constexpr Column kSymbol = {"The Ram",    "The Bull",      "The Twins",         "The Crab",
                            "The Lion",   "The Virgin",    "The Balance",       "The Scorpion",
                            "The Archer", "The Crocodile", "The Water Carrier", "The Double Fish"};
constexpr Column kNature = {"Fire", "Earth", "Air",  "Water", "Fire", "Earth",
                            "Air",  "Water", "Fire", "Earth", "Air",  "Water"};
constexpr Column kColor = {"Red, Brown, Copper",
                           "White",
                           "Green",
                           "Pink",
                           "White",
                           "Multicolored",
                           "Black",
                           "Reddish Brown",
                           "Yellowish brown",
                           "Multicolored",
                           "Deep Brown",
                           "Blue"};
constexpr Column kTypeOfSign = {"Movable", "Fixed", "Mixed", "Movable", "Fixed", "Mixed",
                                "Movable", "Fixed", "Mixed", "Movable", "Fixed", "Mixed"};
constexpr Column kGender = {"Male", "Female", "Female", "Female", "Male", "Female",
                            "Male", "Female", "Male",   "Female", "Male", "Female"};
constexpr Column kBestPeriodOfActivity = {"Night", "Night", "Night", "Night", "Day", "Day",
                                          "Day",   "Day",   "Night", "Night", "Day", "Day"};
constexpr Column kBarren = {"Barren",        "Semi-Fruitful", "Barren",        "Fruitful",
                            "Barren",        "Barren",        "Semi-Fruitful", "Fruitful",
                            "Semi-Fruitful", "Barren",        "Semi-Fruitful", "Fruitful"};
constexpr Column kCaste = {"Kshatriya", "Vaisya", "Sudra", "Brahmana",
                           "Kshatriya", "Vaisya", "Sudra", "Brahmana",
                           "Kshatriya", "Vaisya", "Sudra", "Brahmana"};
constexpr Column kPosition = {"Dwara", "Bahya", "Garbha", "Dwara", "Bahya", "Garbha",
                              "Dwara", "Bahya", "Garbha", "Dwara", "Bahya", "Garbha"};
constexpr Column kConstituentCharacter = {"Mineral (Dhatu)", "Vegetable (Moola)", "Animal (Jeeva)",
                                          "Mineral (Dhatu)", "Vegetable (Moola)", "Animal (Jeeva)",
                                          "Mineral (Dhatu)", "Vegetable (Moola)", "Animal (Jeeva)",
                                          "Mineral (Dhatu)", "Vegetable (Moola)", "Animal (Jeeva)"};
constexpr Column kLuckyDays = {"Monday, Tuesday",
                               "Thursday, Friday",
                               "Monday, Wednesday",
                               "Monday, Thursday",
                               "Sunday, Monday",
                               "Wednesday, Friday",
                               "Friday, Wednesday, Thursday",
                               "Monday, Tuesday, Thursday",
                               "Sunday, Thursday",
                               "Saturday, Wednesday",
                               "Thursday, Friday, Saturday",
                               "Thursday, Monday, Tuesday"};
constexpr Column kLuckyNumbers = {"9, 1",       "2, 8",       "3, 7",       "2, 7, 9",
                                  "1, 4, 5, 9", "2, 3, 5, 6", "1, 2, 4",    "3, 7, 9",
                                  "3, 5, 6, 8", "6, 8, 9",    "2, 3, 7, 9", "1, 3, 4"};
constexpr Column kBestDirection = {"East", "South", "West", "North", "East", "South",
                                   "West", "North", "East", "South", "West", "North"};
constexpr Column kLuckyColors = {
    "Red, Brown, Copper",  "Pink, Green", "Yellow, Purple, Blue", "White, Red, Yellow",
    "Orange, Red, Green",  "Green",       "White, Green, Yellow", "Brown, Red, Yellow, White",
    "Yellow, Gray, Brown", "Black, Blue", "Blue, Black",          "Pink, Cream"};
constexpr Column kLuckyGemstone = {
    "Coral",   "Diamond", "Emerald",         "Pearl",         "Ruby",          "Emerald",
    "Diamond", "Coral",   "Yellow Sapphire", "Blue Sapphire", "Blue Sapphire", "Yellow Sapphire"};
constexpr Column kPartOfTheBody = {"Head",
                                   "Face",
                                   "Shoulders",
                                   "Chest",
                                   "Heart & Stomach",
                                   "Abdomen",
                                   "Lower Abdomen & Groin",
                                   "External Genitalia",
                                   "Thighs",
                                   "Knees",
                                   "Calves",
                                   "Feet"};
constexpr Column kPhysique = {"Short", "Short", "Even", "Even", "Tall",  "Tall",
                              "Tall",  "Tall",  "Even", "Even", "Short", "Short"};
constexpr Column kCompatibleWith = {"Leo, Sagittarius, Gemini, Aquarius, Libra",
                                    "Cancer, Virgo, Scorpio, Capricorn, Pisces",
                                    "Aries, Leo, Libra, Sagittarius, Aquarius",
                                    "Virgo, Scorpio, Capricorn, Pisces, Taurus",
                                    "Libra, Sagittarius, Aquarius, Aries, Gemini",
                                    "Scorpio, Capricorn, Pisces, Cancer",
                                    "Sagittarius, Aquarius, Aries, Gemini, Leo",
                                    "Capricorn, Pisces, Taurus, Cancer, Virgo",
                                    "Aquarius, Aries, Gemini, Leo, Libra",
                                    "Pisces, Taurus, Cancer, Virgo, Scorpio",
                                    "Aquarius, Libra, Gemini",
                                    "Taurus, Cancer, Virgo, Scorpio, Capricorn"};
constexpr Column kNotCompatibleWith = {
    "Scorpio, Pisces, Cancer",  "Gemini, Aquarius, Libra",  "Taurus, Virgo, Capricorn",
    "Aries, Leo, Sagittarius",  "Scorpio, Pisces, Cancer",  "Gemini, Aquarius, Libra",
    "Taurus, Virgo, Capricorn", "Aries, Leo, Sagittarius",  "Scorpio, Pisces, Cancer",
    "Gemini, Aquarius, Libra",  "Taurus, Virgo, Capricorn", "Aries, Leo, Sagittarius"};

// Every value is a view of the constant columns or of the parsed texts, which live as long as
// the program.
SignProfileTable BuildTable() {
    using A = ProfileArray;
    SignProfileTable table{};
    auto assign = [&table](int array, const Column& column) {
        for (int sign = 0; sign < kSignCount; ++sign) table[sign][array] = column[sign];
    };
    assign(A::VedicName, kVedicName);
    assign(A::EnglishName, kEnglishName);
    assign(A::SignAbbr, kSignAbbr);
    assign(A::RulingPlanet, kRulingPlanet);
    assign(A::Symbol, kSymbol);
    assign(A::Nature, kNature);
    assign(A::Color, kColor);
    assign(A::TypeOfSign, kTypeOfSign);
    assign(A::Gender, kGender);
    assign(A::BestPeriodOfActivity, kBestPeriodOfActivity);
    assign(A::Barren, kBarren);
    assign(A::Caste, kCaste);
    assign(A::Position, kPosition);
    assign(A::ConstituentCharacter, kConstituentCharacter);
    assign(A::LuckyDays, kLuckyDays);
    assign(A::LuckyNumbers, kLuckyNumbers);
    assign(A::BestDirection, kBestDirection);
    assign(A::LuckyColors, kLuckyColors);
    assign(A::LuckyGemstone, kLuckyGemstone);
    assign(A::PartOfTheBody, kPartOfTheBody);
    assign(A::Physique, kPhysique);
    const SignTextTable& texts = SignTexts();
    for (int topic = 0; topic < kTextTopicCount; ++topic)
        for (int sign = 0; sign < kSignCount; ++sign)
            table[sign][A::LooksText + topic] = texts[sign][topic];
    assign(A::CompatibleWith, kCompatibleWith);
    assign(A::NotCompatibleWith, kNotCompatibleWith);
    return table;
}

}  // namespace

const SignProfileTable& SignProfiles() {
    static const SignProfileTable table = BuildTable();  // built once, thread-safe
    return table;
}

const SignProfileValues* ProfileOfSign(int sign) {
    if (sign < 0 || sign >= kSignCount) return nullptr;
    return &SignProfiles()[sign];
}

}  // namespace kalodaya
