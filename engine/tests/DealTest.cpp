// The card table, hand order, the following seat and starting a deal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "Engine.h"
#include "FakeServices.h"
#include "Invariants.h"

using namespace tolvanis;
using tolvanis::testing::CheckInvariants;

namespace {

constexpr double kCardW = 18.8, kCardH = 25.4;

struct Loaded {
    explicit Loaded(std::uint64_t seed = 7) : sv(seed), e(sv) { e.Load(kCardW, kCardH); }
    FakeServices sv;
    Engine e;
};

// Plays "New Deal" with a given player count the way the menu does it, without the menu's sound.
void Deal(Engine& e, int players) {
    e.State.NumPlayers = players;
    e.StartNewDeal();
}

}  // namespace

TEST(CardTable, HoldsTheDeckInItsNumbering) {
    Loaded g;
    const GameState& s = g.e.State;
    std::map<std::pair<ColorCode, ValueCode>, int> count;
    for (int k = 1; k <= DeckSize; ++k)
        ++count[{s.CardColor[k], s.CardValue[k]}];
    for (ColorCode c : PlayColors) {
        EXPECT_EQ((count[{c, ValueCode{0}}]), 1);
        for (int v = 1; v <= 9; ++v)
            EXPECT_EQ((count[{c, ValueCode{v}}]), 2) << Index(c) << " " << v;
        EXPECT_EQ((count[{c, ValueCode::Plus2}]), 2);
        EXPECT_EQ((count[{c, ValueCode::Skip}]), 2);
        EXPECT_EQ((count[{c, ValueCode::Reverse}]), 2);
    }
    EXPECT_EQ((count[{ColorCode::Any, ValueCode::Plus4}]), 4);
    EXPECT_EQ((count[{ColorCode::Any, ValueCode::ColorChange}]), 4);

    // Spot checks of the numbering the pictures follow.
    EXPECT_EQ(s.CardValue[3], ValueCode{0});
    EXPECT_EQ(s.CardColor[3], ColorCode::Blue);
    EXPECT_EQ(s.CardValue[5], ValueCode{1});
    EXPECT_EQ(s.CardValue[6], ValueCode{1});
    EXPECT_EQ(s.CardValue[22], ValueCode{9});
    EXPECT_EQ(s.CardColor[23], ColorCode::Green);
    EXPECT_EQ(s.CardColor[80], ColorCode::Yellow);
    EXPECT_EQ(s.CardValue[88], ValueCode::Plus4);
    EXPECT_EQ(s.CardValue[89], ValueCode::Reverse);
    EXPECT_EQ(s.CardValue[97], ValueCode::Skip);
    EXPECT_EQ(s.CardValue[108], ValueCode::ColorChange);
    EXPECT_EQ(s.CardColor[108], ColorCode::Any);
    for (ColorCode c : PlayColors) {
        EXPECT_EQ(s.CardValue[Index(c) + 119], ValueCode::Marker);
        EXPECT_EQ(s.CardColor[Index(c) + 119], c);
    }
    EXPECT_EQ(s.LastImageIndex, 123);
}

TEST(CardTable, RecountHandCountsEveryCard) {
    Loaded g;
    GameState& s = g.e.State;
    s.HandCount[2] = 0;
    s.RecountHand(2);
    for (int c = 0; c <= 6; ++c)
        EXPECT_EQ(s.CountByColor[2][c], 0);
    s.HandCount[2] = 2;
    s.Hand[2][1] = 1;  // red 0
    s.Hand[2][2] = 2;  // green 0
    s.RecountHand(2);
    EXPECT_EQ(s.CountByValue(2, ValueCode{0}), 2);
    EXPECT_EQ(s.CountByColor[2][Index(ColorCode::Red)], 1);
    EXPECT_EQ(s.CountByColor[2][Index(ColorCode::Green)], 1);
}

TEST(HandOrder, NumbersByColourThenActionsThenWild) {
    Loaded g;
    GameState& s = g.e.State;
    // blue 3 (45), +4 (85), red skip (97), red 0 (1), yellow 9 (76)
    s.HandCount[1] = 5;
    const int dealt[] = {45, 85, 97, 1, 76};
    for (int i = 0; i < 5; ++i)
        s.Hand[1][i + 1] = dealt[i];
    g.e.SortHand(1);
    const int expected[] = {1, 45, 76, 97, 85};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(s.Hand[1][i + 1], expected[i]) << i;
    // Each later card lies above the one before it.
    const auto order = g.e.Table.StackingOrder();
    auto z = [&](int card) {
        return std::find(order.begin(), order.end(), ItemRef{ItemKind::CardImage, card}) -
               order.begin();
    };
    for (int i = 1; i < 5; ++i)
        EXPECT_LT(z(expected[i - 1]), z(expected[i]));
}

