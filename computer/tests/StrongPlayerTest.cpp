// The Strong player: what a seat may know, the moves it weighs, that it never reads a card its
// seat cannot see, that a seed repeats its play, and that the menu's strength reaches every
// computer seat.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "AutoTurns.h"
#include "CardChoice.h"
#include "ChoiceReplay.h"
#include "DealInPlay.h"
#include "EngineFixture.h"
#include "MoveOptions.h"
#include "SeatKnowledge.h"
#include "StrongPlayer.h"

using namespace tolvanis;
using namespace tolvanis::testing;

namespace {

// Little thinking keeps the tests quick; the choices stay repeatable at any budget.
constexpr std::int64_t TestBudget = 3000;

StrongMove ChooseWithSeed(const GameState& s, std::uint64_t seed) {
    FakeServices sv(seed);
    StrongPlayer player(sv);
    player.Budget = TestBudget;
    return player.Choose(s, s.CurrentSeat);
}

// The same position as the seat to move sees it, with every card it cannot see dealt anew: the
// other hands' unseen cards and the unseen front of the pile change places, sizes kept.
GameState PermuteHidden(const GameState& s, std::mt19937_64& rng) {
    GameState out = s;
    const int me = s.CurrentSeat;
    std::vector<std::pair<int, int>> places;  // (seat, position)
    std::vector<int> cards;
    for (int seat = 0; seat <= 4; ++seat) {
        if (seat == me) continue;
        for (int pos = 1; pos <= s.HandCount[seat]; ++pos) {
            const int card = s.Hand[seat][pos];
            if (card == s.TableCard || s.CardSeen[card]) continue;
            places.emplace_back(seat, pos);
            cards.push_back(card);
        }
    }
    std::shuffle(cards.begin(), cards.end(), rng);
    for (std::size_t i = 0; i < places.size(); ++i) {
        const auto [seat, pos] = places[i];
        out.Hand[seat][pos] = cards[i];
        out.CardOwner[cards[i]] = seat;
    }
    for (int seat = 1; seat <= 4; ++seat) {
        if (seat == me || out.HandCount[seat] < 0) continue;
        out.PutInHandOrder(seat);
        out.RecountHand(seat);
    }
    // The deal's shuffle tells every place: it must not count either.
    std::shuffle(out.ShuffleOrder.begin() + 1, out.ShuffleOrder.begin() + 1 + DeckSize, rng);
    return out;
}

using PositionTest = EngineFixture;

TEST(SeatKnowledgeTest, AtTheDealOnlyTheOwnHandAndTheTableCardAreSeen) {
    DealInPlay deal(11, 4);
    const GameState& s = deal.eng.State;
    const SeatKnowledge k(s, 2);
    EXPECT_EQ(k.HiddenCards().size(), std::size_t(DeckSize - HandSize - 1));
    for (const int seat : {1, 3, 4})
        EXPECT_EQ(k.HiddenInHand(seat), HandSize);
    EXPECT_EQ(k.HiddenInHand(2), 0);
    EXPECT_EQ(k.HiddenInPile(), s.HandCount[0] - 1);
    for (const int card : k.HiddenCards()) {
        EXPECT_NE(s.CardOwner[card], 2);
        EXPECT_NE(card, s.TableCard);
    }
}

TEST(SeatKnowledgeTest, PlayedCardsAreSeenWhereverTheyGo) {
    DealInPlay deal(12, 2);
    ASSERT_TRUE(deal.Play(6));
    GameState s = deal.eng.State;
    const int me = s.CurrentSeat, other = me == 1 ? 3 : 1;
    // One played card taken back by the other seat from the front of the pile: everybody saw
    // it played and saw where the pile's front went.
    int played = 0;
    for (int card = 1; card <= DeckSize; ++card) {
        if (s.CardSeen[card] && s.CardOwner[card] == 0) played = card;
    }
    ASSERT_GT(played, 0);
    s.CardOwner[played] = other;
    s.Hand[other][++s.HandCount[other]] = played;
    s.HandCount[0] -= 1;
    // (the pile entry is left to one side: only the counts matter here)
    const SeatKnowledge k(s, me);
    EXPECT_EQ(k.SeenInHand(other), std::vector<int>{played});
    EXPECT_EQ(k.HiddenInHand(other), s.HandCount[other] - 1);
    EXPECT_TRUE(std::find(k.HiddenCards().begin(), k.HiddenCards().end(), played) ==
                k.HiddenCards().end());
}

TEST(SeatKnowledgeTest, AMadeUpDealKeepsWhatTheSeatSeesAndLosesNoCard) {
    for (const int players : {2, 3, 4}) {
        DealInPlay deal(20 + players, players);
        ASSERT_TRUE(deal.Play(9));
        const GameState& s = deal.eng.State;
        const int me = s.CurrentSeat;
        SeatKnowledge k(s, me);
        std::mt19937_64 rng(5);
        FakeServices sv;
        Engine world(sv);
        world.State = s;
        k.MakeWorld(world.State, rng);
        world.SetTotalInDeck();
        EXPECT_EQ(CheckInvariants(world), "") << players << " players";
        const GameState& w = world.State;
        EXPECT_EQ(w.Hand[me], s.Hand[me]);
        EXPECT_EQ(w.HandCount, s.HandCount);
        EXPECT_EQ(w.Hand[0][1], s.TableCard);
        const int seenInPile = s.HandCount[0] - 1 - k.HiddenInPile();
        for (int pos = s.HandCount[0] - seenInPile + 1; pos <= s.HandCount[0]; ++pos)
            EXPECT_EQ(w.Hand[0][pos], s.Hand[0][pos]);
    }
}

TEST_F(PositionTest, MadeUpHandsKeepWhatASeatShowedItLacked) {
    // Seat 3, told it has nothing to play, takes a card for want of a red card, a 6 or a wild
    // card; seat 1, to move, deals the three cards seat 3 held then without any of them, and
    // the card it took from anything.
    NewPosition(2, Red(5));
    Give(1, {Red(6), Red(8), Blue(1)});
    Give(3, {Green(1), Green(2), Yellow(3)});
    Click(Red(6));
    ClickPile();
    ASSERT_EQ(st.CurrentSeat, 1);
    SeatKnowledge k(st, 1);
    ASSERT_EQ(k.Lacks(3).size(), 1u);
    EXPECT_EQ(k.Lacks(3)[0].Without, st.Lacks[3][0].Without);
    EXPECT_EQ(k.Lacks(3)[0].Cards, 3);

    std::mt19937_64 rng(3);
    int lacking = 0, redOrSix = 0;
    for (int round = 0; round < 200; ++round) {
        GameState world = st;
        k.MakeWorld(world, rng);
        int fits = 0;
        for (int pos = 1; pos <= world.HandCount[3]; ++pos) {
            const int card = world.Hand[3][pos];
            fits += world.CardColor[card] != ColorCode::Red &&
                    world.CardValue[card] != ValueCode{6} &&
                    world.CardColor[card] != ColorCode::Any;
        }
        EXPECT_GE(fits, 3);
        lacking += fits == 4;
        redOrSix += fits == 3;
    }
    EXPECT_GT(redOrSix, 20) << "the card taken may be anything";
    EXPECT_GT(lacking, 20);

    // Had seat 3 played a card since, it might have been one of those three.
    st.CardsPlayed[3] += 1;
    EXPECT_EQ(SeatKnowledge(st, 1).Lacks(3)[0].Cards, 2);
}

TEST(SeatKnowledgeTest, WhatTheRuleListShowsNeverDeniesACardItsHandHolds) {
    // Every seat follows the list; each note made while a seat chose its move is checked
    // against the hand it really held.
    int notes = 0, informative = 0;
    for (const int players : {2, 3, 4}) {
        for (std::uint64_t seed = 1; seed <= 6; ++seed) {
            DealInPlay deal(seed * 10 + std::uint64_t(players), players);
            const GameState& s = deal.eng.State;
            std::array<int, SeatSlots> before{};
            int mover = 0, moved = -1;
            const auto check = [&](int seat) {
                for (int k = before[seat]; k < s.LacksNoted[seat]; ++k) {
                    const GameState::Lack& lack = s.Lacks[seat][k % GameState::LacksKept];
                    ++notes;
                    informative += lack.Without.count() > 8;
                    for (int pos = 1; pos <= s.HandCount[seat]; ++pos) {
                        const int held = s.Hand[seat][pos];
                        EXPECT_TRUE(held == moved || !lack.Without[std::size_t(held)])
                            << "seed " << seed << ": seat " << seat << " holds " << held;
                    }
                }
                before[seat] = s.LacksNoted[seat];
            };
            // The mover's notes are checked before its move, the colour it named after.
            deal.driver.BeforeMove = [&](int seat, int card, int) {
                mover = seat;
                moved = card;
                check(seat);
            };
            deal.driver.AfterMove = [&] {
                moved = -1;
                for (int seat = 1; seat <= 4; ++seat) {
                    if (seat != mover) check(seat);
                }
                before = s.LacksNoted;
            };
            while (deal.Play(1)) {
            }
        }
    }
    EXPECT_GT(notes, 200);
    EXPECT_GT(informative, 100);
}

TEST(SeatKnowledgeTest, TheHandsHeldMakeTheRuleListsChoicesAgainAndMadeUpOnesMostly) {
    // Every seat follows the list. At every turn of seeded deals the hands really held make
    // each kept choice again; hidden cards shuffled at random often do not, and the made-up
    // deals, dealt anew where they miss, seldom.
    int checked = 0, missedByChance = 0, missedMadeUp = 0;
    for (const int players : {2, 3, 4}) {
        for (std::uint64_t seed = 1; seed <= 6; ++seed) {
            DealInPlay deal(seed * 7 + std::uint64_t(players), players);
            std::mt19937_64 rng(seed);
            const GameState& s = deal.eng.State;
            while (deal.Play(1)) {
                const int me = s.CurrentSeat;
                ChoiceReplay replay(s, me);
                const GameState shuffled = PermuteHidden(s, rng);
                GameState made = s;
                SeatKnowledge(s, me).MakeWorld(made, rng);
                for (int other = 1; other <= 4; ++other) {
                    if (other == me || !replay.Checks(other)) continue;
                    ++checked;
                    EXPECT_EQ(replay.Misfits(s, other), 0)
                        << players << " players, seed " << seed << ", seat " << other;
                    missedByChance += replay.Misfits(shuffled, other) > 0;
                    missedMadeUp += replay.Misfits(made, other) > 0;
                }
            }
        }
    }
    EXPECT_GT(checked, 600);
    EXPECT_GT(missedByChance, checked / 3);
    EXPECT_LT(missedMadeUp, missedByChance / 10);
}

TEST_F(PositionTest, OwedCardsArePassedOnByEveryColourOrTaken) {
    NewPosition(4, Red(5));
    Give(1, {Red(ValueCode::Plus2), Blue(ValueCode::Plus2), Blue(ValueCode::Plus2, 1), Green(3)});
    Lay(Yellow(ValueCode::Plus2));
    st.PendingDraw[1] = 2;
    const auto moves = MoveOptions(st, 1);
    ASSERT_EQ(moves.size(), 3u);  // red +2, one blue +2 (the two are alike), take
    EXPECT_EQ(moves[0].Card, Red(ValueCode::Plus2));
    EXPECT_EQ(moves[1].Card, Blue(ValueCode::Plus2));
    EXPECT_EQ(moves[2], (StrongMove{-1, ColorCode::None}));
}

TEST_F(PositionTest, WildCardsComeWithEachColourAndTheRuleListsCardIsAlwaysOpen) {
    NewPosition(4, Red(5));
    Give(1, {Green(7), ColorChange()});
    const auto moves = MoveOptions(st, 1);
    // The green 7 follows nothing; the colour change comes with four colours; with nothing but
    // a wild card to follow, taking one card is open too.
    ASSERT_EQ(moves.size(), 5u);
    for (std::size_t c = 0; c < 4; ++c)
        EXPECT_EQ(moves[c], (StrongMove{ColorChange(), PlayColors[c]}));
    EXPECT_EQ(moves.back(), (StrongMove{-1, ColorCode::None}));

    // A last +2 ends the deal on any table card: the rule list plays it, so it stays open
    // beside taking a card.
    NewPosition(4, Red(5));
    Give(1, {Blue(ValueCode::Plus2)});
    EXPECT_EQ(MoveOptions(st, 1),
              (std::vector<StrongMove>{{Blue(ValueCode::Plus2), ColorCode::None},
                                       {-1, ColorCode::None}}));
}

TEST(StrongPlayerTest, NeverReadsACardItsSeatCannotSee) {
    std::mt19937_64 rng(99);
    int positions = 0, differentFromRules = 0;
    for (const int players : {2, 4}) {
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            DealInPlay deal(seed * 31 + players, players);
            if (!deal.Play(int(seed % 7) * 3 + 1)) continue;
            const GameState& s = deal.eng.State;
            if (MoveOptions(s, s.CurrentSeat).size() < 2) continue;
            ++positions;
            const StrongMove seen = ChooseWithSeed(s, seed);
            for (int round = 0; round < 2; ++round) {
                const GameState other = PermuteHidden(s, rng);
                ASSERT_NE(other.Hand, s.Hand);
                EXPECT_EQ(ChooseWithSeed(other, seed), seen)
                    << players << " players, seed " << seed << ", round " << round;
            }
            GameState probe = s;
            ChooseCard(probe, s.CurrentSeat);
            differentFromRules += probe.PickedCard != seen.Card;
        }
    }
    EXPECT_GE(positions, 12);
    // It does weigh the position: somewhere it leaves the rule list.
    EXPECT_GT(differentFromRules, 0);
}

