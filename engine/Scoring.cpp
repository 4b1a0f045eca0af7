// The end of a deal: the first seat without cards wins the points of every card left in the other
// hands; a game is counted for the leader once a total reaches the target.
#include "Engine.h"

namespace tolvanis {

void Engine::ScoreDeal() {
    GameState& s = State;
    s.DealOver = false;
    const int winner = DealWinner(s);
    if (winner == 0) return;

    s.DealOver = true;
    s.AutoBusy = false;
    Report({.Kind = EventKind::DealWon, .Seat = winner});

    int points = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        if (seat == winner) continue;
        RecountHand(seat);
        points += HandPoints(s, seat);
    }
    Report({.Kind = EventKind::DealScored, .Seat = winner, .Count = points});
    s.TotPoints[winner - 1] += points;

    // Ties go to the lower seat.
    int best = -1;
    int leader = 0;
    for (int i = 0; i < 4; ++i) {
        if (s.TotPoints[i] > best) {
            best = s.TotPoints[i];
            leader = i;
        }
    }
    s.GameOver = false;
    if (best >= TargetScore) {
        s.GameOver = true;
        Report({.Kind = EventKind::GameWon, .Seat = leader + 1, .Count = best});
        s.TotGames[leader] += 1;
    }
}

}  // namespace tolvanis
