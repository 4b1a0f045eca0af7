// The program icon, drawn once as a few shapes: a table of green felt with a fan of four cards,
// one per suit colour. The same shapes are painted for the window and About box and written
// out as the scalable icon and the fixed-size pictures the desktop uses.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tolvanis {

// The icon painted at `size` x `size` pixels on a transparent ground.
QImage DrawProgramIcon(int size);

// The same icon as an SVG document (a 256-unit square).
QByteArray ProgramIconSvg();

}  // namespace tolvanis
