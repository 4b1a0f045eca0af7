// A human move through the card handler: which cards the rules accept, the colour after a wild
// card, the action cards and the turn order, the "LAST CARD" label, the end of a deal, the hint
// and the clicks that must do nothing.
#include "EngineFixture.h"

namespace tolvanis::testing {
namespace {

class PlayRules : public EngineFixture {
  protected:
    // Seat 1 to move against seat 3 in a two-seat deal; both hold `hand1` and a long hand.
    void TwoSeats(int tableCard, const std::vector<int>& hand1) {
        NewPosition(2, tableCard);
        Give(1, hand1);
        Give(3, {Yellow(1), Yellow(2), Yellow(3), Yellow(4)});
    }
    // Whether a click on `card` by the seat to move made it leave the hand.
    bool Accepted(int card) {
        const int seat = st.CurrentSeat;
        const int before = st.HandCount[seat];
        Click(card);
        return st.HandCount[seat] == before - 1 && st.CardOwner[card] == 0;
    }
};

TEST_F(PlayRules, ColourOrValueFollows) {
    const std::vector<int> hand{Green(5), Red(9), Green(9), Blue(1)};
    TwoSeats(Red(5), hand);
    EXPECT_TRUE(Accepted(Green(5)));
    TwoSeats(Red(5), hand);
    EXPECT_TRUE(Accepted(Red(9)));

    TwoSeats(Red(5), hand);
    const GameState before = st;
    const std::uint32_t refusals = tb.Refused.Serial;
    EXPECT_FALSE(Accepted(Green(9)));
    EXPECT_EQ(st.PlayedCard, -1);
    EXPECT_EQ(tb.Refused.Serial, refusals + 1) << "the table shows the refusal too";
    EXPECT_EQ(tb.Refused.Card, Green(9));
    EXPECT_EQ(sv.Sounds, std::vector<QString>{QStringLiteral("vrkerr2")});
    EXPECT_EQ(st.Hand, before.Hand);
    EXPECT_EQ(st.CurrentSeat, 1);
    EXPECT_EQ(st.TableColor, ColorCode::Red);
    EXPECT_TRUE(sv.LogHistory.empty());
}

TEST_F(PlayRules, PlusFourOnlyWithoutTheTableColourUnlessOnAPlusFour) {
    TwoSeats(Red(5), {Plus4(), Red(2), Blue(7)});
    EXPECT_FALSE(Accepted(Plus4()));
    TwoSeats(Red(5), {Plus4(), Green(2), Blue(7)});
    EXPECT_TRUE(Accepted(Plus4()));
    // A +4 on the table whose cards were already taken: another +4 goes on it, table colour or
    // not.
    TwoSeats(Red(5), {Plus4(1), Red(2), Blue(7)});
    Lay(Plus4(), ColorCode::Red);
    EXPECT_TRUE(Accepted(Plus4(1)));
}

TEST_F(PlayRules, WhatOwedCardsAllow) {
    const std::vector<int> hand{ColorChange(), Red(ValueCode::Plus2), Plus4(), Red(3),
                                Green(ValueCode::Plus2)};
    // A colour change goes on anything while nothing is owed.
    TwoSeats(Red(5), hand);
    Lay(Blue(ValueCode::Skip));
    EXPECT_TRUE(Accepted(ColorChange()));

    // Owing 2: only a +2, of any colour; the rest does nothing at all, not even a sound.
    TwoSeats(Red(5), hand);
    Lay(Blue(ValueCode::Plus2));
    st.PendingDraw[1] = 2;
    EXPECT_FALSE(Accepted(ColorChange()));
    EXPECT_FALSE(Accepted(Plus4()));
    EXPECT_FALSE(Accepted(Red(3)));
    EXPECT_TRUE(sv.Sounds.empty());
    EXPECT_TRUE(Accepted(Green(ValueCode::Plus2)));
    EXPECT_EQ(st.PendingDraw[1], 0);
    EXPECT_EQ(st.PendingDraw[3], 2);

    // Owing 4: only a +4; a +2 does not answer it.
    TwoSeats(Red(5), hand);
    Lay(Plus4(1), ColorCode::Blue);
    st.PendingDraw[1] = 4;
    EXPECT_FALSE(Accepted(Red(ValueCode::Plus2)));
    EXPECT_FALSE(Accepted(ColorChange()));
    EXPECT_TRUE(Accepted(Plus4()));

    // Owing 1 (nothing to play): no card at all.
    TwoSeats(Red(5), hand);
    st.PendingDraw[1] = 1;
    for (int card : hand)
        EXPECT_FALSE(Accepted(card)) << card;
    EXPECT_TRUE(sv.Sounds.empty());
}

TEST_F(PlayRules, ColourChoiceAfterAPlusFour) {
    NewPosition(4, Red(5));
    Give(1, {Green(1, 1), Green(2, 1), Green(3, 1), Plus4()});
    for (int seat = 2; seat <= 4; ++seat)
        Give(seat, {CardOf(PlayColors[seat - 1], 1), CardOf(PlayColors[seat - 1], 2),
                    CardOf(PlayColors[seat - 1], 3)});
    PaintPickers();

    Click(Plus4());
    EXPECT_EQ(st.ColorWait, 4);
    EXPECT_EQ(Caption(1), QStringLiteral("p1: select color"));
    EXPECT_EQ(tb.CardImage[st.TableCard].Picture, Plus4());
    EXPECT_EQ(st.CurrentSeat, 1);
    EXPECT_EQ(SoundCount(SndMenu), 1);

    // A click on any other card, or on the table card away from the four colours.
    ForgetRecords();
    Click(Blue(1));
    Click(st.TableCard, ButtonLeft, 0, 9, 12);
    EXPECT_EQ(sv.Messages, (std::vector<QString>{QStringLiteral("Click on a color first"),
                                                 QStringLiteral("Click on a color first")}));
    EXPECT_EQ(SoundCount(SndErr2), 2);
    EXPECT_EQ(st.ColorWait, 4);
    EXPECT_FALSE(tb.ColorPickers[0].Visible || tb.ColorPickers[1].Visible);
    EXPECT_EQ(st.HandCount[1], 3);

    ForgetRecords();
    PickColor(ColorCode::Blue);
    EXPECT_EQ(st.TableColor, ColorCode::Blue);
    EXPECT_EQ(st.ColorWait, 0);
    ASSERT_FALSE(sv.LogHistory.empty());
    EXPECT_EQ(sv.LogHistory.front(),
              (LogLine{QStringLiteral("p1: selected color"), RgbOf(0, 0, 128)}));
    EXPECT_EQ(sv.Sounds.front(), QStringLiteral("vrkmup"));
    EXPECT_EQ(st.CurrentSeat, 2);
    EXPECT_EQ(st.PendingDraw[2], 4);
    EXPECT_EQ(Caption(2), QStringLiteral("p2: take 4 cards"));
    // The +4 stays on the table until its cards are taken.
    EXPECT_EQ(tb.CardImage[st.TableCard].Picture, Plus4());
    EXPECT_TRUE(CardsAccountedFor(eng));
}

TEST_F(PlayRules, ColourIsReadFromThePictureOfTheWildCardPlayed) {
    // Only the picture of the card that lies on the table knows where its colours are.
    TwoSeats(Red(5), {ColorChange(), Plus4(), Green(1)});
    sv.PickerColors[0][{4, 4}] = RgbOf(128, 128, 0);  // the colour change
    sv.PickerColors[1][{4, 4}] = RgbOf(0, 128, 0);    // the +4
    Click(ColorChange());
    Click(st.TableCard, ButtonLeft, 0, 4, 4);
    EXPECT_EQ(st.TableColor, ColorCode::Yellow);
    // The colour change leaves the marker of the chosen colour on the table.
    EXPECT_EQ(tb.CardImage[st.TableCard].Picture, MarkerImage(ColorCode::Yellow));

    TwoSeats(Green(5), {Plus4(), Blue(1), Blue(2)});
    Click(Plus4());
    Click(st.TableCard, ButtonLeft, 0, 4, 4);
    EXPECT_EQ(st.TableColor, ColorCode::Green);
}

TEST_F(PlayRules, SkipAndReverseWithTwoSeats) {
    TwoSeats(Red(5), {Red(ValueCode::Skip), Red(1), Red(2)});
    Click(Red(ValueCode::Skip));
    EXPECT_EQ(st.CurrentSeat, 1) << "a skip with two seats gives the same seat another move";
    EXPECT_EQ(Caption(1), QStringLiteral("p1: your turn"));

    TwoSeats(Red(5), {Red(ValueCode::Reverse), Red(1), Red(2)});
    Click(Red(ValueCode::Reverse));
    EXPECT_EQ(st.CurrentSeat, 3);
    EXPECT_EQ(st.Direction, TurnOrder::Backward);
}

TEST_F(PlayRules, SkipAndReverseWithThreeSeats) {
    NewPosition(3, Red(5));
    Give(2, {Red(1), Red(2), Red(ValueCode::Skip), Red(ValueCode::Reverse)});
    Give(3, {Green(1), Green(2), Green(3)});
    Give(4, {Blue(1), Blue(2), Red(7)});
    SetTurn(2);
    Click(Red(ValueCode::Skip));
    EXPECT_EQ(st.CurrentSeat, 4);
    EXPECT_EQ(tb.Message[4].BackColor, Black);
    EXPECT_EQ(tb.Message[3].BackColor, White);

    SetTurn(2);
    Click(Red(ValueCode::Reverse));
    EXPECT_EQ(st.Direction, TurnOrder::Backward);
    EXPECT_EQ(st.CurrentSeat, 4) << "reversed, seat 2 is followed by seat 4";
    Click(Red(7));
    EXPECT_EQ(st.CurrentSeat, 3);
    EXPECT_TRUE(CardsAccountedFor(eng));
}

TEST_F(PlayRules, PlusTwoLeavingOneCardLogsLastCardTwice) {
    TwoSeats(Red(5), {Red(ValueCode::Plus2), Blue(3)});
    Click(Red(ValueCode::Plus2));
    EXPECT_EQ(LogLines(),
              (std::vector<QString>{QStringLiteral("p1: <+2>"), QStringLiteral("p1: last card"),
                                    QStringLiteral("p1: last card")}));
    EXPECT_EQ(SoundCount(SndSave), 2);
    EXPECT_TRUE(tb.LastCardLabel[0].Visible);
    EXPECT_EQ(st.CurrentSeat, 3);
    EXPECT_EQ(st.PendingDraw[3], 2);
    EXPECT_EQ(Caption(3), QStringLiteral("p3: take 2 cards"));
    EXPECT_EQ(tb.Message[3].BackColor, Black);
}

TEST_F(PlayRules, PlusFourLeavingOneCardLogsLastCardTwice) {
    NewPosition(4, Red(5));
    Give(1, {Plus4(), Green(1)});
    Give(2, {Blue(1), Blue(2)});
    Give(3, {Blue(3), Blue(4)});
    Give(4, {Blue(6), Blue(7)});
    PaintPickers();
    Click(Plus4());
    PickColor(ColorCode::Yellow);
    EXPECT_EQ(LogLines(), (std::vector<QString>{
                              QStringLiteral("p1: <+4>"), QStringLiteral("p1: selected color"),
                              QStringLiteral("p1: last card"), QStringLiteral("p1: last card")}));
    EXPECT_EQ(st.CurrentSeat, 2);
    EXPECT_EQ(st.PendingDraw[2], 4);
    EXPECT_EQ(Caption(2), QStringLiteral("p2: take 4 cards"));
    EXPECT_TRUE(tb.LastCardLabel[0].Visible);
}

TEST_F(PlayRules, LastCardEndsTheDeal) {
    TwoSeats(Red(5), {Red(7)});
    Click(Red(7));
    EXPECT_EQ(LogLines(), (std::vector<QString>{QStringLiteral("p1:  7"),
                                                QStringLiteral("p1: FINSHED FIRST AND WON"),
                                                QStringLiteral("p1: receives total points = 10"),
                                                QStringLiteral("CLICK ON BOARD TO CONTINUE")}));
    EXPECT_TRUE(st.BoardWait);
    EXPECT_TRUE(st.DealOver);
    EXPECT_TRUE(tb.GameStartClick.Visible);
    EXPECT_EQ(tb.GameStartClick.Caption, QStringLiteral("click to redeal"));
    EXPECT_EQ(st.TotPoints[0], 10);
    EXPECT_TRUE(CardsAccountedFor(eng));
    // A person who empties their hand reads as a computer does, not "your turn".
    EXPECT_EQ(Caption(1), QStringLiteral("FINISHED"));

    // Now every card click is ignored.
    ForgetRecords();
    Click(Yellow(1));
    ClickPile();
    EXPECT_TRUE(sv.Sounds.empty());
    EXPECT_EQ(st.HandCount[3], 4);
}

TEST_F(PlayRules, LastCardPlusTwoOwesNothing) {
    TwoSeats(Red(5), {Green(ValueCode::Plus2)});
    Lay(Red(ValueCode::Plus2));
    Click(Green(ValueCode::Plus2));
    EXPECT_TRUE(st.BoardWait);
    EXPECT_EQ(st.PendingDraw, (std::array<int, SeatSlots>{}));
    EXPECT_EQ(st.TotPoints[0], 10);
}

TEST_F(PlayRules, WildLastCardWaitsForItsColour) {
    TwoSeats(Red(5), {ColorChange()});
    PaintPickers();
    Click(ColorChange());
    EXPECT_FALSE(st.BoardWait);
    EXPECT_EQ(st.ColorWait, 5);
    EXPECT_EQ(st.HandCount[1], 0);
    PickColor(ColorCode::Green);
    EXPECT_TRUE(st.BoardWait);
    EXPECT_EQ(LogLines().back(), QStringLiteral("CLICK ON BOARD TO CONTINUE"));
    EXPECT_EQ(Caption(1), QStringLiteral("FINISHED"));
}

TEST_F(PlayRules, NextHumanWithNothingToPlayOwesOneCard) {
    TwoSeats(Red(5), {Red(6), Red(8)});
    Click(Red(6));
    EXPECT_EQ(st.CurrentSeat, 3);
    EXPECT_EQ(st.PendingDraw[3], 1);
    EXPECT_EQ(Caption(3), QStringLiteral("p3: take 1 card"));
}

TEST_F(PlayRules, ComputerSeatsToMove) {
    CountingAutoPlayer driver;
    eng.SetAutoPlayer(&driver);

    TwoSeats(Red(5), {Red(6), Red(8)});
    SetSeat(3, true, true);
    Click(Red(6));
    EXPECT_EQ(driver.Runs, 0) << "a pausing computer seat waits for a click";
    EXPECT_EQ(Caption(3), QStringLiteral("p3: click to play"));
    EXPECT_EQ(tb.Message[3].BackColor, Black);
    EXPECT_EQ(tb.Message[3].ForeColor, White);
    EXPECT_EQ(Caption(1), QStringLiteral("p1: player# 1"));
    // A click on one of its cards starts its move.
    Click(Yellow(1));
    EXPECT_EQ(driver.Runs, 1);

    TwoSeats(Red(5), {Red(6), Red(8)});
    SetSeat(3, true, false);
    Click(Red(6));
    EXPECT_EQ(driver.Runs, 2);
    EXPECT_EQ(Caption(3), QStringLiteral("p3: Auto/NoPause"));
}

TEST_F(PlayRules, HintLiftsTheChosenCard) {
    NewPosition(2, Red(5));
    Give(3, {Red(2), Red(9), Green(4)});
    Give(1, {Yellow(1), Yellow(2)});
    SetTurn(3);
    const double top9 = tb.CardImage[Red(9)].Top;
    const double top2 = tb.CardImage[Red(2)].Top;

    eng.OnCardMouseMove(Red(2), 0, 0, 5, 7);
    EXPECT_EQ(tb.CardImage[Red(2)].Top, top2 - LiftStepSide);
    Click(Red(2), ButtonLeft, ShiftMask);
    EXPECT_EQ(sv.Messages, std::vector<QString>{QStringLiteral("hint !")});
    EXPECT_EQ(st.HoverCard, Red(9));
    EXPECT_EQ(tb.CardImage[Red(9)].Top, top9 - LiftStepSide);
    EXPECT_EQ(tb.CardImage[Red(2)].Top, top2);
    EXPECT_EQ(st.LiftDY, -LiftStepSide);
    EXPECT_EQ(st.HandCount[3], 3) << "a hint plays nothing";

    // Nothing playable: the box says so plainly, nothing lifts.
    ForgetRecords();
    Click(Yellow(1), ButtonLeft, ShiftMask);
    EXPECT_TRUE(sv.Messages.empty()) << "another seat's card gives no hint";
    Lay(Blue(5));
    eng.OnBoardMouseMove();
    Click(Green(4), ButtonMiddle, ShiftMask);
    EXPECT_EQ(
        sv.Messages,
        std::vector<QString>{QStringLiteral("hint ! No card to play: take a card from the deck.")});
    EXPECT_EQ(st.HoverCard, -1);
}

TEST_F(PlayRules, RightClickAndControl) {
    TwoSeats(Red(5), {Red(6), Red(8)});
    // Ctrl alone: nothing.
    Click(Red(6), ButtonLeft, CtrlMask);
    EXPECT_EQ(st.HandCount[1], 2);
    EXPECT_TRUE(sv.Sounds.empty());

    // A right click while the box is open closes it and gives the menus back.
    st.OptionsOpen = 3;
    tb.Optionframe.Visible = true;
    tb.Menu.AbortEnabled = tb.Menu.OptsEnabled = false;
    Click(Red(6), ButtonRight);
    EXPECT_EQ(st.OptionsOpen, OptionsClosed);
    EXPECT_FALSE(tb.Optionframe.Visible);
    EXPECT_TRUE(tb.Menu.AbortEnabled && tb.Menu.OptsEnabled);
    EXPECT_EQ(sv.Sounds, std::vector<QString>{QStringLiteral("vrkmup")});
    EXPECT_EQ(st.HandCount[1], 2);
}

TEST_F(PlayRules, NothingButTheSeatOptionsWhileTheComputerPlays) {
    TwoSeats(Red(5), {Red(6), Red(8), Blue(1)});
    st.PendingDraw[1] = 2;
    st.AutoBusy = true;
    const GameState before = st;
    tb.Optionframe.Visible = true;
    Click(Red(6));
    Click(Red(6), ButtonMiddle);
    Click(Red(6), ButtonLeft, ShiftMask);
    ClickPile();
    ClickLabel(1);
    EXPECT_EQ(st.Hand, before.Hand);
    EXPECT_EQ(st.PendingDraw, before.PendingDraw);
    EXPECT_TRUE(sv.Sounds.empty());
    EXPECT_TRUE(sv.Messages.empty());
    EXPECT_TRUE(sv.LogHistory.empty());
    EXPECT_TRUE(tb.Optionframe.Visible);

    st.OptionsOpen = 1;
    Click(Red(6), ButtonRight);
    EXPECT_EQ(st.OptionsOpen, OptionsClosed);
    EXPECT_FALSE(tb.Optionframe.Visible);
}

TEST_F(PlayRules, OtherSeatsCardsDoNothing) {
    TwoSeats(Red(5), {Red(6), Red(8)});
    Click(Yellow(1));
    Click(Yellow(5));  // still in the pile: a pile click, but seat 1 can follow
    EXPECT_EQ(st.CurrentSeat, 1);
    EXPECT_TRUE(sv.Sounds.empty());
    EXPECT_TRUE(CardsAccountedFor(eng));
}

}  // namespace
}  // namespace tolvanis::testing
