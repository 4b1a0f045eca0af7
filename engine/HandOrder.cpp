// Hand order: number cards by colour and card number, then the action cards by colour, then
// the wild cards. The computer's choice takes the first suitable card in this order.
#include "Engine.h"

#include <algorithm>

namespace tolvanis {

namespace {

int Group(const GameState& s, int card) {
    const int value = s.CardValue[card];
    const int color = s.CardColor[card];
    return value >= 0 ? color : color + 99;
}

}  // namespace

void Engine::SortHand(int seat) {
    GameState& s = State;
    const int n = s.HandCount[seat];
    if (n < 0) return;
    auto* first = &s.Hand[seat][1];
    std::sort(first, first + n, [&s](int a, int b) {
        const int ga = Group(s, a), gb = Group(s, b);
        return ga != gb ? ga < gb : a < b;
    });
    // A card later in the hand lies above the one before it.
    for (int i = 1; i <= n; ++i)
        Table.BringToFront({ItemKind::CardImage, s.Hand[seat][i]});
}

}  // namespace tolvanis
