// The Strong computer player: it weighs each move open to its seat by playing the deal on to
// its end many times. Each time it makes up the cards it cannot see (SeatKnowledge), plays every
// move still in the running on that same made-up deal with the rule list for all other seats
// (itself playing on as OwnPlay says), drops the weaker half of the moves now and then, and in the
// end takes the move that won the deal most often, the points scored deciding between moves that
// won alike. Its chance comes from the game's services, one number per move, so a seeded game
// repeats exactly.
//
// Thinking is measured in work, not on a clock, so the same seed gives the same move on any
// machine: a move played ahead costs one unit, dealing a made-up deal about thirty. The default
// work keeps 95 moves in 100 within the game's budget of 30 ms on one core.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "GameState.h"
#include "Services.h"
#include "StrongMove.h"

namespace tolvanis {

class StrongPlayer {
  public:
    // Work that fits one millisecond of thinking on one core, measured with the simulator
    // (think_ms figures, seeds 501 and 502): at 30 ms, 95 moves in 100 take about 27 ms at most.
    static constexpr std::int64_t WorkPerMillisecond = 10000;
    static constexpr int DefaultThinkMs = 30;

    explicit StrongPlayer(Services& services);
    ~StrongPlayer();

    // The move for `seat`, the seat to move. Reads only what that seat can know.
    StrongMove Choose(const GameState& s, int seat);

    // The thinking budget per move, in work units (see above).
    std::int64_t Budget = DefaultThinkMs * WorkPerMillisecond;
    void SetThinkMs(double ms) { Budget = std::int64_t(ms * WorkPerMillisecond); }

    // What the last choice weighed: the moves open, the made-up deals played, the work done.
    struct Report {
        std::vector<StrongMove> Moves;
        std::vector<double> WinRate;
        int Worlds = 0;
        std::int64_t Work = 0;
        // Measured for the simulator's figures, never deciding anything: wall time, and the
        // processor time this program used (the two differ on a busy machine).
        double Milliseconds = 0;
        double CpuMilliseconds = 0;
    };
    const Report& Last() const { return last_; }
    // Runs after every choice (the simulator collects the thinking times).
    std::function<void(const Report&)> AfterChoice;

  private:
    StrongMove Weigh(const GameState& s, int seat);

    Services& services_;
    Report last_;
};

}  // namespace tolvanis
