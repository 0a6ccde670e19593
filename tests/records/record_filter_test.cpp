// The saved-records search: every word somewhere in the name, place or date; each keystroke
// narrows the last answer and must give what a fresh search gives.
#include <gtest/gtest.h>

#include "records/record_filter.h"
#include "records/search_text.h"
#include "records_test_support.h"

namespace kalodaya::records {
namespace {

RecordSummary Summary(RecordId id, const char* name, int year, int month, int day,
                      const char* city, const char* country) {
    RecordSummary s;
    s.id = id;
    s.name = name;
    s.year = year;
    s.month = month;
    s.day = day;
    s.city = city;
    s.country = country;
    return s;
}

std::vector<RecordId> Ids(RecordFilter& filter, std::string_view query) {
    std::vector<RecordId> ids;
    for (std::size_t i : filter.Match(query)) ids.push_back(filter.summaries()[i].id);
    return ids;
}

TEST(RecordFilter, MatchesEveryWordInNamePlaceOrDate) {
    RecordFilter filter({Summary(1, "RAMA", 1990, 8, 15, "New Delhi", "India"),
                         Summary(2, "SITA", 1991, 3, 5, "Zürich", "Switzerland"),
                         Summary(3, "RAMESH", 1990, 12, 1, "Kathmandu", "Nepal"),
                         Summary(4, "Łukasz", 2001, 8, 1, "Kraków", "Polska")});
    EXPECT_EQ(Ids(filter, ""), (std::vector<RecordId>{1, 2, 3, 4}));
    EXPECT_EQ(Ids(filter, "ram"), (std::vector<RecordId>{1, 3}));
    EXPECT_EQ(Ids(filter, "ram delhi"), (std::vector<RecordId>{1}));
    EXPECT_EQ(Ids(filter, "  ZURICH "), (std::vector<RecordId>{2}));
    EXPECT_EQ(Ids(filter, "lukasz krakow"), (std::vector<RecordId>{4}));
    EXPECT_EQ(Ids(filter, "1990"), (std::vector<RecordId>{1, 3}));
    EXPECT_EQ(Ids(filter, "1990-08"), (std::vector<RecordId>{1}));
    EXPECT_EQ(Ids(filter, "aug"), (std::vector<RecordId>{1, 4}));
    EXPECT_EQ(Ids(filter, "ramanew"), (std::vector<RecordId>{})) << "not across two fields";
    EXPECT_EQ(Ids(filter, "india nepal"), (std::vector<RecordId>{}));

    filter.Match("ra");
    filter.Remove(1);
    EXPECT_EQ(Ids(filter, "ram"), (std::vector<RecordId>{3}));
}

TEST(RecordFilter, KeystrokesGiveWhatAFreshSearchGives) {
    std::vector<RecordSummary> summaries;
    for (int i = 0; i < 3000; ++i) {
        const Record r = testing::VariedRecord(i);
        RecordSummary s;
        s.id = i + 1;
        s.name = r.name;
        s.year = r.year;
        s.month = r.month;
        s.day = r.day;
        s.city = r.city;
        s.country = r.country;
        summaries.push_back(s);
    }
    RecordFilter typing(summaries);
    // Typing, erasing and retyping, as a user does.
    const char* keystrokes[] = {"s", "sa", "sao", "sao ", "sao p", "sao", "s", "",  "1",
                                "19", "199", "199 ", "199 z", "199 zu", "ü", "üR", "ra", "r"};
    for (const char* query : keystrokes) {
        RecordFilter fresh(summaries);
        EXPECT_EQ(typing.Match(query), fresh.Match(query)) << query;
    }
}

TEST(SearchText, FoldsCaseAndLatinAccentsOnly) {
    EXPECT_EQ(Folded("ZÜRICH São Łódź ÆØÅ ß"), "zurich sao lodz aoa s");
    EXPECT_EQ(Folded("राम"), "राम");
    EXPECT_EQ(SearchTerms("  New\tDELHI  "), (std::vector<std::string>{"new", "delhi"}));
}

}  // namespace
}  // namespace kalodaya::records
