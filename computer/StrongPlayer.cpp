#include "StrongPlayer.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <random>

#include "MoveOptions.h"
#include "Playout.h"
#include "SeatKnowledge.h"

namespace tolvanis {

namespace {

// What the work is made of, in moves played ahead, counted in instructions run (callgrind on
// tolvanis-sim): dealing a made-up deal, dealing one hand of it anew and asking the rule list
// again, and setting up a playout on it.
constexpr std::int64_t WorldCost = 32;
constexpr std::int64_t RedealCost = 9;
constexpr std::int64_t PlayoutCost = 3;
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
    const std::size_t n = moves.size();
    if (n == 0) return {};  // nothing open: it takes, as the rule list would
    if (n == 1) return moves.front();

    std::mt19937_64 rng(std::uint64_t(services_.Rnd() * 9007199254740992.0));
    SeatKnowledge knowledge(s, seat);
    GameState world = s;
    // The play ahead keeps every hand in order and its counts up to date from here on.
    world.PutInHandOrder(seat);
    world.RecountHand(seat);
    GameState play;

    // Sequential halving: the budget is shared out over rounds; in each round every move still
    // in the running is played on the same made-up deals, then the weaker half drops out. Clearly
    // bad moves thus cost little, and the close ones get most of the deals.
    std::vector<double> wins(n), points(n);
    std::vector<int> played(n);
    std::vector<std::size_t> running(n);
    for (std::size_t m = 0; m < n; ++m)
        running[m] = m;
    auto score = [&](std::size_t m) {
        return played[m] == 0 ? 0.0 : (wins[m] + PointWeight * points[m]) / played[m];
    };
    int rounds = 0;
    for (std::size_t k = n; k > 1; k = (k + 1) / 2)
        ++rounds;
    std::int64_t work = 0;
    int worlds = 0;
    for (int round = 0; round < rounds; ++round) {
        const std::int64_t until = Budget * (round + 1) / rounds;
        do {
            work += WorldCost + RedealCost * knowledge.MakeWorld(world, rng);
            ++worlds;
            for (const std::size_t m : running) {
                play = world;
                const PlayoutResult r = PlayOut(play, moves[m], seat);
                work += PlayoutCost + r.Moves;
                ++played[m];
                if (r.Winner == seat) {
                    wins[m] += 1;
                    points[m] += r.Points;
                }
            }
        } while (work < until);
        // Ties keep the earlier move, as the list of moves has it.
        std::stable_sort(running.begin(), running.end(),
                         [&](std::size_t a, std::size_t b) { return score(a) > score(b); });
        running.resize((running.size() + 1) / 2);
    }

    last_.WinRate.resize(n);
    for (std::size_t m = 0; m < n; ++m)
        last_.WinRate[m] = played[m] == 0 ? 0.0 : wins[m] / played[m];
    last_.Worlds = worlds;
    last_.Work = work;
    return moves[running.front()];
}

}  // namespace tolvanis
