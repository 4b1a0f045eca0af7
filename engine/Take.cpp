// Taking cards from the pile: the click on the pile, the click on one's own seat label, and the
// move of cards from the front of the pile list into a hand. Taking always ends the turn.
#include "Contract.h"
#include "Engine.h"
#include "Rules.h"
#include "Texts.h"

namespace tolvanis {

namespace {

QString GivenLine(int n) {
    // "cards" stays plural even for one card.
    return QStringLiteral("given") + Engine::Str(n) + QStringLiteral(" cards from the deck");
}

}  // namespace

void Engine::OnMessageClick(int seat) {
    GameState& s = State;
    if (s.AutoBusy == FlagOn || s.BoardWait == FlagOn) return;
    if (seat != s.CurrentSeat) return;
    // Only owed cards can be taken this way, and silently.
    const int n = s.PendingDraw[seat];
    if (n == 0) return;
    TakeCards(seat, n);
    LogMove(GivenLine(n), seat, 0);
    s.PendingDraw[seat] = 0;
    PassTurnAfterTake();
}

void Engine::TakeFromPile(int seat) {
    GameState& s = State;
    if (seat < 1 || seat > 4) return;  // no deal under way yet
    RecountHand(seat);
    const int owed = s.PendingDraw[seat];
    // A seat that can follow colour or value may not take a card instead; wild cards do not
    // count, so a seat holding only wild cards may still take one.
    if (!CanTake(s, seat, owed > 0 ? owed : 1)) return;
    if (owed == 0) {
        TakeCards(seat, 1);
        PlaySound(SndMenu);
        LogMove(QStringLiteral("decided to take one card from the deck"), seat, 0);
    } else {
        TakeCards(seat, owed);
        PlaySound(SndMenu);
        LogMove(GivenLine(owed), seat, 0);
        s.PendingDraw[seat] = 0;
    }
    PassTurnAfterTake();
}

void Engine::PassTurnAfterTake() {
    GameState& s = State;
    AdvanceTurn();
    if (s.DealOver == FlagOn) return;
    s.CurrentSeat = s.NextSeat;
    StartTurnOfCurrentSeat();
}

void Engine::TakeCards(int seat, int n) {
    GameState& s = State;
    TOLVANIS_EXPECT(seat >= 1 && seat <= 4 && s.HandCount[seat] >= 0);
    TOLVANIS_EXPECT(n >= 0);
    // The table card stays in the pile list but is never taken.
    const int available = s.HandCount[0] - 1;
    if (available <= 0) return;
    if (available < n) n = available;

    int taken = 0;
    for (int pos = 1; pos <= s.HandCount[0] && taken < n; ++pos) {
        const int card = s.Hand[0][pos];
        if (card == s.TableCard) continue;
        ++taken;
        s.Hand[seat][s.HandCount[seat] + taken] = card;
        s.Hand[0][pos] = -1;
        s.CardOwner[card] = seat;
    }
    int to = 1;
    for (int pos = 1; pos <= s.HandCount[0]; ++pos) {
        if (s.Hand[0][pos] > 0) s.Hand[0][to++] = s.Hand[0][pos];
    }
    for (; to <= s.HandCount[0]; ++to)
        s.Hand[0][to] = -1;

    s.HandCount[0] -= n;
    s.HandCount[seat] += n;

    AnimateTake(seat);
    SetTotalInDeck();
    ArrangeHand(seat);

    for (int other = 1; other <= 4; ++other)
        s.PendingDraw[other] = 0;
    // After a served +2 or +4 the table shows only the colour to follow; its value stays, so
    // the same kind may still be played on it.
    if (n != 1) Table.CardImage[s.TableCard].Picture = s.TableColor + MarkerImageBase;
}

}  // namespace tolvanis
