// The table for assistive technology: the painted table widget exposed as a tree, one child per
// item a sighted player sees (cards, covered hands, the pile, the table card, the seat labels and
// the colour areas while a colour is to be named), each with its role, name and rectangle. The
// words come from DescribeBoard, the rectangles from where the table draws the items, and the
// keyboard focus from TableKeys, whose moves are announced.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>

#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "BoardDescription.h"

namespace tolvanis {

class Engine;
class TableKeys;
class TableWidget;

class TableAccessible : public QAccessibleWidget {
  public:
    // Lets Qt build this interface for every table widget; call once before the first one asks.
    static void Install();

    explicit TableAccessible(TableWidget* table);
    ~TableAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The items as they stand now.
    std::vector<DescribedItem> Items() const;
    // Screen rectangle of an item (the table's own pixels mapped to the screen).
    QRect ScreenRect(const DescribedItem& item) const;
    TableWidget* Table() const;
    // Tells the accessibility layer where the keyboard focus went.
    void AnnounceFocus();
    // Where announcements go: the accessibility layer, unless a test listens instead.
    static inline void (*Announce)(QAccessibleEvent* event) = &QAccessible::updateAccessibility;

  private:
    using Key = std::tuple<int, int, int, int>;  // role, item kind, item index, colour
    static Key KeyOf(const DescribedItem& item);
    QAccessibleInterface* InterfaceFor(const DescribedItem& item) const;

    QPointer<TableWidget> table_;
    mutable std::unique_ptr<ColorAreas> areas_;
    // One interface per thing for as long as the table lives, so that a card keeps its
    // interface while it moves from hand to pile.
    mutable std::map<Key, QAccessible::Id> children_;
};

}  // namespace tolvanis
