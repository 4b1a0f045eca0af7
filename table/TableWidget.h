// The table: paints the engine's board (felt, card pictures and labels in their stacking order,
// the windowed colour pickers and seat option box above them, the flying back) and hands every
// mouse press, release and move to the engine's handler for the item under the pointer. It
// keeps no game state: what it shows is read from the board at each paint.
//
// The layout is fixed in millimetres and drawn at 100 % in "layout pixels" (PxPerMm to the
// millimetre). The widget may be any size: it draws the whole layout at one uniform scale that
// fits, centred on the felt, and maps every pointer position back through the same scale into
// layout pixels. All of that mapping lives in the public functions below, so that anything
// that needs to know where an item shows, or what lies under a point, asks here.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QVariantAnimation>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

#include "Board.h"

class QLabel;
class QGroupBox;
class QPushButton;

namespace tolvanis {

class Engine;
class PictureSet;

class TableWidget : public QWidget {
    Q_OBJECT

  public:
    // Pixels per millimetre at 100 %: 96 dots to the inch.
    static constexpr double PxPerMm = 96.0 / 25.4;

    TableWidget(Engine& engine, const PictureSet& pictures, QWidget* parent = nullptr);

    // Repaint from the board and bring the windowed items and the flying back up to date.
    void Refresh();

    // The layout's size at 100 %: the client size the layout asks for, in twips at 15 a
    // pixel. It is the widget's default and smallest size.
    static QSize LayoutSizeFor(const Board& board);
    QSize LayoutSize() const;
    QSize sizeHint() const override { return LayoutSize(); }
    QSize minimumSizeHint() const override { return LayoutSize(); }

    // Widget pixels per layout pixel: the largest that shows the whole layout.
    double Scale() const;
    // Where the layout's top-left corner lies in the widget, in whole pixels.
    QPoint Origin() const;
    // Layout pixels to widget pixels and back.
    QPointF ToWidget(QPointF layoutPx) const;
    QRect ToWidget(const QRect& layoutRect) const;
    // The layout pixel under a widget point: a press anywhere on its scaled image acts as a
    // press on that pixel at 100 %.
    QPoint LayoutPixelAt(QPointF widgetPos) const;

    // Where an item of the board is drawn: at 100 %, and in widget pixels at the current scale.
    QRect LayoutRect(ItemRef item) const;
    QRect ItemRect(ItemRef item) const;
    static int ToPx(double mm);

    // The topmost visible item under a widget point, nothing for the felt.
    std::optional<ItemRef> ItemAt(QPointF widgetPos) const;
    // The point under `widgetPos` in millimetres from the item's corner, taken at the middle of
    // the layout pixel under it, so that the pixel the engine reads back is the one under the
    // pointer whatever the scale.
    QPointF MmFrom(ItemRef item, QPointF widgetPos) const;

    bool FlightRunning() const;
    QPointF FlightPositionMm() const { return flightPos_; }

    // The option box and its parts; null until the board first shows it.
    QGroupBox* OptionBox() const { return optionFrame_; }
    QLabel* OptionLabel(int i) const { return optBox_[static_cast<std::size_t>(i)]; }
    QPushButton* OptionOk() const { return optOk_; }
    QPushButton* OptionCancel() const { return optCancel_; }

  signals:
    void Forwarded();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void PaintLabel(class QPainter& p, const LabelItem& label, ItemKind kind) const;
    void PaintPicture(class QPainter& p, int picture, QPoint layoutPos) const;
    void SyncWindowed();
    // Sizes, places and sets the fonts of the option box's parts for the current scale.
    void ScaleOptionFrame();
    void CheckFlight();
    void AfterEngine();
    void BuildOptionFrame();

    Engine& engine_;
    const PictureSet& pictures_;

    // The item that took the press: the release and the moves while a button is held go to it.
    bool pressed_ = false;
    std::optional<ItemRef> pressedItem_;

    std::array<QLabel*, 2> pickers_{};
    QGroupBox* optionFrame_ = nullptr;
    std::array<QLabel*, 3> optBox_{};
    QPushButton* optOk_ = nullptr;
    QPushButton* optCancel_ = nullptr;

    QPixmap felt_;
    std::uint32_t seenFlight_ = 0;
    TakeFlight flight_;
    QPointF flightPos_;
    QVariantAnimation flightAnimation_;
};

}  // namespace tolvanis
