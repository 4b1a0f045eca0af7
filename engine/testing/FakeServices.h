// The deterministic stand-in for Services used by tests and the simulator: a seeded generator,
// a fixed clock, and a record of every sound, message and log line it was given.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <utility>
#include <vector>

#include "Services.h"

namespace tolvanis {

struct LogLine {
    QString Text;
    Rgb Color = NoColor;
    bool operator==(const LogLine&) const = default;
};

class FakeServices : public Services {
  public:
    explicit FakeServices(std::uint64_t seed = 1) : rng_(seed) {}

    double Rnd() override;
    void Randomize() override { ++Randomizes; }
    QDateTime Now() override { return FixedNow; }
    void PlaySound(const QString& name) override;
    void ShowMessage(const QString& text) override { Messages.push_back(text); }
    bool Ask(const QString& text) override {
        Questions.push_back(text);
        return Answer;
    }
    void ClearLog() override;
    void AddLogLine(const QString& line, Rgb color) override;
    bool LogWanted() const override { return RecordLog || static_cast<bool>(OnLog); }
    void ProcessEvents() override;
    // Each reading moves the clock on by ClockStep, so time passes as the code looks at it.
    std::int64_t SteadyMicroseconds() override { return Clock += ClockStep; }
    std::int64_t Pause(std::int64_t passes, const std::function<bool()>& stop) override;
    Rgb ColorAt(int picker, double x, double y) override;

    void Reseed(std::uint64_t seed) { rng_.seed(seed); }

    // Makes the next calls of Rnd return these numbers before the generator resumes.
    void QueueRnd(std::vector<double> values);

    // The log as the list shows it: newest line first.
    std::vector<LogLine> Log;
    // Every line in the order it arrived, across clears.
    std::vector<LogLine> LogHistory;
    std::vector<QString> Sounds;
    std::vector<QString> Messages;
    std::vector<QString> Questions;
    // What every question is answered.
    bool Answer = false;
    std::vector<std::int64_t> PausesAsked;
    int EventPasses = 0;
    std::int64_t Clock = 0;      // microseconds
    std::int64_t ClockStep = 0;  // standing still unless a test sets a step
    int Randomizes = 0;
    bool RecordLog = true;
    bool RecordSounds = true;
    QDateTime FixedNow = QDateTime(QDate(2026, 12, 7), QTime(22, 5, 9));

    // Colour answered for a click on a picker: picker -> ((x, y) rounded to millimetres -> colour).
    // Points not listed answer DefaultPickerColor.
    std::map<int, std::map<std::pair<int, int>, Rgb>> PickerColors;
    Rgb DefaultPickerColor = White;

    // Runs inside every Pause, as window events would (a menu command during a pause).
    std::function<void()> DuringPause;
    // Runs inside every ProcessEvents.
    std::function<void()> DuringEvents;
    // Runs on every AddLogLine (the simulator's trace).
    std::function<void(const LogLine&)> OnLog;

  private:
    std::mt19937_64 rng_;
    std::vector<double> queued_;
    std::size_t queuedNext_ = 0;
};

}  // namespace tolvanis
