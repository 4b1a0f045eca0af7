// The table presenter: turns the events of a move into what a player sees and hears: seat label
// captions and colours, the "LAST CARD" labels, the pictures on the table card, sounds and the
// lines of the moves log. It decides nothing: the rules have decided before it is called.
//
// The differences between a person's move and the computer's that the game shows (the "Auto: "
// log lines, the "FINISHED" label of a computer that empties its hand, the sound after a pile
// click but not after a label click) are decided here from the event's mover.
#pragma once

#include <QString>

#include "MoveEvent.h"

namespace tolvanis {

class Engine;

class TablePresenter {
  public:
    explicit TablePresenter(Engine& engine) : engine_(engine) {}

    void Show(const MoveEvent& e);

    // The log word of a card value: the number, or the action's name.
    QString MoveText(ValueCode value) const;

  private:
    void ShowMoveEnded(int seat, int cardsLeft);
    void ShowTurnPassed(int seat);
    void ShowDealWon(int winner);
    void ShowCardsTaken(const MoveEvent& e);

    Engine& engine_;
};

}  // namespace tolvanis
