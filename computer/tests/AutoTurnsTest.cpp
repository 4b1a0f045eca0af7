// Computer turns: what a computer seat does with owed cards, its card effects, the colour it
// names, the pause between moves, and how the driver stops.
#include <gtest/gtest.h>

#include "AutoTurns.h"
#include "EngineFixture.h"

using namespace tolvanis;
using namespace tolvanis::testing;

namespace {

class AutoTurnsTest : public EngineFixture {
  protected:
    AutoTurnsTest() { eng.SetAutoPlayer(&driver); }

    // A four-seat position: seat 1 human, seats 2..4 computers without pause, seat 2 to move.
    void FourSeats(int tableCard) {
        NewPosition(4, tableCard);
        for (int seat = 2; seat <= 4; ++seat)
            SetSeat(seat, true);
        SetTurn(2);
    }

    AutoTurns driver{eng};
};

TEST_F(AutoTurnsTest, OwedTwoWithoutAPlusTwoTakesThemAndPassesTheTurn) {
    // A person after the computer stops the sequence.
    Position()
        .Table(Red(5))
        .Hand(1, {Red(1), Blue(1)})
        .Hand(2, {Green(3), Yellow(7)})
        .Hand(3, {Blue(2), Blue(3)})
        .Hand(4, {Green(2), Green(4)})
        .Computers({2, 4})
        .Turn(2)
        .Owes(2, 2)
        .Build();
    eng.RunAutoTurns();
    EXPECT_EQ(LogLines().front(), "p2: Auto: takes 2 cards");
    EXPECT_EQ(st.HandCount[2], 4);
    EXPECT_EQ(st.CurrentSeat, 3);
    EXPECT_FALSE(st.AutoBusy);
    EXPECT_TRUE(CardsAccountedFor(eng));
}

TEST_F(AutoTurnsTest, APlusTwoDoesNotAnswerAPlusFour) {
    Position()
        .Table(Red(5))
        .Lay(Plus4(), ColorCode::Blue)
        .Hand(1, {Red(1)})
        .Hand(2, {Green(3), Red(ValueCode::Plus2)})
        .Hand(3, {Blue(2), Blue(3)})
        .Hand(4, {Green(2)})
        .Computers({2, 4})
        .Turn(2)
        .Owes(2, 4)
        .Build();
    eng.RunAutoTurns();
    EXPECT_EQ(LogLines().front(), "p2: Auto: takes 4 cards");
    EXPECT_EQ(st.HandCount[2], 6);
    EXPECT_EQ(st.PendingDraw, (std::array<int, 5>{0, 0, 0, 0, 0}));
}

TEST_F(AutoTurnsTest, AnsweringOwedTwoWithAPlusTwoPassesTwoNotFour) {
    FourSeats(Red(5));
    Lay(Red(ValueCode::Plus2));
    Give(1, {Red(1)});
    Give(2, {Green(3), Blue(ValueCode::Plus2), Yellow(4)});
    Give(3, {Blue(2), Blue(3)});
    Give(4, {Green(2)});
    SetSeat(3, false);
    st.PendingDraw[2] = 2;
    eng.RunAutoTurns();
    EXPECT_EQ(st.CurrentSeat, 3);
    EXPECT_EQ(st.PendingDraw[3], 2);
    EXPECT_EQ(Caption(3), "p3: take 2 cards");
    EXPECT_EQ(st.CardValue[st.TableCard], ValueCode::Plus2);
    EXPECT_EQ(LogLines().front(), "p2: Auto: <+2>");
    EXPECT_EQ(sv.LogHistory.front().Color, RgbOf(0, 0, 128));
}

TEST_F(AutoTurnsTest, ASkipWithThreeSeatsMovesTwoSeatsOn) {
    NewPosition(3, Green(5));
    for (int seat = 2; seat <= 4; ++seat)
        SetSeat(seat, seat == 2);
    SetTurn(2);
    Give(2, {Green(ValueCode::Skip), Red(1), Red(2)});
    Give(3, {Blue(2), Blue(3)});
    Give(4, {Yellow(2), Yellow(3)});
    eng.RunAutoTurns();
    EXPECT_EQ(st.CurrentSeat, 4);
    EXPECT_EQ(LogLines().front(), "p2: Auto: <skip-next-turn>");
}

TEST_F(AutoTurnsTest, PlayingTheLastCardEndsTheDealWithFinished) {
    FourSeats(Green(5));
    Give(1, {Red(1)});
    Give(2, {Green(7)});
    Give(3, {Blue(2), Blue(3)});
    Give(4, {Yellow(2)});
    eng.RunAutoTurns();
    EXPECT_EQ(Caption(2), "FINISHED");
    EXPECT_EQ(tb.Message[2].ForeColor, White);
    EXPECT_EQ(tb.Message[2].BackColor, Black);
    EXPECT_TRUE(st.DealOver);
    EXPECT_TRUE(st.BoardWait);
    EXPECT_FALSE(st.AutoBusy);
    const auto lines = LogLines();
    EXPECT_EQ(lines[0], "p2: Auto:  7");
    EXPECT_EQ(lines[1], "p2: FINSHED FIRST AND WON");
    EXPECT_EQ(lines.back(), "CLICK ON BOARD TO CONTINUE");
    EXPECT_EQ(st.HandCount[3], 2);  // nobody moved after the finisher
}

TEST_F(AutoTurnsTest, APersonAfterAComputerAlreadyReadsTakeOneCard) {
    FourSeats(Green(5));
    SetSeat(3, false);
    Give(1, {Red(1)});
    Give(2, {Green(7), Red(3)});
    Give(3, {Blue(2), Blue(3)});  // nothing on a green 7
    Give(4, {Yellow(2)});
    eng.RunAutoTurns();
    EXPECT_EQ(st.CurrentSeat, 3);
    EXPECT_EQ(st.PendingDraw[3], 1);
    EXPECT_EQ(Caption(3), "p3: take 1 card");
}

TEST_F(AutoTurnsTest, ColourChangeBeforeAFinishingSeatNamesAnotherColourItHolds) {
    FourSeats(Red(8));
    SetSeat(3, false);
    Give(1, {Red(1)});
    Give(2, {Red(5), Green(7), ColorChange()});
    Give(3, {Blue(2)});  // about to finish
    Give(4, {Yellow(2)});
    eng.RunAutoTurns();
    EXPECT_EQ(st.TableColor, ColorCode::Green);
    const auto lines = LogLines();
    EXPECT_EQ(lines[1], "p2: Auto: new color selected");
    EXPECT_EQ(sv.LogHistory[1].Color, RgbOf(0, 128, 0));
    EXPECT_EQ(tb.CardImage[st.TableCard].Picture, MarkerImage(ColorCode::Green));
}

TEST_F(AutoTurnsTest, ColourChangeNamesAColourTheNextSeatLacks) {
    FourSeats(Blue(8));
    SetSeat(3, false);
    Give(1, {Red(1)});
    Give(2, {ColorChange(), Yellow(1), Yellow(2)});
    Give(3, {Red(2), Green(3), Red(4)});
    Give(4, {Yellow(3)});
    eng.RunAutoTurns();
    EXPECT_EQ(st.TableColor, ColorCode::Blue);
}

TEST_F(AutoTurnsTest, WithOnlyTheTableColourLeftTheColourStays) {
    // The next seat holds one card and this seat, after its +4, only cards of the table colour.
    FourSeats(Red(8));
    SetSeat(3, false);
    Give(1, {Red(1)});
    Give(2, {Red(5), Red(6), Plus4()});
    Give(3, {Blue(2)});
    Give(4, {Yellow(2)});
    // Rule 2 plays the +4 because the next seat is about to finish.
    eng.RunAutoTurns();
    EXPECT_EQ(st.TableColor, ColorCode::Red);
    EXPECT_EQ(st.PendingDraw[3], 4);
    const auto lines = LogLines();
    EXPECT_EQ(lines[1], "p2: Auto: new color selected");
    EXPECT_EQ(sv.LogHistory[1].Color, RgbOf(128, 0, 0));
    EXPECT_EQ(Caption(3), "p3: take 4 cards");
}

TEST_F(AutoTurnsTest, OneBoardClickPlaysAWholeDealOfComputers) {
    eng.CommandAllAutoNoPause();
    st.DelayUnits = 0;
    eng.OnBoardMouseUp(ButtonLeft, 0);
    EXPECT_TRUE(st.DealOver);
    EXPECT_TRUE(st.BoardWait);
    EXPECT_FALSE(st.AutoBusy);
    EXPECT_TRUE(CardsAccountedFor(eng));
    int finished = 0;
    for (int seat = 1; seat <= 4; ++seat)
        finished += st.HandCount[seat] == 0;
    EXPECT_EQ(finished, 1);
}

TEST_F(AutoTurnsTest, PauseLengthFollowsTheSlider) {
    eng.CommandAllAutoPause();
    SetTurn(2);
    sv.PausesAsked.clear();
    eng.OnBoardMouseUp(ButtonLeft, 0);  // one move of a pausing computer
    ASSERT_EQ(sv.PausesAsked.size(), 1u);
    EXPECT_EQ(sv.PausesAsked[0], 17500);  // start-up: 35 x 500

    eng.SpeedChanged(100, 5000);
    EXPECT_EQ(st.DelayUnits, 4900);
    eng.SpeedChanged(5000, 5000);
    EXPECT_EQ(st.DelayUnits, 0);
    eng.SpeedChanged(4500, 5000);
    EXPECT_EQ(st.DelayUnits, 500);

    eng.SpeedChanged(5000, 5000);
    sv.PausesAsked.clear();
    if (!st.BoardWait) eng.OnBoardMouseUp(ButtonLeft, 0);
    EXPECT_TRUE(sv.PausesAsked.empty());  // no pause at all at the fast end
    EXPECT_EQ(st.WaitCount, 0);
}

TEST_F(AutoTurnsTest, ANewDealDuringAPauseEndsTheSequence) {
    eng.CommandAllAutoNoPause();
    int pauses = 0;
    std::uint32_t newDeal = 0;
    sv.DuringPause = [&] {
        if (++pauses == 3) {
            eng.CommandNewDeal();
            newDeal = st.DealSerial;
        }
    };
    eng.OnBoardMouseUp(ButtonLeft, 0);
    EXPECT_EQ(pauses, 3);
    EXPECT_EQ(st.DealSerial, newDeal);
    EXPECT_FALSE(st.AutoBusy);
    // The new deal is untouched: every hand as dealt, the log as a new deal leaves it.
    for (int seat = 1; seat <= 4; ++seat)
        EXPECT_EQ(st.HandCount[seat], HandSize);
    ASSERT_EQ(sv.Log.size(), 3u);
    EXPECT_EQ(sv.Log[0].Text.right(6), "STARTS");
    EXPECT_TRUE(CardsAccountedFor(eng));
}

TEST_F(AutoTurnsTest, ClicksDuringAPauseNeverStartASecondDriver) {
    eng.CommandAllAutoPause();
    SetTurn(2);
    int moves = 0;
    driver.AfterMove = [&] { ++moves; };
    sv.DuringPause = [&] {
        eng.OnBoardMouseUp(ButtonLeft, 0);
        eng.OnCardMouseUp(st.Hand[st.CurrentSeat][1], ButtonLeft, 0, 1, 1);
        eng.OnMessageClick(st.CurrentSeat);
        driver.RunAutoTurns();
    };
    eng.OnBoardMouseUp(ButtonLeft, 0);
    EXPECT_EQ(moves, 1);
    EXPECT_FALSE(st.AutoBusy);
    EXPECT_TRUE(CardsAccountedFor(eng));
}

// At the fast end the computers play turns for a slice of time between event passes: several
// turns a pass, never more than a slice without one.
TEST_F(AutoTurnsTest, AtTheFastEndEventsRunOnceASliceRatherThanOnceATurn) {
    eng.CommandAllAutoNoPause();
    eng.SpeedChanged(5000, 5000);
    sv.ClockStep = 250;  // each look at the clock: a quarter of a millisecond
    int moves = 0;
    driver.AfterMove = [&] { ++moves; };
    std::int64_t lastPass = sv.Clock, longestGap = 0;
    sv.DuringEvents = [&] {
        longestGap = std::max(longestGap, sv.Clock - lastPass);
        lastPass = sv.Clock;
    };
    eng.OnBoardMouseUp(ButtonLeft, 0);
    ASSERT_TRUE(st.BoardWait);  // the deal was played to its end
    ASSERT_GT(moves, 10);
    EXPECT_LT(sv.EventPasses * 4, moves);
    EXPECT_GT(sv.EventPasses, 1);
    EXPECT_LE(longestGap, AutoTurns::FastSliceMicroseconds + 2 * sv.ClockStep);
    EXPECT_TRUE(sv.PausesAsked.empty());
    EXPECT_TRUE(CardsAccountedFor(eng));
}

// Input arrives with the events of a pass: clicks during computer play still do nothing, and a
// new deal stops the computers before another turn.
TEST_F(AutoTurnsTest, AtTheFastEndANewDealStopsPlayAtTheNextPass) {
    eng.CommandAllAutoNoPause();
    eng.SpeedChanged(5000, 5000);
    sv.ClockStep = 250;
    int moves = 0, passes = 0, movesAtNewDeal = -1;
    std::uint32_t newDeal = 0;
    driver.AfterMove = [&] { ++moves; };
    sv.DuringEvents = [&] {
        ++passes;
        if (passes == 2) {
            const int before = moves;
            const int hand = st.HandCount[st.CurrentSeat];
            eng.OnBoardMouseUp(ButtonLeft, 0);
            eng.OnCardMouseUp(st.Hand[st.CurrentSeat][1], ButtonLeft, 0, 1, 1);
            eng.OnMessageClick(st.CurrentSeat);
            EXPECT_EQ(moves, before);
            EXPECT_EQ(st.HandCount[st.CurrentSeat], hand);
        } else if (passes == 3) {
            eng.CommandNewDeal();
            newDeal = st.DealSerial;
            movesAtNewDeal = moves;
        }
    };
    eng.OnBoardMouseUp(ButtonLeft, 0);
    ASSERT_EQ(passes, 3);
    EXPECT_EQ(moves, movesAtNewDeal);
    EXPECT_EQ(st.DealSerial, newDeal);
    EXPECT_FALSE(st.AutoBusy);
    for (int seat = 1; seat <= 4; ++seat)
        EXPECT_EQ(st.HandCount[seat], HandSize);
    EXPECT_TRUE(CardsAccountedFor(eng));
}

// With a pause between moves nothing is sliced: events run before every turn and in every
// pause, even with a clock that stands still.
TEST_F(AutoTurnsTest, WithAPauseEventsRunEveryTurn) {
    eng.CommandAllAutoNoPause();
    int moves = 0;
    driver.AfterMove = [&] { ++moves; };
    eng.OnBoardMouseUp(ButtonLeft, 0);
    ASSERT_GT(moves, 10);
    EXPECT_GE(sv.EventPasses, 2 * moves - 1);
    EXPECT_GE(int(sv.PausesAsked.size()), moves - 1);
}

}  // namespace
