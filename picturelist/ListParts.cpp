#include "ListParts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "UserControl1.h"

namespace picturelist {

ListSurface::ListSurface(UserControl1* owner) : QWidget(owner), owner_(owner) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ListSurface::clear() {
    image_.fill(background_);
    update();
}

void ListSurface::paintEvent(QPaintEvent*) {
    reportErrors("paint", [&] { owner_->bringUpToDate(true); });
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void ListSurface::resizeEvent(QResizeEvent*) {
    fitToSize();
}

void ListSurface::fitToSize() {
    // The surface has a pixel for every pixel of the screen, so text drawn on it stays sharp on
    // a dense screen; the rows are drawn in the widget's own pixels.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size().expandedTo(QSize(1, 1))) * ratio).toSize();
    if (image_.size() == pixels && image_.devicePixelRatio() == ratio) return;
    // Keep what has been drawn: a larger surface shows the old picture on fresh background.
    QImage grown(pixels, QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio);
    grown.fill(background_);
    if (!image_.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(grown);
}

void ListSurface::keyPressEvent(QKeyEvent* event) {
    reportErrors("keyPressEvent", [&] { owner_->surfaceKeyDown(event); });
}
void ListSurface::keyReleaseEvent(QKeyEvent* event) {
    reportErrors("keyReleaseEvent", [&] { owner_->surfaceKeyUp(event); });
}
void ListSurface::mouseMoveEvent(QMouseEvent* event) {
    reportErrors("mouseMoveEvent", [&] { owner_->surfaceMouseMove(event); });
}
void ListSurface::mouseReleaseEvent(QMouseEvent* event) {
    reportErrors("mouseReleaseEvent", [&] { owner_->surfaceMouseUp(event); });
}

void ListSurface::wheelEvent(QWheelEvent* event) {
    reportErrors("wheelEvent", [&] { owner_->wheelScroll(event); });
}

void ListSurface::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    reportErrors("focusOutEvent", [&] { owner_->surfaceFocusLost(); });
}

DropButton::DropButton(UserControl1* owner)
    : QWidget(owner), owner_(owner), icon_(UserControl1::dropButtonIcon()) {
    setMouseTracking(true);
}

void DropButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, icon_);
}

void DropButton::mouseMoveEvent(QMouseEvent* event) {
    reportErrors("mouseMoveEvent", [&] { owner_->buttonMouseMove(event); });
}
void DropButton::mouseReleaseEvent(QMouseEvent* event) {
    reportErrors("mouseReleaseEvent", [&] { owner_->buttonMouseUp(event); });
}

int keyCodeOf(const QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // 65..90 in both systems
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;  // 48..57
    if (key >= Qt::Key_F1 && key <= Qt::Key_F16) return 112 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Pause:
            return 19;
        case Qt::Key_CapsLock:
            return 20;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        default:
            return key & 0xFFFF;
    }
}

int shiftMaskOf(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= 1;
    if (modifiers & Qt::ControlModifier) mask |= 2;
    if (modifiers & Qt::AltModifier) mask |= 4;
    return mask;
}

int buttonCodeOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int buttonMaskOf(Qt::MouseButtons buttons) {
    return ((buttons & Qt::LeftButton) ? 1 : 0) | ((buttons & Qt::RightButton) ? 2 : 0) |
           ((buttons & Qt::MiddleButton) ? 4 : 0);
}

}  // namespace picturelist
