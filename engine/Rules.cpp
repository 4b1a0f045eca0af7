#include "Rules.h"

#include <algorithm>
#include <array>

#include "Contract.h"

namespace tolvanis {

Verdict JudgeCard(const GameState& s, int seat, int card, Mover mover) {
    TOLVANIS_EXPECT(seat >= 0 && seat < SeatSlots);
    TOLVANIS_EXPECT(card >= 0 && card < CardSlots);
    if (seat < 1 || seat > 4 || seat != s.CurrentSeat || s.CardOwner[card] != seat)
        return Verdict::NotYourTurn;

    const ColorCode c = s.CardColor[card];
    const ValueCode v = s.CardValue[card];
    const ValueCode tv = s.CardValue[s.TableCard];
    const int owed = s.PendingDraw[seat];
    if (owed >= 1 && v != AttackOwing(owed)) return Verdict::OwedCardsFirst;

    if (mover == Mover::Computer) {
        if (v == ValueCode::Plus2 && s.HandCount[seat] == 1) return Verdict::Playable;
        if (v == ValueCode::Plus4 && s.HandCount[s.SeatAfter(seat)] == 1) return Verdict::Playable;
    }

    // The first rule that applies decides.
    if (v == ValueCode::Plus4 && tv == ValueCode::Plus4) return Verdict::Playable;
    if (v == ValueCode::Plus2 && tv == ValueCode::Plus2) return Verdict::Playable;
    if (v == ValueCode::Plus4 && s.CountByColor[seat][Index(s.TableColor)] == 0)
        return Verdict::Playable;
    if (v == ValueCode::ColorChange) return owed == 0 ? Verdict::Playable : Verdict::OwedCardsFirst;
    return c == s.TableColor || v == tv ? Verdict::Playable : Verdict::NoMatch;
}

bool CanTake(const GameState& s, int seat, int n) {
    TOLVANIS_EXPECT(seat >= 0 && seat < SeatSlots);
    if (seat < 1 || seat > 4 || seat != s.CurrentSeat) return false;
    const int owed = s.PendingDraw[seat];
    if (owed > 0) return n == owed;
    return n == 1 && s.CountByColor[seat][Index(s.TableColor)] == 0 &&
           s.CountByValue(seat, s.CardValue[s.TableCard]) == 0;
}

void MoveCardToTable(GameState& s, int seat, int card) {
    TOLVANIS_EXPECT(seat >= 1 && seat <= 4);
    TOLVANIS_EXPECT(card >= 1 && card <= DeckSize && s.CardOwner[card] == seat);
    // The cards after it close up, in the order they were.
    const auto first = s.Hand[seat].begin() + 1, last = first + s.HandCount[seat];
    const auto at = std::find(first, last, card);
    std::copy(at + 1, last, at);
    *(last - 1) = -1;
    s.HandCount[seat] -= 1;

    s.Hand[0][++s.HandCount[0]] = card;
    s.CardOwner[card] = 0;
    s.CardSeen[card] = true;

    s.CardColor[s.TableCard] = s.CardColor[card];
    s.CardValue[s.TableCard] = s.CardValue[card];
    if (s.CardColor[card] != ColorCode::Any) s.TableColor = s.CardColor[card];
}

int MoveCardsFromPile(GameState& s, int seat, int n) {
    TOLVANIS_EXPECT(seat >= 1 && seat <= 4 && s.HandCount[seat] >= 0);
    TOLVANIS_EXPECT(n >= 0);
    // The table card stays in the pile list but is never taken.
    const int available = s.HandCount[0] - 1;
    if (available <= 0) return 0;
    if (available < n) n = available;

    // The cards taken are the first n but the table card; the rest of the pile closes up.
    auto& pile = s.Hand[0];
    int taken = 0, pos = 1, to = 1;
    for (; pos <= s.HandCount[0] && taken < n; ++pos) {
        const int card = pile[pos];
        if (card == s.TableCard) {
            pile[to++] = card;
            continue;
        }
        ++taken;
        s.Hand[seat][s.HandCount[seat] + taken] = card;
        s.CardOwner[card] = seat;
    }
    const auto rest = pile.begin() + pos, end = pile.begin() + s.HandCount[0] + 1;
    std::copy(rest, end, pile.begin() + to);
    std::fill(pile.begin() + to + (end - rest), end, -1);

    s.HandCount[0] -= n;
    s.HandCount[seat] += n;
    return n;
}

int DealWinner(const GameState& s) {
    for (int seat = 1; seat <= 4; ++seat) {
        if (s.HandCount[seat] == 0) return seat;
    }
    return 0;
}

int HandPoints(const GameState& s, int seat) {
    // By value, in the order CountByValueStore keeps them.
    static constexpr auto Points = [] {
        std::array<int, MaxValue - MinValue + 1> points{};
        for (int v = MinValue; v <= MaxValue; ++v)
            points[std::size_t(v - MinValue)] = KindOf(ValueCode{v}).Points;
        return points;
    }();
    int points = 0;
    for (std::size_t i = 0; i < Points.size(); ++i)
        points += Points[i] * s.CountByValueStore[seat][i];
    return points;
}

}  // namespace tolvanis
