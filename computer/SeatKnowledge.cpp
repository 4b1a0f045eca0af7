#include "SeatKnowledge.h"

#include <algorithm>

namespace tolvanis {

namespace {

// A number below n, 0 < n < 2^32, from 32 random bits, by multiplying rather than dividing: a
// division costs as much as the rest of a shuffle step, and the bias of at most n in 2^32 is far
// below what the look-ahead's counts could ever show.
std::size_t Scale(std::uint32_t bits, std::size_t n) {
    return std::size_t((std::uint64_t(bits) * n) >> 32);
}

std::size_t Below(std::mt19937_64& rng, std::size_t n) {
    return Scale(std::uint32_t(rng() >> 32), n);
}

}  // namespace

SeatKnowledge::SeatKnowledge(const GameState& s, int seat) : seat_(seat), replay_(s, seat) {
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

bool SeatKnowledge::Fits(int other, int slot, int card) const {
    for (const Lack& lack : lacks_[other]) {
        if (slot < lack.Cards && lack.Without[std::size_t(card)]) return false;
    }
    return true;
}

std::size_t SeatKnowledge::PickFor(int other, std::vector<int>& deck, std::size_t next) const {
    int most = 0;
    for (const Lack& lack : lacks_[other])
        most = std::max(most, lack.Cards);
    const std::size_t end = std::min(deck.size(), next + std::size_t(hiddenInHand_[other]));
    for (std::size_t at = next; at < end && int(at - next) < most; ++at) {
        const int slot = int(at - next);
        std::size_t pick = at;
        while (pick < deck.size() && !Fits(other, slot, deck[pick]))
            ++pick;
        if (pick < deck.size()) std::swap(deck[at], deck[pick]);
    }
    return end;
}

void SeatKnowledge::PutHand(GameState& world, int other) const {
    auto& hand = world.Hand[other];
    int pos = 0;
    for (const int card : seenInHand_[other]) {
        hand[++pos] = card;
        world.CardOwner[card] = other;
    }
    for (std::size_t at = handFrom_[other]; at < handFrom_[other + 1]; ++at) {
        hand[++pos] = deck_[at];
        world.CardOwner[deck_[at]] = other;
    }
    world.HandCount[other] = pos;
    world.PutInHandOrder(other);
    world.RecountHand(other);
}

int SeatKnowledge::Redeal(GameState& world, int other, std::mt19937_64& rng) {
    // The seat's unseen cards change places with the pile's unseen ones, the other hands stay:
    // each of its places takes a card drawn from its own and the pile's, one fitting its lacks
    // if a few draws find one.
    const std::size_t from = handFrom_[other], count = handFrom_[other + 1] - from;
    const std::size_t pile = handFrom_[5], n = count + (deck_.size() - pile);
    const auto at = [&](std::size_t i) -> int& {
        return deck_[i < count ? from + i : pile + (i - count)];
    };
    for (std::size_t slot = 0; slot < count; ++slot) {
        std::size_t pick = slot + Below(rng, n - slot);
        for (int tries = 1; tries < DrawsPerPlace && !Fits(other, int(slot), at(pick)); ++tries)
            pick = slot + Below(rng, n - slot);
        std::swap(at(slot), at(pick));
    }
    PutHand(world, other);
    return replay_.Misfits(world, other);
}

void SeatKnowledge::Shuffle(std::vector<int>& cards, std::mt19937_64& rng) {
    // Each random number serves two steps, its high half first: the numbers cost the most here.
    std::uint64_t bits = 0;
    bool spare = false;
    for (std::size_t i = cards.size(); i > 1; --i) {
        const std::uint32_t half =
            spare ? std::uint32_t(bits) : std::uint32_t((bits = rng()) >> 32);
        spare = !spare;
        std::swap(cards[i - 1], cards[Scale(half, i)]);
    }
}

int SeatKnowledge::MakeWorld(GameState& world, std::mt19937_64& rng) {
    deck_ = hidden_;
    Shuffle(deck_, rng);
    world.ShuffleOrder.fill(0);

    // Each hand's unseen cards, those fitting what the seat showed it lacks first (should none
    // fit, the lacks give way rather than the cards); the rest is the pile's unseen front.
    std::size_t next = 0;
    for (int other = 1; other <= 4; ++other) {
        handFrom_[other] = next;
        if (other != seat_ && world.HandCount[other] >= 0) next = PickFor(other, deck_, next);
    }
    handFrom_[5] = next;
    for (int other = 1; other <= 4; ++other) {
        if (other != seat_ && world.HandCount[other] >= 0) PutHand(world, other);
    }

    // A hand that does not make the rule list's choices again is dealt anew from the pile, a
    // few times at most; the hand that made most of them is kept.
    int redeals = 0;
    for (int other = 1; other <= 4; ++other) {
        if (other == seat_ || !replay_.Checks(other)) continue;
        int misfits = replay_.Misfits(world, other);
        if (misfits == 0) continue;
        best_.assign(deck_.begin(), deck_.end());
        for (int k = 0; k < RedealsPerSeat && misfits > 0; ++k) {
            ++redeals;
            const int now = Redeal(world, other, rng);
            if (now < misfits) {
                misfits = now;
                best_.assign(deck_.begin(), deck_.end());
            }
        }
        if (misfits > 0 && best_ != deck_) {
            deck_.swap(best_);
            PutHand(world, other);
        }
    }

    auto& pile = world.Hand[0];
    pile.fill(-1);
    int pos = 0;
    pile[++pos] = world.TableCard;
    world.CardOwner[world.TableCard] = 0;
    for (std::size_t at = handFrom_[5]; at < deck_.size() && pos <= hiddenInPile_; ++at) {
        pile[++pos] = deck_[at];
        world.CardOwner[deck_[at]] = 0;
    }
    for (const int card : pileSeen_) {
        pile[++pos] = card;
        world.CardOwner[card] = 0;
    }
    world.HandCount[0] = pos;
    return redeals;
}

}  // namespace tolvanis