TEST_F(PositionTest, FindsTheWinTheRuleListMisses) {
    // Two seats. A skip lets seat 1 move again and go out with its red 5; the rule list plays
    // the red 5 first (the highest card of the colour) and leaves the skip.
    NewPosition(2, Red(3));
    Give(1, {Red(5), Red(ValueCode::Skip)});
    Give(3, {Green(1), Green(2), Blue(4), Yellow(6), Yellow(8)});
    GameState probe = st;
    ChooseCard(probe, 1);
    ASSERT_EQ(probe.PickedCard, Red(5));
    EXPECT_EQ(ChooseWithSeed(st, 3).Card, Red(ValueCode::Skip));
}

TEST(StrongPlayerTest, ASeedRepeatsEveryMoveOfAGame) {
    auto play = [](std::uint64_t seed) {
        FakeServices sv(seed);
        sv.RecordSounds = false;
        Engine eng(sv);
        AutoTurns driver(eng);
        eng.SetAutoPlayer(&driver);
        eng.Load(TestCardWidth, TestCardHeight);
        eng.CommandNumberOfPlayers(3);
        eng.CommandAllAutoNoPause();
        eng.CommandComputerStrength(Strength::Strong);
        driver.Strong().Budget = TestBudget;
        eng.State.DelayUnits = 0;
        for (int deal = 0; deal < 2; ++deal) {
            eng.OnBoardMouseUp(ButtonLeft, 0);
            if (eng.State.BoardWait) eng.OnBoardMouseUp(ButtonLeft, 0);
        }
        return sv.LogHistory;
    };
    const auto first = play(8);
    EXPECT_GT(first.size(), 40u);
    EXPECT_EQ(play(8), first);
    EXPECT_NE(play(9), first);
}

