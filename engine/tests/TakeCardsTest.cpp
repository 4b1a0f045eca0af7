// Taking cards: the pile click and the seat-label click, owed and chosen takes, a pile that
// runs short or empty, and the turn that always passes afterwards.
#include "EngineFixture.h"

namespace tolvanis::testing {
namespace {

class TakeCardsTest : public EngineFixture {
  protected:
    // Seat 3 to move in a two-seat deal, owing `owed` after the card `served` was played on a
    // red 5; seat 1 holds red cards.
    void SeatThreeOwes(int owed, int served) {
        NewPosition(2, Red(5));
        Give(1, {Red(6), Red(8)});
        Give(3, {Green(1), Green(2)});
        Lay(served, ColorCode::Red);
        SetTurn(3);
        st.PendingDraw[3] = owed;
    }
};

TEST_F(TakeCardsTest, OwedCardsComeFromThePileFrontPastTheTableCard) {
    SeatThreeOwes(2, Red(ValueCode::Plus2));
    ASSERT_EQ(st.Hand[0][1], st.TableCard);
    const int first = st.Hand[0][2], second = st.Hand[0][3];
    st.PendingDraw[1] = 1;  // every seat's debt goes once cards are taken
    ClickPile();

    EXPECT_EQ(HandOf(3), (std::vector<int>{first, second, Green(1), Green(2)}));  // hand order
    EXPECT_EQ(LogLines(), std::vector<QString>{QStringLiteral("p3: given 2 cards from the deck")});
    EXPECT_EQ(sv.Sounds, std::vector<QString>{QStringLiteral("Vrkmenu")});
    EXPECT_EQ(tb.CardImage[st.TableCard].Picture, MarkerImage(ColorCode::Red));
    EXPECT_EQ(st.PendingDraw, (std::array<int, SeatSlots>{}));
    EXPECT_EQ(st.CurrentSeat, 1);
    EXPECT_EQ(Caption(1), QStringLiteral("p1: your turn"));
    EXPECT_EQ(Caption(3), QStringLiteral("p3: player# 3"));
    EXPECT_EQ(st.Hand[0][1], st.TableCard);
    EXPECT_EQ(tb.TotalInDeck.Caption, QStringLiteral(" 102"));
    EXPECT_EQ(tb.Flight.Seat, 3);
    EXPECT_TRUE(CardsAccountedFor(eng));
}

TEST_F(TakeCardsTest, TheSeatLabelTakesOwedCardsSilently) {
    SeatThreeOwes(4, Plus4());
    ClickLabel(1);  // not the seat to move
    EXPECT_EQ(st.HandCount[3], 2);
    ClickLabel(3);
    EXPECT_EQ(st.HandCount[3], 6);
    EXPECT_TRUE(sv.Sounds.empty());
    EXPECT_EQ(LogLines(), std::vector<QString>{QStringLiteral("p3: given 4 cards from the deck")});
    EXPECT_EQ(st.CurrentSeat, 1);

    // The served +4 keeps its value: another +4 may go on it, table colour in hand or not.
    Give(1, {Plus4(1)});
    Click(Plus4(1));
    EXPECT_EQ(st.ColorWait, 4);

    // Nothing owed: the label takes nothing.
    SeatThreeOwes(0, Red(9));
    ClickLabel(3);
    EXPECT_EQ(st.HandCount[3], 2);
    EXPECT_TRUE(sv.LogHistory.empty());
}

TEST_F(TakeCardsTest, NothingToPlayOwesOneCard) {
    NewPosition(2, Red(5));
    Give(1, {Red(6), Red(8)});
    Give(3, {Green(1), Green(2)});
    Click(Red(6));
    ASSERT_EQ(Caption(3), QStringLiteral("p3: take 1 card"));
    const int picture = tb.CardImage[st.TableCard].Picture;
    ForgetRecords();
    ClickPile();
    EXPECT_EQ(st.HandCount[3], 3);
    EXPECT_EQ(LogLines(), std::vector<QString>{QStringLiteral("p3: given 1 cards from the deck")});
    EXPECT_EQ(tb.CardImage[st.TableCard].Picture, picture) << "one card leaves the table as it is";
    EXPECT_EQ(st.CurrentSeat, 1);
}

TEST_F(TakeCardsTest, EverySeatSeesWhatATakerLacked) {
    NewPosition(2, Red(5));
    Give(1, {Red(6), Red(8)});
    Give(3, {Green(1), Green(2)});
    Click(Red(6));
    ClickPile();
    ASSERT_EQ(st.LacksNoted[3], 1);
    const GameState::Lack lack = st.Lacks[3][0];
    EXPECT_TRUE(lack.Without[Red(1)] && lack.Without[Blue(6)]);
    EXPECT_FALSE(lack.Without[Blue(5)]);
    EXPECT_EQ(lack.Held, 2);
    EXPECT_EQ(lack.Played, 0);
    EXPECT_TRUE(lack.Without[ColorChange()] && lack.Without[Plus4()])
        << "told it had nothing to play: the rule list found no wild card";
    EXPECT_EQ(st.CardsPlayed[1], 1);

    // Taking with a wild card in hand, untold: the wild card may be there.
    NewPosition(2, Red(5));
    Give(1, {ColorChange(), Blue(3)});
    Give(3, {Green(1), Green(2)});
    ClickPile();
    ASSERT_EQ(st.LacksNoted[1], 1);
    EXPECT_FALSE(st.Lacks[1][0].Without[ColorChange()]);

    // Owed cards tell nothing: they may be taken with cards that follow in hand.
    SeatThreeOwes(2, Red(ValueCode::Plus2));
    st.ForgetLacks();
    ClickPile();
    EXPECT_EQ(st.LacksNoted[3], 0);

    // A new deal starts with nothing known.
    st.LacksNoted[3] = 2;
    st.CardsPlayed[1] = 5;
    eng.StartNewDeal();
    EXPECT_EQ(st.LacksNoted, (std::array<int, SeatSlots>{}));
    EXPECT_EQ(st.CardsPlayed, (std::array<int, SeatSlots>{}));
}

TEST_F(TakeCardsTest, OnlyAWildCardToPlayMayStillTakeOne) {
    NewPosition(2, Red(5));
    Give(1, {ColorChange(), Blue(3)});
    Give(3, {Green(1), Green(2)});
    const int first = st.Hand[0][2];
    ASSERT_EQ(st.CardColor[first], ColorCode::Red) << "the card taken could be played";
    ClickPile();
    EXPECT_EQ(LogLines(),
              std::vector<QString>{QStringLiteral("p1: decided to take one card from the deck")});
    EXPECT_EQ(SoundCount(SndMenu), 1);
    EXPECT_EQ(st.CardOwner[first], 1);
    EXPECT_EQ(st.CurrentSeat, 3) << "taking ends the turn";
}

TEST_F(TakeCardsTest, ASeatThatCanFollowMayNotTake) {
    NewPosition(2, Red(5));
    Give(1, {Blue(5), ColorChange()});
    Give(3, {Green(1), Green(2)});
    ClickPile();
    EXPECT_EQ(st.HandCount[1], 2);
    EXPECT_EQ(st.CurrentSeat, 1);
    EXPECT_TRUE(sv.Sounds.empty());
    EXPECT_TRUE(sv.LogHistory.empty());
}

TEST_F(TakeCardsTest, FewerCardsLeftThanOwed) {
    SeatThreeOwes(4, Plus4());
    st.TableColor = ColorCode::Blue;
    // Seat 1 takes all but three cards of the pile.
    std::vector<int> rest(st.Hand[0].begin() + 2, st.Hand[0].begin() + st.HandCount[0] - 2);
    Give(1, rest);
    ASSERT_EQ(st.HandCount[0], 4);
    ClickPile();
    EXPECT_EQ(st.HandCount[3], 5);
    EXPECT_EQ(st.HandCount[0], 1);
    EXPECT_EQ(tb.TotalInDeck.Caption, QStringLiteral(" 1"));
    EXPECT_EQ(LogLines(), std::vector<QString>{QStringLiteral("p3: given 4 cards from the deck")});
    EXPECT_EQ(tb.CardImage[st.TableCard].Picture, MarkerImage(ColorCode::Blue));
    EXPECT_TRUE(CardsAccountedFor(eng));
}

TEST_F(TakeCardsTest, AnEmptyPileStillPassesTheTurn) {
    SeatThreeOwes(2, Red(ValueCode::Plus2));
    std::vector<int> rest(st.Hand[0].begin() + 2, st.Hand[0].begin() + st.HandCount[0] + 1);
    Give(1, rest);
    ASSERT_EQ(st.HandCount[0], 1);
    const int picture = tb.CardImage[st.TableCard].Picture;
    ClickPile();
    EXPECT_EQ(st.HandCount[3], 2);
    EXPECT_EQ(LogLines(), std::vector<QString>{QStringLiteral("p3: given 2 cards from the deck")});
    EXPECT_EQ(st.PendingDraw[3], 0);
    EXPECT_EQ(st.CurrentSeat, 1);
    EXPECT_EQ(tb.CardImage[st.TableCard].Picture, picture);
    EXPECT_TRUE(CardsAccountedFor(eng));
}

}  // namespace
}  // namespace tolvanis::testing
