// Holding a made-up deal to what the rule list chose. A seat that follows the list and has not
// taken a card since one of its choices held then the hand it holds now and the cards it played
// since; the list, asked again on that hand with the table as it was, must choose the same card.
// After a wild card it must also name the same colour, where that colour depends on nothing
// unseen but this hand (the next seat's hand is known then only when that seat is the one
// thinking, or has taken nothing since either).
//
// The first-order lacks (GameState::Lacks) say which cards a hand did not hold; this also keeps
// what they cannot: how many cards of the colour against the value, which colour the next seat
// held, the colour of a last card.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "GameState.h"

namespace tolvanis {

class ChoiceReplay {
  public:
    // The choices `seat` can hold a made-up deal of `s` to: all public.
    ChoiceReplay(const GameState& s, int seat);

    bool Checks(int other) const { return !checks_[other].empty(); }
    // How many of `other`'s choices the hands of `world` do not make again.
    int Misfits(const GameState& world, int other);

  private:
    struct Check {
        GameState::ListChoice Choice;
        std::vector<int> PlayedSince;  // what `other` played since, the choice's card first
        int Next = 0;                  // the seat after it then, when the colour is checked
        std::vector<int> NextPlayedSince;
    };
    // Puts into the probe `seat`'s hand of `world` with the cards `since` given back; false
    // unless that makes `count` cards.
    bool HandThen(const GameState& world, int seat, std::span<const int> since, int count);

    std::array<std::vector<Check>, SeatSlots> checks_;
    GameState probe_;
};

}  // namespace tolvanis
