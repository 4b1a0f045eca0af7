#include "Playout.h"

#include "CardChoice.h"
#include "OwnPlay.h"
#include "Rules.h"

namespace tolvanis {

namespace {

void Count(GameState& s, int seat, int card, int n) {
    s.CountByColor[seat][Index(s.CardColor[card])] += n;
    s.CountByValue(seat, s.CardValue[card]) += n;
}

void Take(GameState& s, int seat, int n) {
    // An empty pile gives nothing and leaves what is owed owing, as at the table.
    const int taken = MoveCardsFromPile(s, seat, n);
    if (taken == 0) return;
    // The counts follow the cards in and out rather than being recounted: this runs on every
    // move played ahead.
    const int count = s.HandCount[seat];
    for (int i = count - taken + 1; i <= count; ++i)
        Count(s, seat, s.Hand[seat][i], 1);
    s.PutTakenInHandOrder(seat, taken);
    s.PendingDraw.fill(0);
}

// The card is down; false when it emptied the hand and ended the deal.
bool Play(GameState& s, int seat, int card, ColorCode color, int self) {
    MoveCardToTable(s, seat, card);
    // Taking a card out of a hand keeps the rest in hand order.
    Count(s, seat, card, -1);
    if (s.HandCount[seat] == 0) return false;

    const CardKind kind = KindOf(s.CardValue[card]);
    if (kind.Owes > 0) {
        s.PendingDraw[s.SeatAfter(seat)] = kind.Owes;
    } else if (kind.Reverses) {
        s.ReverseDirection();
    } else if (kind.Skips) {
        s.CurrentSeat = s.SeatAfter(s.CurrentSeat);
    }
    if (kind.NamesColor) {
        if (!IsPlayColor(color)) color = seat == self ? OwnColor(s, seat) : ColorToName(s, seat);
        s.TableColor = color;
    }
    return true;
}

}  // namespace

PlayoutResult PlayOut(GameState& s, StrongMove first, int self) {
    PlayoutResult r;
    int card = first.Card;
    ColorCode color = first.Color;
    for (;;) {
        const int seat = s.CurrentSeat;
        const int owed = s.PendingDraw[seat];
        ++r.Moves;
        if (card == -1) {
            Take(s, seat, owed > 0 ? owed : 1);
        } else if (!Play(s, seat, card, color, self)) {
            r.Winner = seat;
            for (int other = 1; other <= 4; ++other) {
                if (other == seat) continue;
                s.RecountHand(other);
                r.Points += HandPoints(s, other);
            }
            return r;
        }
        if (r.Moves > MaxPlayoutMoves) return r;

        const int next = s.CurrentSeat = s.SeatAfter(s.CurrentSeat);
        // Whoever owes cards answers with the first card of the same kind, or takes them; a seat
        // with nothing to play owes one card.
        color = ColorCode::None;
        if (s.PendingDraw[next] > 0) {
            FindFirstOfValue(s, next, AttackOwing(s.PendingDraw[next]));
        } else {
            (next == self ? ChooseOwnCard : ChooseCard)(s, next);
            if (s.PickedCard == -1) s.PendingDraw[next] = 1;
        }
        card = s.PickedCard;
    }
}

}  // namespace tolvanis
