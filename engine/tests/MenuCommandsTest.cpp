// The menu commands: the number of players with its score rows and seat lines, the start
// player, the player-type presets, sound on and off, the play speed and the sounds they make.
#include "EngineFixture.h"

namespace tolvanis::testing {
namespace {

class MenuCommandsTest : public EngineFixture {
  protected:
    void Score() {
        st.TotPoints = {137, 20, 0, 5};
        st.TotGames = {1, 0, 2, 0};
    }
};

TEST_F(MenuCommandsTest, TwoPlayersClearsScoresHidesSidesAndDeals) {
    Score();
    const auto serial = st.DealSerial;
    eng.CommandNumberOfPlayers(2);
    EXPECT_EQ(st.NumPlayers, 2);
    EXPECT_EQ(st.TotPoints, (std::array<int, 4>{}));
    EXPECT_EQ(st.TotGames, (std::array<int, 4>{}));
    EXPECT_EQ(tb.ScoreRowVisible, (std::array<bool, 4>{true, false, true, false}));
    EXPECT_TRUE(tb.Message[1].Visible && tb.Message[3].Visible);
    EXPECT_FALSE(tb.Message[2].Visible || tb.Message[4].Visible);
    EXPECT_EQ(st.HandCount[2], -1);
    EXPECT_EQ(st.HandCount[4], -1);
    EXPECT_EQ(st.HandCount[1], HandSize);
    EXPECT_EQ(st.HandCount[3], HandSize);
    EXPECT_NE(st.DealSerial, serial);
    EXPECT_TRUE(tb.Menu.TwoPlayerChecked);
    EXPECT_FALSE(tb.Menu.ThreePlayerChecked || tb.Menu.FourPlayerChecked);
    ASSERT_GE(sv.Sounds.size(), 2u);
    EXPECT_EQ(sv.Sounds[0], "vrkmup");
    EXPECT_EQ(sv.Sounds[1], "vrktrade");
    EXPECT_TRUE(CardsAccountedFor(eng));
}

TEST_F(MenuCommandsTest, ThreePlayersHidesSeatOneAfterTheDealThenFourShowsAll) {
    eng.CommandNumberOfPlayers(3);
    EXPECT_FALSE(tb.Message[1].Visible);
    EXPECT_TRUE(tb.Message[2].Visible && tb.Message[3].Visible && tb.Message[4].Visible);
    EXPECT_EQ(tb.ScoreRowVisible, (std::array<bool, 4>{false, true, true, true}));
    EXPECT_EQ(st.HandCount[1], -1);
    EXPECT_TRUE(tb.Menu.ThreePlayerChecked);
    EXPECT_TRUE(CardsAccountedFor(eng));

    Score();
    eng.CommandNumberOfPlayers(4);
    EXPECT_EQ(tb.ScoreRowVisible, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_EQ(st.TotPoints, (std::array<int, 4>{}));
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_TRUE(tb.Message[seat].Visible);
        EXPECT_EQ(st.HandCount[seat], HandSize);
    }
    EXPECT_TRUE(tb.Menu.FourPlayerChecked && !tb.Menu.ThreePlayerChecked);
}

TEST_F(MenuCommandsTest, NewDealKeepsScores) {
    Score();
    eng.CommandNewDeal();
    EXPECT_EQ(st.TotPoints, (std::array<int, 4>{137, 20, 0, 5}));
    EXPECT_EQ(st.TotGames, (std::array<int, 4>{1, 0, 2, 0}));
    ASSERT_FALSE(sv.Sounds.empty());
    EXPECT_EQ(sv.Sounds[0], "vrkmup");
    EXPECT_EQ(sv.Log.back().Text, "RIDIV EVENTS");
    EXPECT_TRUE(CardsAccountedFor(eng));
}

TEST_F(MenuCommandsTest, StartPlayerCommands) {
    eng.CommandNumberOfPlayers(3);
    eng.CommandFirstPlayerStart();
    EXPECT_EQ(st.StartMode, StartChoice::FirstSeat);
    EXPECT_EQ(st.CurrentSeat, 2);  // the lowest seat in play, at once
    EXPECT_TRUE(tb.Menu.FirstPlayerStartChecked && !tb.Menu.RandomStartChecked);
    EXPECT_EQ(tb.Message[2].BackColor, Black);
    EXPECT_EQ(sv.Log.front().Text, "p2: STARTS");
    eng.CommandRandomStart();
    EXPECT_EQ(st.StartMode, StartChoice::RandomSeat);
    EXPECT_TRUE(tb.Menu.RandomStartChecked && !tb.Menu.FirstPlayerStartChecked);
}

TEST_F(MenuCommandsTest, AllHumanLaysEveryHandOpen) {
    eng.CommandAllHuman();
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(st.Seats[seat].Auto + st.Seats[seat].Pause + st.Seats[seat].Hidden, 0);
        EXPECT_EQ(Caption(seat), QStringLiteral("p%1: player# %1").arg(seat));
        EXPECT_FALSE(tb.PlayerBack[seat].Visible);
        for (int card : HandOf(seat))
            EXPECT_TRUE(tb.CardImage[card].Visible);
    }
    EXPECT_FALSE(tb.GameStartClick.Visible);
    EXPECT_EQ(sv.LogHistory, (std::vector<LogLine>{{"all human players", Black}}));
    EXPECT_EQ(sv.Sounds, std::vector<QString>{"vrkmup"});
}

TEST_F(MenuCommandsTest, AllAutoPresetsKeepTheShowFlags) {
    const auto hidden = [&] {
        return std::array<int, 4>{st.Seats[1].Hidden, st.Seats[2].Hidden, st.Seats[3].Hidden,
                                  st.Seats[4].Hidden};
    };
    const auto before = hidden();
    eng.CommandAllAutoPause();
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_TRUE(st.IsAuto(seat) && st.Pauses(seat));
        EXPECT_EQ(Caption(seat), QStringLiteral("p%1: Auto/Pause").arg(seat));
    }
    EXPECT_EQ(hidden(), before);
    EXPECT_TRUE(tb.GameStartClick.Visible);
    EXPECT_EQ(tb.GameStartClick.Caption, "click to start");
    EXPECT_EQ(sv.Log.front().Text, "all auto with pause");

