#include "StartSettings.h"

#include "Engine.h"

namespace tolvanis {

bool StartSettings::Valid() const {
    if (NumPlayers < 2 || NumPlayers > 4) return false;
    if (StartMode != StartChoice::RandomSeat && StartMode != StartChoice::FirstSeat) return false;
    if (ComputerStrength != Strength::Standard && ComputerStrength != Strength::Strong)
        return false;
    for (int seat = 1; seat <= 4; ++seat) {
        const Seat& x = Seats[static_cast<std::size_t>(seat)];
        if (!x.Auto && (x.Pause || x.Hidden)) return false;
    }
    return true;
}

StartSettings CurrentStartSettings(const GameState& s) {
    StartSettings out;
    out.NumPlayers = s.NumPlayers;
    out.ComputerStrength = s.ComputerStrength;
    out.StartMode = s.StartMode;
    out.SoundOn = s.SoundOn;
    for (int seat = 1; seat <= 4; ++seat) {
        out.Seats[static_cast<std::size_t>(seat)] = s.Seats[seat];
    }
    return out;
}

void ApplyStartSettings(Engine& engine, const StartSettings& settings) {
    if (!settings.Valid()) return;
    GameState& s = engine.State;
    Board& t = engine.Table;

    s.NumPlayers = settings.NumPlayers;
    t.Menu.TwoPlayerChecked = settings.NumPlayers == 2;
    t.Menu.ThreePlayerChecked = settings.NumPlayers == 3;
    t.Menu.FourPlayerChecked = settings.NumPlayers == 4;
    // Absent seats as the player-count commands leave them; the deal writes the seat lines.
    t.ScoreRowVisible.fill(true);
    for (int seat = 1; seat <= 4; ++seat)
        t.Message[seat].Visible = true;
    if (settings.NumPlayers == 2) {
        t.ScoreRowVisible[1] = t.ScoreRowVisible[3] = false;
        t.Message[2].Visible = t.Message[4].Visible = false;
    } else if (settings.NumPlayers == 3) {
        t.ScoreRowVisible[0] = false;
        t.Message[1].Visible = false;
    }

    s.StartMode = settings.StartMode;
    t.Menu.RandomStartChecked = settings.StartMode == StartChoice::RandomSeat;
    t.Menu.FirstPlayerStartChecked = settings.StartMode == StartChoice::FirstSeat;

    s.SoundOn = settings.SoundOn;
    t.Menu.SoundOnChecked = settings.SoundOn;

    engine.CommandComputerStrength(settings.ComputerStrength);

    for (int seat = 1; seat <= 4; ++seat) {
        s.Seats[seat] = settings.Seats[static_cast<std::size_t>(seat)];
    }
}

}  // namespace tolvanis
