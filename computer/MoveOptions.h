// The moves open to the seat to move, as the rules allow them to a computer seat: every card
// it may play, each wild card with each colour, and taking cards where it may (those it owes,
// or one card when nothing but a wild card follows). Cards alike in colour and value are one
// move.
#pragma once

#include <vector>

#include "GameState.h"
#include "StrongMove.h"

namespace tolvanis {

std::vector<StrongMove> MoveOptions(const GameState& s, int seat);

}  // namespace tolvanis
