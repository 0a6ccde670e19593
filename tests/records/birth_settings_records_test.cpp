// The birth time's uncertainty and the calculation settings in saved records: the schema's
// upgrade from files saved before them, CSV and request lines, and imports that leave out the
// records already saved.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "records/csv_records.h"
#include "records/record_transfer.h"
#include "records/request_lines.h"
#include "records/salvage.h"
#include "records/schema.h"
#include "records/sqlite_handle.h"
#include "records_test_support.h"

namespace kalodaya::records {
namespace {

using testing::Rama;
using testing::TempFolder;

// A records file as the first schema version made it, holding RAMA's record.
void MakeFirstVersionFile(const std::filesystem::path& path) {
    Database db;
    ASSERT_EQ(db.Open(path.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), SQLITE_OK);
    ASSERT_FALSE(UpgradeSchema(db, SchemaSteps().first(1)));
    ASSERT_EQ(db.Exec("INSERT INTO records (name, year, month, day, hour, minute, second, "
                      "lat_degrees, lat_minutes, north, lon_degrees, lon_minutes, east, "
                      "zone_entry, dst, city, state, country, note, created_at, updated_at) "
                      "VALUES ('RAMA', 1990, 8, 15, 10, 30, 0, 28, 39, 1, 77, 13, 1, 34, 0, "
                      "'New Delhi', 'Delhi', 'India', 'kept', 1700000000, 1700000000)"),
              SQLITE_OK);
}

Record KeptRama() {
    Record r = Rama();
    r.note = "kept";
    r.created = r.updated = 1700000000;
    return r;
}

TEST(BirthSettingsSchema, AFileOfTheFirstVersionIsUpgradedWithItsRecordsExactAndClassic) {
    TempFolder folder;
    const auto path = folder / "records.sqlite";
    MakeFirstVersionFile(path);
    RecordStore store = RecordStore::Open(path);
    ASSERT_EQ(store.access(), StoreAccess::ReadWrite);
    EXPECT_FALSE(store.notice());
    const auto list = store.List();
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 1u);
    const auto stored = store.Get(list->front().id);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->record, KeptRama());
    EXPECT_EQ(stored->record.uncertaintyMinutes, 0);
    EXPECT_TRUE(stored->record.calculation.IsDefault());

    // The new values are kept from then on.
    Record changed = stored->record;
    changed.uncertaintyMinutes = 15;
    changed.calculation = {"modern", "kp", "true", "hindu"};
    ASSERT_FALSE(store.Update(stored->id, changed));
    EXPECT_EQ(store.Get(stored->id)->record.uncertaintyMinutes, 15);
    EXPECT_EQ(store.Get(stored->id)->record.calculation, changed.calculation);
}

TEST(BirthSettingsSchema, ADamagedFileOfTheFirstVersionIsReadWithTheDefaults) {
    TempFolder folder;
    const auto path = folder / "records.sqlite";
    MakeFirstVersionFile(path);
    const Salvage salvage = SalvageFile(path);
    ASSERT_EQ(salvage.records.size(), 1u);
    EXPECT_EQ(salvage.records[0], KeptRama());
}

TEST(BirthSettingsLines, OnlyUncertainTimesAndOtherCalculationsAddKeys) {
    const std::string base =
        R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E",)"
        R"("zone":34,"dst":false,"city":"New Delhi","state":"Delhi","country":"India")";
    struct Case {
        int minutes;
        Calculation calculation;
        std::string added;
    };
    const Case cases[] = {
        {0, {}, ""},
        {15, {}, R"(,"uncertainty_minutes":15)"},
        {0, {"classic", "classic", "mean", "hindu"},
         R"(,"ephemeris":"classic","ayanamsa":"classic","node":"mean","sunrise":"hindu")"},
        {720, {"modern", "lahiri", "true", "classic"},
         R"(,"uncertainty_minutes":720,"ephemeris":"modern","ayanamsa":"lahiri","node":"true",)"
         R"("sunrise":"classic")"},
    };
    for (const Case& c : cases) {
        Record r = Rama();
        r.uncertaintyMinutes = c.minutes;
        r.calculation = c.calculation;
        EXPECT_EQ(RequestLine(r), base + c.added + "}");
    }
}

