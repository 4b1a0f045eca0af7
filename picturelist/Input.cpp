// Scrolling, keys, mouse, tooltip and the drop-down of UserControl1. Keyboard navigation moves the
// list under a fixed highlight: the current item is always the top row.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

#include "ListParts.h"
#include "UserControl1.h"

using namespace picturelist;

namespace {
enum Key { Enter = 13, Esc = 27, End = 35, Home = 36, Up = 38, Down = 40 };
}

void UserControl1::setScrollValue(int value) {
    syncScrollRange();
    scroll_->setValue(value);
}

void UserControl1::scrollChanged(int value) {
    // A row that cannot be drawn leaves the rest of the page as it is.
    reportErrors("scroll", [&] { requestRows(value + 1, value + 1 + visibleRows_); });
    highlightRow_ = -1;
    surface_->setFocus();
}

// The wheel moves the scroll value by the desktop's lines a notch (three unless the user chose
// otherwise) times the arrows' step. The scroll bar's own wheel handling would stop at its page
// step of one item. A fine-grained wheel's part notches add up until they make a row.
void UserControl1::wheelScroll(QWheelEvent* e) {
    e->accept();
    const int angle = e->angleDelta().y();
    if (angle == 0) return;
    wheelRemainder_ += angle;
    const int rows = wheelRemainder_ * QApplication::wheelScrollLines() / 120;
    if (rows == 0) return;
    wheelRemainder_ -= rows * 120 / QApplication::wheelScrollLines();
    syncScrollRange();
    scroll_->setValue(scroll_->value() - rows * scroll_->singleStep());
}

void UserControl1::surfaceKeyDown(QKeyEvent* e) {
    const int code = keyCodeOf(e);
    const int shift = shiftMaskOf(e->modifiers());
    const int count = store_.count();
    int step = 0;
    switch (code) {
        case Enter:
            if (topItem_ >= 1 && topItem_ <= count) {
                edit_->setText(store_.at(topItem_).text);
                chosenIndexText_ = QString::number(topItem_ - 1);
                if (activeMode_ == 1) CloseDropDown();
                emit KeyDown(code, shift);
            }
            break;
        case Esc:
            if (highlightRow_ > -1) ToggleRowHighlight(highlightRow_);
            highlightRow_ = -1;
            if (activeMode_ == 1) CloseDropDown();
            break;
        default:
            if (code == End) setScrollValue(count - 1);
            if (code == Home) setScrollValue(0);
            if (code == Up) {
                step = -1;
                if (scroll_->value() == 0) break;
            }
            if (code == Down) {
                step = 1;
                if (scroll_->value() == count - 1) break;
            }
            if (highlightRow_ == -1) {
                ToggleRowHighlight(0);
                highlightRow_ = 0;
                break;
            }
            setScrollValue(scroll_->value() + step);
            ToggleRowHighlight(0);
            highlightRow_ = 0;
            emit KeyDown(code, shift);
            break;
    }
    if (!e->text().isEmpty()) emit KeyPress(e->text().at(0).unicode());
}

void UserControl1::surfaceKeyUp(QKeyEvent* e) {
    emit KeyUp(keyCodeOf(e), shiftMaskOf(e->modifiers()));
}

void UserControl1::surfaceMouseMove(QMouseEvent* e) {
    if (!toolTip_ || rowHeight_ <= 0) return;
    bringUpToDate();  // the widths the rows were drawn at decide
    const int r = static_cast<int>(std::floor(e->position().y() * twipsPerPixelY() / rowHeight_));
    const int count = store_.count();
    const int p = topItem_ + r;
    if (topItem_ >= 1 && r >= 0 && r <= count - 1 && p <= count &&
        store_.at(p).drawnWidth > surfaceTw_.width()) {
        surface_->setToolTip(store_.at(p).text);
    } else {
        surface_->setToolTip(QString());
    }
}

void UserControl1::surfaceMouseUp(QMouseEvent* e) {
    if (!enabled_ || rowHeight_ <= 0) return;
    const float x = static_cast<float>(e->position().x() * twipsPerPixelX());
    const float y = static_cast<float>(e->position().y() * twipsPerPixelY());
    const int r = static_cast<int>(std::floor(y / rowHeight_));
    const int count = store_.count();
    // A press that was dragged above the list's top edge is released on no row.
    if (topItem_ < 1 || r < 0 || r > count - 1 || topItem_ + r > count) return;
    edit_->setText(store_.at(topItem_ + r).text);
    chosenIndexText_ = QString::number(topItem_ + r - 1);
    if (activeMode_ == 0) {
        if (highlightRow_ != -1) ToggleRowHighlight(highlightRow_);
        ToggleRowHighlight(r);
        highlightRow_ = r;
    } else {
        CloseDropDown();
    }
    emit MouseUp(buttonCodeOf(e->button()), shiftMaskOf(e->modifiers()), x, y);
}

void UserControl1::surfaceFocusLost() {
    if (activeMode_ == 1 && listShown()) CloseDropDown();
}

void UserControl1::buttonMouseMove(QMouseEvent* e) {
    const QPointF pos = button_->mapTo(this, e->position());
    emit MouseMove(buttonMaskOf(e->buttons()), shiftMaskOf(e->modifiers()),
                   static_cast<float>(pos.x() * screenTwipsPerPixelX()),
                   static_cast<float>(pos.y() * screenTwipsPerPixelY()));
}

void UserControl1::buttonMouseUp(QMouseEvent*) {
    if (store_.isEmpty()) return;
    if (highlightRow_ != -1) ToggleRowHighlight(highlightRow_);
    highlightRow_ = -1;
    if (listShown()) {
        CloseDropDown();
    } else {
        OpenDropDown();
    }
}

void UserControl1::OpenDropDown() {
    const double editHeight = editHeightTwips();
    setControlHeightTwips(listHeight_ + editHeight + borderStyle_ * 48.0);
    surfaceTw_.setHeight(listHeight_);
    scrollTw_.setHeight(surfaceTw_.height());
    showList(true);
    surface_->raise();
    scroll_->raise();
    surfaceTw_.moveTop(editHeight);
    placeParts();
    requestRows(1, visibleRows_);
    surface_->setFocus();
}

void UserControl1::CloseDropDown() {
    showList(false);
    setControlHeightTwips(editHeightTwips());
}
