// The table told in words, for assistive technology: every item a sighted player can see, with
// a name ("red 7", "seat 2, 5 cards, face down", "pile, 56 cards"), what kind of thing it is
// and where it lies in millimetres. It reads the same board and state the painter draws from,
// so what is said is what is shown.
//
// ColorAreas finds the four colour areas of the wild card on the table by asking the services
// for the colour under points of its picture, as a click there would; the keys aim at them and
// the description lists them while a colour is to be named.
#pragma once

#include <QString>

#include <array>
#include <map>
#include <optional>
#include <vector>

#include "Board.h"

namespace tolvanis {

class Engine;
struct GameState;

// A colour's area on a wild card's picture, in millimetres from the picture's corner.
struct ColorArea {
    double X = 0, Y = 0;  // a point well inside it
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

class ColorAreas {
  public:
    explicit ColorAreas(Engine& engine) : engine_(engine) {}
    // The area of a play colour on the picture the awaited colour is read from; nothing when no
    // colour is awaited or the picture has no pixel of it.
    std::optional<ColorArea> Find(ColorCode color);

  private:
    Engine& engine_;
    // Per colour picker and its picture: the pictures do not change during a run.
    std::map<std::pair<int, int>, std::array<std::optional<ColorArea>, 5>> found_;
};

enum class DescribedRole { Card, CoveredHand, Pile, TableCard, Label, ColorArea };

struct DescribedItem {
    DescribedRole Role = DescribedRole::Card;
    // The board item it stands for; a colour area stands on the table card.
    ItemRef Item;
    ColorCode Color = ColorCode::None;  // set for a colour area
    QString Name;
    // Whose it is or what it is for, when the name alone does not say.
    QString Description;
    double Left = 0, Top = 0, Width = 0, Height = 0;  // millimetres on the table

    // Identifies the thing across changes of the board: the same card stays the same item.
    bool SameThing(const DescribedItem& other) const {
        return Role == other.Role && Item == other.Item && Color == other.Color;
    }
};

// "red 7", "blue skip", "green reverse", "yellow +2", "wild +4", "wild color change".
QString CardName(const GameState& s, int card);
// "red" .. "yellow"; empty for anything else.
QString ColorWord(ColorCode color);

// The visible items of the table: seat by seat its label, its hand (face-up cards one by one,
// or the covered hand as one) and its "LAST CARD" label; then the pile, the table card, the
// colour areas while a colour is to be named, and "click to redeal".
std::vector<DescribedItem> DescribeBoard(Engine& engine, ColorAreas& areas);

}  // namespace tolvanis
