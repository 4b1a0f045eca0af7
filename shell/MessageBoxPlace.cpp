#include "MessageBoxPlace.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

#include <algorithm>
#include <utility>

namespace tolvanis {

namespace {

// Space between the box and what it keeps clear of.
constexpr int Gap = 8;
// The title bar's icon and its three buttons, as the usual desktops draw them.
constexpr int TitleBarRoom = 160;

// The box's size is known only once it shows: it is widened and moved then.
class PlacedMessageBox : public QMessageBox {
  public:
    PlacedMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
                     QWidget* parent, std::function<QRect()> keepClear)
        : QMessageBox(icon, title, text, buttons, parent), keepClear_(std::move(keepClear)) {}

  protected:
    void showEvent(QShowEvent* event) override {
        // The box sizes itself to its layout as it shows: a row as wide as the title needs
        // widens it.
        if (auto* grid = qobject_cast<QGridLayout*>(layout()); grid && !widened_) {
            grid->addItem(new QSpacerItem(LeastMessageBoxWidth(windowTitle()), 0), grid->rowCount(),
                          0, 1, grid->columnCount());
            widened_ = true;
        }
        QMessageBox::showEvent(event);
        const QRect clear = keepClear_ ? keepClear_() : QRect();
        const QRect frame = frameGeometry();
        if (clear.isEmpty() || !frame.intersects(clear)) return;
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, 1 << 14, 1 << 14);
        move(PlaceMessageBox(frame.size(), owner ? owner->frameGeometry() : frame, clear, area));
    }

  private:
    std::function<QRect()> keepClear_;
    bool widened_ = false;
};

}  // namespace

QPoint PlaceMessageBox(QSize size, const QRect& parent, const QRect& keepClear,
                       const QRect& screen) {
    const QPoint centred(parent.x() + (parent.width() - size.width()) / 2,
                         parent.y() + (parent.height() - size.height()) / 2);
    if (keepClear.isEmpty() || !QRect(centred, size).intersects(keepClear)) return centred;
    const int midX = keepClear.center().x() - size.width() / 2;
    const int midY = keepClear.center().y() - size.height() / 2;
    const QPoint tries[] = {
        {midX, keepClear.bottom() + 1 + Gap},
        {midX, keepClear.top() - Gap - size.height()},
        {keepClear.right() + 1 + Gap, midY},
        {keepClear.left() - Gap - size.width(), midY},
    };
    for (QPoint at : tries) {
        // Slid along the screen's edge where it would overhang, then checked again.
        at.setX(std::clamp(at.x(), screen.left(),
                           std::max(screen.left(), screen.right() + 1 - size.width())));
        at.setY(std::clamp(at.y(), screen.top(),
                           std::max(screen.top(), screen.bottom() + 1 - size.height())));
        const QRect box(at, size);
        if (screen.contains(box) && !box.intersects(keepClear)) return at;
    }
    return centred;
}

int LeastMessageBoxWidth(const QString& title) {
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    return metrics.horizontalAdvance(title) + TitleBarRoom;
}

QMessageBox::StandardButton RunMessageBox(QMessageBox::Icon icon, const QString& title,
                                          const QString& text, QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton,
                                          QWidget* parent,
                                          const std::function<QRect()>& keepClear) {
    PlacedMessageBox box(icon, title, text, buttons, parent, keepClear);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace tolvanis
