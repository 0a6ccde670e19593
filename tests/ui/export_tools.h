#pragma once
// Shared by the print and export tests: the worked example's pages, and the poppler tools that
// read a PDF back (pdfinfo, pdftotext, pdftoppm from poppler-utils).
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include "../chart/chart_test_support.h"
#include "ui/print/page_texts_from_outcome.h"

namespace kalodaya::ui::testing {

// The worked example with its place, as the entry form's test fills it.
inline BirthRequest WorkedExamplePlaceEntries() {
    BirthRequest e = testing_support::WorkedExampleRequest();
    e.city = "New Delhi";
    e.state = "Delhi";
    e.country = "India";
    return e;
}

inline print::ChartPageTexts WorkedExamplePages() {
    return *print::RequestChartPages(WorkedExamplePlaceEntries()).texts;
}

// The worked example as kalodaya --export options.
inline QStringList WorkedExampleOptions() {
    return {"--name",  "RAMA",      "--date",    "1990-08-15", "--time",    "10:30:00",
            "--lat",   "28:39N",    "--lon",     "77:13E",     "--zone",    "34",
            "--city",  "New Delhi", "--state",   "Delhi",      "--country", "India"};
}

struct Run {
    int status = -1;
    QString out, err;
};

inline Run RunProgram(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                      const QByteArray& input = {}) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    Run run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

inline bool HavePopplerTools() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// The text of pages first..last (all when 0), as pdftotext reads it.
inline QString PdfText(const QString& pdf, int first = 0, int last = 0) {
    QStringList arguments;
    if (first) arguments << "-f" << QString::number(first);
    if (last) arguments << "-l" << QString::number(last);
    arguments << "-enc" << "UTF-8" << pdf << "-";
    return RunProgram(QStringLiteral("pdftotext"), arguments).out;
}

// One line of pdfinfo ("Pages", "Title", "Page size"), without its label.
inline QString PdfInfo(const QString& pdf, const QString& field) {
    const QString info = RunProgram(QStringLiteral("pdfinfo"), {pdf}).out;
    const QRegularExpression line(QStringLiteral("^") + QRegularExpression::escape(field) +
                                      QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

// Every page of the PDF as an image at `dpi`.
inline QList<QImage> PdfPages(const QString& pdf, int dpi = 60) {
    QTemporaryDir dir;
    RunProgram(QStringLiteral("pdftoppm"),
               {"-png", "-r", QString::number(dpi), pdf, dir.filePath(QStringLiteral("page"))});
    QList<QImage> pages;
    const QStringList files = QDir(dir.path()).entryList({"page*.png"}, QDir::Files, QDir::Name);
    for (const QString& file : files) pages.append(QImage(dir.filePath(file)));
    return pages;
}

// Runs of blanks and line breaks as one blank: pdftotext breaks lines where the page does.
inline QString Flowed(const QString& text) { return text.simplified(); }

}  // namespace kalodaya::ui::testing
