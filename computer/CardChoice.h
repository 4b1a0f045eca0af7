// The computer's card choice: which card of its hand a seat plays now, or none (-1). A fixed,
// ordered list of rules; the first that yields a card decides. No chance, no look-ahead.
//
//   0 last card        a single +4, +2 or colour change, or a single card that follows, is played
//   1 avoid taking     a +2 or +4 on the table is answered by a card of the same kind
//   2 stop the next    the following seat holds one card: colour change, else +4
//   3 colour change    played as soon as rules 0 to 2 pass
//   4 +4 without colour  no card of the table colour: a +4
//   5 nothing matches  no card of the table colour or value: none
//   6 same action      skip, +2, reverse, in that order, on a card of the same kind
//   7 no colour card   only value matches: the first card of the table value
//   8 no value card    only colour matches: the highest card of the table colour
//   9 more colour      colour matches at least as many as value: the highest of the colour
//  10 more value       otherwise the first card of the table value
//
// Results go to PickedCard (and FollowingSeat for rule 2), as every rule reads them there.
#pragma once

#include "GameState.h"

namespace tolvanis {

void ChooseCard(GameState& s, int seat);
// Rules 5 to 10 alone: the card that follows the table's colour or value, wild cards aside.
void ChooseFollowingCard(GameState& s, int seat);
void FindFirstOfValue(GameState& s, int seat, ValueCode value);
void FindHighestOfColor(GameState& s, int seat, ColorCode color);
// The colour a computer seat names after its +4 or colour change, the card already played:
// one the next seat lacks, or, with the next seat about to finish, another one this seat holds.
ColorCode ColorToName(GameState& s, int seat);

// What a seat that follows the list shows by choosing `card` (-1: taking what it owes) before
// the move is made: the cards its hand held none of, or the list would have chosen differently.
// Reads only what every seat sees: the table, the card, the hand sizes and what is owed.
GameState::CardSet ShownLack(const GameState& s, int seat, int card);
// Notes that, once everybody knows the seat plays by the list (GameState::Lacks), and the
// choice itself with the table as it was (GameState::ListChoices).
void NoteListChoice(GameState& s, int seat, int card);
// The colour the list named shows which colour the next seat lacks, when that seat cannot hold
// all four. The colour is kept with the choice of the card.
void NoteListColor(GameState& s, int seat, ColorCode color);

}  // namespace tolvanis