TEST(HandOrder, TiesKeepCardNumberAndPlusFourBeforeColourChange) {
    Loaded g;
    GameState& s = g.e.State;
    const int dealt[] = {106, 31, 14, 86, 13, 77, 89, 78};  // cc, green 5, red 5, +4, red 5, ...
    s.HandCount[3] = 8;
    for (int i = 0; i < 8; ++i)
        s.Hand[3][i + 1] = dealt[i];
    g.e.SortHand(3);
    const int expected[] = {13, 14, 31, 77, 89, 78, 86, 106};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(s.Hand[3][i + 1], expected[i]) << i;

    s.HandCount[4] = -1;
    s.Hand[4][1] = 50;
    g.e.SortHand(4);  // a seat not in play is left alone
    EXPECT_EQ(s.Hand[4][1], 50);
}

TEST(FollowingSeat, BothDirectionsForEveryPlayerCount) {
    Loaded g;
    GameState& s = g.e.State;
    auto following = [&](int from, TurnOrder direction) {
        s.CurrentSeat = from;
        s.Direction = direction;
        s.FindFollowingSeat();
        return s.FollowingSeat;
    };
    Deal(g.e, 2);
    EXPECT_EQ(following(1, TurnOrder::Forward), 3);
    EXPECT_EQ(following(1, TurnOrder::Backward), 3);
    EXPECT_EQ(following(3, TurnOrder::Forward), 1);
    EXPECT_EQ(following(3, TurnOrder::Backward), 1);
    Deal(g.e, 3);
    EXPECT_EQ(following(4, TurnOrder::Forward), 2);
    EXPECT_EQ(following(2, TurnOrder::Backward), 4);
    EXPECT_EQ(following(3, TurnOrder::Backward), 2);
    Deal(g.e, 4);
    EXPECT_EQ(following(1, TurnOrder::Backward), 4);
    EXPECT_EQ(following(4, TurnOrder::Forward), 1);
    EXPECT_EQ(following(2, TurnOrder::Forward), 3);
    // An emptied hand is passed over.
    s.HandCount[2] = 0;
    EXPECT_EQ(following(1, TurnOrder::Forward), 3);
}

class SeededDeal : public ::testing::TestWithParam<int> {};

TEST_P(SeededDeal, DealsConsecutiveBlocksAndTurnsUpANumberCard) {
    const int players = GetParam();
    Loaded g(100 + players);
    Deal(g.e, players);
    const GameState& s = g.e.State;
    const std::set<int> seats = players == 4   ? std::set<int>{1, 2, 3, 4}
                                : players == 3 ? std::set<int>{2, 3, 4}
                                               : std::set<int>{1, 3};
    int next = 1;
    for (int seat = 1; seat <= 4; ++seat) {
        if (!seats.count(seat)) {
            EXPECT_EQ(s.HandCount[seat], -1);
            continue;
        }
        ASSERT_EQ(s.HandCount[seat], HandSize);
        std::multiset<int> dealt(s.ShuffleOrder.begin() + next, s.ShuffleOrder.begin() + next + 7);
        std::multiset<int> held(s.Hand[seat].begin() + 1, s.Hand[seat].begin() + 8);
        EXPECT_EQ(dealt, held) << "seat " << seat;
        next += 7;
    }
    const int pile = DeckSize - HandSize * players;
    EXPECT_EQ(s.HandCount[0], pile);
    EXPECT_EQ(g.e.Table.TotalInDeck.Caption, QLatin1Char(' ') + QString::number(pile));

    EXPECT_EQ(s.Hand[0][1], s.TableCard);
    EXPECT_GE(Rank(s.CardValue[s.TableCard]), 1);
    EXPECT_LE(Rank(s.CardValue[s.TableCard]), 9);
    EXPECT_EQ(s.TableColor, s.CardColor[s.TableCard]);
    EXPECT_TRUE(g.e.Table.CardImage[s.TableCard].Visible);
    EXPECT_EQ(g.e.Table.CardImage[s.TableCard].Left, 77);
    EXPECT_EQ(g.e.Table.CardImage[0].Left, 57);
    EXPECT_EQ(CheckInvariants(g.e), "");
}

