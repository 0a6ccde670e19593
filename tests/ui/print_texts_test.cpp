// The page record and its small formatters: what the printed chart says, whatever draws it.
#include <QTest>
#include <algorithm>
#include <map>

#include "export_tools.h"
#include "ui/print/export_file_names.h"
#include "ui/print/paper_size.h"

using namespace kalodaya;
using namespace kalodaya::ui::print;
using namespace kalodaya::ui::testing;

class PrintTextsTest : public QObject {
    Q_OBJECT

private slots:
    // The worked example's record holds the window's texts: the sign, the chart's cells with
    // "GL" in every style, the ten positions and the profile, with line breaks made plain.
    void workedExampleRecord() {
        const ChartOutcome charted = testing_support::Request(WorkedExamplePlaceEntries());
        QVERIFY(charted.Computed());
        const ChartPageTexts t = PageTextsFromOutcome(charted);

        QCOMPARE(t.ghatiLagnaSign, std::string("Cancer"));
        QCOMPARE(t.isoBirthDate, std::string("1990-08-15"));
        for (const ChartLayout& layout : t.layouts) {
            const LayoutCell& cancer = layout.cells[3];
            std::vector<std::string> items;
            for (const LayoutItem& item : cancer.items) items.push_back(item.text);
            QCOMPARE(items, (std::vector<std::string>{"Sun", "Venus", "Jupiter", "Ketu", "GL"}));
            QCOMPARE(cancer.items.back().kind, LayoutItem::Kind::Marker);
            QCOMPARE(cancer.blankMarkerLines, 1);  // "GL" under one arudha pada's line
        }
        for (int k = 0; k < kPagePlanetCount; ++k)
            QCOMPARE(t.planets[k].text, charted.texts.planet[k]);
        QCOMPARE(t.profileFields.size(), std::size_t{22});
        QCOMPARE(t.place, std::string("New Delhi, Delhi, India"));
        QCOMPARE(t.documentTitle,
                 std::string("Ghati lagna chart of RAMA, born August 15, 1990 at 10:30:00 in New "
                             "Delhi, Delhi, India (28\u00B0 39' N, 77\u00B0 13' E)"));
    }

    // The pages carry the facts, the birth-time windows and, when an uncertainty was asked
    // for, the range's spans with the birth's marked; without one, no range at all.
    void pagesCarryFactsWindowsAndRange() {
        BirthRequest request = WorkedExamplePlaceEntries();
        request.uncertaintyMinutes = 5;
        const PageRequest pages = RequestChartPages(request);
        QVERIFY(pages.texts);
        const ChartPageTexts& t = *pages.texts;
        std::vector<std::string> captions;
        for (const LabelledText& row : t.sunRows) captions.push_back(row.label);
        QCOMPARE(captions, (std::vector<std::string>{"Sunrise :", "Reference Sunrise :",
                                                     "Time Elapsed :", "Ghati Lagna :"}));
        QCOMPARE(t.sunRows[3].text, std::string("19 Can 35, Cancer"));
        QVERIFY(std::any_of(t.birthDetails.begin(), t.birthDetails.end(), [](const LabelledText& r) {
            return r.label == "Zone Entry :" && r.text == "Indian Time, IST, +5.3";
        }));
        QVERIFY(t.notes.size() >= 5);
        QCOMPARE(t.notes[0],
                 std::string("Calculation : classic, classic ayanamsa, mean node, classic sunrise"));
        QVERIFY(t.notes[1].rfind("Ghati lagna in Cancer for births from 10:15:00 to 10:38:59", 0) == 0);
        QCOMPARE(t.rangeRows.size(), std::size_t{5});
        QCOMPARE(t.rangeBirthRow, 1);
        QCOMPARE(t.rangeRows[1][0], std::string("10:25:21"));
        QCOMPARE(t.rangeHeads.size(), std::size_t{5});
        QVERIFY(t.rangeCaption.find("5 minutes of 10:30:00") != std::string::npos);

        request.uncertaintyMinutes = 0;
        const ChartPageTexts plain = *RequestChartPages(request).texts;
        QVERIFY(plain.rangeRows.empty());
        QVERIFY(plain.rangeCaption.empty());
        QCOMPARE(plain.notes, t.notes);
    }

    // No pages for a chart that was not computed: the form's message instead, never the
    // record of an earlier chart.
    void requestsWithoutAChart() {
        BirthRequest unnamed = WorkedExamplePlaceEntries();
        unnamed.name = "  ";
        PageRequest request = RequestChartPages(unnamed);
        QVERIFY(!request.texts);
        QCOMPARE(request.message, std::string("Please Enter Name"));

        request = RequestChartPages(testing_support::North75Request(6, 21));
        QVERIFY(!request.texts);
        QVERIFY(request.message.find("does not rise or set") != std::string::npos);

        QVERIFY(RequestChartPages(WorkedExamplePlaceEntries()).texts);
    }

