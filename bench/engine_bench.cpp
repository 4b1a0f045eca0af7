// How fast the engine plays: whole four-seat deals of computer seats without pauses, and the cost
// of one computer move.
#include <benchmark/benchmark.h>

#include "AutoTurns.h"
#include "Engine.h"
#include "FakeServices.h"

using namespace tolvanis;

namespace {

struct Table {
    Table() : sv(1), e(sv), driver(e) {
        sv.RecordLog = false;
        sv.RecordSounds = false;
        e.SetAutoPlayer(&driver);
        e.Load(18.8, 25.4);
        e.CommandAllAutoNoPause();
        e.State.DelayUnits = 0;
    }
    // Redeals if a deal has ended, then lets the computer seats play the deal through.
    void PlayDeal() {
        if (e.State.BoardWait) e.OnBoardMouseUp(ButtonLeft, 0);
        e.OnBoardMouseUp(ButtonLeft, 0);
    }
    FakeServices sv;
    Engine e;
    AutoTurns driver;
};

void FullDeals(benchmark::State& state) {
    Table t;
    for (auto _ : state)
        t.PlayDeal();
    state.counters["deals_per_s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(FullDeals)->Unit(benchmark::kMicrosecond);

void OneMove(benchmark::State& state) {
    Table t;
    long moves = 0;
    t.driver.AfterMove = [&] { ++moves; };
    for (auto _ : state)
        t.PlayDeal();
    state.counters["moves_per_s"] = benchmark::Counter(double(moves), benchmark::Counter::kIsRate);
    state.counters["ns_per_move"] = benchmark::Counter(
        double(moves), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(OneMove)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
