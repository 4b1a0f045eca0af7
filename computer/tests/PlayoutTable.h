// A private table that plays deals to their end through the engine and its driver: the engine's
// own rules on a copy of the state, with silent services, every seat a computer seat without
// pause at the rule list, and the first move of the seat to move given. The yardstick for the
// look-ahead's own playouts, which must end every deal alike.
#pragma once

#include "AutoTurns.h"
#include "Engine.h"
#include "Playout.h"
#include "StrongMove.h"

namespace tolvanis {

// Services for a table nobody watches: no sound, no log, no waiting. Playing a deal on draws no
// chance, so its random numbers are never asked for.
class SilentServices : public Services {
  public:
    double Rnd() override { return 0.0; }
    void Randomize() override {}
    QDateTime Now() override { return {}; }
    void PlaySound(const QString&) override {}
    void ShowMessage(const QString&) override {}
    void ClearLog() override {}
    void AddLogLine(const QString&, Rgb) override {}
    bool LogWanted() const override { return false; }
    void ProcessEvents() override {}
    std::int64_t SteadyMicroseconds() override { return 0; }
    std::int64_t Pause(std::int64_t, const std::function<bool()>&) override { return 0; }
    Rgb ColorAt(int, double, double) override { return NoColor; }
};

class PlayoutTable {
  public:
    PlayoutTable();

    // Plays `first` for the seat to move in `world`, then the deal to its end.
    PlayoutResult Play(const GameState& world, StrongMove first);
    // The state as the last deal played here ended.
    const GameState& Final() const { return engine_.State; }

    // A deal still running after this many moves is called off.
    static constexpr int MaxMoves = MaxPlayoutMoves;

  private:
    SilentServices services_;
    Engine engine_{services_};
    AutoTurns driver_{engine_};
    int moves_ = 0;
};

}  // namespace tolvanis