INSTANTIATE_TEST_SUITE_P(Players, SeededDeal, ::testing::Values(2, 3, 4));

TEST(Deal, TableCardSkipsZerosActionsAndWildCards) {
    Loaded g;
    GameState& s = g.e.State;
    // Put a +4, a skip, a 0 and a green 6 at the front of the pile, then lay out again.
    const int front[] = {85, 97, 1, 33};
    for (int i = 0; i < 4; ++i) {
        const int card = front[i];
        const int pos =
            int(std::find(s.Hand[0].begin() + 1, s.Hand[0].begin() + 1 + s.HandCount[0], card) -
                s.Hand[0].begin());
        if (pos <= s.HandCount[0]) {
            std::swap(s.Hand[0][pos], s.Hand[0][i + 1]);
        } else {
            // The card sits in a hand: swap it with the pile slot.
            for (int seat = 1; seat <= 4; ++seat)
                for (int p = 1; p <= s.HandCount[seat]; ++p)
                    if (s.Hand[seat][p] == card) std::swap(s.Hand[seat][p], s.Hand[0][i + 1]);
        }
    }
    g.e.LayOutDeal();
    EXPECT_EQ(s.TableCard, 33);
    EXPECT_EQ(s.TableColor, ColorCode::Green);
    EXPECT_EQ(s.Hand[0][1], 33);
    EXPECT_EQ(s.Hand[0][4], 85);
}

TEST(Deal, LogStartsWithHeaderDateAndStarter) {
    Loaded g;
    const auto& log = g.sv.Log;  // newest first
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[2].Text, "RIDIV EVENTS");
    EXPECT_EQ(log[2].Color, NoColor);
    EXPECT_EQ(log[1].Text, "12-07-2026@22:05:09");
    EXPECT_EQ(log[0].Text, "p1: STARTS");
    EXPECT_EQ(log[0].Color, Black);
    EXPECT_EQ(g.sv.Sounds.front(), "vrktrade");
}

TEST(Deal, FirstTurnOfARunIsAnnouncedForTheSeatThatMoves) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        Loaded g(seed);
        const GameState& s = g.e.State;
        EXPECT_EQ(s.CurrentSeat, 1);
        EXPECT_EQ(g.sv.Log[0].Text, "p1: STARTS");
        EXPECT_EQ(g.e.Table.Message[1].BackColor, Black);
        for (int seat = 2; seat <= 4; ++seat)
            EXPECT_EQ(g.e.Table.Message[seat].BackColor, White);
        const QString caption = g.e.Table.Message[1].Caption;
        EXPECT_TRUE(caption == "p1: your turn" || caption == "p1: take 1 card")
            << caption.toStdString();
        EXPECT_EQ(s.PendingDraw[1] == 1, caption == "p1: take 1 card");
        EXPECT_EQ(g.e.Table.Message[2].Caption, "p2: Auto/Pause");
    }
}

TEST(Deal, RandomStartNeverRepeatsTheLastSeatAsScanStart) {
    Loaded g(3);
    GameState& s = g.e.State;
    // Draws of 0.05 give seat 0, 0.3 seat 1: with seat 1 last, the 0.3 draws are refused.
    for (int last = 1; last <= 4; ++last) {
        s.CurrentSeat = last;
        const double drawsFor[] = {0.0, 0.3, 0.55, 0.8, 0.99};
        g.sv.QueueRnd({drawsFor[last], drawsFor[last], drawsFor[last % 4 + 1]});
        g.e.ChooseStartingSeat();
        // The scan start is the next draw, so the starter is the seat after that draw's seat.
        const int drawn = last % 4 + 1 > 4 ? 4 : last % 4 + 1;
        EXPECT_EQ(s.CurrentSeat, drawn) << "last " << last;
    }
}

TEST(Deal, FirstPlayerStartGivesTheLowestSeatInPlay) {
    Loaded g;
    g.e.State.StartMode = StartChoice::FirstSeat;
    Deal(g.e, 3);
    EXPECT_EQ(g.e.State.CurrentSeat, 2);
    EXPECT_EQ(g.sv.Log[0].Text, "p2: STARTS");
    Deal(g.e, 2);
    EXPECT_EQ(g.e.State.CurrentSeat, 1);
}

