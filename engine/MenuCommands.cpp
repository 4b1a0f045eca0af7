// What the menu commands do to the game: a new deal, the number of players (which clears the
// score table and deals anew), how the starting seat is chosen, the three player-type presets,
// sound on and off, and the play speed. Each plays its sound first. Help, About and Exit only
// sound here; the shell opens and closes the windows.
#include <QLatin1String>

#include "Engine.h"
#include "Texts.h"

namespace tolvanis {

void Engine::CommandNewDeal() {
    PlaySound(SndMup);
    StartNewDeal();
}

void Engine::CommandNumberOfPlayers(int n) {
    if (n < 2 || n > 4) return;
    GameState& s = State;
    Board& t = Table;
    PlaySound(SndMup);

    s.NumPlayers = n;
    t.Menu.TwoPlayerChecked = n == 2;
    t.Menu.ThreePlayerChecked = n == 3;
    t.Menu.FourPlayerChecked = n == 4;

    s.TotPoints.fill(0);
    s.TotGames.fill(0);
    t.ScoreRowVisible.fill(true);
    for (int seat = 1; seat <= 4; ++seat)
        t.Message[seat].Visible = true;

    if (n == 2) {
        t.ScoreRowVisible[1] = t.ScoreRowVisible[3] = false;
        t.Message[2].Visible = t.Message[4].Visible = false;
        StartNewDeal();
    } else if (n == 3) {
        t.ScoreRowVisible[0] = false;
        StartNewDeal();
        t.Message[1].Visible = false;
    } else {
        StartNewDeal();
    }
}

void Engine::CommandRandomStart() {
    State.StartMode = StartChoice::RandomSeat;
    Table.Menu.RandomStartChecked = true;
    Table.Menu.FirstPlayerStartChecked = false;
}

void Engine::CommandComputerStrength(Strength strength) {
    State.ComputerStrength = strength;
    Table.Menu.StandardStrengthChecked = strength == Strength::Standard;
    Table.Menu.StrongStrengthChecked = strength == Strength::Strong;
}

void Engine::CommandFirstPlayerStart() {
    State.StartMode = StartChoice::FirstSeat;
    ChooseStartingSeat();
    Table.Menu.FirstPlayerStartChecked = true;
    Table.Menu.RandomStartChecked = false;
}

void Engine::CommandAllHuman() {
    GameState& s = State;
    PlaySound(SndMup);
    for (int seat = 1; seat <= 4; ++seat) {
        s.Seats[seat].Auto = s.Seats[seat].Pause = s.Seats[seat].Hidden = false;
        Table.Message[seat].Caption = SeatCaption(seat, PlayerName[seat]);
        // With the show flag off this lays the cards open and takes the back away.
        if (s.HandCount[seat] >= 1) ShowHand(seat);
    }
    Table.GameStartClick.Visible = false;
    LogMove(QStringLiteral("all human players"), -1);
}

void Engine::CommandAllAutoPause() {
    SetAllAuto(true);
}

void Engine::CommandAllAutoNoPause() {
    SetAllAuto(false);
}

void Engine::SetAllAuto(bool pause) {
    GameState& s = State;
    PlaySound(SndMup);
    DropLift();
    // The show/hide flags stay as each seat had them.
    for (int seat = 1; seat <= 4; ++seat) {
        s.Seats[seat].Auto = true;
        s.Seats[seat].Pause = pause;
        Table.Message[seat].Caption = RestingCaption(seat);
    }
    Table.GameStartClick.Caption = QStringLiteral("click to start");
    Table.GameStartClick.Visible = true;
    LogMove(
        pause ? QStringLiteral("all auto with pause") : QStringLiteral("all auto without pause"),
        -1);
}

void Engine::CommandSoundOn() {
    if (State.SoundOn) {
        State.SoundOn = false;
        Table.Menu.SoundOnChecked = false;
    } else {
        State.SoundOn = true;
        Table.Menu.SoundOnChecked = true;
        PlaySound(SndSndOn);
    }
}

void Engine::CommandHelp() {
    PlaySound(SndMup);
}

void Engine::CommandAbout() {
    PlaySound(SndMup);
}

void Engine::CommandExit() {
    PlaySound(SndExit);
    // A computer sequence paused inside an event must not play on after the windows have gone:
    // like a replaced deal, this tells it to stop after its pause.
    ++State.DealSerial;
}

void Engine::SpeedChanged(int value, int max) {
    State.DelayUnits = max - value;
}

}  // namespace tolvanis
