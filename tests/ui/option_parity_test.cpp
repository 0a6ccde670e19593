// kalodaya --export takes every entry option kalodaya-chart takes, with the same meaning: each
// option kalodaya-chart --help lists (but those of its other modes) is read by both into the
// same birth request, or refused by both with the same message.
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "request/entry_options.h"
#include "ui/print/export_command.h"

using namespace kalodaya;

namespace {

// Options of kalodaya-chart's other modes and of its JSON output, not entry options (the
// export's own --language is the pages' language, not part of the request).
const std::set<std::string> kChartOnly = {"--help",       "--version",        "--batch",
                                          "--find-place", "--limit",          "--jobs",
                                          "--records-db", "--records-import", "--records-export",
                                          "--records-list", "--time-range",   "--time-windows",
                                          "--language"};

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::vector<const char*> Pointers(const std::vector<std::string>& args) {
    std::vector<const char*> pointers;
    for (const std::string& arg : args) pointers.push_back(arg.c_str());
    return pointers;
}

// A request read from options, or the message of the reader that refused them.
std::string Reading(const std::optional<GivenEntryOptions>& given, const std::string& refusal) {
    if (!given) return "refused: " + refusal;
    BirthRequest request;
    if (auto error = RequestFromOptions(*given, request)) return "refused: " + error->message;
    std::string text = request.name + "|" + DateForm(request.year, request.month, request.day) +
                       "|" + TimeForm(request.hour, request.minute, request.second) + "|" +
                       LatitudeForm(request.latitude) + "|" + LongitudeForm(request.longitude) +
                       "|" + (request.daylight ? "dst" : "-") + "|" + request.city + "|" +
                       request.state + "|" + request.country + "|";
    if (const auto* entry = std::get_if<ZoneListEntry>(&request.zone))
        text += "zone " + std::to_string(entry->position);
    if (const auto* exact = std::get_if<ExactOffset>(&request.zone))
        text += "offset " + std::to_string(exact->eastSeconds);
    if (request.atlasPlace)
        text += "|place " + std::to_string(request.atlasPlace->geonamesId.value_or(0)) +
                (request.atlasPlace->cityTimeUsed ? " city time" : "");
    return text;
}

std::string ChartReading(const std::vector<std::string>& options) {
    std::vector<std::string> args = {"kalodaya-chart"};
    args.insert(args.end(), options.begin(), options.end());
    const auto pointers = Pointers(args);
    const cli::CommandLine line =
        cli::ReadCommandLine(static_cast<int>(pointers.size()), pointers.data());
    if (line.action != cli::CommandLine::Action::Chart) return Reading(std::nullopt, line.text);
    return Reading(line.entries, {});
}

std::string ExportReading(const std::vector<std::string>& options) {
    std::vector<std::string> args = {"kalodaya", "--export", "chart.pdf"};
    args.insert(args.end(), options.begin(), options.end());
    const auto pointers = Pointers(args);
    const auto given =
        ui::print::ReadExportEntryOptions(static_cast<int>(pointers.size()), pointers.data());
    if (!given) return Reading(std::nullopt, given.error());
    return Reading(*given, {});
}

}  // namespace

