#include "CardChoice.h"

namespace tolvanis {

// Placeholder until the rules land: nothing is ever chosen.
void ChooseCard(GameState& s, int) { s.PickedCard = -1; }
void FindFirstOfValue(GameState& s, int, int) { s.PickedCard = -1; }
void FindHighestOfColor(GameState& s, int, int) { s.PickedCard = -1; }

}  // namespace tolvanis
