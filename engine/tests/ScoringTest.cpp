// The end of a deal: the points of the losing hands, the running totals, the end of a game and
// the hands laid open.
#include "EngineFixture.h"

namespace tolvanis::testing {
namespace {

class ScoringTest : public EngineFixture {};

TEST_F(ScoringTest, PointsOfALosingHand) {
    NewPosition(2, Red(5));
    // 7 + 0 + 50 + 0 (the colour change counts nothing) + 20.
    Give(1, {Red(7), Green(0), Plus4(), ColorChange(), Blue(ValueCode::Skip)});
    eng.ScoreDeal();
    EXPECT_TRUE(st.DealOver);
    EXPECT_EQ(LogLines(), (std::vector<QString>{QStringLiteral("p3: FINSHED FIRST AND WON"),
                                                QStringLiteral("p3: receives total points = 77")}));
    EXPECT_EQ(st.TotPoints, (std::array<int, 4>{0, 0, 77, 0}));
    EXPECT_FALSE(st.GameOver);
}

TEST_F(ScoringTest, LosingHandsAddUpForTheOneWinner) {
    NewPosition(4, Red(5));
    Give(1, {Red(ValueCode::Plus2), Yellow(ValueCode::Reverse)});  // 45
    Give(2, {Blue(9), Blue(1)});                                   // 10
    Give(4, {Green(ValueCode::Plus2, 1), ColorChange()});          // 25
    st.TotPoints = {0, 0, 100, 0};
    st.AutoBusy = true;
    eng.ScoreDeal();
    EXPECT_EQ(LogLines().back(), QStringLiteral("p3: receives total points = 80"));
    EXPECT_EQ(st.TotPoints[2], 180);
    EXPECT_FALSE(st.AutoBusy);
}

TEST_F(ScoringTest, StillPlayingOnlyClearsDealOver) {
    NewPosition(2, Red(5));
    Give(1, {Red(7)});
    Give(3, {Red(8)});
    st.DealOver = true;
    eng.ScoreDeal();
    EXPECT_FALSE(st.DealOver);
    EXPECT_TRUE(sv.LogHistory.empty());
}

TEST_F(ScoringTest, ReachingTheTargetEndsTheGame) {
    NewPosition(2, Red(5));
    Give(1, {Red(ValueCode::Skip), Red(ValueCode::Reverse, 0), Red(7), Red(3)});  // 50
    st.TotPoints = {0, 0, 480, 0};
    st.TotGames = {0, 0, 2, 0};
    Give(3, {});
    eng.ScoreDeal();
    EXPECT_EQ(LogLines(),
              (std::vector<QString>{QStringLiteral("p3: FINSHED FIRST AND WON"),
                                    QStringLiteral("p3: receives total points = 50"),
                                    QStringLiteral("p3: scored 530 game pionts, end of game")}));
    EXPECT_EQ(st.TotGames, (std::array<int, 4>{0, 0, 3, 0}));
    EXPECT_TRUE(st.GameOver);
}

TEST_F(ScoringTest, ATieGoesToTheLowerSeat) {
    NewPosition(4, Red(5));
    Give(1, {Red(9)});
    Give(3, {Blue(9), Blue(8)});
    Give(4, {Green(6), Yellow(0)});
    st.TotPoints = {532, 500, 0, 0};
    // Seat 2 wins 32 and draws level with seat 1: the game is seat 1's.
    eng.ScoreDeal();
    EXPECT_EQ(st.TotPoints[1], 532);
    EXPECT_EQ(LogLines().back(), QStringLiteral("p1: scored 532 game pionts, end of game"));
    EXPECT_EQ(st.TotGames, (std::array<int, 4>{1, 0, 0, 0}));
}

TEST_F(ScoringTest, HiddenHandsAreLaidOpenAndKeepTheirSetting) {
    NewPosition(4, Red(5));
    SetSeat(2, true, true, true);
    SetSeat(4, true, true, true);
    Give(1, {Red(1), Red(2)});
    Give(2, {Blue(1), Blue(2)});
    Give(3, {Green(1)});
    eng.ShowHand(2);
    tb.PlayerBack[4].Visible = true;  // seat 4 covered its last card
    for (LabelItem& label : tb.LastCardLabel)
        label.Visible = true;
    ASSERT_FALSE(tb.CardImage[Blue(1)].Visible);
    ASSERT_TRUE(tb.PlayerBack[2].Visible);

    eng.ScoreDeal();
    EXPECT_TRUE(tb.CardImage[Blue(1)].Visible && tb.CardImage[Blue(2)].Visible);
    EXPECT_FALSE(tb.PlayerBack[2].Visible);
    EXPECT_FALSE(tb.PlayerBack[4].Visible) << "the winner's back goes";
    EXPECT_TRUE(st.Seats[2].Hidden);
    for (const LabelItem& label : tb.LastCardLabel)
        EXPECT_FALSE(label.Visible);
}

}  // namespace
}  // namespace tolvanis::testing
