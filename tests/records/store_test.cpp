// Saving, reading, listing and deleting records and kept places; where the file lives.
#include <gtest/gtest.h>

#include <map>

#include "base/platform/system.h"
#include "records/record_store.h"
#include "records/records_path.h"
#include "records_test_support.h"

namespace kalodaya::records {
namespace {

using testing::Rama;
using testing::TempFolder;

TEST(RecordStore, SavesEveryEntryAndKeepsTheCreatedTimeOnUpdate) {
    TempFolder folder;
    RecordStore store = RecordStore::Open(folder / "sub/dir/records.sqlite");
    ASSERT_EQ(store.access(), StoreAccess::ReadWrite) << store.notice().value_or("");
    EXPECT_FALSE(store.notice());

    for (int i = 0; i < 50; ++i) {
        Record record = testing::VariedRecord(i);
        const auto id = store.SaveNew(record);
        ASSERT_TRUE(id) << id.error().message;
        auto stored = store.Get(*id);
        ASSERT_TRUE(stored);
        EXPECT_GT(stored->record.created, 1'700'000'000) << "set by the store";
        EXPECT_EQ(stored->record.updated, stored->record.created);
        record.created = stored->record.created;
        record.updated = stored->record.updated;
        EXPECT_EQ(stored->record, record) << "record " << i;
    }

    const auto id = store.SaveNew(Rama());
    ASSERT_TRUE(id);
    const auto before = store.Get(*id);
    Record changed = Rama();
    changed.hour = 11;
    changed.created = 5;  // not the caller's to set
    ASSERT_FALSE(store.Update(*id, changed));
    const auto after = store.Get(*id);
    EXPECT_EQ(after->record.hour, 11);
    EXPECT_EQ(after->record.created, before->record.created);
    EXPECT_GE(after->record.updated, before->record.updated);

    ASSERT_FALSE(store.UpdateNote(*id, "born at home"));
    EXPECT_EQ(store.Get(*id)->record.note, "born at home");
    EXPECT_TRUE(SameEntries(store.Get(*id)->record, changed)) << "a note is no change of the form";
    EXPECT_FALSE(SameEntries(store.Get(*id)->record, Rama()));

    EXPECT_EQ(*store.Count(), 51);
    ASSERT_FALSE(store.Delete(*id));
    EXPECT_EQ(*store.Count(), 50);
    EXPECT_FALSE(store.Get(*id));
    EXPECT_TRUE(store.Delete(*id)) << "a second delete says there is no such record";
    EXPECT_TRUE(store.Update(*id, changed));
}

TEST(RecordStore, LivesInFoldersOfAnyName) {
    TempFolder folder;
    // UTF-8 names, which Windows passes to SQLite and its own calls as UTF-16.
    for (const char* name : {"Krak\xC3\xB3w", "S\xC3\xA3o Paulo", "\xE0\xA4\xA6\xE0\xA4\xBF\xE0\xA4\xB2\xE0\xA5\x8D\xE0\xA4\xB2\xE0\xA5\x80"}) {
        const auto path = folder.path() / platform::PathFromUtf8(name) / "records.sqlite";
        {
            RecordStore store = RecordStore::Open(path);
            ASSERT_EQ(store.access(), StoreAccess::ReadWrite) << name << store.notice().value_or("");
            ASSERT_TRUE(store.SaveNew(Rama()));
        }
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << name;
        RecordStore again = RecordStore::Open(path);
        EXPECT_EQ(*again.Count(), 1) << name;
        EXPECT_EQ(platform::Utf8(again.path().parent_path().filename()), name);
    }
}

TEST(RecordStore, RefusesWhatTheFormCannotHold) {
    TempFolder folder;
    RecordStore store = RecordStore::Open(folder / "records.sqlite");
    std::vector<Record> bad(6, Rama());
    bad[0].year = 1900;
    bad[1].zone = ZoneEntry{71};
    bad[2].latitude.degrees = 100;
    bad[3].name = "\xC3\x28";
    bad[4].zone = ExactOffset{24 * 3600, "a day"};
    bad[5].second = 60;
    for (const Record& record : bad) EXPECT_FALSE(store.SaveNew(record));
    EXPECT_FALSE(store.SaveAll(bad));
    EXPECT_EQ(*store.Count(), 0);
}

TEST(RecordStore, ListsByNameThenBirthAndRecentsTheLastEightUsed) {
    TempFolder folder;
    RecordStore store = RecordStore::Open(folder / "records.sqlite");
    std::vector<RecordId> ids;
    for (const char* name : {"SITA", "RAMA", "ANIL", "RAMA", "B", "C", "D", "E", "F", "G"}) {
        Record r = Rama();
        r.name = name;
        r.year = 2000 - static_cast<int>(ids.size());
        ids.push_back(*store.SaveNew(r));
    }
    std::vector<std::string> listed;
    for (const auto& s : *store.List()) listed.push_back(s.name + std::to_string(s.year));
    EXPECT_EQ(listed, (std::vector<std::string>{"ANIL1998", "B1996", "C1995", "D1994", "E1993",
                                                "F1992", "G1991", "RAMA1997", "RAMA1999",
                                                "SITA2000"}));

    // Saved last first; opening and updating move a record to the front; eight at most.
    const auto recentIds = [&] {
        std::vector<RecordId> r;
        for (const auto& s : *store.Recent()) r.push_back(s.id);
        return r;
    };
    EXPECT_EQ(recentIds(), (std::vector<RecordId>{ids[9], ids[8], ids[7], ids[6], ids[5], ids[4],
                                                  ids[3], ids[2]}));
    ASSERT_FALSE(store.MarkOpened(ids[0]));
    ASSERT_FALSE(store.Update(ids[5], Rama()));
    EXPECT_EQ(recentIds(), (std::vector<RecordId>{ids[5], ids[0], ids[9], ids[8], ids[7], ids[6],
                                                  ids[4], ids[3]}));
    ASSERT_FALSE(store.Delete(ids[0]));
    EXPECT_EQ(recentIds().front(), ids[5]);
    EXPECT_EQ(recentIds().size(), 7u);
    EXPECT_TRUE(store.MarkOpened(ids[0])) << "deleted";
}

TEST(RecordStore, TwoProgramsSeeEachOthersSaves) {
    TempFolder folder;
    RecordStore first = RecordStore::Open(folder / "records.sqlite");
    RecordStore second = RecordStore::Open(folder / "records.sqlite");
    ASSERT_EQ(second.access(), StoreAccess::ReadWrite);
    const auto id = first.SaveNew(Rama());
    ASSERT_TRUE(id);
    EXPECT_EQ(second.Get(*id)->record.name, "RAMA");
    ASSERT_FALSE(second.Delete(*id));
    EXPECT_EQ(*first.Count(), 0);
}

Place Kept(const char* name, const char* state, const char* country) {
    return Place{name, state, country, {27, 42, true}, {85, 19, true}, "Asia/Kathmandu", {}};
}

TEST(RecordStore, KeepsPlacesAndFindsThemByAnyWordIgnoringCaseAndAccents) {
    TempFolder folder;
    RecordStore store = RecordStore::Open(folder / "records.sqlite");
    const auto kirtipur = store.SavePlace(Kept("Kirtipur", "Bagmati", "Nepal"));
    ASSERT_TRUE(kirtipur) << kirtipur.error().message;
    ASSERT_TRUE(store.SavePlace(Kept("Zürich Höngg", "", "Switzerland")));
    ASSERT_TRUE(store.SavePlace(Kept("Old Kirtipur", "Bagmati", "Nepal")));

    // The same name, state and country in another case replaces the place.
    Place moved = Kept("KIRTIPUR", "bagmati", "NEPAL");
    moved.ianaZone.clear();
    moved.utcOffsetSeconds = 20700;
    EXPECT_EQ(*store.SavePlace(moved), *kirtipur);

    const auto names = [&](std::string_view query) {
        std::vector<std::string> n;
        for (const auto& p : *store.SearchPlaces(query)) n.push_back(p.place.name);
        return n;
    };
    EXPECT_EQ(names("kirt"), (std::vector<std::string>{"KIRTIPUR", "Old Kirtipur"}));
    EXPECT_EQ(names("zurich"), (std::vector<std::string>{"Zürich Höngg"}));
    EXPECT_EQ(names("hongg switz"), (std::vector<std::string>{"Zürich Höngg"}));
    EXPECT_EQ(names("nepal old"), (std::vector<std::string>{"Old Kirtipur"}));
    EXPECT_TRUE(names("bagmatinepal").empty()) << "a word does not run across two fields";
    EXPECT_EQ(store.SearchPlaces("", 2)->size(), 2u);
    EXPECT_EQ(store.SearchPlaces("kirtipur")->front().place.utcOffsetSeconds, 20700);

    Place unplaced = Kept("Nowhere", "", "");
    unplaced.latitude.degrees = 90;
    EXPECT_FALSE(store.SavePlace(unplaced));
    unplaced = Kept("Both", "", "");
    unplaced.utcOffsetSeconds = 3600;
    EXPECT_FALSE(store.SavePlace(unplaced));

    ASSERT_FALSE(store.DeletePlace(*kirtipur));
    EXPECT_EQ(names("kirt"), (std::vector<std::string>{"Old Kirtipur"}));
}

TEST(RecordsPath, FollowsTheEnvironmentRules) {
    const auto pathWith = [](std::map<std::string, std::string> env) {
        return DefaultRecordsPath([env](const char* name) -> std::optional<std::string> {
            const auto it = env.find(name);
            if (it == env.end()) return std::nullopt;
            return it->second;
        });
    };
#if defined(_WIN32)
    EXPECT_EQ(pathWith({{"LOCALAPPDATA", "C:\\Users\\u\\AppData\\Local"}}),
              "C:\\Users\\u\\AppData\\Local\\Kalodaya\\records.sqlite");
    EXPECT_EQ(pathWith({{"LOCALAPPDATA", "C:\\L"}, {"KALODAYA_RECORDS_DB", "mine.sqlite"}}),
              "mine.sqlite");
    EXPECT_EQ(pathWith({{"HOME", "C:\\Users\\u"}}), std::nullopt);
#else
    EXPECT_EQ(pathWith({{"HOME", "/home/u"}}), "/home/u/.local/share/kalodaya/records.sqlite");
    EXPECT_EQ(pathWith({{"HOME", "/home/u"}, {"XDG_DATA_HOME", "/data"}}),
              "/data/kalodaya/records.sqlite");
    EXPECT_EQ(pathWith({{"HOME", "/home/u"}, {"XDG_DATA_HOME", "relative"}}),
              "/home/u/.local/share/kalodaya/records.sqlite");
    EXPECT_EQ(pathWith({{"HOME", "/home/u"}, {"XDG_DATA_HOME", "/data"},
                        {"KALODAYA_RECORDS_DB", "mine.sqlite"}}),
              "mine.sqlite");
    EXPECT_EQ(pathWith({{"HOME", "/home/u"}, {"KALODAYA_RECORDS_DB", ""}}),
              "/home/u/.local/share/kalodaya/records.sqlite");
#endif
    EXPECT_EQ(pathWith({}), std::nullopt);
}

}  // namespace
}  // namespace kalodaya::records
