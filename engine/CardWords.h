// The words for the action and wild cards, as the moves log writes them and as a screen reader
// says them, side by side in one table, so that a kind of card is worded in one place. Number
// cards have no words: they are written as their number.
#pragma once

#include "GameState.h"

namespace tolvanis {

struct CardWords {
    const char* Log = nullptr;     // "<+2>", written after the seat's name
    const char* Spoken = nullptr;  // "+2", after the colour; a wild card's is its whole name
};

CardWords WordsOf(ValueCode value);

}  // namespace tolvanis
