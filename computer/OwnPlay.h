// How the Strong player expects to go on playing, in the deals it plays ahead. It is a better
// player than the rule list it gives every other seat: it keeps its wild cards while another
// card follows and the next seat is not about to finish, and names the colour it holds most.
// Weighing a move by what it would do next, rather than by what the list would, keeps it from
// undervaluing the wild card it keeps.
#pragma once

#include "GameState.h"

namespace tolvanis {

// The card `seat` plays, into PickedCard (-1: none), as ChooseCard does.
void ChooseOwnCard(GameState& s, int seat);
// The colour `seat` names after its wild card, the card already played.
ColorCode OwnColor(GameState& s, int seat);

}  // namespace tolvanis
