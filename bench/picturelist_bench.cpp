// Picture list timings: the moves log adding lines at the top of a 30,000-item list while it is
// shown and painted every frame, and drawing one full page of such a list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>

#include "UserControl1.h"

using picturelist::UserControl1;

namespace {
void setUpLog(UserControl1& c) {
    c.resize(300, 400);
    c.setMode(0);
    c.setGridLines(true);
    c.setDropDownHeight(5000);
    c.show();
}

// Fills the list cheaply: a first page, then each further item goes before the last one, below
// the page, where it asks for no drawing.
void fill(UserControl1& c, int count) {
    for (int i = 0; i <= 22; ++i)
        c.AddItem(QStringLiteral("item %1").arg(i), 0);
    while (c.ListCount() < count)
        c.AddItem(QStringLiteral("item %1").arg(c.ListCount()), c.ListCount() - 1);
}

// Each add is timed together with its share of the frames: the window is painted whenever a
// frame's time (16 ms) has passed, as the event loop would between the game's moves.
void AddAtTopOf30000Shown(benchmark::State& state) {
    UserControl1 c;
    setUpLog(c);
    fill(c, 30000);
    QCoreApplication::processEvents();
    QElapsedTimer frame;
    frame.start();
    long frames = 0;
    for (auto _ : state) {
        c.AddItem(QStringLiteral("p3: played the card %1").arg(c.ListCount()), -1, -1, QString(),
                  picturelist::fromRgb(0x800000));
        if (c.ListCount() >= 32000) c.RemoveItem(c.ListCount() - 1);  // below the page
        if (frame.elapsed() >= 16) {
            QCoreApplication::processEvents();
            frame.restart();
            ++frames;
        }
    }
    QCoreApplication::processEvents();
    state.counters["frames"] = static_cast<double>(frames);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(AddAtTopOf30000Shown)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void FullPageDrawOf30000(benchmark::State& state) {
    UserControl1 c;
    setUpLog(c);
    c.setDrawStyle(static_cast<int>(state.range(0)));
    fill(c, 30000);
    const int top = 15000;
    for (auto _ : state) {
        c.DrawRowRange(top, top + c.visibleRows());
        benchmark::DoNotOptimize(c.surfaceImage().constBits());
    }
    state.counters["rows"] = c.visibleRows() + 1;
}
BENCHMARK(FullPageDrawOf30000)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
