#include "TableKeys.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "Engine.h"
#include "TableAccessible.h"
#include "TableWidget.h"

namespace tolvanis {

// Drawn above every item of the table, letting the mouse through to them.
class TableKeys::Ring : public QWidget {
  public:
    Ring(TableKeys& keys, QWidget* parent) : QWidget(parent), keys_(keys) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const QRect rect = keys_.RingRect();
        if (rect.isEmpty()) return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // Two colours, so that it shows on the felt, on white cards and on black labels; as
        // thick as the table is scaled.
        const double k = static_cast<const TableWidget*>(parentWidget())->Scale();
        const double out = 2.5 * k;
        const QRectF outer = QRectF(rect).adjusted(-out, -out, out, out);
        p.setPen(QPen(Qt::black, 3 * k));
        p.drawRoundedRect(outer, 3 * k, 3 * k);
        p.setPen(QPen(QColor(255, 215, 0), 1.5 * k, Qt::DashLine));
        p.drawRoundedRect(outer, 3 * k, 3 * k);
    }

  private:
    TableKeys& keys_;
};

TableKeys::TableKeys(Engine& engine, TableWidget* table)
    : QObject(table), engine_(engine), table_(table), keys_(engine) {
    table_->setFocusPolicy(Qt::StrongFocus);
    table_->installEventFilter(this);
    ring_ = new Ring(*this, table_);
    ring_->setGeometry(table_->rect());
    connect(table_, &TableWidget::Forwarded, this, &TableKeys::Sync);
    keys_.Sync();
    TableAccessible::Install();
}

QRect TableKeys::RingRect() const {
    if (!table_->hasFocus()) return {};
    if (keys_.Area() == KeyArea::OptionBox) {
        const QLabel* label = table_->OptionLabel(keys_.OptionRow());
        if (!label || !label->isVisible()) return {};
        return QRect(label->mapTo(table_, QPoint(0, 0)), label->size());
    }
    const std::optional<ItemRef> item = keys_.FocusItem();
    if (!item) return {};
    return table_->ItemRect(*item);
}

void TableKeys::Sync() {
    keys_.Sync();
    ring_->setGeometry(table_->rect());
    ring_->raise();
    ring_->update();
    const std::optional<ItemRef> item = keys_.FocusItem();
    if (item != lastItem_ || keys_.Area() != lastArea_ || keys_.OptionRow() != lastRow_) {
        lastItem_ = item;
        lastArea_ = keys_.Area();
        lastRow_ = keys_.OptionRow();
        if (table_->hasFocus()) {
            if (auto* a11y =
                    dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(table_))) {
                a11y->AnnounceFocus();
            }
        }
        emit FocusMoved();
    }
}

bool TableKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != table_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            const std::optional<KeyPress> press =
                KeyboardPlay::ActionFor(key->key(), key->modifiers());
            if (!press) break;
            // Tab leaves the table as usual when there is no option box to go to.
            const bool handled = keys_.Press(*press);
            if (!handled && press->Action == KeyAction::SwitchArea) break;
            if (handled) {
                table_->Refresh();
                emit table_->Forwarded();
            }
            return true;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Resize:
            Sync();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tolvanis
