// The game's main window: the caption, the menu bar the shell fills, and the table widget that
// shows the engine's board. The window holds no game state; it starts at the size of the layout
// the engine computed, may grow (maximised, full screen with F11) while the table scales with
// it, and reads colours off the 1x card pictures for the colour pick.
#pragma once

#include <QMainWindow>

#include "Board.h"

namespace tolvanis {

class Engine;
class PictureSet;
class TableKeys;
class TableWidget;

class TableWindow : public QMainWindow {
    Q_OBJECT

  public:
    TableWindow(Engine& engine, const PictureSet& pictures, QWidget* parent = nullptr);

    // Repaints the table from the board and brings the windowed items (pickers, option box) and
    // the flying back up to date. Call after changing the board from outside the table.
    void Refresh();

    // The colour of the pixel at (xMm, yMm) on the picture of colour picker `picker`, or NoColor
    // outside it.
    Rgb ColorAt(int picker, double xMm, double yMm) const;

    TableWidget* Table() const { return table_; }
    // The keyboard on the table and its focus.
    TableKeys* Keys() const { return keys_; }

    // The client size in pixels at 100 %: the layout's twips, 15 to a pixel.
    static QSize ClientSizeFor(const Board& board);

    // Full screen on and off (F11), keeping whether the window was maximised.
    void ToggleFullScreen();

  signals:
    // The board changed in answer to the mouse (the shell refreshes its menus and windows).
    void BoardChanged();

  private:
    void PlaceAtTopLeft();

    Engine& engine_;
    const PictureSet& pictures_;
    TableWidget* table_ = nullptr;
    TableKeys* keys_ = nullptr;
};

}  // namespace tolvanis