    eng.CommandAllAutoNoPause();
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_TRUE(st.IsAuto(seat) && !st.Pauses(seat));
        EXPECT_EQ(Caption(seat), QStringLiteral("p%1: Auto/NoPause").arg(seat));
    }
    EXPECT_EQ(hidden(), before);
    EXPECT_EQ(sv.Log.front().Text, "all auto without pause");
}

TEST_F(MenuCommandsTest, SoundOffIsSilentAndOnPlaysItsSound) {
    eng.CommandSoundOn();
    EXPECT_FALSE(st.SoundOn);
    EXPECT_FALSE(tb.Menu.SoundOnChecked);
    eng.CommandNewDeal();
    eng.CommandHelp();
    EXPECT_TRUE(sv.Sounds.empty());
    eng.CommandSoundOn();
    EXPECT_TRUE(st.SoundOn);
    EXPECT_TRUE(tb.Menu.SoundOnChecked);
    EXPECT_EQ(sv.Sounds, std::vector<QString>{"vrksndon"});
}

TEST_F(MenuCommandsTest, SpeedSetsThePauseWithoutFactor) {
    EXPECT_EQ(st.DelayUnits, 500);
    eng.SpeedChanged(5000, 5000);
    EXPECT_EQ(st.DelayUnits, 0);
    eng.SpeedChanged(100, 5000);
    EXPECT_EQ(st.DelayUnits, 4900);
}

TEST_F(MenuCommandsTest, ExitSoundsAndEndsAPausedComputerSequence) {
    const auto serial = st.DealSerial;
    eng.CommandExit();
    eng.CommandAbout();
    EXPECT_EQ(sv.Sounds, (std::vector<QString>{"vrkexit", "vrkmup"}));
    EXPECT_NE(st.DealSerial, serial);
}

}  // namespace
}  // namespace tolvanis::testing
