// Hand order: number cards by colour and card number, then the action cards by colour, then
// the wild cards. The computer's choice takes the first suitable card in this order.
#include "Engine.h"

#include <algorithm>

namespace tolvanis {

namespace {

// Action and wild cards sort after every number card: their groups start above all colours.
constexpr int ActionGroups = 99;

int Group(const GameState& s, int card) {
    const int color = Index(s.CardColor[card]);
    return Rank(s.CardValue[card]) >= 0 ? color : color + ActionGroups;
}

}  // namespace

void GameState::PutInHandOrder(int seat) {
    const int n = HandCount[seat];
    if (n < 0) return;
    auto* first = &Hand[seat][1];
    std::sort(first, first + n, [this](int a, int b) {
        const int ga = Group(*this, a), gb = Group(*this, b);
        return ga != gb ? ga < gb : a < b;
    });
}

void Engine::SortHand(int seat) {
    GameState& s = State;
    const int n = s.HandCount[seat];
    if (n < 0) return;
    s.PutInHandOrder(seat);
    // A card later in the hand lies above the one before it.
    for (int i = 1; i <= n; ++i)
        Table.BringToFront({ItemKind::CardImage, s.Hand[seat][i]});
}

}  // namespace tolvanis
