#include "ListParts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "InputCodes.h"
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
    return runtimecodes::KeyCode(event->key(), event->modifiers());
}

int shiftMaskOf(Qt::KeyboardModifiers modifiers) {
    return runtimecodes::ShiftState(modifiers);
}

int buttonCodeOf(Qt::MouseButton button) {
    return runtimecodes::ButtonCode(button);
}

int buttonMaskOf(Qt::MouseButtons buttons) {
    return runtimecodes::ButtonMask(buttons);
}

}  // namespace picturelist
