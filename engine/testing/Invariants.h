// Checks that no card is ever lost: each of the 108 cards in exactly one place, CardOwner
// agreeing, hands in hand order, counts matching the hands, the pile count matching its label.
// Returns an empty text when all holds, otherwise the first violation.
#pragma once

#include <QString>

#include <array>
#include <string>

#include "Engine.h"

namespace tolvanis::testing {

inline std::string CheckInvariants(const Engine& e) {
    const GameState& s = e.State;
    std::array<int, CardSlots> seen{};
    for (int seat = 0; seat <= 4; ++seat) {
        const int n = s.HandCount[seat];
        if (n < 0) {
            if (seat == 0) return "pile count negative";
            continue;
        }
        for (int pos = 1; pos <= n; ++pos) {
            const int card = s.Hand[seat][pos];
            if (card < 1 || card > DeckSize)
                return "seat " + std::to_string(seat) + " position " + std::to_string(pos) +
                       " holds " + std::to_string(card);
            if (++seen[card] > 1) return "card " + std::to_string(card) + " twice";
            if (s.CardOwner[card] != seat)
                return "card " + std::to_string(card) + " owner " +
                       std::to_string(s.CardOwner[card]) + " but held by " + std::to_string(seat);
        }
        if (seat == 0) continue;
        auto group = [&](int c) {
            const int color = Index(s.CardColor[c]);
            return Rank(s.CardValue[c]) >= 0 ? color : color + 99;
        };
        for (int pos = 2; pos <= n; ++pos) {
            const int a = s.Hand[seat][pos - 1], b = s.Hand[seat][pos];
            if (group(a) > group(b) || (group(a) == group(b) && a > b))
                return "seat " + std::to_string(seat) + " out of hand order at " +
                       std::to_string(pos);
        }
        std::array<int, 7> byColor{};
        std::array<int, MaxValue - MinValue + 1> byValue{};
        for (int pos = 1; pos <= n; ++pos) {
            ++byColor[Index(s.CardColor[s.Hand[seat][pos]])];
            ++byValue[Rank(s.CardValue[s.Hand[seat][pos]]) - MinValue];
        }
        if (byColor != s.CountByColor[seat] || byValue != s.CountByValueStore[seat])
            return "seat " + std::to_string(seat) + " counts stale";
    }
    for (int card = 1; card <= DeckSize; ++card) {
        if (seen[card] != 1) return "card " + std::to_string(card) + " missing";
    }
    if (e.Table.TotalInDeck.Caption != e.Str(s.HandCount[0]))
        return "pile label " + e.Table.TotalInDeck.Caption.toStdString() + " but pile holds " +
               std::to_string(s.HandCount[0]);
    return {};
}

}  // namespace tolvanis::testing
