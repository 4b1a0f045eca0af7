// The game's statistics over many runs: how many deals were played, and for each seat, for the
// people and for the computer seats together, the deals and 500-point games won, the best deal
// (most points won in one deal) and the average points of a won deal. Fed by the events of the
// rules, so it counts exactly what the table showed; written and read as JSON by the shell.
#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <optional>

#include "MoveEvent.h"

namespace tolvanis {

struct GameState;
class Services;

struct Tally {
    int DealsWon = 0;
    int GamesWon = 0;
    int BestDeal = 0;
    std::int64_t PointsWon = 0;

    // Points per won deal, 0 before the first.
    double AverageDeal() const;
    void AddDeal(int points);
    bool operator==(const Tally&) const = default;
};

struct Statistics {
    int DealsPlayed = 0;
    std::array<Tally, 5> Seats{};  // 1..4; entry 0 unused
    Tally People;
    Tally Computers;

    bool operator==(const Statistics&) const = default;

    // Counts a finished deal or game from the rules' events; `state` tells who played the seat.
    void Record(const MoveEvent& e, const GameState& state);

    QByteArray ToJson() const;
    // Nothing when the text is not statistics of this game (damaged, foreign, impossible counts).
    static std::optional<Statistics> FromJson(const QByteArray& json);
};

// The Reset button of the Statistics window: asks first, and empties the statistics only on Yes.
// True when they were reset.
bool ResetAfterAsking(Statistics& statistics, Services& services);

}  // namespace tolvanis
