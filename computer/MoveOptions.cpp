#include "MoveOptions.h"

#include <algorithm>

#include "CardChoice.h"

namespace tolvanis {

namespace {

bool IsWild(int value) {
    return value == ValuePlus4 || value == ValueColorChange;
}

void Add(const GameState& s, int seat, int card, std::vector<StrongMove>& out) {
    const auto alike = [&s, card](const StrongMove& m) {
        return m.Card > 0 && s.CardColor[m.Card] == s.CardColor[card] &&
               s.CardValue[m.Card] == s.CardValue[card];
    };
    if (std::any_of(out.begin(), out.end(), alike)) return;
    // The last card ends the deal at once: the colour it would name never counts.
    if (!IsWild(s.CardValue[card]) || s.HandCount[seat] == 1) {
        out.push_back({card, IsWild(s.CardValue[card]) ? ColorRed : 0});
        return;
    }
    for (int c = ColorRed; c <= ColorYellow; ++c)
        out.push_back({card, c});
}

}  // namespace

bool MayPlay(const GameState& s, int seat, int card) {
    const int c = s.CardColor[card];
    const int v = s.CardValue[card];
    const int tv = s.CardValue[s.TableCard];
    if ((v == ValuePlus4 && tv == ValuePlus4) || (v == ValuePlus2 && tv == ValuePlus2)) return true;
    if (v == ValuePlus4 && s.CountByColor[seat][s.TableColor] == 0) return true;
    if (v == ValueColorChange) return s.PendingDraw[seat] == 0;
    return c == s.TableColor || v == tv;
}

std::vector<StrongMove> MoveOptions(const GameState& s, int seat) {
    std::vector<StrongMove> out;
    const int owed = s.PendingDraw[seat];
    if (owed > 0) {
        // Owed cards are passed on only with a card of the same kind; one owed card is taken.
        for (int i = 1; i <= s.HandCount[seat]; ++i) {
            const int card = s.Hand[seat][i];
            if (s.CardValue[card] == -owed) Add(s, seat, card, out);
        }
        out.push_back({-1, 0});
        return out;
    }

    GameState probe = s;
    ChooseCard(probe, seat);
    const int ruleCard = probe.PickedCard;
    if (ruleCard > 0) Add(s, seat, ruleCard, out);
    for (int i = 1; i <= s.HandCount[seat]; ++i) {
        const int card = s.Hand[seat][i];
        if (MayPlay(s, seat, card)) Add(s, seat, card, out);
    }
    const int nc = s.CountByColor[seat][s.TableColor];
    const int nv = s.CountByValue(seat, s.CardValue[s.TableCard]);
    if (ruleCard == -1 || (nc == 0 && nv == 0)) out.push_back({-1, 0});
    return out;
}

}  // namespace tolvanis
