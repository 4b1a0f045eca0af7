// The keyboard on the table: forwards the table widget's keys to KeyboardPlay, which calls the
// engine's handlers, and draws the focus ring where the keyboard focus is (a card, the place the
// awaited click acts on, or a setting of the open option box). It owns no game state: the
// focus is KeyboardPlay's, the rest the board's.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <optional>

#include "Board.h"
#include "KeyboardPlay.h"

namespace tolvanis {

class Engine;
class TableWidget;

class TableKeys : public QObject {
    Q_OBJECT

  public:
    TableKeys(Engine& engine, TableWidget* table);

    Engine& Eng() { return engine_; }
    KeyboardPlay& Keys() { return keys_; }
    const KeyboardPlay& Keys() const { return keys_; }

    // After the board changed from anywhere: the focus follows the turn, the ring is redrawn.
    void Sync();

    // Where the ring is drawn, in table pixels; empty when nothing has the focus.
    QRect RingRect() const;

  signals:
    // The keyboard focus moved to another item (or into or out of the option box).
    void FocusMoved();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class Ring;

    Engine& engine_;
    TableWidget* table_;
    KeyboardPlay keys_;
    Ring* ring_ = nullptr;
    std::optional<ItemRef> lastItem_;
    KeyArea lastArea_ = KeyArea::Table;
    int lastRow_ = 0;
};

}  // namespace tolvanis
