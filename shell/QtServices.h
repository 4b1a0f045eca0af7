// The services of the running game: a clock-seeded generator, the real clock, message boxes,
// and the pause of the computer seats as an idle nested event loop. Sound, the moves log, the
// repaint and the colour under a click belong to other parts of the window; they are reached
// through the hooks below, which the application wires at start-up.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <random>

#include "Services.h"

namespace tolvanis {

class QtServices : public Services {
  public:
    QtServices();

    double Rnd() override;
    void Randomize() override;
    QDateTime Now() override;
    void PlaySound(const QString& name) override;
    void ShowMessage(const QString& text) override;
    bool Ask(const QString& text) override;
    void ClearLog() override;
    void AddLogLine(const QString& line, Rgb color) override;
    void ProcessEvents() override;
    std::int64_t SteadyMicroseconds() override;
    std::int64_t Pause(std::int64_t passes, const std::function<bool()>& stop) override;
    void Repaint() override;
    Rgb ColorAt(int picker, double x, double y) override;

    // Seeds the generator and keeps it from reseeding off the clock, so that a run can be
    // replayed.
    void UseSeed(std::uint64_t seed);

    std::function<void(const QString&)> SoundHook;
    std::function<void()> LogClearHook;
    std::function<void(const QString&, Rgb)> LogAddHook;
    std::function<void()> RepaintHook;
    std::function<Rgb(int, double, double)> ColorAtHook;
    // Owner of the message boxes, so that they centre on the table.
    QPointer<QWidget> DialogParent;
    // Tests replace the modal box so that nothing ever blocks them.
    std::function<void(const QString&)> MessageHook;
    std::function<bool(const QString&)> AskHook;

  private:
    QElapsedTimer steady_;
    std::mt19937_64 rng_;
    bool seeded_ = false;
};

}  // namespace tolvanis
