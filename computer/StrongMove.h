// One move of a computer seat as the look-ahead weighs it: the card it plays, or -1 for taking
// the cards (one, or those it owes), and the colour it names when the card is wild.
#pragma once

namespace tolvanis {

struct StrongMove {
    int Card = -1;
    ColorCode Color = ColorCode::None;  // the colour named after a wild card
    bool operator==(const StrongMove&) const = default;
};

}  // namespace tolvanis
