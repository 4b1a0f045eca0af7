// The picture list for assistive technology: a list whose items are its lines, each named by
// its text and placed on the row where it is drawn, so that a screen reader can read the moves
// log line by line.
#pragma once

#include <QAccessibleWidget>

#include <vector>

namespace picturelist {

class UserControl1;

class ListAccessible : public QAccessibleWidget {
  public:
    // Lets Qt build this interface for every picture list; safe to call more than once.
    static void Install();

    explicit ListAccessible(UserControl1* list);
    ~ListAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    UserControl1* List() const;
    // Screen rectangle of line `index` (from 0), empty while it is scrolled out of sight.
    QRect LineRect(int index) const;

  private:
    // One interface per line position, made when first asked for.
    mutable std::vector<QAccessible::Id> lines_;
};

}  // namespace picturelist
