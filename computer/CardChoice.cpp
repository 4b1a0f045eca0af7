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

GameState::CardSet ShownLack(const GameState& s, int seat, int card) {
    const int tc = s.TableColor;
    const int tv = s.CardValue[s.TableCard];
    const int owed = s.PendingDraw[seat];
    const int color = card > 0 ? s.CardColor[card] : 0;
    const int value = card > 0 ? s.CardValue[card] : 0;
    // Kinds of card the list would have chosen before `card`, rule by rule.
    bool noValueTv = false, noColorChange = false, noPlus4 = false, noColorTc = false;
    int colorAbove = MaxValue;  // nothing of the table colour ranked above this value
    bool firstOfValue = false;  // the first of its value in hand order: none of an earlier colour
    [&] {
        if (owed > 1) {  // owed cards: the first card of the same kind, or none
            if (card > 0) firstOfValue = true;
            return;
        }
        if (tv == ValuePlus4 || tv == ValuePlus2) {  // 1
            if (value == tv) {
                firstOfValue = true;
                return;
            }
            noValueTv = true;
        }
        if (s.HandCount[s.SeatAfter(seat)] == 1) {  // 2
            if (value == ValueColorChange) return;
            noColorChange = true;
            if (value == ValuePlus4) return;
            noPlus4 = true;
        }
        if (value == ValueColorChange) return;  // 3
        noColorChange = true;
        if (value == ValuePlus4) {  // 4: only without the table colour
            noColorTc = true;
            return;
        }
        if (tv == ValueSkip || tv == ValuePlus2 || tv == ValueReverse) {  // 6
            if (value == tv) {
                firstOfValue = true;
                return;
            }
            noValueTv = true;
        }
        // 8 and 9 play the highest of the table colour, 7 and 10 the first card of the table
        // value; a card of both colour and value may be either.
        if (color == tc && value != tv) colorAbove = value;
        if (color != tc && value == tv) firstOfValue = true;
    }();
    const int owedValue = -owed;
    return s.CardsWhere([&](int c, int v) {
        return (owed > 1 && card == -1 && v == owedValue) || (noValueTv && v == tv) ||
               (noColorChange && v == ValueColorChange) || (noPlus4 && v == ValuePlus4) ||
               (c == tc && (noColorTc || v > colorAbove)) ||
               (firstOfValue && v == value && c < color);
    });
}

void NoteListChoice(GameState& s, int seat, int card) {
    if (card > 0 && s.HandCount[seat] > 1) {
        s.NoteLack(seat, ShownLack(s, seat, card), s.HandCount[seat] - 1, s.CardsPlayed[seat] + 1);
    } else if (card == -1 && s.PendingDraw[seat] > 1) {
        s.NoteLack(seat, ShownLack(s, seat, card), s.HandCount[seat], s.CardsPlayed[seat]);
    }
    // One card taken is noted as every seat's is, when it is taken.
}

void NoteListColor(GameState& s, int seat, int color) {
    s.FindFollowingSeat();
    const int next = s.FollowingSeat;
    // With both hands above one card the list names the first colour the next seat lacks, or,
    // with all four in that hand, this seat's own most held colour: the next seat holds at most
    // three colours in three cards.
    const int held = s.HandCount[next];
    if (next == seat || held <= 1 || held >= 4 || s.HandCount[seat] <= 1) return;
    s.NoteLack(next, s.CardsWhere([color](int c, int) { return c == color; }), held,
               s.CardsPlayed[next]);
}

}  // namespace tolvanis
