#include "ui/print/export_command.h"

#include <CLI/CLI.hpp>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "request/entry_options.h"
#include "request/request_line.h"
#include "ui/print/chart_document.h"
#include "ui/print/export_file_names.h"
#include "ui/print/page_texts_from_outcome.h"
#include "ui/print/paper_size.h"

namespace kalodaya::ui::print {
namespace {

constexpr const char* kFooter = R"(
The entry options are those of kalodaya-chart, and go through the same entry checks as the
desktop program's form. FILE ending in .pdf gets both pages (the chart, then the sign's
profile); .png the chart page at 192 pixels per inch.

--request takes one request line as kalodaya-chart --batch reads them. --batch reads such lines
on standard input and writes one file per chart into the folder FILE, named from the name and
the birth date (RAMA-1990-08-15.pdf), and prints each file's path. A name already taken, by a
chart of the same run or a file already in the folder, gets -2, -3, ... (RAMA-1990-08-15-2.pdf);
with --overwrite files already in the folder are replaced instead. --chart-style south, north
or east draws the chart as that region does; with --batch it is the style of every line that
names no "chart_style". --language hi, ta, te, kn, en-sa or en (the default) writes the pages
in that language; with --batch a line's "language" wins for its chart.

Exit status: 0 written; 1 an entry check failed or the Sun does not rise there (the form's
message follows); 2 a value the form could not hold, or a file that could not be written.
With --batch every line is tried and the status is the worst of them.

Example:
  kalodaya --export rama.pdf --name RAMA --date 1990-08-15 --time 10:30:00 --lat 28:39N \
      --lon 77:13E --zone 34
)";

struct Options {
    std::string file, request, format, paper, language;
    Language pageLanguage = Language::En;  // read from `language`
    bool batch = false, overwrite = false;
    GivenEntryOptions entries;
};

// Where a chart failed, as a status and the line that says why.
struct Failure {
    int status;
    std::string message;
};

// The request of the entry options or of --request, read as kalodaya-chart reads them.
std::optional<Failure> RequestOfOptions(const Options& o, const CLI::App& app,
                                        BirthRequest& request) {
    std::optional<ReadError> error = app.count("--request")
                                         ? ReadRequestLine(o.request, request)
                                         : RequestFromOptions(o.entries, request);
    if (error) return Failure{kExportUnusable, error->message};
    return std::nullopt;
}

// The pages of one request, or why there are none.
std::optional<Failure> Pages(const BirthRequest& birth, Language language,
                             std::optional<ChartPageTexts>& texts) {
    PageRequest request = RequestChartPages(birth, language);
    if (!request.texts) return Failure{kExportCheckFailed, request.message};
    texts = std::move(request.texts);
    return std::nullopt;
}

// Qt's own notes (a missing runtime folder, font fallbacks) mean nothing to someone exporting a
// chart; its critical messages still show. The command's messages are its own lines.
void QuietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "kalodaya: " << message.toStdString() << "\n";
}

// Drawing needs a Qt application; no window is ever shown, so unless a platform was named the
// offscreen one serves, display or not.
std::unique_ptr<QGuiApplication> StartQt() {
    qInstallMessageHandler(QuietQtNotes);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
        qEnvironmentVariable("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt reads its own options from the arguments; the export's are not for it.
    static int qtArgc = 1;
    static char programName[] = "kalodaya";
    static char* qtArgv[] = {programName, nullptr};
    return std::make_unique<QGuiApplication>(qtArgc, qtArgv);
}

int ReportFailure(const Failure& failure, const std::string& where = {}) {
    std::cerr << "kalodaya: " << where << failure.message << "\n";
    return failure.status;
}

int ExportOne(const Options& o, const CLI::App& app, Paper paper) {
    const QString path = QString::fromStdString(o.file);
    const std::optional<ExportFormat> format = FormatOfPath(path);
    if (!format)
        return ReportFailure({kExportUnusable, "cannot tell what to write to " + o.file +
                                                   ": name the file .pdf or .png"});
    BirthRequest request;
    if (auto failure = RequestOfOptions(o, app, request)) return ReportFailure(*failure);
    std::optional<ChartPageTexts> texts;
    if (auto failure = Pages(request, o.pageLanguage, texts)) return ReportFailure(*failure);

    const auto qt = StartQt();
    if (auto error = ExportChart(path, *format, *texts, paper))
        return ReportFailure({kExportUnusable, error->message});
    return kExportWritten;
}

int ExportBatch(const Options& o, Paper paper) {
    const ExportFormat format = o.format == "png" ? ExportFormat::Png : ExportFormat::Pdf;
    const QString extension = format == ExportFormat::Png ? QStringLiteral(".png")
                                                          : QStringLiteral(".pdf");
    const QString folder = QString::fromStdString(o.file);
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return ReportFailure({kExportUnusable, o.file + " is not a folder: --batch writes one "
                                                        "file per chart into a folder"});
    if (!QDir().mkpath(folder))
        return ReportFailure({kExportUnusable, "cannot create the folder " + o.file});

    BirthRequest styled;
    if (const auto& given = o.entries.given[kChartStyleEntry])
        if (auto error = SetChartStyle(styled, *given))
            return ReportFailure({kExportUnusable, error->message});
    const std::optional<ChartStyle> style = styled.chartStyle;

    const auto qt = StartQt();
    RunFileNames names;
    int status = kExportWritten;
    std::string line;
    for (long number = 1; std::getline(std::cin, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        const std::string where = "line " + std::to_string(number) + ": ";
        BirthRequest request;
        std::optional<ChartPageTexts> texts;
        std::optional<Failure> failure;
        if (auto error = ReadRequestLine(line, request)) {
            failure = Failure{kExportUnusable, error->message};
        } else {
            // The reader starts each line afresh: the run's style goes to lines naming none.
            if (!request.chartStyle) request.chartStyle = style;
            failure = Pages(request, o.pageLanguage, texts);
        }
        if (!failure) {
            const QByteArray bytes = ChartFileBytes(format, *texts, paper);
            const QString stem = ChartFileStem(texts->name, texts->isoBirthDate);
            QString path;
            std::optional<WriteError> error;
            // A file this run did not write is never replaced (unless told): the next free name.
            do {
                path = QDir(folder).filePath(names.Next(stem, extension));
                error = bytes.isEmpty()
                            ? WriteError{"cannot write " + path.toStdString() +
                                         ": the pages could not be drawn"}
                            : SaveFile(path, bytes,
                                       o.overwrite ? ExistingFile::Replace : ExistingFile::Keep);
            } while (error && error->nameTaken);
            if (error)
                failure = Failure{kExportUnusable, error->message};
            else
                std::cout << path.toStdString() << "\n" << std::flush;
        }
        if (failure) status = std::max(status, ReportFailure(*failure, where));
    }
    return status;
}

}  // namespace

bool IsExportCommand(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--export" || arg.rfind("--export=", 0) == 0) return true;
    }
    return false;
}

