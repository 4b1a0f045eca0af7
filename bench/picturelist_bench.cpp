// Picture list timings: the moves log adding 30,000 lines at the top one by one, and redrawing one
// page of a 30,000-item list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>

#include "UserControl1.h"

namespace {
void setUpLog(UserControl1& c) {
    c.resize(300, 400);
    c.setMode(0);
    c.setGridLines(true);
    c.setDropDownHeight(5000);
    c.show();
}

void AddAtTop30000(benchmark::State& state) {
    for (auto _ : state) {
        UserControl1 c;
        setUpLog(c);
        for (int i = 0; i < 30000; ++i) {
            c.AddItem(QStringLiteral("p3: played the card %1").arg(i), -1, -1, QString(),
                      picturelist::fromRgb(0x800000));
        }
        benchmark::DoNotOptimize(c.ListCount());
    }
    state.SetItemsProcessed(state.iterations() * 30000);
}
BENCHMARK(AddAtTop30000)->Unit(benchmark::kMillisecond)->Iterations(1);

void RedrawPageOf30000(benchmark::State& state) {
    UserControl1 c;
    setUpLog(c);
    c.setDrawStyle(state.range(0));
    // Fill cheaply: a first page, then insert each further item before the last one, which lies
    // below the drawn window and so causes no redraw.
    for (int i = 0; i <= 22; ++i) c.AddItem(QStringLiteral("item %1").arg(i), 0);
    while (c.ListCount() < 30000) {
        c.AddItem(QStringLiteral("item %1").arg(c.ListCount()), c.ListCount() - 1);
    }
    const int top = 15000;
    for (auto _ : state) {
        c.DrawRowRange(top, top + c.visibleRows());
        benchmark::DoNotOptimize(c.surfaceImage().constBits());
    }
    state.counters["rows"] = c.visibleRows() + 1;
}
BENCHMARK(RedrawPageOf30000)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
