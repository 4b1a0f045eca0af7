// What one seat can know of the deal under way, and deals made up to fit it.
//
// A seat sees its own hand, the table card and colour, every card played (CardSeen), the hand
// sizes, the pile's size and what each seat owes. Because played cards go to the end of the pile
// and are taken from its front again, it also knows where every played card is now. Everything
// else (the other hands' unseen cards and the order of the pile's unseen front) is hidden: the
// knowledge is built without reading it, and a made-up deal deals those cards at random, but
// to fit what the seats showed they lack (GameState::Lacks): a seat that showed it held none of
// some cards still holds, of the cards it held then, at least as many as it has not played
// since, and none of them is one of those cards. A seat known to follow the rule list is also
// dealt a hand on which the list makes its recent choices again (ChoiceReplay), as far as a few
// tries at dealing it anew allow.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "ChoiceReplay.h"
#include "GameState.h"

namespace tolvanis {

class SeatKnowledge {
  public:
    SeatKnowledge(const GameState& s, int seat);

    int Seat() const { return seat_; }
    // The cards the seat cannot see, in card-number order.
    const std::vector<int>& HiddenCards() const { return hidden_; }
    // Unseen cards in another seat's hand, and at the front of the pile (after the table card).
    int HiddenInHand(int seat) const { return hiddenInHand_[seat]; }
    int HiddenInPile() const { return hiddenInPile_; }
    // Played cards another seat has taken back and holds now.
    const std::vector<int>& SeenInHand(int seat) const { return seenInHand_[seat]; }

    // Cards that none of the first `Cards` unseen cards of a seat's hand can be.
    struct Lack {
        GameState::CardSet Without;
        int Cards = 0;
    };
    const std::vector<Lack>& Lacks(int seat) const { return lacks_[seat]; }

    // Rewrites `world`, a copy of the state the knowledge was built from, into a deal the seat
    // cannot tell from it: the hidden cards dealt at random to the hidden places, every hand in
    // hand order and recounted. The seat's own hand and everything seen stay as they are.
    // Returns how many times a hand was dealt anew.
    int MakeWorld(GameState& world, std::mt19937_64& rng);

    // Tries at dealing anew one seat's hand that does not make the list's choices again.
    static constexpr int RedealsPerSeat = 24;
    // Draws for one place of a hand dealt anew before a card that fits its lacks is given up.
    static constexpr int DrawsPerPlace = 6;

  private:
    static void Shuffle(std::vector<int>& cards, std::mt19937_64& rng);
    // Whether `card` may be the slot-th unseen card of `other`'s hand, by its lacks.
    bool Fits(int other, int slot, int card) const;
    // Moves the unseen cards `other` is dealt to deck[next, returned): those fitting its lacks
    // first, as far as the deck allows.
    std::size_t PickFor(int other, std::vector<int>& deck, std::size_t next) const;
    // Deals `other` its seen cards and its part of the deck, in hand order.
    void PutHand(GameState& world, int other) const;
    // Deals `other`'s unseen cards anew with the pile's; returns the choices it then misses.
    int Redeal(GameState& world, int other, std::mt19937_64& rng);

    int seat_ = 0;
    std::vector<int> hidden_;
    std::array<int, SeatSlots> hiddenInHand_{};
    std::array<std::vector<int>, SeatSlots> seenInHand_{};
    std::array<std::vector<Lack>, SeatSlots> lacks_{};
    int hiddenInPile_ = 0;
    std::vector<int> pileSeen_;  // the seen end of the pile, in pile order
    ChoiceReplay replay_;

    // The made-up deal's unseen cards: seat k's from handFrom_[k], the pile's from handFrom_[5].
    std::vector<int> deck_, best_;
    std::array<std::size_t, SeatSlots + 1> handFrom_{};
};

}  // namespace tolvanis