class StrengthMenuTest : public EngineFixture {
  protected:
    StrengthMenuTest() { eng.SetAutoPlayer(&driver); }
    // The skip position above for seat 1, here a computer seat, against a person at seat 3.
    void SkipPosition() {
        NewPosition(2, Red(3));
        Give(1, {Red(5), Red(ValueCode::Skip)});
        Give(3, {Green(1), Green(2), Blue(4), Yellow(6), Yellow(8)});
        SetSeat(1, true);
        SetTurn(1);
        st.DelayUnits = 0;
        driver.Strong().Budget = TestBudget;
    }
    AutoTurns driver{eng};
};

TEST_F(StrengthMenuTest, StandardIsCheckedAtStartAndTheChoiceMovesTheCheckMark) {
    EXPECT_EQ(st.ComputerStrength, Strength::Standard);
    EXPECT_TRUE(tb.Menu.StandardStrengthChecked);
    EXPECT_FALSE(tb.Menu.StrongStrengthChecked);
    eng.CommandComputerStrength(Strength::Strong);
    EXPECT_EQ(st.ComputerStrength, Strength::Strong);
    EXPECT_FALSE(tb.Menu.StandardStrengthChecked);
    EXPECT_TRUE(tb.Menu.StrongStrengthChecked);
    eng.CommandComputerStrength(Strength::Standard);
    EXPECT_TRUE(tb.Menu.StandardStrengthChecked);
    EXPECT_FALSE(tb.Menu.StrongStrengthChecked);
}

TEST_F(StrengthMenuTest, EveryComputerSeatPlaysAtTheChosenStrengthAndShowsItsMoveAlike) {
    SkipPosition();
    eng.RunAutoTurns();
    EXPECT_EQ(LogLines().front(), "p1: Auto:  5");  // the rule list

    SkipPosition();
    eng.CommandComputerStrength(Strength::Strong);
    eng.RunAutoTurns();
    const auto lines = LogLines();
    const auto skip = std::find(lines.begin(), lines.end(), "p1: Auto: <skip-next-turn>");
    EXPECT_NE(skip, lines.end());
    EXPECT_NE(std::find(skip, lines.end(), "p1: Auto:  5"), lines.end());
    EXPECT_EQ(st.HandCount[1], 0);
    EXPECT_EQ(Caption(1), "FINISHED");
}

TEST_F(StrengthMenuTest, APersonsTurnPlayedByTheComputerKeepsTheRuleList) {
    SkipPosition();
    SetSeat(1, false);
    eng.CommandComputerStrength(Strength::Strong);
    eng.OnBoardMouseUp(ButtonLeft, ShiftMask);
    EXPECT_EQ(LogLines().front(), "p1: Auto:  5");
}

}  // namespace
