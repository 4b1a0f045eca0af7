// The settings a run of the game starts with: the number of players, how the starting seat is
// chosen, sound, the computer's strength, and who plays each seat. By default they are the game's
// own start-up values; the shell hands in the ones it remembered from the last run. Kept as plain
// values, so that the engine never learns where they came from.
#pragma once

#include <array>

#include "GameState.h"

namespace tolvanis {

class Engine;

struct StartSettings {
    using Seat = SeatSettings;

    int NumPlayers = 4;
    StartChoice StartMode = StartChoice::RandomSeat;
    bool SoundOn = true;
    Strength ComputerStrength = Strength::Standard;
    // Seats 1..4; entry 0 is the pile and unused. Seat 1 is the person at the mouse.
    std::array<Seat, SeatSlots> Seats{Seat{}, Seat{}, Seat{true, true, true},
                                      Seat{true, true, true}, Seat{true, true, true}};

    bool operator==(const StartSettings&) const = default;

    // Whether every value is one the game can start with; a human seat never pauses or covers its
    // cards, as the seat option box enforces.
    bool Valid() const;
};

// The settings as they stand now in the game, to be remembered for the next run.
StartSettings CurrentStartSettings(const GameState& state);

// Puts `settings` into the state, the menu check marks and the seat lines before the first deal,
// as the menu commands would have left them (the score rows and seat labels of absent seats are
// hidden). Invalid settings are ignored: the start-up values stay.
void ApplyStartSettings(Engine& engine, const StartSettings& settings);

}  // namespace tolvanis
