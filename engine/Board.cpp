#include "Board.h"

#include <algorithm>
#include <utility>

namespace tolvanis {

namespace {

template <typename Fn>
void ForEachItem(Fn&& fn) {
    for (int i = 0; i < CardSlots; ++i)
        fn(ItemRef{ItemKind::CardImage, i});
    for (int i = 0; i < SeatSlots; ++i)
        fn(ItemRef{ItemKind::PlayerBack, i});
    for (int i = 0; i < 4; ++i)
        fn(ItemRef{ItemKind::LastCardLabel, i});
    for (int i = 0; i < SeatSlots; ++i)
        fn(ItemRef{ItemKind::Message, i});
    fn(ItemRef{ItemKind::TotalInDeck, 0});
    fn(ItemRef{ItemKind::GameStartClick, 0});
}

}  // namespace

void Board::BringToFront(ItemRef item) {
    ZOf(item) = ++front_;
}

void Board::SendToBack(ItemRef item) {
    ZOf(item) = --back_;
}

std::vector<ItemRef> Board::StackingOrder() const {
    std::vector<ItemRef> order;
    order.reserve(CardSlots + 2 * SeatSlots + 6);
    ForEachItem([&](ItemRef r) { order.push_back(r); });
    // Items never moved share Z 0; a stable sort keeps them in creation order.
    std::stable_sort(order.begin(), order.end(),
                     [this](ItemRef a, ItemRef b) { return ZOf(a) < ZOf(b); });
    return order;
}

std::optional<ItemRef> Board::ItemAt(double x, double y) const {
    std::optional<ItemRef> best;
    std::int64_t bestZ = 0;
    ForEachItem([&](ItemRef r) {
        if (!IsVisible(r)) return;
        const double left = LeftOf(r);
        const double top = TopOf(r);
        if (x < left || y < top || x >= left + WidthOf(r) || y >= top + HeightOf(r)) return;
        // Later items win ties, as they do in StackingOrder.
        if (!best || ZOf(r) >= bestZ) {
            best = r;
            bestZ = ZOf(r);
        }
    });
    return best;
}

bool Board::IsVisible(ItemRef item) const {
    switch (item.Kind) {
        case ItemKind::CardImage:
            return CardImage[item.Index].Visible;
        case ItemKind::PlayerBack:
            return PlayerBack[item.Index].Visible;
        case ItemKind::LastCardLabel:
            return LastCardLabel[item.Index].Visible;
        case ItemKind::Message:
            return Message[item.Index].Visible;
        case ItemKind::TotalInDeck:
            return TotalInDeck.Visible;
        case ItemKind::GameStartClick:
            return GameStartClick.Visible;
    }
    return false;
}

double Board::LeftOf(ItemRef item) const {
    switch (item.Kind) {
        case ItemKind::CardImage:
            return CardImage[item.Index].Left;
        case ItemKind::PlayerBack:
            return PlayerBack[item.Index].Left;
        case ItemKind::LastCardLabel:
            return LastCardLabel[item.Index].Left;
        case ItemKind::Message:
            return Message[item.Index].Left;
        case ItemKind::TotalInDeck:
            return TotalInDeck.Left;
        case ItemKind::GameStartClick:
            return GameStartClick.Left;
    }
    return 0;
}

double Board::TopOf(ItemRef item) const {
    switch (item.Kind) {
        case ItemKind::CardImage:
            return CardImage[item.Index].Top;
        case ItemKind::PlayerBack:
            return PlayerBack[item.Index].Top;
        case ItemKind::LastCardLabel:
            return LastCardLabel[item.Index].Top;
        case ItemKind::Message:
            return Message[item.Index].Top;
        case ItemKind::TotalInDeck:
            return TotalInDeck.Top;
        case ItemKind::GameStartClick:
            return GameStartClick.Top;
    }
    return 0;
}

double Board::WidthOf(ItemRef item) const {
    switch (item.Kind) {
        case ItemKind::CardImage:
        case ItemKind::PlayerBack:
            return CardWidth;
        case ItemKind::LastCardLabel:
            return LastCardLabel[item.Index].Width;
        case ItemKind::Message:
            return Message[item.Index].Width;
        case ItemKind::TotalInDeck:
            return TotalInDeck.Width;
        case ItemKind::GameStartClick:
            return GameStartClick.Width;
    }
    return 0;
}

double Board::HeightOf(ItemRef item) const {
    switch (item.Kind) {
        case ItemKind::CardImage:
        case ItemKind::PlayerBack:
            return CardHeight;
        case ItemKind::LastCardLabel:
            return LastCardLabel[item.Index].Height;
        case ItemKind::Message:
            return Message[item.Index].Height;
        case ItemKind::TotalInDeck:
            return TotalInDeck.Height;
        case ItemKind::GameStartClick:
            return GameStartClick.Height;
    }
    return 0;
}

std::int64_t& Board::ZOf(ItemRef item) {
    switch (item.Kind) {
        case ItemKind::CardImage:
            return CardImage[item.Index].Z;
        case ItemKind::PlayerBack:
            return PlayerBack[item.Index].Z;
        case ItemKind::LastCardLabel:
            return LastCardLabel[item.Index].Z;
        case ItemKind::Message:
            return Message[item.Index].Z;
        case ItemKind::TotalInDeck:
            return TotalInDeck.Z;
        case ItemKind::GameStartClick:
            break;
    }
    return GameStartClick.Z;
}

std::int64_t Board::ZOf(ItemRef item) const {
    return const_cast<Board*>(this)->ZOf(item);
}

}  // namespace tolvanis
