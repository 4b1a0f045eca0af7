// Shared helpers for the widget tests: reading the control's pixels and sending mouse events
// without QTest's own click timing getting in the way.
#pragma once

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include "Pavrel.h"
#include "SystemColors.h"

inline QImage shot(QWidget& widget) {
    QCoreApplication::processEvents();
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Colours compared as plain RGB: the palette may hand out the same colour in another colour model.
inline QColor pixel(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

inline QColor sys(const QWidget& widget, uint32_t code) {
    return QColor(pavrel::resolveColor(code, widget.palette()).rgb());
}

inline void sendMouse(QWidget* target, QEvent::Type type, QPoint at,
                      Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Qt::MouseButtons held = button;
    if (type == QEvent::MouseButtonRelease) held = Qt::NoButton;
    if (type == QEvent::MouseMove) held = Qt::NoButton;
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
    QApplication::sendEvent(target, &event);
}
