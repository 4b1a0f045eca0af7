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

const ImageItem* Board::ImageOf(ItemRef item) const {
    switch (item.Kind) {
        case ItemKind::CardImage:
            return &CardImage[item.Index];
        case ItemKind::PlayerBack:
            return &PlayerBack[item.Index];
        default:
            return nullptr;
    }
}

const LabelItem* Board::LabelOf(ItemRef item) const {
    switch (item.Kind) {
        case ItemKind::LastCardLabel:
            return &LastCardLabel[item.Index];
        case ItemKind::Message:
            return &Message[item.Index];
        case ItemKind::TotalInDeck:
            return &TotalInDeck;
        case ItemKind::GameStartClick:
            return &GameStartClick;
        default:
            return nullptr;
    }
}

bool Board::IsVisible(ItemRef item) const {
    const ImageItem* image = ImageOf(item);
    return image ? image->Visible : LabelOf(item)->Visible;
}

double Board::LeftOf(ItemRef item) const {
    const ImageItem* image = ImageOf(item);
    return image ? image->Left : LabelOf(item)->Left;
}

double Board::TopOf(ItemRef item) const {
    const ImageItem* image = ImageOf(item);
    return image ? image->Top : LabelOf(item)->Top;
}

// Every picture has the size of a card; labels have their own.
double Board::WidthOf(ItemRef item) const {
    return ImageOf(item) ? CardWidth : LabelOf(item)->Width;
}

double Board::HeightOf(ItemRef item) const {
    return ImageOf(item) ? CardHeight : LabelOf(item)->Height;
}

std::int64_t& Board::ZOf(ItemRef item) {
    const ImageItem* image = ImageOf(item);
    return const_cast<std::int64_t&>(image ? image->Z : LabelOf(item)->Z);
}

std::int64_t Board::ZOf(ItemRef item) const {
    const ImageItem* image = ImageOf(item);
    return image ? image->Z : LabelOf(item)->Z;
}

}  // namespace tolvanis
