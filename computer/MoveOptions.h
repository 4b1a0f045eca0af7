// The moves open to the seat to move: every card a person in its place could play, the card the
// rule list would play (it may play a last +2 anywhere, or a +4 to stop the next seat), taking
// the owed cards or, with nothing but wild cards to follow, one card; each wild card with each
// colour. Cards alike in colour and value are one move.
#pragma once

#include <vector>

#include "GameState.h"
#include "StrongMove.h"

namespace tolvanis {

// Whether a person at `seat` may play `card` now (the legality test of a move).
bool MayPlay(const GameState& s, int seat, int card);

std::vector<StrongMove> MoveOptions(const GameState& s, int seat);

}  // namespace tolvanis
