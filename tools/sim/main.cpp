// tolvanis-sim: plays whole games of computer seats without pauses, exactly as a person at the
// table would start them (menu commands, then board clicks), and checks after every move that
// no card was lost and that every move of the computer is one the rules allow it.
//
//   tolvanis-sim [--deals N] [--players 2|3|4] [--seed S] [--check] [--trace]
//                [--inject-illegal-move M]
//
// --inject-illegal-move M makes the computer play, from its M-th move on, the first card of its
// hand that the rules refuse it: the proof that --check notices an illegal move.
#include <QString>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <variant>
#include <vector>

#include "Arguments.h"
#include "AutoTurns.h"
#include "Engine.h"
#include "FakeServices.h"
#include "Invariants.h"
#include "Rules.h"

using namespace tolvanis;
using sim::Options;

namespace {

Options Parse(int argc, char** argv) {
    const auto parsed = sim::ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (const std::string* refusal = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "tolvanis-sim: %s\n%s", refusal->c_str(), sim::Usage().c_str());
        std::exit(2);
    }
    return std::get<Options>(parsed);
}

constexpr long MaxMovesPerDeal = 10000;
constexpr double CellWidthMm = 71 * 25.4 / 96, CellHeightMm = 96 * 25.4 / 96;

void PrintState(const Engine& e) {
    const GameState& s = e.State;
    std::fprintf(stderr, "  current=%d direction=%d table=%d tablecolor=%d pile=%d\n",
                 s.CurrentSeat, int(s.Direction), s.TableCard, s.TableColor, s.HandCount[0]);
    for (int seat = 0; seat <= 4; ++seat) {
        std::fprintf(stderr, "  seat %d (%d, owes %d):", seat, s.HandCount[seat],
                     s.PendingDraw[seat]);
        for (int pos = 1; pos <= s.HandCount[seat]; ++pos)
            std::fprintf(stderr, " %d", s.Hand[seat][pos]);
        std::fputc('\n', stderr);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = Parse(argc, argv);

    FakeServices sv(o.seed);
    sv.RecordSounds = false;
    sv.RecordLog = o.trace;
    Engine e(sv);
    AutoTurns driver(e);
    e.SetAutoPlayer(&driver);

    e.Load(CellWidthMm, CellHeightMm);
    if (o.players != 4) e.CommandNumberOfPlayers(o.players);
    e.CommandAllAutoNoPause();
    GameState& s = e.State;
    s.DelayUnits = 0;

    long moves = 0, dealMoves = 0, deal = 0, games = 0, violations = 0;
    std::array<long, 5> wins{}, points{};
    bool dealFailed = false;
    // A failed deal is abandoned: the driver sees its deal gone and returns.
    auto fail = [&] {
        PrintState(e);
        dealFailed = true;
        ++s.DealSerial;
    };
    bool injected = false;
    if (o.injectAt >= 0) {
        driver.ChooseCardFor = [&](GameState& state, int seat) {
            ChooseCard(state, seat);
            if (injected || moves + 1 < o.injectAt) return;
            for (int pos = 1; pos <= state.HandCount[seat]; ++pos) {
                const int card = state.Hand[seat][pos];
                if (!CanPlay(state, seat, card, Mover::Computer)) {
                    state.PickedCard = card;
                    injected = true;
                    return;
                }
            }
        };
    }
    if (o.check) {
        driver.BeforeMove = [&](int seat, int card, int take) {
            if (dealFailed) return;
            if (card > 0 && !CanPlay(s, seat, card, Mover::Computer)) {
                std::fprintf(stderr,
                             "violation in deal %ld, move %ld: seat %d may not play card %d on "
                             "table value %d, colour %d\n",
                             deal, dealMoves + 1, seat, card, s.CardValue[s.TableCard],
                             s.TableColor);
                fail();
            } else if (card <= 0 && !CanTake(s, seat, take)) {
                std::fprintf(stderr, "violation in deal %ld, move %ld: seat %d may not take %d\n",
                             deal, dealMoves + 1, seat, take);
                fail();
            }
        };
    }
    driver.AfterMove = [&] {
        ++moves;
        ++dealMoves;
        if (dealFailed) return;
        if (o.check) {
            const std::string broken = testing::CheckInvariants(e);
            if (!broken.empty()) {
                std::fprintf(stderr, "violation in deal %ld, move %ld: %s\n", deal, dealMoves,
                             broken.c_str());
                fail();
                return;
            }
        }
        if (dealMoves > MaxMovesPerDeal) {
            std::fprintf(stderr, "violation in deal %ld: no end after %ld moves\n", deal,
                         MaxMovesPerDeal);
            fail();
        }
    };

    const auto started = std::chrono::steady_clock::now();
    for (deal = 1; deal <= o.deals; ++deal) {
        dealMoves = 0;
        dealFailed = false;
        if (s.BoardWait || deal > 1) e.OnBoardMouseUp(ButtonLeft, 0);  // redeal
        const std::array<int, 4> before = s.TotPoints;
        for (int clicks = 0; clicks < 4 && !s.BoardWait && !dealFailed; ++clicks)
            e.OnBoardMouseUp(ButtonLeft, 0);  // the computer seats play the deal through
        if (!dealFailed && !s.BoardWait) {
            std::fprintf(stderr, "violation in deal %ld: the computer stopped before the end\n",
                         deal);
            PrintState(e);
            dealFailed = true;
        }
        if (dealFailed) {
            ++violations;
            e.StartNewDeal();
            s.BoardWait = true;
            continue;
        }
        for (int seat = 1; seat <= 4; ++seat) {
            if (s.HandCount[seat] == 0) {
                ++wins[seat];
                points[seat] += s.TotPoints[seat - 1] - before[seat - 1];
            }
        }
        if (s.GameOver) ++games;
        if (o.trace) {
            std::printf("deal=%ld players=%d\nshuffle=", deal, s.NumPlayers);
            for (int i = 1; i <= DeckSize; ++i)
                std::printf(i == 1 ? "%d" : " %d", s.ShuffleOrder[i]);
            std::printf("\n");
            for (auto it = sv.Log.rbegin(); it != sv.Log.rend(); ++it) {
                const Rgb c = it->Color == NoColor ? Black : it->Color;
                std::printf("log #%06x %s\n", unsigned(c), it->Text.toUtf8().constData());
            }
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    for (int seat = 1; seat <= 4; ++seat)
        std::printf("seat=%d wins=%ld points=%ld\n", seat, wins[seat], points[seat]);
    std::printf("deals=%ld moves=%ld games=%ld seconds=%.3f deals_per_s=%.1f violations=%ld\n",
                o.deals, moves, games, seconds, seconds > 0 ? o.deals / seconds : 0.0, violations);
    return violations == 0 ? 0 : 1;
}
