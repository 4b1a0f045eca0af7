#include "StrongPlayer.h"

#include <chrono>
#include <ctime>
#include <random>

#include "MoveOptions.h"
#include "Playout.h"
#include "SeatKnowledge.h"

namespace tolvanis {

namespace {

// Dealing a made-up deal costs about as much as playing this many moves, and setting up a
// playout on it this many.
constexpr std::int64_t WorldCost = 4;
constexpr std::int64_t PlayoutCost = 2;
// Points only break ties between moves that win alike: a whole deal's points weigh less than
// one deal won in a thousand.
constexpr double PointWeight = 1e-6;

}  // namespace

StrongPlayer::StrongPlayer(Services& services) : services_(services) {}

StrongPlayer::~StrongPlayer() = default;

StrongMove StrongPlayer::Choose(const GameState& s, int seat) {
    const auto started = std::chrono::steady_clock::now();
    const std::clock_t cpuStarted = std::clock();
    const StrongMove move = Weigh(s, seat);
    last_.Milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
            .count();
    last_.CpuMilliseconds = 1000.0 * double(std::clock() - cpuStarted) / CLOCKS_PER_SEC;
    if (AfterChoice) AfterChoice(last_);
    return move;
}

StrongMove StrongPlayer::Weigh(const GameState& s, int seat) {
    last_ = Report{};
    last_.Moves = MoveOptions(s, seat);
    const auto& moves = last_.Moves;
    if (moves.empty()) return {};  // nothing open: it takes, as the rule list would
    if (moves.size() == 1) return moves.front();

    std::mt19937_64 rng(std::uint64_t(services_.Rnd() * 9007199254740992.0));
    const SeatKnowledge knowledge(s, seat);
    GameState world = s;
    GameState play;

    std::vector<double> wins(moves.size()), points(moves.size());
    std::int64_t work = 0;
    int worlds = 0;
    do {
        knowledge.MakeWorld(world, rng);
        ++worlds;
        work += WorldCost;
        for (std::size_t m = 0; m < moves.size(); ++m) {
            play = world;
            const PlayoutResult r = PlayOut(play, moves[m]);
            work += PlayoutCost + r.Moves;
            if (r.Winner == seat) {
                wins[m] += 1;
                points[m] += r.Points;
            }
        }
    } while (work < Budget);

    std::size_t best = 0;
    double bestScore = -1e300;
    last_.WinRate.resize(moves.size());
    for (std::size_t m = 0; m < moves.size(); ++m) {
        last_.WinRate[m] = wins[m] / worlds;
        const double score = wins[m] + PointWeight * points[m];
        if (score > bestScore) {
            bestScore = score;
            best = m;
        }
    }
    last_.Worlds = worlds;
    last_.Work = work;
    return moves[best];
}

}  // namespace tolvanis
