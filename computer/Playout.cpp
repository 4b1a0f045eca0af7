#include "Playout.h"

#include "CardChoice.h"
#include "OwnPlay.h"
#include "Rules.h"

namespace tolvanis {

namespace {

void Take(GameState& s, int seat, int n) {
    // An empty pile gives nothing and leaves what is owed owing, as at the table.
    if (MoveCardsFromPile(s, seat, n) == 0) return;
    s.PutInHandOrder(seat);
    s.RecountHand(seat);
    s.PendingDraw.fill(0);
}

// The card is down; false when it emptied the hand and ended the deal.
bool Play(GameState& s, int seat, int card, ColorCode color, int self) {
    MoveCardToTable(s, seat, card);
    // Taking a card out of a hand keeps the rest in hand order.
    s.RecountHand(seat);
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
