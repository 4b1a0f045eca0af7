// Play without a mouse. A key is turned into the click (or mouse move) that a person would make
// for the same purpose, and that click's own handler runs, so every rule, sound, log line and the
// "nothing while the computer plays" rule stay those of the mouse.
//
// Besides the board this keeps only what the keyboard adds: which card of the hand to move has
// the keyboard focus, and whether the keys go to the table or to an open seat option box (and
// to which of its three settings). The table widget forwards its keys here and draws the focus
// ring where FocusItem() says.
#pragma once

#include <QtCore/qnamespace.h>

#include <optional>

#include "Board.h"
#include "BoardDescription.h"

namespace tolvanis {

class Engine;

enum class KeyAction {
    // Along the hand: Left and Up go to the card before, Right and Down to the card after. In
    // the option box Up and Down choose a setting and Left and Right toggle it.
    Left,
    Right,
    Up,
    Down,
    First,         // Home
    Last,          // End
    Activate,      // Enter: play the focused card, or the click the table waits for; OK in the box
    Toggle,        // Space: as Enter on the table; toggles a setting in the box
    Pile,          // take from the pile
    Hint,          // the hint a Shift-click asks for
    ComputerMove,  // the computer plays this person's turn (a Shift-click on the table)
    Red,
    Green,
    Blue,
    Yellow,
    SeatOptions,  // with a seat 1..4: the right click on that seat
    Escape,       // lowers the lifted card; Cancel in the box
    SwitchArea,   // Tab: between the table and an open option box
};

struct KeyPress {
    KeyAction Action = KeyAction::Activate;
    int Seat = 0;  // for SeatOptions
    bool operator==(const KeyPress&) const = default;
};

// Where the keys go.
enum class KeyArea { Table, OptionBox };

class KeyboardPlay {
  public:
    // The keys of the game: letters work with or without Shift, digits only with Ctrl. Keys
    // with Alt belong to the menus; nothing is returned for keys the table does not use.
    static std::optional<KeyPress> ActionFor(int key, Qt::KeyboardModifiers modifiers);

    explicit KeyboardPlay(Engine& engine) : engine_(engine), areas_(engine) {}

    // Runs the action; false when it did nothing at all (the key may then go elsewhere).
    bool Press(KeyPress press);
    bool Press(KeyAction action, int seat = 0) { return Press(KeyPress{action, seat}); }

    // Brings the focus up to date after anything changed the board (a click, a computer move,
    // a menu command): onto the card the mouse lifted, or onto a card of the next person to
    // move when the focused card has left the hand of the seat to move.
    void Sync();

    KeyArea Area() const;
    // The card with the keyboard focus, -1 when no person's card has it.
    int FocusCard() const { return focusCard_; }
    // The focused setting of the option box, 0..2.
    int OptionRow() const { return optionRow_; }
    // What the focus ring surrounds on the table: the focused card; while a colour is to be
    // named, the table card; otherwise the place the awaited click acts on (the seat label of a
    // pausing computer seat, "click to redeal"); nothing while the computer plays.
    std::optional<ItemRef> FocusItem() const;

    // A point inside the wild card on the table, in millimetres from its corner, whose pixel
    // names `color`: the middle of that colour's area. Nothing when no pixel does.
    std::optional<std::pair<double, double>> ColorPoint(ColorCode color);

  private:
    bool PlayKey(KeyPress press);
    bool OptionBoxKey(KeyPress press);
    // The person to move, when the keys may act for one: 1..4, or 0.
    int PersonToMove() const;
    // Hand position (1..) of the focused card in the seat's hand, 0 when not there.
    int FocusPosition(int seat) const;
    void FocusAt(int seat, int position);
    // Lifts the focused card through the mouse-move handler, as the pointer arriving would.
    void LiftFocus();
    // The click the table waits for: a pausing computer seat's move or the redeal.
    bool TableWaitsForClick() const;

    Engine& engine_;
    ColorAreas areas_;
    int focusCard_ = -1;
    int focusSeat_ = 0;
    int focusPosition_ = 1;
    KeyArea area_ = KeyArea::Table;
    int optionRow_ = 0;
};

}  // namespace tolvanis
