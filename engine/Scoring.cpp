// The end of a deal: the first seat without cards wins the points of every card left in the other
// hands; a game is counted for the leader once a total reaches the target.
#include "Engine.h"

namespace tolvanis {

namespace {

int HandPoints(const GameState& s, int seat) {
    int points = 0;
    for (int v = 1; v <= 9; ++v)
        points += v * s.CountByValue(seat, v);
    // The colour change counts nothing, unlike the +4.
    points += 50 * s.CountByValue(seat, ValuePlus4);
    points += 25 * s.CountByValue(seat, ValuePlus2);
    points += 20 * s.CountByValue(seat, ValueReverse);
    points += 20 * s.CountByValue(seat, ValueSkip);
    return points;
}

}  // namespace

void Engine::ScoreDeal() {
    GameState& s = State;
    s.DealOver = FlagOff;

    int winner = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        if (s.HandCount[seat] == 0) {
            winner = seat;
            break;
        }
    }
    if (winner == 0) return;

    for (LabelItem& label : Table.LastCardLabel)
        label.Visible = false;
    LogMove(QStringLiteral("FINSHED FIRST AND WON"), winner, 0);
    s.DealOver = FlagOn;
    s.AutoBusy = FlagOff;
    Table.PlayerBack[winner].Visible = false;

    // Every losing hand is laid open, whatever its seat's setting, and the setting is kept.
    for (int seat = 1; seat <= 4; ++seat) {
        if (seat == winner) continue;
        const int hidden = s.SeatMode[seat + HideOffset];
        s.SeatMode[seat + HideOffset] = FlagOff;
        ShowHand(seat);
        s.SeatMode[seat + HideOffset] = hidden;
    }

    int points = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        if (seat == winner) continue;
        RecountHand(seat);
        points += HandPoints(s, seat);
    }
    LogMove(QStringLiteral("receives total points =") + Str(points), winner, 0);
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
    s.GameOver = FlagOff;
    if (best >= TargetScore) {
        s.GameOver = FlagOn;
        LogMove(QStringLiteral("scored") + Str(best) + QStringLiteral(" game pionts, end of game"),
                leader + 1, 0);
        s.TotGames[leader] += 1;
    }
}

}  // namespace tolvanis
