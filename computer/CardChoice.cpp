#include "CardChoice.h"

#include "Rules.h"

namespace tolvanis {

void FindFirstOfValue(GameState& s, int seat, ValueCode value) {
    s.PickedCard = -1;
    for (int i = 1; i <= s.HandCount[seat]; ++i) {
        const int card = s.Hand[seat][i];
        if (s.CardValue[card] == value) {
            s.PickedCard = card;
            return;
        }
    }
}

void FindHighestOfColor(GameState& s, int seat, ColorCode color) {
    s.PickedCard = -1;
    // Action cards carry negative values, so any number card of the colour outranks them, and
    // among them the +2 outranks the skip, which outranks the reverse. Ties keep the earlier card.
    int best = -99;
    for (int i = 1; i <= s.HandCount[seat]; ++i) {
        const int card = s.Hand[seat][i];
        if (s.CardColor[card] == color && Rank(s.CardValue[card]) > best) {
            best = Rank(s.CardValue[card]);
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
    const ColorCode tc = s.TableColor;
    const ValueCode tv = s.CardValue[s.TableCard];
    const int nc = s.CountByColor[seat][Index(tc)];
    const int nv = s.CountByValue(seat, tv);

    // 0: the last card goes if it can end the deal, whatever the legality test would say of an
    // action card; one that cannot follow falls through and ends at rule 5.
    if (s.HandCount[seat] == 1) {
        const int last = s.Hand[seat][1];
        const ValueCode value = s.CardValue[last];
        if (value == ValueCode::Plus4 || value == ValueCode::Plus2 ||
            value == ValueCode::ColorChange || nc > 0 || nv > 0) {
            s.PickedCard = last;
            return;
        }
    }

    // 1: answer a +2 or +4 with a card of the same kind rather than take the cards.
    if (tv == ValueCode::Plus4 || tv == ValueCode::Plus2) {
        FindFirstOfValue(s, seat, tv);
        if (s.PickedCard != -1) return;
    }

    // 2: the next seat is about to finish: change the colour on it, or make it take four.
    s.FindFollowingSeat();
    if (s.HandCount[s.FollowingSeat] == 1) {
        FindFirstOfValue(s, seat, ValueCode::ColorChange);
        if (s.PickedCard == -1) FindFirstOfValue(s, seat, ValueCode::Plus4);
        if (s.PickedCard != -1) return;
    }

    // 3: a colour change is played as early as possible.
    FindFirstOfValue(s, seat, ValueCode::ColorChange);
    if (s.PickedCard != -1) return;

    // 4: a +4 is only allowed without a card of the table colour.
    if (nc == 0) {
        FindFirstOfValue(s, seat, ValueCode::Plus4);
        if (s.PickedCard != -1) return;
    }

    // 5: nothing follows colour or value.
    if (nc == 0 && nv == 0) {
        s.PickedCard = -1;
        return;
    }

    // 6: the same action card as the one on the table.
    for (const ValueCode kind : {ValueCode::Skip, ValueCode::Plus2, ValueCode::Reverse}) {
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

ColorCode ColorToName(GameState& s, int seat) {
    s.FindFollowingSeat();
    const int following = s.FollowingSeat;
    ColorCode color = ColorCode::None;
    if (s.HandCount[following] == 1) {
        // The next seat is about to finish: any other colour this seat can follow later.
        for (ColorCode c : PlayColors) {
            FindHighestOfColor(s, seat, c);
            if (c != s.TableColor && s.PickedCard != -1) {
                color = c;
                break;
            }
        }
        // Only cards of the table colour and no further wild card: the colour stays.
        if (color == ColorCode::None) color = s.TableColor;
    } else if (s.HandCount[seat] == 1) {
        color = s.CardColor[s.Hand[seat][1]];
        if (color == ColorCode::Any) color = ColorCode::Red;
    } else {
        for (ColorCode c : PlayColors) {
            if (s.CountByColor[following][Index(c)] == 0) {
                color = c;
                break;
            }
        }
        if (color == ColorCode::None) {
            // The colour this seat holds most of; a tie goes to the earlier colour.
            color = ColorCode::Red;
            for (ColorCode c : PlayColors) {
                if (s.CountByColor[seat][Index(c)] > s.CountByColor[seat][Index(color)]) color = c;
            }
        }
    }
    return color;
}

}  // namespace tolvanis