TEST(Deal, EveryDealStartsFromTheDeckAsMade) {
    Loaded g;
    GameState& s = g.e.State;
    const auto colors = s.CardColor;
    const auto values = s.CardValue;
    // The table card carries the last card played on it, picture included.
    s.CardColor[s.TableCard] = ColorCode::Any;
    s.CardValue[s.TableCard] = ValueCode::Plus4;
    g.e.Table.CardImage[s.TableCard].Picture = 88;
    const int oldTable = s.TableCard;
    g.e.StartNewDeal();
    EXPECT_EQ(s.CardColor, colors);
    EXPECT_EQ(s.CardValue, values);
    EXPECT_EQ(g.e.Table.CardImage[oldTable].Picture, oldTable);
}

TEST(Deal, AbandonedDealLeavesNothingOwedOrAwaited) {
    Loaded g;
    GameState& s = g.e.State;
    s.PendingDraw = {0, 4, 2, 1, 0};
    s.ColorWait = 5;
    g.e.StartNewDeal();
    for (int seat = 0; seat <= 4; ++seat)
        EXPECT_EQ(s.PendingDraw[seat], 0);
    EXPECT_EQ(s.ColorWait, 0);
}

TEST(Deal, CardsAreConservedOverManyDeals) {
    Loaded g(11);
    for (int i = 0; i < 300; ++i) {
        Deal(g.e, 2 + i % 3);
        ASSERT_EQ(CheckInvariants(g.e), "") << "deal " << i;
    }
}

TEST(Layout, PlacesBacksLabelsAndSizesTheWindow) {
    Loaded g;
    const Board& t = g.e.Table;
    EXPECT_EQ(t.PlayerBack[1].Left, 77);
    EXPECT_EQ(t.PlayerBack[1].Top, 5);
    EXPECT_EQ(t.PlayerBack[2].Left, 133);
    EXPECT_EQ(t.PlayerBack[2].Top, 47);
    EXPECT_EQ(t.PlayerBack[3].Left, 77);
    EXPECT_EQ(t.PlayerBack[3].Top, 87);
    EXPECT_EQ(t.PlayerBack[4].Left, 3);
    EXPECT_EQ(t.PlayerBack[4].Top, 47);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(t.LastCardLabel[i].Left, t.PlayerBack[i + 1].Left);
        EXPECT_EQ(t.LastCardLabel[i].Top, t.PlayerBack[i + 1].Top);
        EXPECT_EQ(t.LastCardLabel[i].Width, kCardW);
        EXPECT_EQ(t.LastCardLabel[i].Height, kCardH);
    }
    EXPECT_EQ(t.Message[1].Left, 64);
    EXPECT_EQ(t.Message[2].Top, 55);
    EXPECT_EQ(t.Message[3].Top, 81);
    EXPECT_EQ(t.Message[4].Left, 22);
    EXPECT_EQ(t.GameStartClick.Left, 3);
    EXPECT_EQ(t.WindowWidthTwips, int((kCardW * 1.2 + 133) * 57 + 200 + 0.5));
    EXPECT_EQ(t.WindowHeightTwips, int((kCardH * 1.5 + 87) * 57 + 200 + 0.5));

    // Card 125 lies above every card that no hand has brought forward, the pile below all.
    const auto order = t.StackingOrder();
    const auto top = std::find(order.begin(), order.end(), ItemRef{ItemKind::CardImage, 125});
    for (auto it = top + 1; it != order.end(); ++it) {
        ASSERT_EQ(it->Kind, ItemKind::CardImage);
        EXPECT_GT(g.e.State.CardOwner[it->Index], 0) << it->Index;
    }
    const auto pile = std::find(order.begin(), order.end(), ItemRef{ItemKind::CardImage, 0});
    for (auto it = order.begin(); it != pile; ++it)
        EXPECT_NE(it->Kind, ItemKind::CardImage);
}

TEST(Layout, WindowGrowsWithTheBackPicture) {
    FakeServices sv;
    Engine small(sv), large(sv);
    small.Load(18.8, 25.4);
    large.Load(24.0, 32.0);
    EXPECT_EQ(large.Table.WindowWidthTwips - small.Table.WindowWidthTwips,
              int(std::nearbyint((24.0 - 18.8) * 1.2 * 57)));
    EXPECT_EQ(large.Table.WindowHeightTwips - small.Table.WindowHeightTwips,
              int(std::nearbyint((32.0 - 25.4) * 1.5 * 57)));
}
