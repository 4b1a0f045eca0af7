// The texts that nearly every move writes again (the pile count, a seat's caption), built once
// and kept by the engine that shows them, so that a long run does not build the same strings
// over and over. Each engine keeps its own, so engines on different threads share nothing.
#pragma once

#include <QLatin1String>
#include <QString>

#include <array>
#include <cstddef>
#include <vector>

#include "GameState.h"

namespace tolvanis {

class CachedTexts {
  public:
    // A number as captions and log lines show it: a leading blank unless negative (" 7", "-3").
    static QString BuildNumber(int n);
    // "p" + seat + ": " + text.
    static QString BuildSeatCaption(int seat, const QString& text);

    QString Number(int n);
    QString SeatCaption(int seat, const QString& text);
    QString SeatCaption(int seat, QLatin1String text);

  private:
    // Counts and points above this are rare enough to build each time.
    static constexpr int CachedNumbers = 256;
    // A seat shows a handful of captions; names typed by people may be many, so stop keeping.
    static constexpr std::size_t CaptionsPerSeat = 64;

    struct CaptionEntry {
        const char* Latin1 = nullptr;  // the constant the caption was made from, when it was one
        QString Text;
        QString Caption;
    };

    std::array<QString, CachedNumbers> numbers_;
    std::array<std::vector<CaptionEntry>, SeatSlots> captions_;
};

}  // namespace tolvanis
