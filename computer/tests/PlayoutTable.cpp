#include "PlayoutTable.h"

namespace tolvanis {

PlayoutTable::PlayoutTable() {
    engine_.SetAutoPlayer(&driver_);
    driver_.AfterMove = [this] {
        // Bumping the deal makes the driver return as after a replaced deal.
        if (++moves_ > MaxMoves) ++engine_.State.DealSerial;
    };
}

PlayoutResult PlayoutTable::Play(const GameState& world, StrongMove first) {
    GameState& s = engine_.State;
    s = world;
    for (int seat = 1; seat <= 4; ++seat) {
        s.Seats[seat] = SeatSettings{.Auto = true, .Pause = false, .Hidden = false};
    }
    s.ComputerStrength = Strength::Standard;
    s.SoundOn = false;
    s.DelayUnits = 0;
    s.AutoBusy = false;
    s.BoardWait = false;
    s.DealOver = false;
    s.ColorWait = 0;

    const std::array<int, 4> before = s.TotPoints;
    moves_ = 0;
    driver_.ForceNextMove(first);
    driver_.RunAutoTurns();

    PlayoutResult r;
    r.Moves = moves_;
    for (int seat = 1; seat <= 4; ++seat) {
        if (s.HandCount[seat] == 0) {
            r.Winner = seat;
            r.Points = s.TotPoints[seat - 1] - before[seat - 1];
            break;
        }
    }
    return r;
}

}  // namespace tolvanis
