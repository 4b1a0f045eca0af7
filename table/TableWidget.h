// The table: paints the engine's board (felt, card pictures and labels in their stacking order,
// the windowed colour pickers and seat option box above them, the flying back) and hands every
// mouse press, release and move to the engine's handler for the item under the pointer. It
// keeps no game state: what it shows is read from the board at each paint.
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

    // Where an item of the board is drawn, in widget pixels.
    QRect ItemRect(ItemRef item) const;
    static int ToPx(double mm);

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
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The item under a widget point (topmost visible), nothing for the felt.
    std::optional<ItemRef> ItemUnder(QPointF pos) const;
    // A point in millimetres from the item's drawn corner, so that the pixel the engine reads
    // back is the one under the pointer.
    QPointF MmFrom(ItemRef item, QPointF pos) const;
    void PaintLabel(class QPainter& p, const LabelItem& label, ItemKind kind) const;
    void SyncWindowed();
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
