// The words of the status bar under the table: whose turn it is and what they must do, how many
// cards each seat holds, the colour to follow (also one a computer named) and each seat's points.
// Read from the state alone, so the bar says what the table shows; the widget only displays them.
#pragma once

#include <QString>

namespace tolvanis {

struct GameState;

struct StatusTexts {
    // "p1: take 2 cards", "p2 (Auto/Pause): click the table to let it play", ...
    QString Turn;
    // "cards: p1 7  p2 5  p3 7  p4 3" (seats in the deal only)
    QString Cards;
    // "colour to follow: red", "colour to follow: blue (named)"; empty before the first deal
    QString Colour;
    // "points: p1 0  p2 120  p3 35  p4 0"
    QString Points;

    bool operator==(const StatusTexts&) const = default;
};

StatusTexts StatusOf(const GameState& state);

// Whose turn it is and what they must do; empty while nobody is to move.
QString TurnText(const GameState& state);

}  // namespace tolvanis
