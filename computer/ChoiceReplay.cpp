#include "ChoiceReplay.h"

#include <algorithm>

#include "CardChoice.h"

namespace tolvanis {

namespace {

// The cards `seat` played since it had played `played`, into `out`; false when it has taken
// cards since, or they are no longer kept.
bool PlayedSince(const GameState& s, int seat, int played, std::vector<int>& out) {
    out.clear();
    if (s.PlayedAtTake[seat] > played || s.CardsPlayed[seat] - played > GameState::PlaysKept)
        return false;
    for (int k = played; k < s.CardsPlayed[seat]; ++k)
        out.push_back(s.Plays[seat][k % GameState::PlaysKept]);
    return true;
}

}  // namespace

ChoiceReplay::ChoiceReplay(const GameState& s, int seat) : probe_(s) {
    for (int other = 1; other <= 4; ++other) {
        if (other == seat || s.HandCount[other] <= 0) continue;
        const int noted = s.ChoicesNoted[other];
        for (int k = std::max(0, noted - GameState::ChoicesKept); k < noted; ++k) {
            Check check;
            check.Choice = s.ListChoices[other][k % GameState::ChoicesKept];
            GameState::ListChoice& c = check.Choice;
            if (!PlayedSince(s, other, c.Played[other], check.PlayedSince) ||
                check.PlayedSince.empty() || check.PlayedSince.front() != c.Card)
                continue;
            if (IsPlayColor(c.Named)) {
                // The colour reads the next seat's hand unless one of the two holds one card.
                probe_.HandCount = c.HandCount;
                probe_.HandCount[other] -= 1;
                probe_.Direction = c.Direction;
                const int next = probe_.SeatAfter(other);
                if (probe_.HandCount[next] != 1 && probe_.HandCount[other] != 1) {
                    if (PlayedSince(s, next, c.Played[next], check.NextPlayedSince)) {
                        check.Next = next;
                    } else {
                        c.Named = ColorCode::None;
                    }
                }
            }
            checks_[other].push_back(std::move(check));
        }
    }
}

bool ChoiceReplay::HandThen(const GameState& world, int seat, std::span<const int> since,
                            int count) {
    auto& hand = probe_.Hand[seat];
    int n = 0;
    for (int pos = 1; pos <= world.HandCount[seat]; ++pos)
        hand[++n] = world.Hand[seat][pos];
    for (const int card : since)
        hand[++n] = card;
    probe_.HandCount[seat] = n;
    probe_.PutInHandOrder(seat);
    probe_.RecountHand(seat);
    return n == count;
}

int ChoiceReplay::Misfits(const GameState& world, int other) {
    int misfits = 0;
    for (const Check& check : checks_[other]) {
        const GameState::ListChoice& c = check.Choice;
        probe_.HandCount = c.HandCount;
        // A hand that does not add up cannot come from a deal that fits what was seen.
        if (!HandThen(world, other, check.PlayedSince, c.HandCount[other])) continue;
        probe_.TableColor = c.TableColor;
        probe_.CardValue[probe_.TableCard] = c.TableValue;
        probe_.Direction = c.Direction;
        probe_.CurrentSeat = other;
        if (c.Owed > 0) {
            FindFirstOfValue(probe_, other, AttackOwing(c.Owed));
        } else {
            ChooseCard(probe_, other);
        }
        if (probe_.PickedCard != c.Card) {
            ++misfits;
            continue;
        }
        if (!IsPlayColor(c.Named)) continue;
        // The card is down; the colour is named with the hand left.
        HandThen(world, other, std::span(check.PlayedSince).subspan(1), c.HandCount[other] - 1);
        if (check.Next != 0 &&
            !HandThen(world, check.Next, check.NextPlayedSince, c.HandCount[check.Next]))
            continue;
        misfits += ColorToName(probe_, other) != c.Named;
    }
    return misfits;
}

}  // namespace tolvanis
