#include "Playout.h"

#include <algorithm>

#include "CardChoice.h"
#include "OwnPlay.h"
#include "Rules.h"

namespace tolvanis {

namespace {

void Count(GameState& s, int seat, int card, int n) {
    s.CountByColor[seat][Index(s.CardColor[card])] += n;
    s.CountByValue(seat, s.CardValue[card]) += n;
}

// The pile as a playout takes from it. The table card stays at the pile's front and played cards
// go to its end, so rather than closing the pile up after every take, as the table does, the
// playout moves its front on and closes it up once the deal has ended.
class PlayoutPile {
  public:
    explicit PlayoutPile(GameState& s) : s_(s) {}
    ~PlayoutPile() { CloseUp(); }

    // Up to n cards into the seat's hand; how many it got.
    int Take(int seat, int n) {
        auto& pile = s_.Hand[0];
        if (pile[front_] != s_.TableCard) {
            CloseUp();
            return MoveCardsFromPile(s_, seat, n);  // a pile laid out otherwise: as at the table
        }
        const int available = s_.HandCount[0] - front_;
        if (available <= 0) return 0;
        if (available < n) n = available;
        auto& hand = s_.Hand[seat];
        for (int k = 1; k <= n; ++k) {
            const int card = pile[front_ + k];
            hand[s_.HandCount[seat] + k] = card;
            s_.CardOwner[card] = seat;
        }
        front_ += n;
        pile[front_] = s_.TableCard;
        s_.HandCount[seat] += n;
        return n;
    }

    // Room at the end for the next card played.
    void MakeRoom() {
        if (s_.HandCount[0] >= CardSlots - 1) CloseUp();
    }

  private:
    void CloseUp() {
        if (front_ == 1) return;
        auto& pile = s_.Hand[0];
        const auto end = pile.begin() + s_.HandCount[0] + 1;
        std::copy(pile.begin() + front_, end, pile.begin() + 1);
        std::fill(end - (front_ - 1), end, -1);
        s_.HandCount[0] -= front_ - 1;
        front_ = 1;
    }

    GameState& s_;
    int front_ = 1;  // where the table card is now
};

void Take(GameState& s, PlayoutPile& pile, int seat, int n) {
    // An empty pile gives nothing and leaves what is owed owing, as at the table.
    const int taken = pile.Take(seat, n);
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
    PlayoutPile pile(s);
    PlayoutResult r;
    int card = first.Card;
    ColorCode color = first.Color;
    for (;;) {
        const int seat = s.CurrentSeat;
        const int owed = s.PendingDraw[seat];
        ++r.Moves;
        if (card == -1) {
            Take(s, pile, seat, owed > 0 ? owed : 1);
        } else if (pile.MakeRoom(); !Play(s, seat, card, color, self)) {
            r.Winner = seat;
            // Every hand's counts have followed its cards.
            for (int other = 1; other <= 4; ++other) {
                if (other != seat) r.Points += HandPoints(s, other);
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
