#include "FakeServices.h"

#include <cmath>

namespace tolvanis {

double FakeServices::Rnd() {
    if (queuedNext_ < queued_.size()) return queued_[queuedNext_++];
    // 53 random bits give every double in [0, 1) the same spacing, as a uniform Rnd should.
    return static_cast<double>(rng_() >> 11) * 0x1.0p-53;
}

void FakeServices::QueueRnd(std::vector<double> values) {
    queued_ = std::move(values);
    queuedNext_ = 0;
}

void FakeServices::PlaySound(const QString& name) {
    if (RecordSounds) Sounds.push_back(name);
}

void FakeServices::ClearLog() {
    Log.clear();
}

void FakeServices::AddLogLine(const QString& line, Rgb color) {
    LogLine entry{line, color};
    if (OnLog) OnLog(entry);
    if (!RecordLog) return;
    LogHistory.push_back(entry);
    Log.insert(Log.begin(), std::move(entry));
}

void FakeServices::ProcessEvents() {
    ++EventPasses;
    if (DuringEvents) DuringEvents();
}

std::int64_t FakeServices::Pause(std::int64_t passes, const std::function<bool()>& stop) {
    PausesAsked.push_back(passes);
    if (DuringPause) DuringPause();
    if (stop && stop()) return 0;
    return passes;
}

Rgb FakeServices::ColorAt(int picker, double x, double y) {
    const auto table = PickerColors.find(picker);
    if (table != PickerColors.end()) {
        const auto hit = table->second.find(
            {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))});
        if (hit != table->second.end()) return hit->second;
    }
    return DefaultPickerColor;
}

}  // namespace tolvanis
