// Taking cards from the pile: the click on the pile, the click on one's own seat label, and the
// move of cards from the front of the pile list into a hand. Taking always ends the turn.
#include "Engine.h"
#include "Rules.h"
#include "Texts.h"

namespace tolvanis {

void Engine::OnMessageClick(int seat) {
    GameState& s = State;
    if (s.AutoBusy || s.BoardWait) return;
    if (seat != s.CurrentSeat) return;
    // Only owed cards can be taken this way, and silently.
    const int n = s.PendingDraw[seat];
    if (n == 0) return;
    TakeCards(seat, n);
    Report(
        {.Kind = EventKind::CardsTaken, .Seat = seat, .Count = n, .Owed = true, .FromLabel = true});
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
    const int n = owed > 0 ? owed : 1;
    TakeCards(seat, n);
    Report({.Kind = EventKind::CardsTaken, .Seat = seat, .Count = n, .Owed = owed > 0});
    s.PendingDraw[seat] = 0;
    PassTurnAfterTake();
}

void Engine::PassTurnAfterTake() {
    if (PassTurn()) StartTurnOfCurrentSeat();
}

void Engine::TakeCards(int seat, int n) {
    GameState& s = State;
    // A seat that owes one card announced it had nothing to play; either way it takes one only
    // without a card that follows.
    if (n == 1 && s.PendingDraw[seat] <= 1 && s.HandCount[0] > 1) s.NoteLack(seat);
    const int taken = MoveCardsFromPile(s, seat, n);
    if (taken == 0) return;
    s.NoteTake(seat);

    AnimateTake(seat);
    SetTotalInDeck();
    ArrangeHand(seat);

    for (int other = 1; other <= 4; ++other)
        s.PendingDraw[other] = 0;
    // After a served +2 or +4 the table shows only the colour to follow; its value stays, so
    // the same kind may still be played on it.
    if (taken != 1) Table.CardImage[s.TableCard].Picture = MarkerImage(s.TableColor);
}

}  // namespace tolvanis