    // The record in a language: every caption and text of the language's words, the positions'
    // numbers unchanged; a failed check's message and the title too.
    void recordInALanguage() {
        const PageRequest english = RequestChartPages(WorkedExamplePlaceEntries());
        struct Case {
            Language language;
            std::string sign, sun, mark, dateCaption, title;
        };
        const Case cases[] = {
            {Language::Ta, "கடகம்", "சூரியன்", "க.ல.", "பிறந்த தேதி :",
             "RAMA அவர்களின் கடிகா லக்ன ஜாதகம், பிறப்பு 15 ஆகஸ்ட் 1990, 10:30:00, New Delhi, "
             "Delhi, India (28\u00B0 39' வடக்கு, 77\u00B0 13' கிழக்கு)"},
            {Language::Hi, "कर्क", "सूर्य", "घ.ल.", "जन्म तिथि :",
             "RAMA की घटी लग्न कुंडली, जन्म 15 अगस्त 1990, 10:30:00, New Delhi, Delhi, India "
             "(28\u00B0 39' उत्तर, 77\u00B0 13' पूर्व)"},
            {Language::EnSa, "Karka", "Surya", "GL", "Date of Birth :", ""},
        };
        for (const Case& c : cases) {
            const PageRequest request = RequestChartPages(WorkedExamplePlaceEntries(), c.language);
            QVERIFY(request.texts);
            const ChartPageTexts& t = *request.texts;
            QCOMPARE(t.ghatiLagnaSign, c.sign);
            QCOMPARE(t.planets[Sun].label, c.sun);
            // The ghati lagna's mark in Cancer's cell of the chart the page draws.
            bool marked = false;
            for (const LayoutCell& cell : t.layouts[static_cast<int>(ChartStyle::South)].cells)
                for (const LayoutItem& item : cell.items)
                    marked = marked || (cell.sign == 3 && item.text == c.mark);
            QVERIFY(marked);
            QCOMPARE(t.birthDetails[0].label, c.dateCaption);
            if (!c.title.empty()) QCOMPARE(t.documentTitle, c.title);
            QCOMPARE(t.profileFields.size(), english.texts->profileFields.size());
            QCOMPARE(t.profileFields[2].label,
                     std::string(Text(c.language, "caption.RulingPlanet")));
            QCOMPARE(t.isoBirthDate, english.texts->isoBirthDate);
            QCOMPARE(t.name, english.texts->name);
            // The zone entry, the sun rows and the notes' heading speak the language too, and
            // the sun rows keep the rows after the moment and zone.
            QCOMPARE(t.birthDetails[3].label, std::string(Text(c.language, "caption.zoneEntry")));
            QCOMPARE(t.sunRows.size(), english.texts->sunRows.size());
            QCOMPARE(t.sunRows[0].label, std::string(Text(c.language, "page.sunrise")));
            QCOMPARE(t.notesCaption, std::string(Text(c.language, "window.caption")));
            QVERIFY(t.notes[0].starts_with(Text(c.language, "caption.settings")));
        }
        BirthRequest unnamed = WorkedExamplePlaceEntries();
        unnamed.name = "  ";
        QCOMPARE(RequestChartPages(unnamed, Language::Hi).message,
                 std::string(Text(Language::Hi, "check.name")));
        // A request's own language wins over the one asked for.
        BirthRequest kannada = WorkedExamplePlaceEntries();
        kannada.language = Language::Kn;
        QCOMPARE(RequestChartPages(kannada, Language::Ta).texts->ghatiLagnaSign,
                 std::string("ಕರ್ಕಾಟಕ"));
    }

    void fileNames() {
        QCOMPARE(ChartFileStem("RAMA", "1990-08-15"), QStringLiteral("RAMA-1990-08-15"));
        QCOMPARE(ChartFileStem(" SRI  RAMA ", "1990-08-15"), QStringLiteral("SRI_RAMA-1990-08-15"));
        QCOMPARE(ChartFileStem("", "2001-01-02"), QStringLiteral("chart-2001-01-02"));
        QCOMPARE(ChartFileStem("A/B\\..", "2001-01-02"), QStringLiteral("AB-2001-01-02"));

        RunFileNames names;
        QCOMPARE(names.Next("RAMA-1990-08-15", ".pdf"), QStringLiteral("RAMA-1990-08-15.pdf"));
        QCOMPARE(names.Next("RAMA-1990-08-15", ".pdf"), QStringLiteral("RAMA-1990-08-15-2.pdf"));
        QCOMPARE(names.Next("rama-1990-08-15", ".pdf"), QStringLiteral("rama-1990-08-15-3.pdf"));
        QCOMPARE(names.Next("RAMA-1990-08-15", ".png"), QStringLiteral("RAMA-1990-08-15.png"));
    }

    // The paper follows the locale that governs paper, in the C library's order.
    void paperFromLocale() {
        const auto env = [](std::map<std::string, std::string> vars) {
            return [vars](const char* name) {
                const auto it = vars.find(name);
                return it == vars.end() ? std::string() : it->second;
            };
        };
        QCOMPARE(UserPaper(env({{"LANG", "en_US.UTF-8"}})), Paper::Letter);
        QCOMPARE(UserPaper(env({{"LANG", "de_DE.UTF-8"}})), Paper::A4);
        QCOMPARE(UserPaper(env({{"LANG", "en_US.UTF-8"}, {"LC_PAPER", "en_GB.UTF-8"}})), Paper::A4);
        QCOMPARE(UserPaper(env({{"LC_PAPER", "en_GB.UTF-8"}, {"LC_ALL", "es_MX.UTF-8"}})),
                 Paper::Letter);
        QCOMPARE(UserPaper(env({{"LANG", "C"}})), Paper::A4);
        QCOMPARE(UserPaper(env({{"LANG", "fr_CA"}})), Paper::Letter);

        QCOMPARE(PaperNamed("Letter"), std::optional<Paper>(Paper::Letter));
        QCOMPARE(PaperNamed("a4"), std::optional<Paper>(Paper::A4));
        QVERIFY(!PaperNamed("a5"));
    }
};

QTEST_GUILESS_MAIN(PrintTextsTest)
#include "print_texts_test.moc"
