// The child parts of UserControl1 that need their own painting or input: the list surface, which
// shows a persistent image and passes keys, mouse and focus loss to the control, and the drop-down
// button with its arrow icon.
#pragma once

#include <QImage>
#include <QWidget>

namespace picturelist {

class UserControl1;

class ListSurface : public QWidget {
  public:
    explicit ListSurface(UserControl1* owner);

    // The surface always has the widget's current size, also before a hidden widget has been
    // told of its resize: a host may draw rows into a list it has not shown yet.
    QImage& image() {
        fitToSize();
        return image_;
    }
    const QImage& image() const { return image_; }
    void setBackground(const QColor& c) { background_ = c; }
    void clear();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void fitToSize();

    UserControl1* owner_;
    QImage image_;
    QColor background_;
};

class DropButton : public QWidget {
  public:
    explicit DropButton(UserControl1* owner);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    UserControl1* owner_;
    QImage icon_;
};

// Key code and shift mask of a key event, as the control's events carry them (13 Enter, 27 Esc,
// 35 End, 36 Home, 38 Up, 40 Down, letters by their capital; Shift 1, Ctrl 2, Alt 4).
int keyCodeOf(const QKeyEvent* event);
int shiftMaskOf(Qt::KeyboardModifiers modifiers);
int buttonCodeOf(Qt::MouseButton button);
int buttonMaskOf(Qt::MouseButtons buttons);

}  // namespace picturelist
