// The table's fonts: the faces and pixel sizes its captions and option box are drawn in, and
// the readying of the font system on a thread of its own while the card pictures load. Reading
// the system's font list is most of what the first caption on the table costs; done beside the
// picture loading, the window shows sooner.
#pragma once

#include <QFont>

#include <thread>

namespace tolvanis {

// The table's font for `points` at 96 dots to the inch and at 100 %, grown by `scale`; the
// window font (the system's) or the table's own face.
QFont TableFont(double points, bool bold, double scale, bool windowFont = false);

// Reads the font list on another thread from construction on; the destructor waits for it.
// Made before the pictures load and dropped once the table window is built; without a GUI
// application it does nothing.
class FontWarmUp {
  public:
    FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

  private:
    std::jthread thread_;
};

}  // namespace tolvanis
