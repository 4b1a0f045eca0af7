#include "OwnPlay.h"

#include "CardChoice.h"
#include "Rules.h"

namespace tolvanis {

void ChooseOwnCard(GameState& s, int seat) {
    ChooseCard(s, seat);
    if (s.PickedCard == -1 || !IsWild(s.CardValue[s.PickedCard])) return;
    s.FindFollowingSeat();
    if (s.HandCount[seat] <= 1 || s.HandCount[s.FollowingSeat] == 1) return;
    const int wild = s.PickedCard;
    ChooseFollowingCard(s, seat);
    if (s.PickedCard == -1 || IsWild(s.CardValue[s.PickedCard])) s.PickedCard = wild;
}

ColorCode OwnColor(GameState& s, int seat) {
    ColorCode color = ColorCode::None;
    int most = 0;
    for (const ColorCode c : PlayColors) {
        if (s.CountByColor[seat][Index(c)] > most) {
            most = s.CountByColor[seat][Index(c)];
            color = c;
        }
    }
    // Nothing but wild cards left: any colour serves, the list's as well as another.
    return most > 0 ? color : ColorToName(s, seat);
}

}  // namespace tolvanis
