// The entry form's place lookup: one keystroke in the City box through the popup's search over
// the whole atlas and the user's own places, to the popup shown (target: under 30 ms); and the
// start to the painted entry form while the atlas is being read (target: under 300 ms).
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <array>
#include <thread>

#include "astro/atlas/atlas.h"
#include "records/record_store.h"
#include "ui/entry_form.h"
#include "ui/place_lookup.h"
#include "ui/place_search_popup.h"
#include "ui_bench_support.h"

namespace {

using kalodaya::ui::bench::StartedProgram;

// Every form of this process reads its own places from a scratch database with a few places,
// never the user's.
struct ScratchRecords {
    QTemporaryDir dir;
    ScratchRecords() {
        const QString path = dir.filePath(QStringLiteral("records.sqlite"));
        qputenv("KALODAYA_RECORDS_DB", path.toUtf8());
        auto store = kalodaya::records::RecordStore::Open(path.toStdString());
        for (const char* name : {"Chenkalady Farm", "Sanford Home", "Madurai Old House"}) {
            kalodaya::records::Place place;
            place.name = name;
            place.country = "Sri Lanka";
            place.latitude = {7, 47, true};
            place.longitude = {81, 36, true};
            place.ianaZone = "Asia/Colombo";
            store.SavePlace(place);
        }
    }
};
const ScratchRecords gScratchRecords;

// The texts of the box before and after the keystroke; two letters match the most places.
constexpr std::array<std::pair<const char*, char>, 6> kKeystrokes = {{
    {"c", 'h'}, {"ch", 'e'}, {"che", 'n'}, {"s", 'a'}, {"new yor", 'k'}, {"chennai, tamil nad", 'u'}}};

void WaitForSources(kalodaya::ui::EntryForm* form) {
    while (!form->Places()->SourcesReady()) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void BM_PlacePopupKeystroke(benchmark::State& state) {
    // A user in India: the widest search (the country's places are picked from the best 100).
    QLocale::setDefault(QLocale(QLocale::English, QLocale::India));
    StartedProgram program;
    kalodaya::ui::EntryForm* form = program.controller->Form();
    WaitForSources(form);
    auto* city = form->findChild<QLineEdit*>(QStringLiteral("cityBox"));
    QAbstractItemView* popup = form->Places()->Popup()->Completer()->popup();
    city->setFocus();
    const auto& [before, key] = kKeystrokes[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(before) + key);
    const QString typed(QChar::fromLatin1(key));
    for (auto _ : state) {
        state.PauseTiming();
        city->setText(QString::fromUtf8(before));
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (key - 'a'), Qt::NoModifier, typed);
        QApplication::sendEvent(city, &press);
        QApplication::processEvents();  // the popup's paint
        if (!popup->isVisible()) {
            state.SkipWithError("no popup");
            break;
        }
    }
    QLocale::setDefault(QLocale::system());
}
BENCHMARK(BM_PlacePopupKeystroke)->DenseRange(0, kKeystrokes.size() - 1)->Unit(benchmark::kMillisecond);

// The program's start (controller, entry form, first paint) while another thread reads the
// atlas, as it does on the first start of a process: the form must not wait for it.
void BM_StartToPaintedFormWhileTheAtlasLoads(benchmark::State& state) {
    for (auto _ : state) {
        std::thread reading([] { benchmark::DoNotOptimize(kalodaya::atlas::Atlas::LoadInstalled()); });
        {
            StartedProgram program;
            QApplication::processEvents();  // the form's first paint
            state.PauseTiming();
            program.controller.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        reading.join();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToPaintedFormWhileTheAtlasLoads)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
