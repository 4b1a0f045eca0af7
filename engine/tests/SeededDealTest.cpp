// Whole deals between people, played through the handlers alone: each seat plays the computer's
// pick when the rules accept it, else its first card they accept, else takes from the pile or,
// owing cards, by its label. Every card must stay accounted for after every click, and the deal
// must end with the right winner and points.
#include "EngineFixture.h"

#include "CardChoice.h"

namespace tolvanis::testing {
namespace {

int CardPoints(ValueCode value) {
    if (Rank(value) >= 1 && Rank(value) <= 9) return Rank(value);
    switch (value) {
        case ValueCode::Plus2:
            return 25;
        case ValueCode::Skip:
        case ValueCode::Reverse:
            return 20;
        case ValueCode::Plus4:
            return 50;
        default:
            return 0;
    }
}

struct DealCase {
    int NumPlayers;
    std::uint64_t Seed;
};

void PrintTo(const DealCase& c, std::ostream* os) {
    *os << c.NumPlayers << " seats, seed " << c.Seed;
}

class HumanDeal : public EngineFixture, public ::testing::WithParamInterface<DealCase> {
  protected:
    // Deals to `players` people and plays until the deal ends or `maxClicks` clicks were made,
    // checking every card after every click. Returns the clicks made.
    int PlayDeal(int players, std::uint64_t seed, int maxClicks) {
        sv.Reseed(seed);
        st.NumPlayers = players;
        for (int seat = 1; seat <= 4; ++seat)
            SetSeat(seat, false);
        eng.StartNewDeal();
        PaintPickers();
        EXPECT_TRUE(CardsAccountedFor(eng));
        int clicks = 0;
        while (!st.BoardWait && clicks < maxClicks) {
            if (!Move()) {
                ADD_FAILURE() << "seat " << st.CurrentSeat << " could not move at click " << clicks;
                break;
            }
            ++clicks;
            const ::testing::AssertionResult held = CardsAccountedFor(eng);
            if (!held) {
                ADD_FAILURE() << held.message() << " after click " << clicks;
                break;
            }
        }
        return clicks;
    }

    // One click of the seat to move, as a careful person would make it. Returns false when no
    // click changed anything.
    bool Move() {
        const int seat = st.CurrentSeat;
        if (st.ColorWait > 0) {
            // Name the colour the seat holds most of.
            ColorCode best = ColorCode::Red;
            for (ColorCode c : PlayColors) {
                if (st.CountByColor[seat][Index(c)] > st.CountByColor[seat][Index(best)]) best = c;
            }
            PickColor(best);
            return st.ColorWait == 0;
        }
        const int before = st.HandCount[seat];
        const auto moved = [&] {
            return st.HandCount[seat] != before || st.ColorWait > 0 || st.BoardWait;
        };
        eng.ChooseCard(seat);
        if (st.PickedCard > 0) {
            Click(st.PickedCard);
            if (moved()) return true;
        }
        for (int card : HandOf(seat)) {
            Click(card);
            if (moved()) return true;
        }
        if (st.PendingDraw[seat] > 0) {
            ClickLabel(seat);
        } else {
            ClickPile();
        }
        // With the pile empty nothing moves, but the turn must still have passed.
        return moved() || st.CurrentSeat != seat;
    }
};

TEST_P(HumanDeal, PlaysToTheEndWithEveryCardAccountedFor) {
    const int clicks = PlayDeal(GetParam().NumPlayers, GetParam().Seed, 3000);
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(st.BoardWait) << "the deal does not end";
    RecordProperty("clicks", clicks);
    int winner = 0;
    for (int seat = 4; seat >= 1; --seat) {
        if (st.HandCount[seat] == 0) winner = seat;
    }
    ASSERT_NE(winner, 0);
    int points = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        for (int card : HandOf(seat))
            points += CardPoints(st.CardValue[card]);
    }
    EXPECT_GT(points, 0);
    EXPECT_EQ(st.TotPoints[winner - 1], points);
    const std::vector<QString> log = LogLines();
    ASSERT_GE(log.size(), 3u);
    const QString prefix = QStringLiteral("p%1: ").arg(winner);
    EXPECT_EQ(
        std::vector<QString>(log.end() - 3, log.end()),
        (std::vector<QString>{prefix + QStringLiteral("FINSHED FIRST AND WON"),
                              prefix + QStringLiteral("receives total points =") + eng.Str(points),
                              QStringLiteral("CLICK ON BOARD TO CONTINUE")}));

    // The board click deals again, the points stay.
    eng.OnBoardMouseUp(ButtonLeft, 0);
    EXPECT_FALSE(st.BoardWait);
    EXPECT_EQ(st.TotPoints[winner - 1], points);
    EXPECT_TRUE(CardsAccountedFor(eng));
}

INSTANTIATE_TEST_SUITE_P(Seeds, HumanDeal,
                         ::testing::Values(DealCase{2, 7}, DealCase{2, 2024}, DealCase{3, 11},
                                           DealCase{4, 5}),
                         [](const ::testing::TestParamInfo<DealCase>& info) {
                             return std::to_string(info.param.NumPlayers) + "seats_seed" +
                                    std::to_string(info.param.Seed);
                         });

TEST_F(HumanDeal, ManySeedsKeepEveryCard) {
    int unfinished = 0;
    for (int players = 2; players <= 4; ++players) {
        for (std::uint64_t seed = 1; seed <= 150; ++seed) {
            PlayDeal(players, seed, 5000);
            if (HasFailure()) return;
            if (!st.BoardWait) ++unfinished;
        }
    }
    RecordProperty("unfinished", unfinished);
}

}  // namespace
}  // namespace tolvanis::testing
