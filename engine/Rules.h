// The rules of a move as read-only questions on the state record: may this seat play this card
// now, may it take cards instead. The person's click, the hint and the simulator's check ask the
// same questions, so a move the table refuses is refused everywhere.
//
// The computer's card choice is allowed two moves the table refuses a person (its last +2 on
// anything, and a +4 against a seat about to finish while it holds the table colour); they are
// part of how the computer plays, so they are named here as the computer's allowances rather
// than hidden in its driver.
#pragma once

#include "GameState.h"

namespace tolvanis {

// Who makes the move: the legality test differs only by the computer's two allowances.
enum class Mover { Person, Computer };

// What the legality test says of a card.
enum class Verdict {
    Playable,
    NotYourTurn,     // not the seat to move, or not a card of its hand
    OwedCardsFirst,  // cards are owed: only a card of the same kind answers them
    NoMatch,         // neither colour nor value follows, or a +4 while holding the table colour
};

Verdict JudgeCard(const GameState& s, int seat, int card, Mover mover = Mover::Person);

inline bool CanPlay(const GameState& s, int seat, int card, Mover mover = Mover::Person) {
    return JudgeCard(s, seat, card, mover) == Verdict::Playable;
}

// May `seat` take `n` cards now: the cards it owes, or one card when nothing it holds follows the
// colour or value on the table (wild cards do not count). Reads the seat's counts as they stand.
bool CanTake(const GameState& s, int seat, int n);

}  // namespace tolvanis
