// What a move did, as the rules report it: plain facts about seats and cards, with no caption,
// colour, sound or log text in them. The table presenter (TablePresenter.h) shows them.
#pragma once

#include "Rules.h"

namespace tolvanis {

enum class EventKind {
    CardPlayed,     // Seat played Card
    ColorToChoose,  // Seat played a wild card and must name the colour (a person, by a click)
    ColorNamed,     // Seat named Color after a wild card
    OwesCards,      // Seat owes Count cards: 2 or 4 after an attack, 1 with nothing to play
    CardsTaken,     // Seat took Count cards; Owed when they were owed, FromLabel by its label
    MoveEnded,      // Seat ended its move holding Count cards (one card: its last card)
    TurnPassed,     // Seat is to move
    CardEffectDue,  // a person's card is down and takes effect now
    TurnDone,       // the computer's turn is done, before its pause
    DealWon,        // Seat emptied its hand
    DealScored,     // Seat won Count points
    GameWon,        // Seat leads with Count points at or past the target
    DealEnded,      // the deal is over; a click on the table deals again
};

struct MoveEvent {
    EventKind Kind;
    int Seat = 0;
    Mover By = Mover::Person;
    int Card = 0;
    int Count = 0;
    ColorCode Color = ColorCode::None;
    bool Owed = false;
    bool FromLabel = false;
};

}  // namespace tolvanis
