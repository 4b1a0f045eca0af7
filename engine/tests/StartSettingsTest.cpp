// A run that starts from remembered settings: the state, the menu marks and the seat lines are
// as the menu commands would have left them, and settings the game cannot use are ignored.
#include "EngineFixture.h"

namespace tolvanis::testing {
namespace {

Engine& LoadWith(Engine& e, const StartSettings& settings) {
    e.Startup = settings;
    e.Load(TestCardWidth, TestCardHeight);
    return e;
}

TEST(StartSettingsTest, DefaultsAreTheGamesOwnStartUpValues) {
    FakeServices sv;
    Engine e(sv);
    e.Load(TestCardWidth, TestCardHeight);
    EXPECT_EQ(CurrentStartSettings(e.State), StartSettings{});
    EXPECT_TRUE(StartSettings{}.Valid());
}

TEST(StartSettingsTest, TwoPlayersFirstSeatSilentStartAsRemembered) {
    StartSettings r;
    r.NumPlayers = 2;
    r.StartMode = StartChoice::FirstSeat;
    r.SoundOn = false;
    r.ComputerStrength = Strength::Strong;
    r.Seats[1] = {true, false, true};
    r.Seats[3] = {false, false, false};
    FakeServices sv;
    Engine e(sv);
    LoadWith(e, r);
    EXPECT_EQ(CurrentStartSettings(e.State), r);
    EXPECT_EQ(e.State.HandCount[2], -1);
    EXPECT_EQ(e.State.HandCount[4], -1);
    EXPECT_EQ(e.State.HandCount[3], HandSize);
    EXPECT_EQ(e.State.CurrentSeat, 1);
    EXPECT_TRUE(e.Table.Menu.TwoPlayerChecked && !e.Table.Menu.FourPlayerChecked);
    EXPECT_TRUE(e.Table.Menu.FirstPlayerStartChecked && !e.Table.Menu.RandomStartChecked);
    EXPECT_FALSE(e.Table.Menu.SoundOnChecked);
    EXPECT_TRUE(e.Table.Menu.StrongStrengthChecked && !e.Table.Menu.StandardStrengthChecked);
    EXPECT_TRUE(sv.Sounds.empty());
    EXPECT_EQ(e.Table.ScoreRowVisible, (std::array<bool, 4>{true, false, true, false}));
    EXPECT_FALSE(e.Table.Message[2].Visible || e.Table.Message[4].Visible);
    // The computer on seat 1 covers its cards; the person on seat 3 sees theirs.
    EXPECT_TRUE(e.Table.PlayerBack[1].Visible);
    EXPECT_FALSE(e.Table.PlayerBack[3].Visible);
    EXPECT_EQ(e.Table.Message[1].Caption, QStringLiteral("p1: Auto/NoPause"));
    EXPECT_TRUE(CardsAccountedFor(e));
}

TEST(StartSettingsTest, ThreePlayersHideSeatOne) {
    StartSettings r;
    r.NumPlayers = 3;
    FakeServices sv;
    Engine e(sv);
    LoadWith(e, r);
    EXPECT_EQ(e.State.HandCount[1], -1);
    EXPECT_FALSE(e.Table.Message[1].Visible);
    EXPECT_EQ(e.Table.ScoreRowVisible, (std::array<bool, 4>{false, true, true, true}));
    EXPECT_TRUE(e.Table.Menu.ThreePlayerChecked);
}

TEST(StartSettingsTest, SettingsTheGameCannotUseLeaveTheDefaults) {
    StartSettings players;
    players.NumPlayers = 5;
    StartSettings start;
    start.StartMode = static_cast<StartChoice>(0);  // names no choice
    StartSettings pausingPerson;
    pausingPerson.Seats[1].Pause = true;
    for (const StartSettings& bad : {players, start, pausingPerson}) {
        EXPECT_FALSE(bad.Valid());
        FakeServices sv;
        Engine e(sv);
        LoadWith(e, bad);
        EXPECT_EQ(CurrentStartSettings(e.State), StartSettings{});
    }
}

TEST_F(EngineFixture, CurrentStartSettingsFollowTheCommandsAndTheOptionBox) {
    eng.CommandNumberOfPlayers(3);
    eng.CommandFirstPlayerStart();
    eng.CommandSoundOn();
    eng.OpenSeatOptions(2);
    eng.OnOptBoxClick(0);  // seat 2 becomes a person
    eng.OnOptOk();
    const StartSettings now = CurrentStartSettings(st);
    EXPECT_EQ(now.NumPlayers, 3);
    EXPECT_EQ(now.StartMode, StartChoice::FirstSeat);
    EXPECT_FALSE(now.SoundOn);
    EXPECT_EQ(now.Seats[2], (StartSettings::Seat{false, false, false}));
    EXPECT_TRUE(now.Valid());
}

}  // namespace
}  // namespace tolvanis::testing
