// Playing a deal on to its end as the computer seats would, on the state record alone: the rule
// list for every seat (but the thinking one, which plays as OwnPlay says), the same steps the
// engine takes for a computer's move (card down, its effect, the colour named, the turn passed on,
// "nothing to play" announced), but none of the table's captions, layout, sounds or log. The Strong
// player runs thousands of these per move, so the presentation's cost would be most of its
// thinking; a test holds it move for move to the engine's own driver.
#pragma once

#include "GameState.h"
#include "StrongMove.h"

namespace tolvanis {

struct PlayoutResult {
    int Winner = 0;  // 0 when the deal did not end (a guard against endless deals)
    int Points = 0;  // what the winner scored
    int Moves = 0;
};

// A deal still running after this many moves is called off.
inline constexpr int MaxPlayoutMoves = 2000;

// Plays `first` for the seat to move in `s`, then every seat by the rule list to the end of the
// deal, seat `self` (if any) as it expects to play itself; `s` is left as the deal ended. Every
// hand must be in hand order with its counts up to date, as the table keeps them, and the seat to
// move must have been told already whether it has anything to play, as the driver does before
// every turn.
PlayoutResult PlayOut(GameState& s, StrongMove first, int self = 0);

}  // namespace tolvanis
