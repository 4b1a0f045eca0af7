// Hands on the board: layout in hand order, covering, the flight of the back when cards are
// taken, and the lift of the card under the mouse.
#include "EngineFixture.h"

namespace tolvanis::testing {
namespace {

class HandDisplayTest : public EngineFixture {
  protected:
    void SetUp() override {
        NewPosition(2, Red(5));
        Give(1, {Yellow(1), Yellow(2)});
        Give(3, {Red(2), Red(9), Green(4)});
        SetTurn(3);
    }
    double TopOf(int card) const { return tb.CardImage[card].Top; }
};

TEST_F(HandDisplayTest, LaysAHandOutInOrderAndStacksLaterCardsAbove) {
    EXPECT_EQ(HandOf(3), (std::vector<int>{Red(2), Red(9), Green(4)}));
    const ImageItem& a = tb.CardImage[Red(2)];
    const ImageItem& b = tb.CardImage[Red(9)];
    EXPECT_DOUBLE_EQ(a.Left, st.HandLeft[3]);
    EXPECT_NEAR(b.Left - a.Left, st.HandStepX[3] / double(LayoutScale), 1e-9);
    EXPECT_DOUBLE_EQ(a.Top, st.HandTop[3]);
    EXPECT_LT(a.Z, b.Z);
    EXPECT_LT(b.Z, tb.CardImage[Green(4)].Z);
}

TEST_F(HandDisplayTest, ASingleFaceUpCardIsOnlyShown) {
    Give(1, {});
    st.HandCount[1] = 1;  // seat 1 is down to its yellow 1
    tb.CardImage[Yellow(1)].Left = 42;
    tb.CardImage[Yellow(1)].Visible = false;
    eng.ArrangeHand(1);
    EXPECT_TRUE(tb.CardImage[Yellow(1)].Visible);
    EXPECT_EQ(tb.CardImage[Yellow(1)].Left, 42);
}

TEST_F(HandDisplayTest, CoveringAndUncovering) {
    SetSeat(3, false, false, true);
    eng.ShowHand(3);
    EXPECT_TRUE(tb.PlayerBack[3].Visible);
    for (int card : HandOf(3))
        EXPECT_FALSE(tb.CardImage[card].Visible);
    // A covered hand stays covered when it changes.
    eng.ArrangeHand(3);
    for (int card : HandOf(3))
        EXPECT_FALSE(tb.CardImage[card].Visible);
    SetSeat(3, false);
    eng.ShowHand(3);
    EXPECT_FALSE(tb.PlayerBack[3].Visible);
    for (int card : HandOf(3))
        EXPECT_TRUE(tb.CardImage[card].Visible);
}

TEST_F(HandDisplayTest, TakingCardsFliesTheBackFromThePile) {
    const auto serial = tb.Flight.Serial;
    eng.TakeCards(1, 2);
    EXPECT_EQ(tb.Flight.Serial, serial + 1);
    EXPECT_EQ(tb.Flight.Seat, 1);
    EXPECT_EQ(tb.Flight.X0, tb.CardImage[0].Left);
    EXPECT_EQ(tb.Flight.Y0, tb.CardImage[0].Top);
    EXPECT_EQ(tb.Flight.Picture, tb.CardImage[0].Picture);
    EXPECT_FALSE(tb.CardImage[st.BackImageIndex].Visible);
}

TEST_F(HandDisplayTest, HoverLiftsOneCardTowardsTheTable) {
    const double top2 = TopOf(Red(2)), top9 = TopOf(Red(9));
    eng.OnCardMouseMove(Red(2), 0, 0, 3.2, 6.6);
    EXPECT_EQ(TopOf(Red(2)), top2 - LiftStepSide);
    EXPECT_EQ(st.HoverCard, Red(2));
    EXPECT_EQ(st.HoverX, 3);
    EXPECT_EQ(st.HoverY, 7);
    // Moving over the same card lifts nothing more; the next card takes over the lift.
    eng.OnCardMouseMove(Red(2), 0, 0, 4, 7);
    EXPECT_EQ(TopOf(Red(2)), top2 - LiftStepSide);
    eng.OnCardMouseMove(Red(9), 0, 0, 1, 1);
    EXPECT_EQ(TopOf(Red(2)), top2);
    EXPECT_EQ(TopOf(Red(9)), top9 - LiftStepSide);
    EXPECT_EQ(SoundCount(SndPau), 2);
    // Onto the table: the card goes down.
    eng.OnBoardMouseMove();
    EXPECT_EQ(TopOf(Red(9)), top9);
    EXPECT_EQ(st.HoverCard, -1);
}

TEST_F(HandDisplayTest, LiftDirectionPerSeat) {
    NewPosition(4, Red(5));
    for (int seat = 1; seat <= 4; ++seat)
        Give(seat, {CardOf(PlayColors[seat - 1], 7), CardOf(PlayColors[seat - 1], 8)});
    const int dx[] = {0, 0, -LiftStep, 0, LiftStep};
    const int dy[] = {0, LiftStepSide, 0, -LiftStepSide, 0};
    for (int seat = 1; seat <= 4; ++seat) {
        SetTurn(seat);
        eng.OnBoardMouseMove();
        const int card = CardOf(PlayColors[seat - 1], 7);
        const double left = tb.CardImage[card].Left, top = tb.CardImage[card].Top;
        eng.OnCardMouseMove(card, 0, 0, seat, seat);
        EXPECT_EQ(tb.CardImage[card].Left - left, dx[seat]) << seat;
        EXPECT_EQ(tb.CardImage[card].Top - top, dy[seat]) << seat;
    }
}

TEST_F(HandDisplayTest, NoLiftWhereNoMoveCanBeMade) {
    const GameState before = st;
    eng.OnCardMouseMove(Yellow(1), 0, 0, 2, 2);  // not the seat to move
    eng.OnCardMouseMove(st.TableCard, 0, 0, 2, 2);
    st.PendingDraw[3] = 2;
    eng.OnCardMouseMove(Red(2), 0, 0, 2, 2);
    st.PendingDraw[3] = 0;
    st.ColorWait = 5;
    eng.OnCardMouseMove(Red(2), 0, 0, 2, 2);
    st.ColorWait = 0;
    SetSeat(3, true);
    eng.OnCardMouseMove(Red(2), 0, 0, 2, 2);
    EXPECT_EQ(st.HoverCard, before.HoverCard);
    EXPECT_EQ(TopOf(Red(2)), before.HandTop[3]);
    EXPECT_TRUE(sv.Sounds.empty());
}

TEST_F(HandDisplayTest, ACardLaidOutAgainLosesItsLift) {
    const double top2 = TopOf(Red(2));
    eng.OnCardMouseMove(Red(2), 0, 0, 2, 2);
    Lay(Blue(7));
    ClickLabel(3);  // owes nothing: no take
    st.PendingDraw[3] = 1;
    ClickLabel(3);  // takes one card; the hand is laid out afresh
    ASSERT_EQ(st.HandCount[3], 4);
    eng.OnBoardMouseMove();
    EXPECT_EQ(TopOf(Red(2)), top2) << "lowering after the new layout would push it off its place";
}

// A hover on a person's turn must not outlive the seat being handed to the computer: the menu's
// "All Auto Play" or the seat's option box. Once the computer has the seat, no move over the felt
// would lower the card again.
TEST_F(HandDisplayTest, HandingTheSeatToTheComputerLowersTheLiftedCard) {
    const double top2 = TopOf(Red(2));
    for (int how = 0; how < 3; ++how) {
        SetUp();
        eng.OnCardMouseMove(Red(2), 0, 0, 2 + how, 2);  // a move to a new point lifts
        ASSERT_EQ(TopOf(Red(2)), top2 - LiftStepSide);
        if (how == 0) eng.CommandAllAutoNoPause();
        if (how == 1) eng.CommandAllAutoPause();
        if (how == 2) {
            eng.OpenSeatOptions(3);
            eng.OnOptBoxClick(0);  // Human becomes Auto
            eng.OnOptOk();
        }
        EXPECT_EQ(TopOf(Red(2)), top2) << how;
        EXPECT_EQ(st.HoverCard, -1) << how;
        eng.OnBoardMouseMove();
        EXPECT_EQ(TopOf(Red(2)), top2) << how << ": lowered once only";
    }
}

}  // namespace
}  // namespace tolvanis::testing
