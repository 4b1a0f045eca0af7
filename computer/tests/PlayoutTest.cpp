// The look-ahead's playouts against the engine's own driver: from the same position and first
// move, both must end the deal alike, move for move, or the Strong player would weigh a game
// other than the one at the table.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "DealInPlay.h"
#include "MoveOptions.h"
#include "Playout.h"
#include "PlayoutTable.h"
#include "SeatKnowledge.h"

using namespace tolvanis;
using namespace tolvanis::testing;

namespace {

// Plays every move open to the seat to move both ways; returns how many were compared.
int ExpectSameEnds(const GameState& s, const std::string& where) {
    PlayoutTable table;
    int compared = 0;
    for (const StrongMove move : MoveOptions(s, s.CurrentSeat)) {
        const PlayoutResult expected = table.Play(s, move);
        GameState fast = s;
        const PlayoutResult got = PlayOut(fast, move);
        const GameState& e = table.Final();
        const std::string what = where + ", card " + std::to_string(move.Card) + " colour " +
                                 std::to_string(Index(move.Color));
        EXPECT_EQ(got.Winner, expected.Winner) << what;
        EXPECT_EQ(got.Points, expected.Points) << what;
        EXPECT_EQ(got.Moves, expected.Moves) << what;
        EXPECT_EQ(fast.HandCount, e.HandCount) << what;
        EXPECT_EQ(fast.Hand, e.Hand) << what;
        EXPECT_EQ(fast.TableColor, e.TableColor) << what;
        EXPECT_EQ(fast.CardValue[fast.TableCard], e.CardValue[e.TableCard]) << what;
        EXPECT_EQ(fast.Direction, e.Direction) << what;
        EXPECT_EQ(fast.CurrentSeat, e.CurrentSeat) << what;
        ++compared;
    }
    return compared;
}

TEST(PlayoutTest, EndsEveryDealAsTheEngineDoes) {
    std::mt19937_64 rng(7);
    int compared = 0;
    for (const int players : {2, 3, 4}) {
        for (std::uint64_t seed = 1; seed <= 12; ++seed) {
            DealInPlay deal(seed * 17 + players, players);
            if (!deal.Play(int(seed * 5 % 23))) continue;
            const GameState& s = deal.eng.State;
            const std::string where =
                std::to_string(players) + " players, seed " + std::to_string(seed);
            compared += ExpectSameEnds(s, where);
            // The deals the Strong player makes up are played alike too.
            GameState world = s;
            SeatKnowledge(s, s.CurrentSeat).MakeWorld(world, rng);
            compared += ExpectSameEnds(world, where + ", made up");
        }
    }
    EXPECT_GT(compared, 100);
}

TEST(PlayoutTest, APileRunningShortIsPlayedAsAtTheTable) {
    // Most of the pile goes into one hand, so that taking finds too few cards or none and what
    // is owed stays owing.
    int compared = 0;
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        DealInPlay deal(seed, 2);
        ASSERT_TRUE(deal.Play(3));
        GameState s = deal.eng.State;
        const int other = s.CurrentSeat == 1 ? 3 : 1;
        for (int keep = 1 + int(seed % 3); s.HandCount[0] > 1 + keep;) {
            const int card = s.Hand[0][s.HandCount[0]];
            s.Hand[0][s.HandCount[0]--] = -1;
            s.Hand[other][++s.HandCount[other]] = card;
            s.CardOwner[card] = other;
        }
        s.PutInHandOrder(other);
        s.RecountHand(other);
        compared += ExpectSameEnds(s, "seed " + std::to_string(seed));
    }
    EXPECT_GT(compared, 6);
}

}  // namespace
