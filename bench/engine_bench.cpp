// How fast the engine plays: whole four-seat deals of computer seats without pauses, the cost
// of one computer move, and the Strong player's thinking time per move at its default budget
// (its goal: 30 ms on one core).
#include <benchmark/benchmark.h>

#include <random>

#include "AutoTurns.h"
#include "Engine.h"
#include "FakeServices.h"
#include "MoveOptions.h"
#include "Playout.h"
#include "SeatKnowledge.h"
#include "StrongPlayer.h"

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

// Positions of real deals with more than one move open to the seat to move, each taken just
// before its move.
std::vector<GameState> PositionsToWeigh(int count) {
    Table t;
    std::vector<GameState> out;
    t.driver.BeforeMove = [&](int seat, int, int) {
        if (int(out.size()) < count && MoveOptions(t.e.State, seat).size() > 1)
            out.push_back(t.e.State);
    };
    while (int(out.size()) < count)
        t.PlayDeal();
    return out;
}

void StrongChoice(benchmark::State& state) {
    const std::vector<GameState> positions = PositionsToWeigh(64);
    FakeServices sv(3);
    StrongPlayer player(sv);
    std::size_t next = 0;
    for (auto _ : state) {
        const GameState& s = positions[next++ % positions.size()];
        benchmark::DoNotOptimize(player.Choose(s, s.CurrentSeat));
    }
}
BENCHMARK(StrongChoice)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// What the Strong player's work units stand for: one made-up deal, with the hands dealt anew
// until they make the rule list's choices again, against one move played ahead.
void MadeUpDeal(benchmark::State& state) {
    const std::vector<GameState> positions = PositionsToWeigh(64);
    std::vector<SeatKnowledge> knowledge;
    for (const GameState& s : positions)
        knowledge.emplace_back(s, s.CurrentSeat);
    std::mt19937_64 rng(5);
    GameState world;
    std::size_t next = 0;
    long redeals = 0;
    for (auto _ : state) {
        const std::size_t k = next++ % positions.size();
        world = positions[k];
        redeals += knowledge[k].MakeWorld(world, rng);
    }
    state.counters["redeals_per_deal"] = double(redeals) / double(state.iterations());
}
BENCHMARK(MadeUpDeal)->Unit(benchmark::kMicrosecond);

void MovePlayedAhead(benchmark::State& state) {
    const std::vector<GameState> positions = PositionsToWeigh(64);
    GameState play;
    std::size_t next = 0;
    long moves = 0;
    for (auto _ : state) {
        const GameState& s = positions[next++ % positions.size()];
        play = s;
        moves += PlayOut(play, MoveOptions(play, s.CurrentSeat).front(), s.CurrentSeat).Moves;
    }
    state.counters["ns_per_move"] = benchmark::Counter(
        double(moves), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(MovePlayedAhead)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
