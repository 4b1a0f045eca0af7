// Hand order: number cards by colour and card number, then the action cards by colour, then
// the wild cards. The computer's choice takes the first suitable card in this order.
#include "Engine.h"

#include <algorithm>
#include <array>

namespace tolvanis {

namespace {

// Action and wild cards sort after every number card: their groups start above all colours.
constexpr int ActionGroups = 99;

// The card's place in hand order: its group, then its number.
int Key(const GameState& s, int card) {
    const int color = Index(s.CardColor[card]);
    const int group = Rank(s.CardValue[card]) >= 0 ? color : color + ActionGroups;
    return group * CardSlots + card;
}

}  // namespace

void GameState::PutInHandOrder(int seat) {
    const int n = HandCount[seat];
    if (n < 0) return;
    // Hands are short and mostly in order already (a card or two taken since): an insertion
    // sort on each card's place in the order, worked out once, is the quickest.
    auto& hand = Hand[seat];
    std::array<int, CardSlots> key;  // filled as the cards are placed
    for (int i = 1; i <= n; ++i) {
        const int card = hand[i];
        const int k = Key(*this, card);
        int j = i - 1;
        for (; j >= 1 && key[j] > k; --j) {
            key[j + 1] = key[j];
            hand[j + 1] = hand[j];
        }
        key[j + 1] = k;
        hand[j + 1] = card;
    }
}

void GameState::PutTakenInHandOrder(int seat, int taken) {
    auto& hand = Hand[seat];
    const int n = HandCount[seat];
    for (int i = std::max(1, n - taken + 1); i <= n; ++i) {
        const int card = hand[i];
        const int k = Key(*this, card);
        int j = i - 1;
        for (; j >= 1 && Key(*this, hand[j]) > k; --j)
            hand[j + 1] = hand[j];
        hand[j + 1] = card;
    }
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
