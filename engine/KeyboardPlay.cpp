#include "KeyboardPlay.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "Engine.h"

namespace tolvanis {

std::optional<KeyPress> KeyboardPlay::ActionFor(int key, Qt::KeyboardModifiers modifiers) {
    // The keypad's Enter and digits are the same keys.
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    if (mods & (Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    if (mods & Qt::ControlModifier) {
        if (mods != Qt::ControlModifier) return std::nullopt;
        if (key >= Qt::Key_1 && key <= Qt::Key_4)
            return KeyPress{KeyAction::SeatOptions, key - Qt::Key_0};
        return std::nullopt;
    }
    // Shift is let through: letters work in capitals too.
    switch (key) {
        case Qt::Key_Left:
            return KeyPress{KeyAction::Left};
        case Qt::Key_Right:
            return KeyPress{KeyAction::Right};
        case Qt::Key_Up:
            return KeyPress{KeyAction::Up};
        case Qt::Key_Down:
            return KeyPress{KeyAction::Down};
        case Qt::Key_Home:
            return KeyPress{KeyAction::First};
        case Qt::Key_End:
            return KeyPress{KeyAction::Last};
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return KeyPress{KeyAction::Activate};
        case Qt::Key_Space:
            return KeyPress{KeyAction::Toggle};
        case Qt::Key_Escape:
            return KeyPress{KeyAction::Escape};
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return KeyPress{KeyAction::SwitchArea};
        case Qt::Key_D:
            return KeyPress{KeyAction::Pile};
        case Qt::Key_H:
        case Qt::Key_Question:
            return KeyPress{KeyAction::Hint};
        case Qt::Key_A:
            return KeyPress{KeyAction::ComputerMove};
        case Qt::Key_R:
            return KeyPress{KeyAction::Red};
        case Qt::Key_G:
            return KeyPress{KeyAction::Green};
        case Qt::Key_B:
            return KeyPress{KeyAction::Blue};
        case Qt::Key_Y:
            return KeyPress{KeyAction::Yellow};
        default:
            break;
    }
    return std::nullopt;
}

KeyArea KeyboardPlay::Area() const {
    if (area_ == KeyArea::OptionBox && engine_.State.OptionsOpen != OptionsClosed)
        return KeyArea::OptionBox;
    return KeyArea::Table;
}

int KeyboardPlay::PersonToMove() const {
    const GameState& s = engine_.State;
    const int seat = s.CurrentSeat;
    if (s.AutoBusy || s.BoardWait) return 0;
    if (seat < 1 || seat > 4 || s.IsAuto(seat) || s.HandCount[seat] < 1) return 0;
    return seat;
}

bool KeyboardPlay::TableWaitsForClick() const {
    const GameState& s = engine_.State;
    if (s.AutoBusy) return false;
    if (s.BoardWait) return true;
    return s.CurrentSeat >= 1 && s.CurrentSeat <= 4 && s.IsAuto(s.CurrentSeat);
}

int KeyboardPlay::FocusPosition(int seat) const {
    const GameState& s = engine_.State;
    if (focusCard_ <= 0 || s.CardOwner[focusCard_] != seat) return 0;
    for (int i = 1; i <= s.HandCount[seat]; ++i) {
        if (s.Hand[seat][i] == focusCard_) return i;
    }
    return 0;
}

void KeyboardPlay::FocusAt(int seat, int position) {
    const GameState& s = engine_.State;
    position = std::clamp(position, 1, s.HandCount[seat]);
    focusSeat_ = seat;
    focusPosition_ = position;
    focusCard_ = s.Hand[seat][position];
}

void KeyboardPlay::LiftFocus() {
    if (focusCard_ <= 0) return;
    const GameState& s = engine_.State;
    // The handler only acts on a pointer that moved; a point beside the last one is one.
    double x = engine_.Table.CardWidth / 2;
    const double y = engine_.Table.CardHeight / 2;
    if (std::lrint(x) == s.HoverX && std::lrint(y) == s.HoverY) x += 1;
    engine_.OnCardMouseMove(focusCard_, 0, 0, x, y);
}

void KeyboardPlay::Sync() {
    const GameState& s = engine_.State;
    if (s.OptionsOpen == OptionsClosed) area_ = KeyArea::Table;
    const int seat = PersonToMove();
    if (seat == 0) {
        focusCard_ = -1;
        return;
    }
    if (s.HoverCard > 0 && s.CardOwner[s.HoverCard] == seat) focusCard_ = s.HoverCard;
    if (const int position = FocusPosition(seat); position > 0) {
        focusSeat_ = seat;
        focusPosition_ = position;
        return;
    }
    // The focused card was played or the turn moved on: the card that took its place in the
    // same hand, or the first card of the next person's hand.
    FocusAt(seat, focusSeat_ == seat ? focusPosition_ : 1);
}

std::optional<ItemRef> KeyboardPlay::FocusItem() const {
    const GameState& s = engine_.State;
    if (s.AutoBusy) return std::nullopt;
    if (s.BoardWait) {
        if (!engine_.Table.GameStartClick.Visible) return std::nullopt;
        return ItemRef{ItemKind::GameStartClick, 0};
    }
    if (s.ColorWait >= 1) return ItemRef{ItemKind::CardImage, s.TableCard};
    if (PersonToMove() != 0 && FocusPosition(s.CurrentSeat) > 0)
        return ItemRef{ItemKind::CardImage, focusCard_};
    if (TableWaitsForClick()) return ItemRef{ItemKind::Message, s.CurrentSeat};
    return std::nullopt;
}

std::optional<std::pair<double, double>> KeyboardPlay::ColorPoint(ColorCode color) {
    const std::optional<ColorArea> area = areas_.Find(color);
    if (!area) return std::nullopt;
    return std::make_pair(area->X, area->Y);
}

bool KeyboardPlay::Press(KeyPress press) {
    if (press.Action == KeyAction::SeatOptions) {
        const GameState& s = engine_.State;
        const int seat = press.Seat;
        // A right click needs something of the seat on the table to land on.
        if (seat < 1 || seat > 4 || s.HandCount[seat] < 1) return false;
        engine_.OnPlayerBackMouseUp(seat, ButtonRight, 0);
        area_ = s.OptionsOpen == OptionsClosed ? KeyArea::Table : KeyArea::OptionBox;
        optionRow_ = 0;
        return true;
    }
    const bool handled = Area() == KeyArea::OptionBox ? OptionBoxKey(press) : PlayKey(press);
    if (handled) Sync();
    return handled;
}

bool KeyboardPlay::OptionBoxKey(KeyPress press) {
    switch (press.Action) {
        case KeyAction::Up:
            optionRow_ = std::max(0, optionRow_ - 1);
            return true;
        case KeyAction::Down:
            optionRow_ = std::min(2, optionRow_ + 1);
            return true;
        case KeyAction::First:
            optionRow_ = 0;
            return true;
        case KeyAction::Last:
            optionRow_ = 2;
            return true;
        case KeyAction::Left:
        case KeyAction::Right:
        case KeyAction::Toggle:
            engine_.OnOptBoxClick(optionRow_);
            return true;
        case KeyAction::Activate:
            engine_.OnOptOk();
            area_ = KeyArea::Table;
            return true;
        case KeyAction::Escape:
            engine_.OnOptCancel();
            area_ = KeyArea::Table;
            return true;
        case KeyAction::SwitchArea:
            area_ = KeyArea::Table;
            return true;
        default:
            // The table's own letters still reach it, as the mouse still reaches the table.
            return PlayKey(press);
    }
}

bool KeyboardPlay::PlayKey(KeyPress press) {
    GameState& s = engine_.State;
    const Board& t = engine_.Table;
    const double midX = t.CardWidth / 2;
    const double midY = t.CardHeight / 2;
    switch (press.Action) {
        case KeyAction::Left:
        case KeyAction::Right:
        case KeyAction::Up:
        case KeyAction::Down:
        case KeyAction::First:
        case KeyAction::Last: {
            const int seat = PersonToMove();
            if (seat == 0 || s.ColorWait >= 1) return false;
            const int at = FocusPosition(seat);
            const int count = s.HandCount[seat];
            int to = 1;
            switch (press.Action) {
                case KeyAction::Left:
                case KeyAction::Up:
                    to = at == 0 ? count : at - 1;
                    break;
                case KeyAction::Right:
                case KeyAction::Down:
                    to = at == 0 ? 1 : at + 1;
                    break;
                case KeyAction::Last:
                    to = count;
                    break;
                default:
                    break;
            }
            FocusAt(seat, to);
            LiftFocus();
            return true;
        }
        case KeyAction::Activate:
        case KeyAction::Toggle: {
            if (TableWaitsForClick()) {
                engine_.OnBoardMouseUp(ButtonLeft, 0);
                return true;
            }
            const int seat = PersonToMove();
            if (seat == 0) return false;
            if (FocusPosition(seat) == 0) {
                FocusAt(seat, 1);
                LiftFocus();
                return true;
            }
            engine_.OnCardMouseUp(focusCard_, ButtonLeft, 0, midX, midY);
            return true;
        }
        case KeyAction::Pile:
            if (!t.CardImage[0].Visible) return false;
            engine_.OnCardMouseUp(0, ButtonLeft, 0, midX, midY);
            return true;
        case KeyAction::Hint: {
            const int seat = s.CurrentSeat;
            if (seat < 1 || seat > 4 || s.HandCount[seat] < 1) return false;
            int card = FocusPosition(seat) > 0 ? focusCard_ : s.Hand[seat][1];
            // The click lands on a card that shows: a covered hand offers none.
            if (card <= 0 || !t.CardImage[card].Visible) return false;
            engine_.OnCardMouseUp(card, ButtonLeft, ShiftMask, midX, midY);
            return true;
        }
        case KeyAction::ComputerMove:
            engine_.OnBoardMouseUp(ButtonLeft, ShiftMask);
            return true;
        case KeyAction::Red:
        case KeyAction::Green:
        case KeyAction::Blue:
        case KeyAction::Yellow: {
            // The four keys stand in the order of the colours.
            const ColorCode color = PlayColors[static_cast<std::size_t>(press.Action) -
                                               static_cast<std::size_t>(KeyAction::Red)];
            const auto point = ColorPoint(color);
            if (!point) return false;
            engine_.OnCardMouseUp(s.TableCard, ButtonLeft, 0, point->first, point->second);
            return true;
        }
        case KeyAction::Escape:
            if (s.HoverCard <= 0) return false;
            engine_.OnBoardMouseMove();
            return true;
        case KeyAction::SwitchArea:
            if (s.OptionsOpen == OptionsClosed) return false;
            area_ = KeyArea::OptionBox;
            return true;
        case KeyAction::SeatOptions:
            return false;  // handled before the areas
    }
    return false;
}

}  // namespace tolvanis
