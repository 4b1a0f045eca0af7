#include "TableStatusBar.h"

#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace tolvanis {

namespace {

// Shows as much of its text as its width allows, ending in an ellipsis when it is cut; text()
// and what assistive tools read stay whole, and a cut text shows whole as a tool tip.
class ElidingLabel : public QLabel {
  public:
    using QLabel::QLabel;

    // It asks for its whole text but can make do with the ellipsis alone.
    QSize minimumSizeHint() const override {
        QSize least = QLabel::minimumSizeHint();
        const int margins = contentsMargins().left() + contentsMargins().right() + 2 * margin();
        least.setWidth(qMin(least.width(),
                            fontMetrics().horizontalAdvance(QStringLiteral("\u2026")) + margins));
        return least;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
        style()->drawItemText(&painter, room,
                              QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                              isEnabled(), shown, foregroundRole());
    }
    bool event(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QLabel::event(event);
        const int room = contentsRect().width() - 2 * margin();
        if (fontMetrics().horizontalAdvance(text()) > room) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
};

}  // namespace

TableStatusBar::TableStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    // When the window is too narrow for all of it, the turn gives up its room first and the
    // colour next; the card counts and the points, which are read as figures, stay whole.
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        const bool elides = i == 0 || i == 2;
        parts_[i] = elides ? new ElidingLabel(this) : new QLabel(this);
        if (i == 0) {
            // The turn takes the room that is left and asks for none of its own.
            parts_[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            addWidget(parts_[i], 1);
        } else {
            addPermanentWidget(parts_[i]);
        }
    }
}

void TableStatusBar::Show(const StatusTexts& texts) {
    const QString* words[] = {&texts.Turn, &texts.Cards, &texts.Colour, &texts.Points};
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        if (parts_[i]->text() != *words[i]) parts_[i]->setText(*words[i]);
    }
}

}  // namespace tolvanis
