// The seat option box: where it opens, what its toggles change, what OK writes and Cancel keeps,
// and the right-click on a seat's back that opens and closes it.
#include "EngineFixture.h"

namespace tolvanis::testing {
namespace {

class SeatOptionsTest : public EngineFixture {
  protected:
    const OptionFrameItem& Box() const { return tb.Optionframe; }
    QString OptBox(int i) const { return Box().OptBoxCaption[static_cast<std::size_t>(i)]; }
    std::array<int, 3> Modes(int seat) const {
        return {st.Seats[seat].Auto, st.Seats[seat].Pause, st.Seats[seat].Hidden};
    }
};

TEST_F(SeatOptionsTest, OpensBesideEachSeatWithItsSettings) {
    for (int seat = 1; seat <= 4; ++seat) {
        eng.OpenSeatOptions(seat);
        EXPECT_EQ(st.OptionsOpen, seat);
        EXPECT_TRUE(Box().Visible);
        EXPECT_EQ(Box().Caption, eng.PlayerName[seat]);
        EXPECT_FALSE(tb.Menu.AbortEnabled);
        EXPECT_FALSE(tb.Menu.OptsEnabled);
        EXPECT_EQ(Box().OptBoxTag, Box().OptBoxCaption);
        double left = st.HandLeft[seat], top = st.HandTop[seat];
        if (seat == 1) top += tb.CardHeight;
        if (seat == 2) left -= Box().Width;
        if (seat == 3) top -= Box().Height;
        if (seat == 4) left += tb.CardWidth;
        EXPECT_DOUBLE_EQ(Box().Left, left) << "seat " << seat;
        EXPECT_DOUBLE_EQ(Box().Top, top) << "seat " << seat;
        eng.OnOptCancel();
    }
    eng.OpenSeatOptions(1);
    EXPECT_EQ(OptBox(0), "Human");
    EXPECT_EQ(OptBox(1), "NoPause");
    EXPECT_EQ(OptBox(2), "ShowCards");
    eng.OnOptCancel();
    eng.OpenSeatOptions(3);
    EXPECT_EQ(OptBox(0), "Auto");
    EXPECT_EQ(OptBox(1), "Pause");
    EXPECT_EQ(OptBox(2), "HideCards");
}

TEST_F(SeatOptionsTest, HumanSeatIgnoresPauseAndShowToggles) {
    eng.OpenSeatOptions(1);
    eng.OnOptBoxClick(1);
    eng.OnOptBoxClick(2);
    EXPECT_EQ(OptBox(1), "NoPause");
    EXPECT_EQ(OptBox(2), "ShowCards");
    EXPECT_EQ(Modes(1), (std::array<int, 3>{0, 0, 0}));
}

TEST_F(SeatOptionsTest, TogglesChangeTheSettingAtOnce) {
    eng.OpenSeatOptions(2);  // Auto, Pause, HideCards at start
    eng.OnOptBoxClick(1);
    EXPECT_EQ(OptBox(1), "NoPause");
    EXPECT_FALSE(st.Seats[2].Pause);
    eng.OnOptBoxClick(1);
    EXPECT_EQ(OptBox(1), "Pause");
    EXPECT_TRUE(st.Seats[2].Pause);
    eng.OnOptBoxClick(2);
    EXPECT_EQ(OptBox(2), "ShowCards");
    EXPECT_FALSE(st.Seats[2].Hidden);
}

TEST_F(SeatOptionsTest, ComputerTurnedHumanLosesPauseAndHiding) {
    eng.OpenSeatOptions(2);
    eng.OnOptBoxClick(0);
    EXPECT_EQ(OptBox(0), "Human");
    EXPECT_EQ(OptBox(1), "NoPause");
    EXPECT_EQ(OptBox(2), "ShowCards");
    EXPECT_EQ(Modes(2), (std::array<int, 3>{0, 0, 0}));
    // Back to the computer: it stays without pause and face up until toggled.
    eng.OnOptBoxClick(0);
    EXPECT_EQ(OptBox(0), "Auto");
    EXPECT_EQ(Modes(2), (std::array<int, 3>{1, 0, 0}));
}

TEST_F(SeatOptionsTest, CancelKeepsSettingsButWritesNothing) {
    const QString line = Caption(2);
    eng.OpenSeatOptions(2);
    eng.OnOptBoxClick(1);
    eng.OnOptCancel();
    EXPECT_FALSE(st.Seats[2].Pause);
    EXPECT_EQ(Caption(2), line);
    EXPECT_TRUE(sv.LogHistory.empty());
    EXPECT_TRUE(sv.Sounds.empty());
    EXPECT_EQ(st.OptionsOpen, OptionsClosed);
    EXPECT_FALSE(Box().Visible);
    EXPECT_TRUE(tb.Menu.AbortEnabled);
    EXPECT_TRUE(tb.Menu.OptsEnabled);
    // The hand stays covered: only OK lays it open.
    EXPECT_TRUE(tb.PlayerBack[2].Visible);
}

TEST_F(SeatOptionsTest, OkLogsChangesRewritesSeatLinesAndUncovers) {
    ASSERT_TRUE(tb.PlayerBack[2].Visible);
    eng.OpenSeatOptions(2);
    eng.OnOptBoxClick(1);
    eng.OnOptBoxClick(2);
    eng.OnOptOk();
    ASSERT_EQ(sv.LogHistory.size(), 2u);
    EXPECT_EQ(sv.LogHistory[0], (LogLine{"p2: set NoPause", Black}));
    EXPECT_EQ(sv.LogHistory[1], (LogLine{"p2: set ShowCards", Black}));
    EXPECT_EQ(sv.Sounds, std::vector<QString>{"vrkmup"});
    EXPECT_EQ(Box().OptBoxTag, Box().OptBoxCaption);
    EXPECT_EQ(Caption(2), "p2: Auto/NoPause");
    // Every line is rewritten at rest, the seat to move included.
    EXPECT_EQ(Caption(1), "p1: player# 1");
    EXPECT_EQ(Caption(3), "p3: Auto/Pause");
    for (int card : HandOf(2))
        EXPECT_TRUE(tb.CardImage[card].Visible);
    EXPECT_FALSE(tb.PlayerBack[2].Visible);
    EXPECT_EQ(st.OptionsOpen, OptionsClosed);
    EXPECT_FALSE(Box().Visible);
    EXPECT_TRUE(tb.Menu.AbortEnabled && tb.Menu.OptsEnabled);
    EXPECT_TRUE(CardsAccountedFor(eng));
}

TEST_F(SeatOptionsTest, OkLogsNothingWhenTogglesEndWhereTheyStarted) {
    eng.OpenSeatOptions(3);
    eng.OnOptBoxClick(2);
    eng.OnOptBoxClick(2);
    eng.OnOptOk();
    EXPECT_TRUE(sv.LogHistory.empty());
    EXPECT_TRUE(tb.PlayerBack[3].Visible);
}

TEST_F(SeatOptionsTest, HumanMadeHiddenComputerGetsCovered) {
    eng.OpenSeatOptions(1);
    eng.OnOptBoxClick(0);
    eng.OnOptBoxClick(2);
    eng.OnOptOk();
    EXPECT_EQ(LogLines(), (std::vector<QString>{"p1: set Auto", "p1: set HideCards"}));
    EXPECT_EQ(Caption(1), "p1: Auto/NoPause");
    for (int card : HandOf(1))
        EXPECT_FALSE(tb.CardImage[card].Visible);
    EXPECT_TRUE(tb.PlayerBack[1].Visible);
}

TEST_F(SeatOptionsTest, RightClickOnBackOpensAndSecondCloses) {
    eng.OnPlayerBackMouseUp(3, ButtonLeft, 0);
    EXPECT_EQ(st.OptionsOpen, OptionsClosed);
    eng.OnPlayerBackMouseUp(3, ButtonRight, 0);
    EXPECT_EQ(st.OptionsOpen, 3);
    eng.OnOptBoxClick(1);
    // A second right-click, on any seat, closes as Cancel does.
    eng.OnPlayerBackMouseUp(4, ButtonRight, 0);
    EXPECT_EQ(st.OptionsOpen, OptionsClosed);
    EXPECT_FALSE(Box().Visible);
    EXPECT_TRUE(tb.Menu.AbortEnabled && tb.Menu.OptsEnabled);
    EXPECT_FALSE(st.Seats[3].Pause);
    EXPECT_TRUE(sv.LogHistory.empty());
}

TEST_F(SeatOptionsTest, RightClickOnCardOpensWithSoundAndBoardClickCloses) {
    const int card = HandOf(4).front();
    Click(card, ButtonRight);
    EXPECT_EQ(st.OptionsOpen, 4);
    EXPECT_EQ(SoundCount("vrkmup"), 1);
    eng.OnBoardMouseUp(ButtonLeft, 0);
    EXPECT_EQ(st.OptionsOpen, OptionsClosed);
    EXPECT_TRUE(tb.Menu.AbortEnabled && tb.Menu.OptsEnabled);
}

TEST_F(SeatOptionsTest, ClicksWithTheBoxClosedChangeNothing) {
    const auto before = st.Seats;
    eng.OnOptBoxClick(0);
    eng.OnOptBoxClick(1);
    eng.OnOptOk();
    EXPECT_EQ(st.Seats, before);
    EXPECT_TRUE(sv.LogHistory.empty());
}

}  // namespace
}  // namespace tolvanis::testing
