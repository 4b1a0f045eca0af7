#include "Rules.h"

#include "Contract.h"

namespace tolvanis {

Verdict JudgeCard(const GameState& s, int seat, int card, Mover mover) {
    TOLVANIS_EXPECT(seat >= 0 && seat < SeatSlots);
    TOLVANIS_EXPECT(card >= 0 && card < CardSlots);
    if (seat < 1 || seat > 4 || seat != s.CurrentSeat || s.CardOwner[card] != seat)
        return Verdict::NotYourTurn;

    const int c = s.CardColor[card];
    const int v = s.CardValue[card];
    const int tv = s.CardValue[s.TableCard];
    const int owed = s.PendingDraw[seat];
    if (owed >= 1 && v != -owed) return Verdict::OwedCardsFirst;

    if (mover == Mover::Computer) {
        if (v == ValuePlus2 && s.HandCount[seat] == 1) return Verdict::Playable;
        if (v == ValuePlus4 && s.HandCount[s.SeatAfter(seat)] == 1) return Verdict::Playable;
    }

    // The first rule that applies decides.
    if (v == ValuePlus4 && tv == ValuePlus4) return Verdict::Playable;
    if (v == ValuePlus2 && tv == ValuePlus2) return Verdict::Playable;
    if (v == ValuePlus4 && s.CountByColor[seat][s.TableColor] == 0) return Verdict::Playable;
    if (v == ValueColorChange) return owed == 0 ? Verdict::Playable : Verdict::OwedCardsFirst;
    return c == s.TableColor || v == tv ? Verdict::Playable : Verdict::NoMatch;
}

bool CanTake(const GameState& s, int seat, int n) {
    TOLVANIS_EXPECT(seat >= 0 && seat < SeatSlots);
    if (seat < 1 || seat > 4 || seat != s.CurrentSeat) return false;
    const int owed = s.PendingDraw[seat];
    if (owed > 0) return n == owed;
    return n == 1 && s.CountByColor[seat][s.TableColor] == 0 &&
           s.CountByValue(seat, s.CardValue[s.TableCard]) == 0;
}

}  // namespace tolvanis