namespace {

// The export's command line: its parser and the values it reads into.
struct ExportParser {
    CLI::App app{"Writes a ghati lagna chart to a PDF or PNG file without showing a window.",
                 "kalodaya --export"};
    Options o;
    std::optional<EntryOptions> entryOptions;  // declared after --export, as --help lists them

    ExportParser() {
        app.footer(kFooter);
        app.add_option("--export", o.file,
                       "the file to write (.pdf or .png); a folder with --batch")
            ->required()
            ->type_name("FILE");
        entryOptions.emplace(app);
        auto* request = app.add_option(
            "--request", o.request, "one JSON request line, as kalodaya-chart --batch reads them");
        auto* batch = app.add_flag("--batch", o.batch,
                                   "read request lines on standard input; FILE is a folder");
        app.add_flag("--overwrite", o.overwrite,
                     "with --batch: replace files already in the folder instead of taking the "
                     "next free name")
            ->needs(batch);
        app.add_option("--format", o.format, "the files --batch writes: pdf (default) or png")
            ->check(CLI::IsMember({"pdf", "png"}, CLI::ignore_case))
            ->needs(batch);
        app.add_option("--language", o.language,
                       "the pages' language: hi, ta, te, kn, en-sa or en (default)")
            ->type_name("CODE");
        app.add_option("--paper", o.paper,
                       "a4 or letter (default: the paper of the user's locale)")
            ->check(CLI::IsMember({"a4", "letter"}, CLI::ignore_case));
        for (int key = 0; key < kEntryCount; ++key) {
            CLI::Option* entry = entryOptions->Options()[key];
            entry->excludes(request);
            // The chart style goes with --batch too: the style of every line that names none.
            if (key != kChartStyleEntry) entry->excludes(batch);
        }
        request->excludes(batch);
    }
};

}  // namespace

Expected<GivenEntryOptions, std::string> ReadExportEntryOptions(int argc,
                                                                const char* const* argv) {
    ExportParser parser;
    try {
        parser.app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return std::string(e.what());
    }
    return parser.entryOptions->Given();
}

int RunExportCommand(int argc, char** argv) {
    ExportParser parser;
    CLI::App& app = parser.app;
    Options& o = parser.o;
    // "kalodaya --export --help" asks for help, though --export would take it for its file.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << app.help();
            return kExportWritten;
        }
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : kExportUnusable;
    }
    o.entries = parser.entryOptions->Given();
    if (!o.language.empty() || app.count("--language")) {
        const std::optional<Language> language = LanguageOfCode(o.language);
        if (!language)
            return ReportFailure({kExportUnusable, "unknown language \"" + o.language +
                                                       "\"; use one of en, en-sa, hi, ta, te, kn"});
        o.pageLanguage = *language;
    }
    std::transform(o.format.begin(), o.format.end(), o.format.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    const Paper paper = o.paper.empty() ? UserPaper() : *PaperNamed(o.paper);
    return o.batch ? ExportBatch(o, paper) : ExportOne(o, app, paper);
}

}  // namespace kalodaya::ui::print
