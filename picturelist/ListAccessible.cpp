#include "ListAccessible.h"

#include <QPointer>
#include <QWindow>

#include "UserControl1.h"

namespace picturelist {

namespace {

// A line of the list, by position: it reads the list each time it is asked, so it always
// tells the line that shows there now.
class LineAccessible : public QAccessibleInterface {
  public:
    LineAccessible(UserControl1* list, int index) : list_(list), index_(index) {}

    bool isValid() const override { return list_ && index_ < list_->ListCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QVector<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return list_ ? QAccessible::queryAccessibleInterface(list_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        return list_->List(index_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        auto* parentList = static_cast<ListAccessible*>(parent());
        return parentList ? parentList->LineRect(index_) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !isValid() || rect().isEmpty();
        return state;
    }

  private:
    QPointer<UserControl1> list_;
    int index_;
};

QAccessibleInterface* ListFactory(const QString& key, QObject* object) {
    // Qt asks by the meta-object's class name, which carries the namespace.
    if (key == QLatin1String(UserControl1::staticMetaObject.className())) {
        if (auto* list = qobject_cast<UserControl1*>(object)) return new ListAccessible(list);
    }
    return nullptr;
}

}  // namespace

void ListAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(&ListFactory);
        return true;
    }();
    (void)installed;
}

ListAccessible::ListAccessible(UserControl1* list) : QAccessibleWidget(list, QAccessible::List) {}

ListAccessible::~ListAccessible() {
    for (const QAccessible::Id id : lines_)
        QAccessible::deleteAccessibleInterface(id);
}

UserControl1* ListAccessible::List() const {
    return static_cast<UserControl1*>(widget());
}

int ListAccessible::childCount() const {
    return List()->ListCount();
}

QAccessibleInterface* ListAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    while (static_cast<int>(lines_.size()) <= index) {
        lines_.push_back(QAccessible::registerAccessibleInterface(
            new LineAccessible(List(), static_cast<int>(lines_.size()))));
    }
    return QAccessible::accessibleInterface(lines_[static_cast<std::size_t>(index)]);
}

int ListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (QAccessible::accessibleInterface(lines_[i]) == child)
            return static_cast<int>(i) < childCount() ? static_cast<int>(i) : -1;
    }
    return -1;
}

QAccessibleInterface* ListAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        if (LineRect(i).contains(x, y)) return child(i);
    }
    return nullptr;
}

QRect ListAccessible::LineRect(int index) const {
    const UserControl1* list = List();
    const QWidget* surface = list->listSurface();
    const int rowPx = list->rowHeightTwips() / 15;
    if (!surface || rowPx <= 0) return {};
    // Items count from 1 on the surface; the first shown is the top item.
    const int top = std::max(1, list->topItem());
    const QRect row(0, (index + 1 - top) * rowPx, surface->width(), rowPx);
    if (!surface->rect().intersects(row)) return {};
    return QRect(surface->mapToGlobal(row.topLeft()), row.size());
}

}  // namespace picturelist
