// The rules of a move as read-only questions on the state record: may this seat play this card
// now, may it take cards instead. The person's click, the hint and the simulator's check ask the
// same questions, so a move the table refuses is refused everywhere.
//
// Beside the questions, the state changes of a move that need nothing but the record: what a card
// does, moving a played card to the pile, moving cards from the pile into a hand, and the points
// left in a losing hand. The engine sequences them and reports what happened to the presenter.
//
// The computer's card choice is allowed two moves the table refuses a person (its last +2 on
// anything, and a +4 against a seat about to finish while it holds the table colour); they are
// part of how the computer plays, so they are named here as the computer's allowances rather
// than hidden in its driver.
#pragma once

#include "GameState.h"

namespace tolvanis {

// What a card does when it is played: the only place where card values are told apart.
struct CardKind {
    int Owes = 0;             // cards the next seat owes: 2 after a +2, 4 after a +4
    bool NamesColor = false;  // a wild card: its player names the colour to follow
    bool Reverses = false;
    bool Skips = false;
    int Points = 0;  // what the card counts in a losing hand at the end of a deal
};
constexpr CardKind KindOf(ValueCode value) {
    switch (value) {
        case ValueCode::Plus2:
            return {.Owes = 2, .Points = 25};
        case ValueCode::Plus4:
            return {.Owes = 4, .NamesColor = true, .Points = 50};
        case ValueCode::ColorChange:
            // Counts nothing, unlike the +4.
            return {.NamesColor = true};
        case ValueCode::Reverse:
            return {.Reverses = true, .Points = 20};
        case ValueCode::Skip:
            return {.Skips = true, .Points = 20};
        default:
            return {.Points = IsNumberCard(value) ? Rank(value) : 0};
    }
}

inline bool IsWild(ValueCode value) {
    return KindOf(value).NamesColor;
}

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

// Moves `card` from the hand of `seat` to the end of the pile list and makes it the card on the
// table; a coloured card sets the colour to follow.
void MoveCardToTable(GameState& s, int seat, int card);
// Moves up to `n` cards from the front of the pile, passing over the table card, to the end of
// the hand of `seat`; returns how many moved (fewer when the pile runs short).
int MoveCardsFromPile(GameState& s, int seat, int n);
// The first seat 1..4 without cards, or 0.
int DealWinner(const GameState& s);
// The points of the cards in a hand, from its counts.
int HandPoints(const GameState& s, int seat);

}  // namespace tolvanis
