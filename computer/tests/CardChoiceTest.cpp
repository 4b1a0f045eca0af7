// The computer's card choice: every rule deciding at least once, in the order of the list.
#include "../../engine/tests/EngineFixture.h"

#include "CardChoice.h"
#include "OwnPlay.h"

namespace tolvanis::testing {
namespace {

class CardChoiceTest : public EngineFixture {
  protected:
    // Seat 1 to move in a four-seat deal with `table` on the table; the following seat holds
    // `nextCards` cards (1 to 4).
    void Position(int table, const std::vector<int>& hand, int nextCards = 3) {
        NewPosition(4, Red(5));
        Lay(table);
        Give(1, hand);
        const int spare[] = {Yellow(6), Yellow(7), Yellow(8), Yellow(9)};
        Give(2, std::vector<int>(spare, spare + nextCards));
        Give(3, {Yellow(3, 1), Yellow(4, 1)});
        Give(4, {Yellow(1, 1), Yellow(2, 1)});
        SetTurn(1);
    }
    int Choice() {
        ChooseCard(st, 1);
        return st.PickedCard;
    }
};

TEST_F(CardChoiceTest, RuleZeroLastCard) {
    Position(Green(5), {Red(ValueCode::Plus2)});
    EXPECT_EQ(Choice(), Red(ValueCode::Plus2)) << "a single +2 goes on anything";
    Position(Green(5), {ColorChange()});
    EXPECT_EQ(Choice(), ColorChange());
    Position(Green(7), {Blue(7)});
    EXPECT_EQ(Choice(), Blue(7));
    // A single card that cannot follow falls through to the end: none.
    Position(Green(7), {Red(3)});
    EXPECT_EQ(Choice(), -1);
}

TEST_F(CardChoiceTest, RuleOneAnswersAPlusCardWithTheSameKind) {
    Position(Red(ValueCode::Plus2), {Red(1), Red(4), Blue(ValueCode::Plus2)});
    EXPECT_EQ(Choice(), Blue(ValueCode::Plus2));
    Position(Plus4(1), {Red(1), ColorChange(), Plus4()});
    EXPECT_EQ(Choice(), Plus4());
}

TEST_F(CardChoiceTest, RuleTwoStopsTheNextSeatFinishing) {
    Position(Red(5), {Red(1), Plus4(), ColorChange()}, 1);
    EXPECT_EQ(Choice(), ColorChange());
    EXPECT_EQ(st.FollowingSeat, 2);
    // Only a +4 besides cards of the table colour: the +4, though a person could not play it.
    Position(Red(5), {Red(1), Red(2), Plus4()}, 1);
    EXPECT_EQ(Choice(), Plus4());
}

TEST_F(CardChoiceTest, RulesThreeToFive) {
    Position(Red(5), {Red(1), Red(2), Plus4(), ColorChange()});
    EXPECT_EQ(Choice(), ColorChange()) << "rule 3";
    Position(Red(5), {Blue(1), Green(2), Plus4()});
    EXPECT_EQ(Choice(), Plus4()) << "rule 4";
    Position(Red(5), {Blue(1), Green(2), Blue(ValueCode::Skip)});
    EXPECT_EQ(Choice(), -1) << "rule 5";
}

TEST_F(CardChoiceTest, RuleSixSameActionCard) {
    Position(Red(ValueCode::Skip), {Red(1), Red(9), Yellow(ValueCode::Skip, 1)});
    EXPECT_EQ(Choice(), Yellow(ValueCode::Skip, 1));
    // A skip in hand does not answer a reverse: the reverse comes after it in the list.
    Position(Red(ValueCode::Reverse), {Blue(ValueCode::Skip), Green(ValueCode::Reverse)});
    EXPECT_EQ(Choice(), Green(ValueCode::Reverse));
}

TEST_F(CardChoiceTest, RulesSevenAndEightOneWayToFollow) {
    Position(Red(5), {Green(5), Blue(5, 1), Yellow(2)});
    EXPECT_EQ(Choice(), Green(5)) << "rule 7: the first card of the value";
    Position(Red(5),
             {Red(ValueCode::Skip), Red(ValueCode::Plus2), Red(ValueCode::Reverse), Green(2)});
    EXPECT_EQ(Choice(), Red(ValueCode::Plus2)) << "rule 8: the +2 outranks skip and reverse";
    Position(Red(5), {Red(ValueCode::Reverse), Red(3), Red(3, 1)});
    EXPECT_EQ(Choice(), Red(3)) << "rule 8: a tie keeps the earlier card";
}

TEST_F(CardChoiceTest, RulesNineAndTenTheLargerCountDecides) {
    Position(Red(5), {Red(9), Red(ValueCode::Plus2), Red(9, 1), Green(5), Yellow(5)});
    EXPECT_EQ(Choice(), Red(9)) << "rule 9: the earlier of two highest";
    Position(Red(5), {Green(5), Red(2), Yellow(5, 1), Blue(5)});
    EXPECT_EQ(Choice(), Green(5)) << "rule 10";
    Position(Red(5), {Red(2), Green(5)});
    EXPECT_EQ(Choice(), Red(2)) << "rule 9: a tie goes to the colour";
    // The table card's own copy: counts come from the hand only.
    Position(Red(5), {Red(5, 1), Blue(5), Green(5)});
    EXPECT_EQ(Choice(), Red(5, 1)) << "rule 10 picks the first of the value in hand order";
}

TEST_F(CardChoiceTest, HighestOfColourFallsBackToAWildCard) {
    Position(Red(5), {Green(2), Plus4(), ColorChange()});
    FindHighestOfColor(st, 1, ColorCode::Blue);
    EXPECT_EQ(st.PickedCard, Plus4());
    Position(Red(5), {Green(2)});
    FindHighestOfColor(st, 1, ColorCode::Blue);
    EXPECT_EQ(st.PickedCard, -1);
    FindFirstOfValue(st, 1, ValueCode{2});
    EXPECT_EQ(st.PickedCard, Green(2));
    FindFirstOfValue(st, 1, ValueCode{-1});
    EXPECT_EQ(st.PickedCard, -1);
}

// How the Strong player expects to play on: the list, but wild cards are kept for when nothing
// else follows or the next seat is about to finish, and the colour named is the one held most.
TEST_F(CardChoiceTest, OwnPlayKeepsWildCardsUntilTheyAreNeeded) {
    const auto own = [&] {
        ChooseOwnCard(st, 1);
        return st.PickedCard;
    };
    Position(Red(5), {ColorChange(), Green(7), Red(3)});
    EXPECT_EQ(Choice(), ColorChange());
    EXPECT_EQ(own(), Red(3));
    Position(Green(5), {Plus4(), Blue(5), Red(3)});
    EXPECT_EQ(own(), Blue(5));
    // Nothing else follows, the next seat holds one card, or the wild card is the last.
    Position(Red(5), {ColorChange(), Green(7)});
    EXPECT_EQ(own(), ColorChange());
    Position(Red(5), {Plus4(), Red(3)}, 1);
    EXPECT_EQ(own(), Plus4());
    Position(Red(5), {ColorChange()});
    EXPECT_EQ(own(), ColorChange());

    Position(Red(5), {Green(7), Blue(1), Green(2)});
    EXPECT_EQ(OwnColor(st, 1), ColorCode::Green);
    Position(Red(5), {Plus4(), ColorChange()});
    EXPECT_EQ(OwnColor(st, 1), ColorToName(st, 1)) << "only wild cards: the list's colour";
}

}  // namespace
}  // namespace tolvanis::testing
