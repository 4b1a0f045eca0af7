// Real seeded deals under way, one turn at a time, for the computer player's tests.
#pragma once

#include <cstdint>

#include "AutoTurns.h"
#include "EngineFixture.h"

namespace tolvanis::testing {

// Every seat a pausing computer seat, so that each click on the table plays exactly one turn
// and leaves the next seat to move.
class DealInPlay {
  public:
    DealInPlay(std::uint64_t seed, int players) : sv(seed), eng(sv), driver(eng) {
        sv.RecordLog = false;
        sv.RecordSounds = false;
        eng.SetAutoPlayer(&driver);
        eng.Load(TestCardWidth, TestCardHeight);
        if (players != 4) eng.CommandNumberOfPlayers(players);
        eng.CommandAllAutoPause();
        eng.State.DelayUnits = 0;
    }
    // Plays `turns` turns of the deal; false when the deal ended before.
    bool Play(int turns) {
        for (int i = 0; i < turns; ++i) {
            eng.OnBoardMouseUp(ButtonLeft, 0);
            if (eng.State.BoardWait) return false;
        }
        return true;
    }
    FakeServices sv;
    Engine eng;
    AutoTurns driver;
};

}  // namespace tolvanis::testing
