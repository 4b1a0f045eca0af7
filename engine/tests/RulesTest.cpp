// The legality questions on their own: the computer's two allowances against what a person may
// play in the same position, when a seat may take cards, and the hint, which must not point at a
// card the person would be refused.
#include "EngineFixture.h"
#include "Rules.h"

namespace tolvanis::testing {
namespace {

class Rules : public EngineFixture {
  protected:
    // Seat 1 to move in a two-seat deal against seat 3.
    void TwoSeats(int tableCard, const std::vector<int>& hand1, const std::vector<int>& hand3) {
        Position().Players(2).Table(tableCard).Hand(1, hand1).Hand(3, hand3).Build();
    }
};

TEST_F(Rules, ComputerAllowancesAreTheComputersAlone) {
    // A last +2 of another colour on a number card.
    TwoSeats(Green(5), {Red(ValueCode::Plus2)}, {Yellow(1), Yellow(2)});
    EXPECT_EQ(JudgeCard(st, 1, Red(ValueCode::Plus2)), Verdict::NoMatch);
    EXPECT_TRUE(CanPlay(st, 1, Red(ValueCode::Plus2), Mover::Computer));
    // Not while it owes cards.
    st.PendingDraw[1] = 4;
    EXPECT_EQ(JudgeCard(st, 1, Red(ValueCode::Plus2), Mover::Computer), Verdict::OwedCardsFirst);

    // A +4 while holding the table colour, against a seat about to finish.
    TwoSeats(Green(5), {Plus4(), Green(7)}, {Yellow(1)});
    EXPECT_EQ(JudgeCard(st, 1, Plus4()), Verdict::NoMatch);
    EXPECT_TRUE(CanPlay(st, 1, Plus4(), Mover::Computer));
    Give(3, {Yellow(2)});
    EXPECT_FALSE(CanPlay(st, 1, Plus4(), Mover::Computer)) << "the next seat holds two cards";
    // A +2 with two cards left follows the table like any card.
    TwoSeats(Green(5), {Red(ValueCode::Plus2), Red(3)}, {Yellow(1)});
    EXPECT_FALSE(CanPlay(st, 1, Red(ValueCode::Plus2), Mover::Computer));
}

TEST_F(Rules, OnlyTheSeatToMovePlaysItsOwnCards) {
    TwoSeats(Green(5), {Green(7)}, {Green(8), Yellow(2)});
    EXPECT_EQ(JudgeCard(st, 3, Green(8)), Verdict::NotYourTurn);
    EXPECT_EQ(JudgeCard(st, 1, Green(8)), Verdict::NotYourTurn);
    EXPECT_EQ(JudgeCard(st, 1, Green(6)), Verdict::NotYourTurn) << "a card of the pile";
    EXPECT_FALSE(CanTake(st, 3, 1));
}

TEST_F(Rules, WhenASeatMayTakeCards) {
    TwoSeats(Green(5), {Red(7), Blue(5)}, {Yellow(1), Yellow(2)});
    EXPECT_FALSE(CanTake(st, 1, 1)) << "a card of the table value";
    TwoSeats(Green(5), {Red(7), ColorChange(), Plus4()}, {Yellow(1), Yellow(2)});
    EXPECT_TRUE(CanTake(st, 1, 1)) << "wild cards do not count";
    EXPECT_FALSE(CanTake(st, 1, 2));
    st.PendingDraw[1] = 2;
    EXPECT_TRUE(CanTake(st, 1, 2));
    EXPECT_FALSE(CanTake(st, 1, 1)) << "owed cards are taken all at once";
}

TEST_F(Rules, HintNeverLiftsACardThePersonWouldBeRefused) {
    // The computer's choice here is the last +2, which the table refuses a person.
    TwoSeats(Green(5), {Red(ValueCode::Plus2)}, {Yellow(1), Yellow(2)});
    Click(Red(ValueCode::Plus2), ButtonLeft, ShiftMask);
    EXPECT_EQ(
        sv.Messages,
        std::vector<QString>{QStringLiteral("hint ! No card to play: take a card from the deck.")});
    EXPECT_EQ(st.HoverCard, -1);
    Click(Red(ValueCode::Plus2));
    EXPECT_EQ(SoundCount(SndErr2), 1) << "the card the hint passed over is indeed refused";
    EXPECT_EQ(st.HandCount[1], 1);
}

}  // namespace
}  // namespace tolvanis::testing
