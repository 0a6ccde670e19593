// kalodaya --export as a user runs it, without a display: exit statuses, messages, the files
// written, --request and --batch.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "export_tools.h"

using namespace kalodaya::ui::testing;

class ExportCommandTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    static QProcessEnvironment Headless() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANG"), QStringLiteral("en_IN.UTF-8"));
        return env;
    }

    static Run Export(const QStringList& arguments, const QByteArray& input = {}) {
        return RunProgram(QStringLiteral(KALODAYA_EXECUTABLE), QStringList{"--export"} + arguments,
                          Headless(), input);
    }

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // The worked example with one option replaced (or, with an empty value, left out).
    static QStringList ExampleWith(const QString& option, const QString& value) {
        QStringList options = WorkedExampleOptions();
        const int at = options.indexOf(option);
        if (value.isEmpty())
            options.remove(at, 2);
        else
            options[at + 1] = value;
        return options;
    }

private slots:
    void writesBothKinds() {
        const Run pdf = Export(QStringList{Path("rama.pdf")} + WorkedExampleOptions());
        QCOMPARE(pdf.status, 0);
        QCOMPARE(pdf.err, QString());
        QCOMPARE(pdf.out, QString());
        QCOMPARE(PdfInfo(Path("rama.pdf"), QStringLiteral("Pages")), QStringLiteral("2"));
        // An Indian locale: A4.
        QVERIFY(PdfInfo(Path("rama.pdf"), QStringLiteral("Page size")).contains("A4"));

        const Run png = Export(QStringList{Path("rama.PNG"), "--paper", "letter"} +
                               WorkedExampleOptions());
        QCOMPARE(png.status, 0);
        QCOMPARE(QImage(Path("rama.PNG")).width(), 1632);  // Letter at 192 pixels per inch
    }

    // --language: the pages in that language (the PDF's title says so), its message for a
    // failed check, and a usage error for an unknown code.
    void inALanguage() {
        const Run pdf = Export(QStringList{Path("rama-ta.pdf"), "--language", "ta"} +
                               WorkedExampleOptions());
        QCOMPARE(pdf.status, 0);
        QCOMPARE(pdf.err, QString());
        QVERIFY(PdfInfo(Path("rama-ta.pdf"), QStringLiteral("Title"))
                    .contains(QStringLiteral("கடிகா லக்ன ஜாதகம்")));
        const Run png = Export(QStringList{Path("rama-hi.png"), "--language", "hi"} +
                               WorkedExampleOptions());
        QCOMPARE(png.status, 0);
        QVERIFY(!QImage(Path("rama-hi.png")).isNull());

        Run run = Export(QStringList{Path("unnamed.pdf"), "--language", "hi"} +
                         ExampleWith("--name", {}));
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("kalodaya: कृपया नाम दर्ज करें\n"));
        run = Export(QStringList{Path("x.pdf"), "--language", "fr"} + WorkedExampleOptions());
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains(QStringLiteral("unknown language \"fr\"")));
        QVERIFY(!QFile::exists(Path("x.pdf")));
    }

    // The form's message and status 1 when an entry check fails or there is no sunrise; no
    // file is written.
    void entryCheckFailures() {
        Run run = Export(QStringList{Path("unnamed.pdf")} + ExampleWith("--name", {}));
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("kalodaya: Please Enter Name\n"));
        QVERIFY(!QFile::exists(Path("unnamed.pdf")));

        run = Export(QStringList{Path("feb.pdf")} + ExampleWith("--date", "1990-02-30"));
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("kalodaya: Please Enter Correct Date Or Month!\n"));

        run = Export({Path("polar.pdf"), "--name", "SIGRID", "--date", "1990-06-21", "--time",
                      "12:00:00", "--lat", "75:00N", "--lon", "10:00E", "--zone", "20"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains(QStringLiteral("does not rise or set")));
        QVERIFY(!QFile::exists(Path("polar.pdf")));
    }

    // Status 2 for values the form could not hold and for unusable command lines.
    void unusableValues() {
        const QList<QStringList> cases = {
            QStringList{Path("a.pdf")} + ExampleWith("--date", "1900-01-01"),
            QStringList{Path("a.pdf")} + ExampleWith("--zone", "71"),
            QStringList{Path("a.pdf")} + ExampleWith("--name", "R2D2"),
            QStringList{Path("a.pdf"), "--colour", "red"} + WorkedExampleOptions(),
            QStringList{Path("a.pdf"), "--request", "{\"name\": \"RAMA\"", },
            QStringList{Path("a.pdf"), "--request", "{\"name\":\"RAMA\"}", "--name", "RAMA"},
            QStringList{Path("a.pdf"), "--format", "png"} + WorkedExampleOptions(),
            QStringList{Path("a.pdf"), "--paper", "a3"} + WorkedExampleOptions(),
            QStringList{Path("a.svg")} + WorkedExampleOptions(),
        };
        for (const QStringList& arguments : cases) {
            const Run run = Export(arguments);
            QVERIFY2(run.status == 2, qPrintable(arguments.join(' ') + " -> " + run.err));
            QVERIFY2(!run.err.isEmpty(), qPrintable(arguments.join(' ')));
        }
        QVERIFY(!QFile::exists(Path("a.pdf")));
        QCOMPARE(Export({"--help"}).status, 0);
    }

    // A file that cannot be written: status 2 and one line naming it and the reason; an
    // earlier file of that name is left whole.
    void unwritableFile() {
        const QString missing = Path("no-such-folder/rama.pdf");
        Run run = Export(QStringList{missing} + WorkedExampleOptions());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.startsWith(QStringLiteral("kalodaya: cannot write ") + missing + ": "));

        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("folder.pdf")));
        run = Export(QStringList{Path("folder.pdf")} + WorkedExampleOptions());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);

        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("locked")));
        QFile earlier(Path("locked/rama.pdf"));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier chart");
        earlier.close();
        QFile::setPermissions(Path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(Path("locked")).isWritable()) QSKIP("running with rights that ignore permissions");
        run = Export(QStringList{Path("locked/rama.pdf")} + WorkedExampleOptions());
        QFile::setPermissions(Path("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        QCOMPARE(run.status, 2);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier chart"));
    }

    // The entry options are kalodaya-chart's: a place from the atlas, with its zone.
    void placeFromTheAtlas() {
        const Run run = Export({Path("delhi.pdf"), "--name", "RAMA", "--date", "1990-08-15",
                                "--time", "10:30:00", "--place", "Delhi"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(PdfInfo(Path("delhi.pdf"), QStringLiteral("Title")),
                 QStringLiteral("Ghati lagna chart of RAMA, born August 15, 1990 at 10:30:00 in "
                                "Delhi, Delhi, India (28\u00b0 39' N, 77\u00b0 14' E)"));
    }

    void oneRequestLine() {
        const Run run = Export({Path("request.pdf"), "--request",
                                R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00",)"
                                R"("lat":"28:39N","lon":"77:13E","zone":34,"city":"New Delhi"})"});
        QCOMPARE(run.status, 0);
        QVERIFY(Flowed(PdfText(Path("request.pdf"), 1, 1)).contains("Ghati Lagna Present In Sign Cancer"));
    }

    // --batch: one file per line, named from the name and date, each line on its own; the
    // status is the worst line's.
    void batchIntoAFolder() {
        const QByteArray example = R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00",)"
                                   R"("lat":"28:39N","lon":"77:13E","zone":34})";
        const QByteArray input = example + "\n" + example + "\r\n" +
                                 R"({"name":"SITA","date":"1900-01-01"})" "\n" +
                                 R"({"name":"","date":"1990-08-15"})" "\n\n" +
                                 R"({"name":"sita","date":"1980-03-05","lat":"33:52S","lon":"151:00E","zone":8})" "\n";
        const QString folder = Path("batch");
        const Run run = Export({folder, "--batch"}, input);
        QCOMPARE(run.status, 2);
        const QStringList written = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(written, (QStringList{folder + "/RAMA-1990-08-15.pdf", folder + "/RAMA-1990-08-15-2.pdf",
                                       folder + "/SITA-1980-03-05.pdf"}));
        for (const QString& file : written)
            QCOMPARE(PdfInfo(file, QStringLiteral("Pages")), QStringLiteral("2"));
        const QStringList errors = run.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors[0].startsWith(QStringLiteral("kalodaya: line 3: unusable date")));
        QCOMPARE(errors[1], QStringLiteral("kalodaya: line 4: Please Enter Name"));

        const Run images = Export({Path("images"), "--batch", "--format", "PNG"}, example + "\n");
        QCOMPARE(images.status, 0);
        QVERIFY(QImage(Path("images/RAMA-1990-08-15.png")).width() >= 1200);

        QCOMPARE(Export({Path("rama.pdf"), "--batch"}, example + "\n").status, 2);
    }

    // --chart-style draws the image in that style, alone or as the style of a batch's lines
    // that name none; a line's own "chart_style" wins.
    void chartStyles() {
        // The same birth and place as the options below, as a request line.
        const QByteArray example = R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00",)"
                                   R"("lat":"28:39N","lon":"77:13E","zone":34,"city":"New Delhi",)"
                                   R"("state":"Delhi","country":"India")";
        QImage images[3];
        const char* styles[] = {"south", "north", "east"};
        for (int i = 0; i < 3; ++i) {
            const QString file = Path(QStringLiteral("style-%1.png").arg(styles[i]));
            QCOMPARE(Export(QStringList{file, "--chart-style", styles[i]} + WorkedExampleOptions())
                         .status,
                     0);
            images[i] = QImage(file);
        }
        QVERIFY(images[0] != images[1] && images[1] != images[2] && images[0] != images[2]);
        QCOMPARE(QImage(Path("rama-default.png")).isNull(), true);
        QCOMPARE(Export(QStringList{Path("rama-default.png")} + WorkedExampleOptions()).status, 0);
        QCOMPARE(QImage(Path("rama-default.png")), images[0]);

        const Run batch = Export({Path("styled"), "--batch", "--format", "png", "--chart-style",
                                  "north"},
                                 example + "}\n" + example + R"(,"chart_style":"east"})" + "\n");
        QCOMPARE(batch.status, 0);
        QCOMPARE(QImage(Path("styled/RAMA-1990-08-15.png")), images[1]);
        QCOMPARE(QImage(Path("styled/RAMA-1990-08-15-2.png")), images[2]);

        const Run unknown = Export(QStringList{Path("west.png"), "--chart-style", "west"} +
                                   WorkedExampleOptions());
        QCOMPARE(unknown.status, 2);
        QVERIFY(unknown.err.contains(QStringLiteral("unusable chart style \"west\"")));
    }

    // The command shares its file writing with kalodaya-chart's exports (tested there in full):
    // a new file is private, a link is followed, a device is written to and never replaced.
    void replacesNothingButAPlainFile() {
        const QString target = Path("target.pdf"), elsewhere = Path("elsewhere.pdf");
        const auto mode = [](const QString& path) {
            struct stat entry{};
            return ::lstat(QFile::encodeName(path).constData(), &entry) == 0 ? entry.st_mode : 0u;
        };
        QCOMPARE(Export(QStringList{elsewhere} + WorkedExampleOptions()).status, 0);
        QCOMPARE(mode(elsewhere) & 07777, 0600u);
        QVERIFY(QFile::link(elsewhere, target));
        QCOMPARE(Export(QStringList{target, "--paper", "letter"} + WorkedExampleOptions()).status, 0);
        QVERIFY(S_ISLNK(mode(target)));
        QVERIFY(PdfInfo(elsewhere, QStringLiteral("Page size")).contains("letter"));
        // A device node of the test's own (never a link to the system's, which a faulty export
        // run as root would replace); making one takes root.
        if (::geteuid() == 0) {
            const QString device = Path("device.pdf");
            QCOMPARE(::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)), 0);
            QCOMPARE(Export(QStringList{device} + WorkedExampleOptions()).status, 0);
            QVERIFY(S_ISCHR(mode(device)));
        }
    }

    // A second --batch run into the same folder keeps the first run's files and takes the next
    // free names; --overwrite replaces them. A name too long for a file name is cut.
    void batchKeepsFilesItDidNotWrite() {
        const QByteArray rama = R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00",)"
                                R"("lat":"28:39N","lon":"77:13E","zone":34})";
        const QByteArray other = R"({"name":"RAMA","date":"1990-08-15","time":"22:00:00",)"
                                 R"("lat":"28:39N","lon":"77:13E","zone":34})";
        const QString folder = Path("runs");
        QCOMPARE(Export({folder, "--batch"}, rama + "\n").status, 0);
        QFile first(folder + "/RAMA-1990-08-15.pdf");
        QVERIFY(first.open(QIODevice::ReadOnly));
        const QByteArray firstBytes = first.readAll();
        first.close();

        const Run again = Export({folder, "--batch"}, other + "\n" + other + "\n");
        QCOMPARE(again.status, 0);
        QCOMPARE(again.out, folder + "/RAMA-1990-08-15-2.pdf\n" + folder + "/RAMA-1990-08-15-3.pdf\n");
        QVERIFY(first.open(QIODevice::ReadOnly));
        QCOMPARE(first.readAll(), firstBytes);
        first.close();

        const Run replaced = Export({folder, "--batch", "--overwrite"}, other + "\n");
        QCOMPARE(replaced.out, folder + "/RAMA-1990-08-15.pdf\n");
        QVERIFY(first.open(QIODevice::ReadOnly));
        QVERIFY(first.readAll() != firstBytes);

        const QByteArray longName = "{\"name\":\"" + QByteArray(300, 'A') +
                                    "\",\"date\":\"1990-08-15\",\"lat\":\"28:39N\",\"lon\":\"77:13E\"}";
        const Run shortened = Export({folder, "--batch"}, longName + "\n");
        QCOMPARE(shortened.status, 0);
        QCOMPARE(shortened.out, folder + "/" + QString(100, 'A') + "-1990-08-15.pdf\n");
    }

    // The desktop program's own options answer without a window, display or not.
    void desktopOptionsOpenNoWindow() {
        const struct {
            QStringList arguments;
            int status;
            QString out, err;
        } cases[] = {
            {{"--version"}, 0, "kalodaya 1.20\n", ""},
            {{"-reverse", "-style", "fusion", "--version"}, 0, "kalodaya 1.20\n", ""},
            {{"--colour"}, 2, "", "kalodaya: unknown option --colour; see kalodaya --help\n"},
            {{"-platform", "offscreen", "records.sqlite"}, 2, "",
             "kalodaya: unexpected argument \"records.sqlite\"; see kalodaya --help\n"},
        };
        for (const auto& c : cases) {
            const Run run = RunProgram(QStringLiteral(KALODAYA_EXECUTABLE), c.arguments, Headless());
            QVERIFY2(run.status == c.status, qPrintable(c.arguments.join(' ') + ": " + run.err));
            QCOMPARE(run.out, c.out);
            QCOMPARE(run.err, c.err);
        }
        const Run help = RunProgram(QStringLiteral(KALODAYA_EXECUTABLE), {"--help"}, Headless());
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith(QStringLiteral("Usage: kalodaya")));
    }
};

QTEST_GUILESS_MAIN(ExportCommandTest)
#include "export_command_test.moc"
