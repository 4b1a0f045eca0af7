// Where the game's message and question boxes open. Centred on the table as usual, unless that
// would cover the table card (or a colour picker) that the player must click next: then beside
// it, on the screen. And never so narrow that the window's title is cut off.
#pragma once

#include <QMessageBox>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

namespace tolvanis {

// The top-left corner for a box of `size` centred on `parent`, or, when that covers `keepClear`,
// the nearest place below, above, right or left of it that lies on `screen` and covers nothing.
// Centred when no such place exists.
QPoint PlaceMessageBox(QSize size, const QRect& parent, const QRect& keepClear,
                       const QRect& screen);

// The least width of a box titled `title`: the title's text and room for the title bar's icon and
// buttons.
int LeastMessageBoxWidth(const QString& title);

// A modal box, widened to its title and moved off `keepClear()` (screen coordinates) once its size
// is known; the button chosen.
QMessageBox::StandardButton RunMessageBox(QMessageBox::Icon icon, const QString& title,
                                          const QString& text, QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton,
                                          QWidget* parent, const std::function<QRect()>& keepClear);

}  // namespace tolvanis
