// The statistics: what the events of finished deals and games add up to, whole computer deals
// counted exactly once each, the file text read back and refused when damaged, and the Reset
// that only acts on a Yes.
#include "EngineFixture.h"

#include "AutoTurns.h"
#include "Statistics.h"

namespace tolvanis::testing {
namespace {

MoveEvent Scored(int seat, int points) {
    return {.Kind = EventKind::DealScored, .Seat = seat, .Count = points};
}
MoveEvent Game(int seat) {
    return {.Kind = EventKind::GameWon, .Seat = seat, .Count = 512};
}

TEST_F(EngineFixture, StatisticsCountDealsAndGamesPerSeatAndSide) {
    SetSeat(1, false);
    SetSeat(2, true);
    Statistics stats;
    stats.Record(Scored(1, 80), st);
    stats.Record(Scored(2, 30), st);
    stats.Record(Scored(2, 120), st);
    stats.Record(Game(2), st);
    // Events that end no deal count nothing.
    stats.Record({.Kind = EventKind::DealWon, .Seat = 1}, st);
    stats.Record({.Kind = EventKind::CardPlayed, .Seat = 2, .Card = 5}, st);

    EXPECT_EQ(stats.DealsPlayed, 3);
    EXPECT_EQ(stats.Seats[1], (Tally{1, 0, 80, 80}));
    EXPECT_EQ(stats.Seats[2], (Tally{2, 1, 120, 150}));
    EXPECT_DOUBLE_EQ(stats.Seats[2].AverageDeal(), 75.0);
    EXPECT_EQ(stats.People, stats.Seats[1]);
    EXPECT_EQ(stats.Computers, stats.Seats[2]);
    EXPECT_DOUBLE_EQ(stats.Seats[3].AverageDeal(), 0.0);
}

TEST_F(EngineFixture, StatisticsCountEveryComputerDealOnce) {
    AutoTurns driver(eng);
    eng.SetAutoPlayer(&driver);
    Statistics stats;
    int points = 0;
    eng.EventWatcher = [&](const MoveEvent& e) {
        stats.Record(e, st);
        if (e.Kind == EventKind::DealScored) points += e.Count;
    };
    eng.CommandAllAutoNoPause();
    constexpr int Deals = 12;
    for (int deal = 0; deal < Deals; ++deal) {
        eng.OnBoardMouseUp(ButtonLeft, 0);  // starts the computers, or deals again
        if (!st.BoardWait) eng.OnBoardMouseUp(ButtonLeft, 0);
        ASSERT_TRUE(st.BoardWait) << "deal " << deal << " did not end";
    }
    EXPECT_EQ(stats.DealsPlayed, Deals);
    EXPECT_EQ(stats.Computers.DealsWon, Deals);
    EXPECT_EQ(stats.People, Tally{});
    EXPECT_EQ(stats.Computers.PointsWon, points);
    int seatDeals = 0;
    for (int seat = 1; seat <= 4; ++seat)
        seatDeals += stats.Seats[static_cast<std::size_t>(seat)].DealsWon;
    EXPECT_EQ(seatDeals, Deals);
}

TEST(StatisticsFileText, ReadsBackWhatItWrote) {
    Statistics stats;
    stats.DealsPlayed = 3;
    stats.Seats[4] = {3, 1, 300, 700};
    stats.Computers = stats.Seats[4];
    EXPECT_EQ(Statistics::FromJson(stats.ToJson()), stats);
    EXPECT_EQ(Statistics::FromJson(Statistics{}.ToJson()), Statistics{});
}

TEST(StatisticsFileText, RefusesWhatTheGameCouldNotHaveWritten) {
    Statistics stats;
    stats.DealsPlayed = 1;
    stats.Seats[1] = {1, 0, 40, 40};
    stats.People = stats.Seats[1];
    const QByteArray good = stats.ToJson();
    ASSERT_TRUE(Statistics::FromJson(good));
    auto with = [&](const char* from, const char* to) {
        QByteArray text = good;
        return Statistics::FromJson(text.replace(from, to));
    };
    EXPECT_FALSE(Statistics::FromJson(good.left(good.size() / 2)));  // cut off mid-write
    EXPECT_FALSE(Statistics::FromJson("not json at all"));
    EXPECT_FALSE(Statistics::FromJson("[1, 2, 3]"));
    EXPECT_FALSE(with("\"dealsPlayed\": 1", "\"dealsPlayed\": -1"));
    EXPECT_FALSE(with("\"dealsPlayed\": 1", "\"dealsPlayed\": 2"));  // deals won do not add up
    EXPECT_FALSE(with("\"dealsPlayed\": 1", "\"dealsPlayed\": 1.5"));
    EXPECT_FALSE(with("\"bestDeal\": 40", "\"bestDeal\": \"40\""));
    EXPECT_FALSE(with("\"bestDeal\": 40", "\"bestDeal\": 400"));  // more than all points won
}

TEST(StatisticsReset, AsksFirstAndResetsOnlyOnYes) {
    Statistics stats;
    stats.DealsPlayed = 1;
    stats.Seats[2] = stats.Computers = {1, 0, 9, 9};
    const Statistics kept = stats;
    FakeServices sv;
    sv.Answer = false;
    EXPECT_FALSE(ResetAfterAsking(stats, sv));
    EXPECT_EQ(stats, kept);
    ASSERT_EQ(sv.Questions.size(), 1u);
    sv.Answer = true;
    EXPECT_TRUE(ResetAfterAsking(stats, sv));
    EXPECT_EQ(stats, Statistics{});
    EXPECT_EQ(sv.Questions.size(), 2u);
}

}  // namespace
}  // namespace tolvanis::testing
