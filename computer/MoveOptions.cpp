#include "MoveOptions.h"

#include <algorithm>

#include "Rules.h"

namespace tolvanis {

namespace {

void Add(const GameState& s, int seat, int card, std::vector<StrongMove>& out) {
    const auto alike = [&s, card](const StrongMove& m) {
        return m.Card > 0 && s.CardColor[m.Card] == s.CardColor[card] &&
               s.CardValue[m.Card] == s.CardValue[card];
    };
    if (std::any_of(out.begin(), out.end(), alike)) return;
    // The last card ends the deal at once: the colour it would name never counts.
    if (!IsWild(s.CardValue[card]) || s.HandCount[seat] == 1) {
        out.push_back({card, IsWild(s.CardValue[card]) ? ColorCode::Red : ColorCode::None});
        return;
    }
    for (ColorCode c : PlayColors)
        out.push_back({card, c});
}

}  // namespace

std::vector<StrongMove> MoveOptions(const GameState& s, int seat) {
    std::vector<StrongMove> out;
    for (int i = 1; i <= s.HandCount[seat]; ++i) {
        const int card = s.Hand[seat][i];
        if (CanPlay(s, seat, card, Mover::Computer)) Add(s, seat, card, out);
    }
    const int owed = s.PendingDraw[seat];
    if (CanTake(s, seat, owed > 0 ? owed : 1)) out.push_back({-1, ColorCode::None});
    return out;
}

}  // namespace tolvanis
