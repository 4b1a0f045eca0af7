#include "CardChoice.h"

#include "Rules.h"

namespace tolvanis {

void FindFirstOfValue(GameState& s, int seat, ValueCode value) {
    s.PickedCard = -1;
    // The counts are kept with the hand, as the rules read them too: none of the value, no search.
    if (s.CountByValue(seat, value) == 0) return;
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

    ChooseFollowingCard(s, seat);
}

void ChooseFollowingCard(GameState& s, int seat) {
    const ColorCode tc = s.TableColor;
    const ValueCode tv = s.CardValue[s.TableCard];
    const int nc = s.CountByColor[seat][Index(tc)];
    const int nv = s.CountByValue(seat, tv);

    // 5: nothing follows colour or value.
    if (nc == 0 && nv == 0) {
        s.PickedCard = -1;
        return;
    }

    // 6: the same action card as the one on the table (a skip, +2 or reverse).
    if (tv == ValueCode::Skip || tv == ValueCode::Plus2 || tv == ValueCode::Reverse) {
        FindFirstOfValue(s, seat, tv);
        if (s.PickedCard != -1) return;
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

GameState::CardSet ShownLack(const GameState& s, int seat, int card) {
    const ColorCode tc = s.TableColor;
    const ValueCode tv = s.CardValue[s.TableCard];
    const int owed = s.PendingDraw[seat];
    const ColorCode color = card > 0 ? s.CardColor[card] : ColorCode::None;
    const ValueCode value = card > 0 ? s.CardValue[card] : ValueCode::Marker;
    // Kinds of card the list would have chosen before `card`, rule by rule.
    bool noValueTv = false, noColorChange = false, noPlus4 = false, noColorTc = false;
    int colorAbove = MaxValue;  // nothing of the table colour ranked above this value
    bool firstOfValue = false;  // the first of its value in hand order: none of an earlier colour
    [&] {
        if (owed > 1) {  // owed cards: the first card of the same kind, or none
            if (card > 0) firstOfValue = true;
            return;
        }
        if (tv == ValueCode::Plus4 || tv == ValueCode::Plus2) {  // 1
            if (value == tv) {
                firstOfValue = true;
                return;
            }
            noValueTv = true;
        }
        if (s.HandCount[s.SeatAfter(seat)] == 1) {  // 2
            if (value == ValueCode::ColorChange) return;
            noColorChange = true;
            if (value == ValueCode::Plus4) return;
            noPlus4 = true;
        }
        if (value == ValueCode::ColorChange) return;  // 3
        noColorChange = true;
        if (value == ValueCode::Plus4) {  // 4: only without the table colour
            noColorTc = true;
            return;
        }
        if (tv == ValueCode::Skip || tv == ValueCode::Plus2 || tv == ValueCode::Reverse) {  // 6
            if (value == tv) {
                firstOfValue = true;
                return;
            }
            noValueTv = true;
        }
        // 8 and 9 play the highest of the table colour, 7 and 10 the first card of the table
        // value; a card of both colour and value may be either.
        if (color == tc && value != tv) colorAbove = Rank(value);
        if (color != tc && value == tv) firstOfValue = true;
    }();
    return s.CardsWhere([&](ColorCode c, ValueCode v) {
        return (owed > 1 && card == -1 && v == AttackOwing(owed)) || (noValueTv && v == tv) ||
               (noColorChange && v == ValueCode::ColorChange) ||
               (noPlus4 && v == ValueCode::Plus4) ||
               (c == tc && (noColorTc || Rank(v) > colorAbove)) ||
               (firstOfValue && v == value && c < color);
    });
}

void NoteListChoice(GameState& s, int seat, int card) {
    if (card > 0) {
        s.ListChoices[seat][s.ChoicesNoted[seat]++ % GameState::ChoicesKept] = {
            .Card = card,
            .Owed = s.PendingDraw[seat],
            .TableValue = s.CardValue[s.TableCard],
            .TableColor = s.TableColor,
            .Direction = s.Direction,
            .HandCount = s.HandCount,
            .Played = s.CardsPlayed,
        };
    }
    if (card > 0 && s.HandCount[seat] > 1) {
        s.NoteLack(seat, ShownLack(s, seat, card), s.HandCount[seat] - 1, s.CardsPlayed[seat] + 1);
    } else if (card == -1 && s.PendingDraw[seat] > 1) {
        s.NoteLack(seat, ShownLack(s, seat, card), s.HandCount[seat], s.CardsPlayed[seat]);
    }
    // One card taken is noted as every seat's is, when it is taken.
}

void NoteListColor(GameState& s, int seat, ColorCode color) {
    if (s.ChoicesNoted[seat] > 0) {
        GameState::ListChoice& last =
            s.ListChoices[seat][(s.ChoicesNoted[seat] - 1) % GameState::ChoicesKept];
        if (last.Played[seat] + 1 == s.CardsPlayed[seat]) last.Named = color;
    }
    s.FindFollowingSeat();
    const int next = s.FollowingSeat;
    // With both hands above one card the list names the first colour the next seat lacks, or,
    // with all four in that hand, this seat's own most held colour: the next seat holds at most
    // three colours in three cards.
    const int held = s.HandCount[next];
    if (next == seat || held <= 1 || held >= 4 || s.HandCount[seat] <= 1) return;
    s.NoteLack(next, s.CardsWhere([color](ColorCode c, ValueCode) { return c == color; }), held,
               s.CardsPlayed[next]);
}

}  // namespace tolvanis
