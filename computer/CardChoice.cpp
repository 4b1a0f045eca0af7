#include "CardChoice.h"

#include "Rules.h"

namespace tolvanis {

void FindFirstOfValue(GameState& s, int seat, int value) {
    s.PickedCard = -1;
    for (int i = 1; i <= s.HandCount[seat]; ++i) {
        const int card = s.Hand[seat][i];
        if (s.CardValue[card] == value) {
            s.PickedCard = card;
            return;
        }
    }
}

void FindHighestOfColor(GameState& s, int seat, int color) {
    s.PickedCard = -1;
    // Action cards carry negative values, so any number card of the colour outranks them, and
    // among them the +2 outranks the skip, which outranks the reverse. Ties keep the earlier card.
    int best = -99;
    for (int i = 1; i <= s.HandCount[seat]; ++i) {
        const int card = s.Hand[seat][i];
        if (s.CardColor[card] == color && s.CardValue[card] > best) {
            best = s.CardValue[card];
            s.PickedCard = card;
        }
    }
    if (s.PickedCard != -1) return;
    // Nothing of the colour: a wild card of either kind, whichever the hand holds first.
    for (int i = 1; i <= s.HandCount[seat]; ++i) {
        const int card = s.Hand[seat][i];
        if (IsWild(s.CardValue[card])) {
            s.PickedCard = card;
            return;
        }
    }
}

void ChooseCard(GameState& s, int seat) {
    const int tc = s.TableColor;
    const int tv = s.CardValue[s.TableCard];
    const int nc = s.CountByColor[seat][tc];
    const int nv = s.CountByValue(seat, tv);

    // 0: the last card goes if it can end the deal, whatever the legality test would say of an
    // action card; one that cannot follow falls through and ends at rule 5.
    if (s.HandCount[seat] == 1) {
        const int last = s.Hand[seat][1];
        const int value = s.CardValue[last];
        if (value == ValuePlus4 || value == ValuePlus2 || value == ValueColorChange || nc > 0 ||
            nv > 0) {
            s.PickedCard = last;
            return;
        }
    }

    // 1: answer a +2 or +4 with a card of the same kind rather than take the cards.
    if (tv == ValuePlus4 || tv == ValuePlus2) {
        FindFirstOfValue(s, seat, tv);
        if (s.PickedCard != -1) return;
    }

    // 2: the next seat is about to finish: change the colour on it, or make it take four.
    s.FindFollowingSeat();
    if (s.HandCount[s.FollowingSeat] == 1) {
        FindFirstOfValue(s, seat, ValueColorChange);
        if (s.PickedCard == -1) FindFirstOfValue(s, seat, ValuePlus4);
        if (s.PickedCard != -1) return;
    }

    // 3: a colour change is played as early as possible.
    FindFirstOfValue(s, seat, ValueColorChange);
    if (s.PickedCard != -1) return;

    // 4: a +4 is only allowed without a card of the table colour.
    if (nc == 0) {
        FindFirstOfValue(s, seat, ValuePlus4);
        if (s.PickedCard != -1) return;
    }

    // 5: nothing follows colour or value.
    if (nc == 0 && nv == 0) {
        s.PickedCard = -1;
        return;
    }

    // 6: the same action card as the one on the table.
    for (const int kind : {ValueSkip, ValuePlus2, ValueReverse}) {
        FindFirstOfValue(s, seat, kind);
        if (s.PickedCard != -1 && s.CardValue[s.PickedCard] == tv) return;
    }

    // 7 and 8: only one way to follow.
    if (nc == 0 && nv > 0) {
        FindFirstOfValue(s, seat, tv);
        if (s.PickedCard != -1) return;
    }
    if (nc > 0 && nv == 0) {
        FindHighestOfColor(s, seat, tc);
        if (s.PickedCard != -1) return;
    }

    // 9 and 10: follow the way that keeps more choice; a tie goes to the colour.
    if (nc >= nv) {
        FindHighestOfColor(s, seat, tc);
    } else {
        FindFirstOfValue(s, seat, tv);
    }
}

int ColorToName(GameState& s, int seat) {
    s.FindFollowingSeat();
    const int following = s.FollowingSeat;
    int color = 0;
    if (s.HandCount[following] == 1) {
        // The next seat is about to finish: any other colour this seat can follow later.
        for (int c = ColorRed; c <= ColorYellow && color == 0; ++c) {
            FindHighestOfColor(s, seat, c);
            if (c != s.TableColor && s.PickedCard != -1) color = c;
        }
        // Only cards of the table colour and no further wild card: the colour stays.
        if (color == 0) color = s.TableColor;
    } else if (s.HandCount[seat] == 1) {
        color = s.CardColor[s.Hand[seat][1]];
        if (color == ColorAny) color = ColorRed;
    } else {
        for (int c = ColorRed; c <= ColorYellow && color == 0; ++c) {
            if (s.CountByColor[following][c] == 0) color = c;
        }
        if (color == 0) {
            color = ColorRed;
            for (int c = ColorGreen; c <= ColorYellow; ++c) {
                if (s.CountByColor[seat][c] > s.CountByColor[seat][color]) color = c;
            }
        }
    }
    return color;
}

}  // namespace tolvanis
