#include "SeatKnowledge.h"

#include <algorithm>

namespace tolvanis {

SeatKnowledge::SeatKnowledge(const GameState& s, int seat) : seat_(seat) {
    std::array<bool, CardSlots> mine{};
    for (int i = 1; i <= s.HandCount[seat]; ++i)
        mine[s.Hand[seat][i]] = true;

    int seenInPile = 0;
    for (int card = 1; card <= DeckSize; ++card) {
        if (mine[card] || card == s.TableCard) continue;
        if (!s.CardSeen[card]) {
            hidden_.push_back(card);
            continue;
        }
        // Where a played card went is public: the pile's end, or the hand that took it back.
        const int owner = s.CardOwner[card];
        if (owner == 0) {
            ++seenInPile;
        } else if (owner >= 1 && owner <= 4) {
            seenInHand_[owner].push_back(card);
        }
    }
    for (int other = 1; other <= 4; ++other) {
        if (other == seat || s.HandCount[other] <= 0) continue;
        const int seen = int(seenInHand_[other].size());
        hiddenInHand_[other] = s.HandCount[other] - seen;
        // Every card played since may have been one held then, and so may every seen card it
        // holds now: what is left is the least it still holds of them.
        const int noted = s.LacksNoted[other];
        for (int k = std::max(0, noted - GameState::LacksKept); k < noted; ++k) {
            const GameState::Lack& lack = s.Lacks[other][k % GameState::LacksKept];
            const int kept = std::min(hiddenInHand_[other],
                                      lack.Held - (s.CardsPlayed[other] - lack.Played) - seen);
            if (kept > 0) lacks_[other].push_back({lack.Without, kept});
        }
    }
    // The pile is the table card, then the unseen cards, then the played ones in the order
    // they were played: only that end is read.
    for (int pos = s.HandCount[0] - seenInPile + 1; pos <= s.HandCount[0]; ++pos)
        pileSeen_.push_back(s.Hand[0][pos]);
    hiddenInPile_ = s.HandCount[0] - 1 - seenInPile;
}

void SeatKnowledge::MakeWorld(GameState& world, std::mt19937_64& rng) const {
    std::vector<int> deck = hidden_;
    for (std::size_t i = deck.size(); i > 1; --i) {
        const std::size_t j = rng() % i;
        std::swap(deck[i - 1], deck[j]);
    }
    std::size_t next = 0;
    world.ShuffleOrder.fill(0);

    // The cards a seat is known to lack go first, each the first fitting card of the shuffled
    // rest; should none fit, the lacks give way rather than the cards.
    std::array<std::vector<int>, SeatSlots> fitted{};
    for (int other = 1; other <= 4; ++other) {
        const auto& lacks = lacks_[other];
        int most = 0;
        for (const Lack& lack : lacks)
            most = std::max(most, lack.Cards);
        for (int slot = 0; slot < most && next < deck.size(); ++slot) {
            const auto fits = [&](int card) {
                for (const Lack& lack : lacks) {
                    if (slot < lack.Cards && lack.Without[std::size_t(card)]) return false;
                }
                return true;
            };
            std::size_t pick = next;
            while (pick < deck.size() && !fits(deck[pick]))
                ++pick;
            if (pick == deck.size()) pick = next;
            std::swap(deck[next], deck[pick]);
            fitted[other].push_back(deck[next++]);
        }
    }

    for (int other = 1; other <= 4; ++other) {
        if (other == seat_ || world.HandCount[other] < 0) continue;
        auto& hand = world.Hand[other];
        hand.fill(-1);
        int pos = 0;
        for (const int card : seenInHand_[other]) {
            hand[++pos] = card;
            world.CardOwner[card] = other;
        }
        for (const int card : fitted[other]) {
            hand[++pos] = card;
            world.CardOwner[card] = other;
        }
        for (int k = int(fitted[other].size()); k < hiddenInHand_[other] && next < deck.size();
             ++k) {
            const int card = deck[next++];
            hand[++pos] = card;
            world.CardOwner[card] = other;
        }
        world.HandCount[other] = pos;
        world.PutInHandOrder(other);
        world.RecountHand(other);
    }

    auto& pile = world.Hand[0];
    pile.fill(-1);
    int pos = 0;
    pile[++pos] = world.TableCard;
    world.CardOwner[world.TableCard] = 0;
    for (int k = 0; k < hiddenInPile_ && next < deck.size(); ++k) {
        const int card = deck[next++];
        pile[++pos] = card;
        world.CardOwner[card] = 0;
    }
    for (const int card : pileSeen_) {
        pile[++pos] = card;
        world.CardOwner[card] = 0;
    }
    world.HandCount[0] = pos;
}

}  // namespace tolvanis
