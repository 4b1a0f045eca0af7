// Everything the rules need from outside themselves: chance, the clock, sound, message boxes,
// the moves log, letting the window breathe, and reading the colour under a click on a colour
// picker. The game supplies Qt-backed services; tests and the simulator supply FakeServices,
// which is seeded and records what it was asked, so every run is repeatable.
#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>

#include "Board.h"

namespace tolvanis {

// Wall time that one event-processing pass of the computer's pause stands for.
inline constexpr int MicrosecondsPerPass = 20;

class Services {
  public:
    virtual ~Services() = default;

    // A uniform number in [0, 1).
    virtual double Rnd() = 0;
    // Reseeds the generator from the clock; a seeded double may ignore it to stay repeatable.
    virtual void Randomize() = 0;
    virtual QDateTime Now() = 0;

    // Plays a sound by name ("vrkmup"); never blocks, silent when the sound cannot be played.
    virtual void PlaySound(const QString& name) = 0;
    // A modal message with an OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // A modal question with Yes and No; true for Yes. Without a person to answer, No.
    virtual bool Ask(const QString& text) {
        (void)text;
        return false;
    }

    // The moves log: newest line first. NoColor leaves the list's own colour.
    virtual void ClearLog() = 0;
    virtual void AddLogLine(const QString& line, Rgb color) = 0;
    // False when nobody reads the log, so callers may skip building its lines.
    virtual bool LogWanted() const { return true; }

    // Lets pending window events run once (the table repaints, the slider moves).
    virtual void ProcessEvents() = 0;
    // A clock that never goes back, in microseconds from any fixed start: the computer's turns
    // at the fast end are played in slices of it.
    virtual std::int64_t SteadyMicroseconds() = 0;
    // Waits for about `passes` event-processing passes without using the processor, ending
    // early as soon as `stop` answers true. Returns the passes counted.
    virtual std::int64_t Pause(std::int64_t passes, const std::function<bool()>& stop) = 0;
    // Asks the window to repaint from the board.
    virtual void Repaint() {}

    // The colour (0x00RRGGBB) of the pixel at (x, y) millimetres on colour picker 0 or 1, or
    // NoColor outside its picture.
    virtual Rgb ColorAt(int picker, double x, double y) = 0;
};

}  // namespace tolvanis
