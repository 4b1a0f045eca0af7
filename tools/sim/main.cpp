// tolvanis-sim: plays whole games of computer seats without pauses, exactly as a person at the
// table would start them (menu commands, then board clicks), and checks after every move that
// no card was lost and that every move of the computer is one the rules allow it.
//
//   tolvanis-sim [--deals N] [--players 2|3|4] [--seed S] [--check] [--trace]
//                [--inject-illegal-move M] [--strength standard|strong[,...]] [--rotate]
//                [--think-ms MS]
//
// --strength gives the seats in play their strengths in seat order (one value for all, one per
// seat in play, or one for each of seats 1..4); --rotate moves the list one seat on with every
// deal, so that each strength plays every seat alike. Each strength's deals won are reported
// with a 95 % confidence interval, and the Strong player's thinking time per move.
//
// --inject-illegal-move M makes the computer play, from its M-th move on, the first card of its
// hand that the rules refuse it: the proof that --check notices an illegal move.
#include <QString>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
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
#include "StrongPlayer.h"

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

const char* NameOf(Strength s) {
    return s == Strength::Strong ? "strong" : "standard";
}

// The seats dealt in, in seat order.
std::vector<int> SeatsInPlay(int players) {
    if (players == 2) return {1, 3};
    if (players == 3) return {2, 3, 4};
    return {1, 2, 3, 4};
}

// One strength per seat in play, from one for all, one per seat in play or one for each of the
// seats 1..4; empty when none was given.
std::vector<Strength> StrengthsInPlay(const Options& o) {
    std::vector<Strength> given;
    for (const std::string& word : o.strengths)
        given.push_back(word == "strong" ? Strength::Strong : Strength::Standard);
    const std::vector<int> seats = SeatsInPlay(o.players);
    if (given.size() == 1) return std::vector<Strength>(seats.size(), given.front());
    if (given.size() == 4 && seats.size() != 4) {
        std::vector<Strength> inPlay;
        for (const int seat : seats)
            inPlay.push_back(given[std::size_t(seat - 1)]);
        return inPlay;
    }
    if (!given.empty() && given.size() != seats.size()) {
        std::fprintf(stderr, "tolvanis-sim: --strength wants 1, %zu or 4 strengths\n%s",
                     seats.size(), sim::Usage().c_str());
        std::exit(2);
    }
    return given;
}

// Wilson score interval at 95 % for k successes in n trials.
std::pair<double, double> Interval95(long k, long n) {
    if (n == 0) return {0, 0};
    const double z = 1.959963984540054, p = double(k) / double(n), z2n = z * z / double(n);
    const double centre = (p + z2n / 2) / (1 + z2n);
    const double half =
        z * std::sqrt(p * (1 - p) / double(n) + z2n / (4.0 * double(n))) / (1 + z2n);
    return {centre - half, centre + half};
}

double Percentile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    const std::size_t k = std::min(v.size() - 1, std::size_t(std::ceil(q * double(v.size()))) - 1);
    std::nth_element(v.begin(), v.begin() + long(k), v.end());
    return v[k];
}

constexpr long MaxMovesPerDeal = 10000;
constexpr double CellWidthMm = 71 * 25.4 / 96, CellHeightMm = 96 * 25.4 / 96;

void PrintState(const Engine& e) {
    const GameState& s = e.State;
    std::fprintf(stderr, "  current=%d direction=%d table=%d tablecolor=%d pile=%d\n",
                 s.CurrentSeat, int(s.Direction), s.TableCard, Index(s.TableColor), s.HandCount[0]);
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
    driver.Strong().SetThinkMs(double(o.thinkMs));

    // Thinking time of every Strong move, and of those that had more than one move to weigh.
    std::vector<double> thinkMs, searchedMs, cpuMs;
    long worlds = 0;
    driver.Strong().AfterChoice = [&](const StrongPlayer::Report& r) {
        thinkMs.push_back(r.Milliseconds);
        cpuMs.push_back(r.CpuMilliseconds);
        if (r.Moves.size() > 1) searchedMs.push_back(r.Milliseconds);
        worlds += r.Worlds;
    };
    const std::vector<int> seats = SeatsInPlay(o.players);
    const std::vector<Strength> strengths = StrengthsInPlay(o);
    const std::size_t roles = strengths.size();
    std::vector<long> roleWins(roles);
    // The list entry (role) that plays seat seats[i] in deal d.
    auto roleOf = [&](std::size_t i, long d) {
        return o.rotate ? (i + roles - std::size_t(d - 1) % roles) % roles : i;
    };

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
                             deal, dealMoves + 1, seat, card, Rank(s.CardValue[s.TableCard]),
                             Index(s.TableColor));
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
        for (std::size_t i = 0; i < roles; ++i)
            driver.SetSeatStrength(seats[i], strengths[roleOf(i, deal)]);
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
        for (std::size_t i = 0; i < roles; ++i) {
            if (s.HandCount[seats[i]] == 0) ++roleWins[roleOf(i, deal)];
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
    for (std::size_t r = 0; r < roles; ++r) {
        const auto [lo, hi] = Interval95(roleWins[r], o.deals);
        std::printf("entry=%zu strength=%s wins=%ld rate=%.2f%% ci95=[%.2f%%,%.2f%%]\n", r + 1,
                    NameOf(strengths[r]), roleWins[r],
                    o.deals ? 100.0 * roleWins[r] / o.deals : 0.0, 100 * lo, 100 * hi);
    }
    if (!thinkMs.empty()) {
        auto mean = [](const std::vector<double>& v) {
            double sum = 0;
            for (const double x : v)
                sum += x;
            return v.empty() ? 0.0 : sum / double(v.size());
        };
        std::printf(
            "strong_moves=%zu weighed_moves=%zu deals_imagined_per_weighed_move=%.0f "
            "think_ms_budget=%ld\n",
            thinkMs.size(), searchedMs.size(),
            searchedMs.empty() ? 0.0 : double(worlds) / double(searchedMs.size()), o.thinkMs);
        std::printf(
            "think_ms_mean=%.2f think_ms_p95=%.2f think_ms_max=%.2f "
            "weighed_ms_mean=%.2f weighed_ms_p95=%.2f cpu_ms_mean=%.2f cpu_ms_p95=%.2f\n",
            mean(thinkMs), Percentile(thinkMs, 0.95),
            *std::max_element(thinkMs.begin(), thinkMs.end()), mean(searchedMs),
            Percentile(searchedMs, 0.95), mean(cpuMs), Percentile(cpuMs, 0.95));
    }
    return violations == 0 ? 0 : 1;
}