class OptionParityTest : public QObject {
    Q_OBJECT

private slots:
    void everyEntryOptionOfTheChartIsAnExportOption() {
        QProcess chart;
        chart.start(QStringLiteral(KALODAYA_CHART_EXE), {QStringLiteral("--help")});
        QVERIFY(chart.waitForFinished(30000));
        const QString help = QString::fromUtf8(chart.readAllStandardOutput());
        const QRegularExpression optionAtLineStart(QStringLiteral(R"(^\s+(?:-\w,)?(--[a-z-]+))"),
                                                   QRegularExpression::MultilineOption);
        std::set<std::string> entryOptions;
        for (const auto& match : optionAtLineStart.globalMatch(help))
            if (!kChartOnly.count(match.captured(1).toStdString()))
                entryOptions.insert(match.captured(1).toStdString());
        QCOMPARE(entryOptions.size(), std::size_t(kEntryCount));
        // Each alone, with a value kalodaya-chart accepts: the same request from both.
        const std::map<std::string, std::string> values = {
            {"--name", "RAMA"},        {"--date", "1990-08-15"}, {"--time", "10:30:00"},
            {"--lat", "28:39N"},       {"--lon", "77:13E"},      {"--zone", "34"},
            {"--city", "New Delhi"},   {"--state", "Delhi"},     {"--country", "India"},
            {"--place", "Chennai"},    {"--place-id", "1273294"}, {"--utc-offset", "+05:45"},
            {"--ephemeris", "modern"}, {"--ayanamsa", "classic"}, {"--node", "mean"},
            {"--sunrise", "hindu"},    {"--chart-style", "north"}};
        // Options that go only with others: those others first.
        const std::map<std::string, std::vector<std::string>> companions = {
            {"--city-time", {"--date", "1950-06-01", "--place", "Mumbai"}}};
        for (const std::string& option : entryOptions) {
            std::vector<std::string> args = {option};
            if (const auto with = companions.find(option); with != companions.end())
                args.insert(args.begin(), with->second.begin(), with->second.end());
            if (option != "--dst" && option != "--city-time") {
                QVERIFY2(values.count(option), option.c_str());
                args.push_back(values.at(option));
            }
            const std::string chartReading = ChartReading(args);
            QVERIFY2(chartReading.rfind("refused", 0) != 0, chartReading.c_str());
            QCOMPARE(Q(ExportReading(args)), Q(chartReading));
        }
    }

    // Options together, and values the forms refuse: the same reading, the same refusals.
    void theSameMeaningTogether() {
        const std::vector<std::string> worked = {"--name", "RAMA", "--date", "1990-08-15",
                                                 "--time", "10:30:00", "--lat", "28:39N",
                                                 "--lon", "77:13E", "--zone", "34"};
        const auto with = [&](std::vector<std::string> more) {
            std::vector<std::string> args = {"--name", "RAMA", "--date", "1990-08-15",
                                             "--time", "10:30:00"};
            args.insert(args.end(), more.begin(), more.end());
            return args;
        };
        const std::vector<std::vector<std::string>> cases = {
            worked,
            with({"--place", "Delhi"}),
            with({"--place", "Kathmandu"}),
            with({"--place", "Delhi", "--zone", "20", "--dst"}),
            with({"--place", "Delhi", "--lat", "10:00S", "--city", "Elsewhere"}),
            with({"--place-id", "1283240", "--utc-offset", "+05:30"}),
            with({"--lat", "", "--lon", "", "--utc-offset", "-03:30:20"}),
            with({"--place", "Nowhere At All"}),
            with({"--place", "Mumbai", "--city-time"}),
            {"--name", "RAMA", "--date", "1950-06-01", "--place", "Mumbai", "--city-time"},
            with({"--lat", "19:00N", "--lon", "72:50E", "--city-time"}),
            with({"--place-id", "-5"}),
            with({"--zone", "71"}),
            with({"--utc-offset", "+5:45"}),
            with({"--place", "Delhi", "--dst"}),
            with({"--zone", "1", "--utc-offset", "+01:00"}),
            {"--name", "R2"},
            {"--date", "1990-8-15"},
        };
        for (const auto& args : cases) {
            const std::string chartReading = ChartReading(args);
            const std::string exportReading = ExportReading(args);
            // kalodaya-chart points its own parse-time refusals to its --help.
            const std::string chartMessage =
                chartReading.substr(0, chartReading.find("; see kalodaya-chart --help"));
            QCOMPARE(Q(exportReading), Q(chartMessage));
        }
    }
};

QTEST_GUILESS_MAIN(OptionParityTest)
#include "option_parity_test.moc"
