#include "TableAccessible.h"

#include <QAccessibleEvent>
#include <QLabel>
#include <QWindow>

#include "Engine.h"
#include "TableKeys.h"
#include "TableWidget.h"

namespace tolvanis {

namespace {

// One item of the table; it looks itself up in the table's current description each time it
// is asked, so it is never out of date and goes invalid when the item leaves the table.
class TableItemAccessible : public QAccessibleInterface {
  public:
    TableItemAccessible(TableWidget* table, const DescribedItem& item)
        : table_(table), item_(item) {}

    bool isValid() const override { return Current().has_value(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_ ? table_->window()->windowHandle() : nullptr; }
    QVector<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return table_ ? QAccessible::queryAccessibleInterface(table_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        const std::optional<DescribedItem> now = Current();
        if (!now) return {};
        if (t == QAccessible::Name) return now->Name;
        if (t == QAccessible::Description) return now->Description;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        const std::optional<DescribedItem> now = Current();
        if (!now || !Parent()) return {};
        return Parent()->ScreenRect(*now);
    }

    QAccessible::Role role() const override {
        switch (item_.Role) {
            case DescribedRole::Label:
                return QAccessible::StaticText;
            case DescribedRole::ColorArea:
                return QAccessible::Button;
            default:
                return QAccessible::Graphic;
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        const std::optional<DescribedItem> now = Current();
        if (!now) {
            state.invisible = true;
            return state;
        }
        state.focusable = item_.Role != DescribedRole::CoveredHand;
        if (const TableAccessible* parent = Parent()) {
            if (QAccessibleInterface* focus = parent->focusChild()) state.focused = focus == this;
        }
        return state;
    }

  private:
    TableAccessible* Parent() const {
        if (!table_) return nullptr;
        return static_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(table_.data()));
    }
    std::optional<DescribedItem> Current() const {
        const TableAccessible* parent = Parent();
        if (!parent) return std::nullopt;
        for (const DescribedItem& item : parent->Items()) {
            if (item.SameThing(item_)) return item;
        }
        return std::nullopt;
    }

    QPointer<TableWidget> table_;
    DescribedItem item_;
};

QAccessibleInterface* TableFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("tolvanis::TableWidget")) {
        if (auto* table = qobject_cast<TableWidget*>(object)) return new TableAccessible(table);
    }
    return nullptr;
}

TableKeys* KeysOf(const TableWidget* table) {
    return table ? table->findChild<TableKeys*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

}  // namespace

void TableAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(&TableFactory);
        return true;
    }();
    (void)installed;
}

TableAccessible::TableAccessible(TableWidget* table)
    : QAccessibleWidget(table, QAccessible::Client, QStringLiteral("Table")), table_(table) {}

TableAccessible::~TableAccessible() {
    for (const auto& [key, id] : children_)
        QAccessible::deleteAccessibleInterface(id);
}

TableWidget* TableAccessible::Table() const {
    return table_.data();
}

QString TableAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return QStringLiteral("Table");
    return QAccessibleWidget::text(t);
}

std::vector<DescribedItem> TableAccessible::Items() const {
    TableKeys* keys = KeysOf(table_);
    if (!keys) return {};
    if (!areas_) areas_ = std::make_unique<ColorAreas>(keys->Eng());
    return DescribeBoard(keys->Eng(), *areas_);
}

QRect TableAccessible::ScreenRect(const DescribedItem& item) const {
    if (!table_) return {};
    QRect local;
    if (item.Role == DescribedRole::ColorArea) {
        // Scaled as the card under it is drawn, whatever the table's scale.
        const QRect card = table_->ItemRect(item.Item);
        TableKeys* keys = KeysOf(table_);
        const Board& t = keys->Eng().Table;
        const double sx = card.width() / t.CardWidth;
        const double sy = card.height() / t.CardHeight;
        const double left = item.Left - t.LeftOf(item.Item);
        const double top = item.Top - t.TopOf(item.Item);
        local = QRectF(card.left() + left * sx, card.top() + top * sy, item.Width * sx,
                       item.Height * sy)
                    .toAlignedRect();
    } else {
        local = table_->ItemRect(item.Item);
    }
    return QRect(table_->mapToGlobal(local.topLeft()), local.size());
}

TableAccessible::Key TableAccessible::KeyOf(const DescribedItem& item) {
    return {static_cast<int>(item.Role), static_cast<int>(item.Item.Kind), item.Item.Index,
            Index(item.Color)};
}

QAccessibleInterface* TableAccessible::InterfaceFor(const DescribedItem& item) const {
    const Key key = KeyOf(item);
    if (const auto known = children_.find(key); known != children_.end()) {
        if (QAccessibleInterface* iface = QAccessible::accessibleInterface(known->second))
            return iface;
    }
    auto* iface = new TableItemAccessible(table_, item);
    children_[key] = QAccessible::registerAccessibleInterface(iface);
    return iface;
}

// The windowed children (the open seat option box) follow the table's own items.
int TableAccessible::childCount() const {
    return static_cast<int>(Items().size()) + QAccessibleWidget::childCount();
}

QAccessibleInterface* TableAccessible::child(int index) const {
    if (index < 0) return nullptr;
    const std::vector<DescribedItem> items = Items();
    if (index < static_cast<int>(items.size()))
        return InterfaceFor(items[static_cast<std::size_t>(index)]);
    return QAccessibleWidget::child(index - static_cast<int>(items.size()));
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<DescribedItem> items = Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto known = children_.find(KeyOf(items[i]));
        if (known != children_.end() && QAccessible::accessibleInterface(known->second) == child)
            return static_cast<int>(i);
    }
    const int widget = QAccessibleWidget::indexOfChild(child);
    return widget < 0 ? -1 : widget + static_cast<int>(items.size());
}

QAccessibleInterface* TableAccessible::childAt(int x, int y) const {
    // The topmost: later items lie above earlier ones where they overlap.
    if (QAccessibleInterface* widget = QAccessibleWidget::childAt(x, y)) return widget;
    const std::vector<DescribedItem> items = Items();
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        if (ScreenRect(*it).contains(x, y)) return InterfaceFor(*it);
    }
    return nullptr;
}

QAccessibleInterface* TableAccessible::focusChild() const {
    TableKeys* keys = KeysOf(table_);
    if (!keys || !table_->hasFocus()) return nullptr;
    if (keys->Keys().Area() == KeyArea::OptionBox) {
        if (QWidget* label = table_->OptionLabel(keys->Keys().OptionRow()))
            return QAccessible::queryAccessibleInterface(label);
        return nullptr;
    }
    const std::optional<ItemRef> focus = keys->Keys().FocusItem();
    if (!focus) return nullptr;
    for (const DescribedItem& item : Items()) {
        if (item.Item == *focus && item.Role != DescribedRole::ColorArea) return InterfaceFor(item);
    }
    return nullptr;
}

void TableAccessible::AnnounceFocus() {
    if (QAccessibleInterface* focus = focusChild()) {
        QAccessibleEvent event(focus, QAccessible::Focus);
        Announce(&event);
    }
}

}  // namespace tolvanis
