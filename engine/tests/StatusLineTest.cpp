// The status bar's words in each situation a player meets: a person to move, cards owed, a
// colour to choose, a pausing computer waiting for its click, a computer at work, the deal over;
// and the counts, the colour to follow (also a named one) and the points beside them.
#include "EngineFixture.h"

#include "StatusLine.h"

namespace tolvanis::testing {
namespace {

class StatusLine : public EngineFixture {
  protected:
    QString Turn() const { return StatusOf(st).Turn; }
};

TEST_F(StatusLine, PersonToMoveWithCountsColourAndPoints) {
    Position()
        .Players(2)
        .Table(Red(5))
        .Hand(1, {Green(5), Blue(1)})
        .Hand(3, {Yellow(1)})
        .Turn(1)
        .Build();
    st.TotPoints = {40, 0, 125, 0};
    const StatusTexts status = StatusOf(st);
    EXPECT_EQ(status.Turn, QStringLiteral("p1: play a card"));
    EXPECT_EQ(status.Cards, QStringLiteral("cards: p1 2  p3 1"));
    EXPECT_EQ(status.Colour, QStringLiteral("colour to follow: red"));
    EXPECT_EQ(status.Points, QStringLiteral("points: p1 40  p3 125"));
}

TEST_F(StatusLine, CardsOwedAndTheOneCardOfAnEmptyTurn) {
    Position()
        .Table(Red(5))
        .Hand(1, {Green(1)})
        .Hand(2, {Red(ValueCode::Plus2), Green(9)})
        .Hand(3, {Blue(2)})
        .Hand(4, {Blue(3)})
        .Turn(2)
        .Build();
    Click(Red(ValueCode::Plus2));
    EXPECT_EQ(st.CurrentSeat, 3);
    EXPECT_EQ(Turn(), QStringLiteral("p3: take 2 cards"));

    Position().Table(Red(5)).Hand(1, {Green(1)}).Hand(2, {Blue(7)}).Turn(2).Owes(2, 1).Build();
    EXPECT_EQ(Turn(), QStringLiteral("p2: take 1 card"));
}

TEST_F(StatusLine, ColourToChooseThenTheNamedColour) {
    PaintPickers();
    Position()
        .Players(2)
        .Table(Red(5))
        .Hand(1, {ColorChange(), Green(2)})
        .Hand(3, {Blue(1), Blue(2)})
        .Turn(1)
        .Build();
    Click(ColorChange());
    EXPECT_EQ(Turn(), QStringLiteral("p1: choose a colour on the table card"));
    PickColor(ColorCode::Blue);
    EXPECT_EQ(Turn(), QStringLiteral("p3: play a card"));
    EXPECT_EQ(StatusOf(st).Colour, QStringLiteral("colour to follow: blue (named)"));
}

TEST_F(StatusLine, ComputerSeats) {
    CountingAutoPlayer computer;
    eng.SetAutoPlayer(&computer);
    Position()
        .Players(2)
        .Table(Red(5))
        .Hand(1, {Red(1), Red(2)})
        .Hand(3, {Blue(1), Blue(2)})
        .Computer(3, true)
        .Turn(1)
        .Build();
    Click(Red(1));
    EXPECT_EQ(st.CurrentSeat, 3);
    EXPECT_EQ(Turn(), QStringLiteral("p3 (Auto/Pause): click the table to let it play"));
    st.AutoBusy = true;
    SetSeat(3, true, false);
    EXPECT_EQ(Turn(), QStringLiteral("p3 (Auto/NoPause) is playing"));
}

TEST_F(StatusLine, DealOverSaysWhoWonAndWhatComesNext) {
    Position()
        .Players(2)
        .Table(Red(5))
        .Hand(1, {Red(1)})
        .Hand(3, {Blue(1), Blue(2)})
        .Turn(1)
        .Build();
    Click(Red(1));
    ASSERT_TRUE(st.BoardWait);
    EXPECT_EQ(Turn(), QStringLiteral("p1 won the deal: click the table to deal again"));
    EXPECT_EQ(StatusOf(st).Cards, QStringLiteral("cards: p1 0  p3 2"));
}

}  // namespace
}  // namespace tolvanis::testing