TEST(BirthSettingsCsv, ColumnsRoundTripAndOlderFilesReadAsExactAndClassic) {
    std::string text;
    AppendCsvHeader(text);
    EXPECT_NE(text.find(",uncertainty_minutes,ephemeris,ayanamsa,node,sunrise\n"),
              std::string::npos)
        << text;

    const auto read = [](const std::string& csv) {
        std::istringstream in(csv);
        CsvReader reader(in);
        const auto layout = ReadCsvHeader(*reader.Next());
        EXPECT_TRUE(layout);
        return RecordFromCsvRow(*reader.Next(), *layout);
    };
    const auto older = read("name,date\r\nRAMA,1990-08-15\r\n");
    ASSERT_TRUE(older);
    EXPECT_EQ(older->uncertaintyMinutes, 0);
    EXPECT_TRUE(older->calculation.IsDefault());

    const auto given = read("name,uncertainty_minutes,ephemeris,ayanamsa,node,sunrise\r\n"
                            "RAMA,30,Modern,KP,true,,\r\n");
    EXPECT_FALSE(given) << "one field too many";
    const auto settings = read("name,uncertainty_minutes,ephemeris,ayanamsa,node,sunrise\r\n"
                               "RAMA,30,Modern,KP,true,\r\n");
    ASSERT_TRUE(settings) << settings.error().message;
    EXPECT_EQ(settings->uncertaintyMinutes, 30);
    EXPECT_EQ(settings->calculation, (Calculation{"modern", "kp", "true", "classic"}))
        << "names in any case; an empty cell keeps the classic setting";

    for (const char* minutes : {"721", "-1", "ten", "1.5"}) {
        const auto bad = read(std::string("name,uncertainty_minutes\r\nRAMA,") + minutes + "\r\n");
        ASSERT_FALSE(bad) << minutes;
        EXPECT_NE(bad.error().message.find("unusable uncertainty_minutes"), std::string::npos)
            << bad.error().message;
    }
}

// Importing a file again, or a file holding a record twice, adds each record once: the others
// are counted as already saved. The note and the record's times do not make another record;
// any entry, the name, the uncertainty or a setting does.
TEST(BirthSettingsImport, RecordsAlreadySavedAreLeftOutAndCounted) {
    TempFolder folder;
    RecordStore store = RecordStore::Open(folder / "records.sqlite");
    // The request-line reader of the request layer, for the lines written here.
    std::map<std::string, Record, std::less<>> written;
    ImportRules rules;
    rules.readLine = [&](std::string_view line) -> Result<Record> {
        const auto found = written.find(line);
        if (found == written.end()) return Error{"not written here"};
        return found->second;
    };
    const auto import = [&](const std::string& text, FileFormat format) {
        std::istringstream in(text);
        const auto report = ImportRecords(store, in, format, rules);
        EXPECT_TRUE(report);
        return report ? *report : ImportReport{};
    };

    const std::string rama = RequestLine(Rama());
    written[rama] = Rama();
    Record uncertain = Rama();
    uncertain.uncertaintyMinutes = 10;
    Record modern = Rama();
    modern.calculation = {"modern", "lahiri", "mean", "classic"};
    Record sita = Rama();
    sita.name = "SITA";
    for (const Record& r : {uncertain, modern, sita}) written[RequestLine(r)] = r;
    const std::string lines = rama + "\n" + RequestLine(uncertain) + "\n" + RequestLine(modern) +
                              "\n" + RequestLine(sita) + "\n" + rama + "\n";
    ImportReport first = import(lines, FileFormat::RequestLines);
    EXPECT_EQ(first.imported, 4u);
    EXPECT_EQ(first.alreadySaved, 1u) << "the repeated line";

    ImportReport again = import(lines, FileFormat::RequestLines);
    EXPECT_EQ(again.imported, 0u);
    EXPECT_EQ(again.alreadySaved, 5u);
    EXPECT_TRUE(again.rejected.empty());

    // The same records as CSV with a note and other times: still the same records.
    Record noted = Rama();
    noted.note = "another note";
    noted.created = noted.updated = 1600000000;
    Record moved = Rama();
    moved.second = 1;
    std::string csv;
    AppendCsvHeader(csv);
    AppendCsvRecord(csv, noted);
    AppendCsvRecord(csv, moved);
    ImportReport fromCsv = import(csv, FileFormat::Csv);
    EXPECT_EQ(fromCsv.imported, 1u);
    EXPECT_EQ(fromCsv.alreadySaved, 1u);
    EXPECT_EQ(*store.Count(), 5);
}

}  // namespace
}  // namespace kalodaya::records
