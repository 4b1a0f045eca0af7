#include "TableWidget.h"

#include <QGroupBox>
#include <QLabel>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "Engine.h"
#include "InputCodes.h"
#include "PictureSet.h"
#include "TableFonts.h"

namespace tolvanis {

namespace {

// The felt: the colour the card strips show outside their rounded corners, a little lighter
// under the middle of the table where the lamp would hang.
const QColor FeltColor(0, 100, 50);
const QColor FeltLight(0, 116, 58);
const QColor FeltEdge(0, 78, 39);
const QColor LabelBorder(150, 150, 150);

// How long the back takes to fly from the pile to a seat.
constexpr int FlightMs = 200;

QColor ToQColor(Rgb rgb, const QColor& fallback) {
    if (rgb == NoColor) return fallback;
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The option box's parts in millimetres inside the box.
constexpr double OptBoxLeft = 4.8, OptBoxWidth = 28.8, OptBoxHeight = 4.0;
constexpr std::array<double, 3> OptBoxTops{4.2, 9.3, 14.3};
constexpr double OptOkLeft = 4.2, OptCancelLeft = 19.6, OptButtonTop = 20.1;
constexpr double OptButtonWidth = 14.4, OptButtonHeight = 4.4;

// The rules take the runtime's own button and modifier numbers.
static_assert(ButtonLeft == runtimecodes::ButtonLeft && ButtonRight == runtimecodes::ButtonRight &&
              ButtonMiddle == runtimecodes::ButtonMiddle);
static_assert(ShiftMask == runtimecodes::ShiftMask && CtrlMask == runtimecodes::CtrlMask &&
              AltMask == runtimecodes::AltMask);

// Steps of the flying back for seats 1..4: direction and count, 2 millimetres a step.
struct FlightPath {
    int dx, dy, steps;
};
constexpr std::array<FlightPath, 5> FlightPaths{
    {{0, 0, 1}, {0, -1, 20}, {1, 0, 40}, {0, 1, 20}, {-1, 0, 28}}};

}  // namespace

TableWidget::TableWidget(Engine& engine, const PictureSet& pictures, QWidget* parent)
    : QWidget(parent), engine_(engine), pictures_(pictures) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    flightAnimation_.setDuration(FlightMs);
    flightAnimation_.setEasingCurve(QEasingCurve::InOutQuad);
    connect(&flightAnimation_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) {
                const FlightPath path = FlightPaths[static_cast<std::size_t>(flight_.Seat)];
                const double step = value.toDouble();
                flightPos_ =
                    QPointF(flight_.X0 + step * 2.0 * path.dx, flight_.Y0 + step * 2.0 * path.dy);
                update();
            });
    connect(&flightAnimation_, &QVariantAnimation::finished, this, qOverload<>(&QWidget::update));
    refusalTimer_.setSingleShot(true);
    refusalTimer_.setInterval(RefusalMs);
    connect(&refusalTimer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    // A refusal before the table was made is old news.
    seenRefusal_ = engine_.Table.Refused.Serial;
}

void TableWidget::BuildOptionFrame() {
    const OptionFrameItem& item = engine_.Table.Optionframe;
    optionFrame_ = new QGroupBox(item.Caption, this);
    optionFrame_->setAutoFillBackground(true);
    QPalette palette = optionFrame_->palette();
    palette.setColor(QPalette::Window, QColor(212, 208, 200));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Button, QColor(212, 208, 200));
    palette.setColor(QPalette::ButtonText, Qt::black);
    optionFrame_->setPalette(palette);

    for (QLabel*& label : optBox_) {
        label = new QLabel(optionFrame_);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setAutoFillBackground(true);
        QPalette lp = label->palette();
        lp.setColor(QPalette::Window, Qt::black);
        lp.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(lp);
        label->installEventFilter(this);
        label->setCursor(Qt::PointingHandCursor);
    }
    optOk_ = new QPushButton(QStringLiteral("OK"), optionFrame_);
    optCancel_ = new QPushButton(QStringLiteral("Cancel"), optionFrame_);
    for (QPushButton* button : {optOk_, optCancel_})
        button->setFocusPolicy(Qt::NoFocus);
    connect(optOk_, &QPushButton::clicked, this, [this] {
        engine_.OnOptOk();
        AfterEngine();
    });
    connect(optCancel_, &QPushButton::clicked, this, [this] {
        engine_.OnOptCancel();
        AfterEngine();
    });
    ScaleOptionFrame();
    optionFrame_->hide();
}

void TableWidget::ScaleOptionFrame() {
    if (!optionFrame_) return;
    const double scale = Scale();
    // A part of the box at (left, top) millimetres inside it, w x h millimetres large.
    auto part = [scale](double left, double top, double w, double h) {
        return QRect(static_cast<int>(std::lround(ToPx(left) * scale)),
                     static_cast<int>(std::lround(ToPx(top) * scale)),
                     static_cast<int>(std::lround(ToPx(w) * scale)),
                     static_cast<int>(std::lround(ToPx(h) * scale)));
    };
    const OptionFrameItem& item = engine_.Table.Optionframe;
    optionFrame_->setFont(TableFont(8.25, true, scale));
    optionFrame_->setFixedSize(part(0, 0, item.Width, item.Height).size());
    for (std::size_t i = 0; i < optBox_.size(); ++i) {
        optBox_[i]->setFont(TableFont(7.5, true, scale));
        optBox_[i]->setGeometry(part(OptBoxLeft, OptBoxTops[i], OptBoxWidth, OptBoxHeight));
    }
    optOk_->setGeometry(part(OptOkLeft, OptButtonTop, OptButtonWidth, OptButtonHeight));
    optCancel_->setGeometry(part(OptCancelLeft, OptButtonTop, OptButtonWidth, OptButtonHeight));
    for (QPushButton* button : {optOk_, optCancel_})
        button->setFont(TableFont(7.5, true, scale));
}

int TableWidget::ToPx(double mm) {
    return static_cast<int>(std::lround(mm * PxPerMm));
}

QSize TableWidget::LayoutSizeFor(const Board& board) {
    return QSize(static_cast<int>(std::lround(board.WindowWidthTwips / 15.0)),
                 static_cast<int>(std::lround(board.WindowHeightTwips / 15.0)));
}

QSize TableWidget::LayoutSize() const {
    return LayoutSizeFor(engine_.Table);
}

double TableWidget::Scale() const {
    const QSize layout = LayoutSize();
    if (layout.isEmpty()) return 1.0;
    return std::min(double(width()) / layout.width(), double(height()) / layout.height());
}

QPoint TableWidget::Origin() const {
    const QSize layout = LayoutSize();
    const double scale = Scale();
    // Whole pixels, so that at a whole scale every picture starts on a pixel of the screen.
    return QPoint(static_cast<int>(std::floor((width() - layout.width() * scale) / 2.0)),
                  static_cast<int>(std::floor((height() - layout.height() * scale) / 2.0)));
}

QPointF TableWidget::ToWidget(QPointF layoutPx) const {
    return QPointF(Origin()) + layoutPx * Scale();
}

QRect TableWidget::ToWidget(const QRect& layoutRect) const {
    const QPointF topLeft = ToWidget(QPointF(layoutRect.topLeft()));
    const QPointF bottomRight = ToWidget(
        QPointF(layoutRect.left() + layoutRect.width(), layoutRect.top() + layoutRect.height()));
    const QPoint a(static_cast<int>(std::lround(topLeft.x())),
                   static_cast<int>(std::lround(topLeft.y())));
    const QPoint b(static_cast<int>(std::lround(bottomRight.x())),
                   static_cast<int>(std::lround(bottomRight.y())));
    return QRect(a, QSize(b.x() - a.x(), b.y() - a.y()));
}

QPoint TableWidget::LayoutPixelAt(QPointF widgetPos) const {
    const QPointF layout = (widgetPos - QPointF(Origin())) / Scale();
    return QPoint(static_cast<int>(std::floor(layout.x())),
                  static_cast<int>(std::floor(layout.y())));
}

QRect TableWidget::LayoutRect(ItemRef item) const {
    const Board& t = engine_.Table;
    return QRect(ToPx(t.LeftOf(item)), ToPx(t.TopOf(item)), ToPx(t.WidthOf(item)),
                 ToPx(t.HeightOf(item)));
}

QRect TableWidget::ItemRect(ItemRef item) const {
    return ToWidget(LayoutRect(item));
}

std::optional<ItemRef> TableWidget::ItemAt(QPointF widgetPos) const {
    const QPoint px = LayoutPixelAt(widgetPos);
    return engine_.Table.ItemAt(px.x() / PxPerMm, px.y() / PxPerMm);
}

QPointF TableWidget::MmFrom(ItemRef item, QPointF widgetPos) const {
    const QPoint px = LayoutPixelAt(widgetPos);
    const QRect rect = LayoutRect(item);
    return QPointF((px.x() - rect.left() + 0.5) / PxPerMm, (px.y() - rect.top() + 0.5) / PxPerMm);
}

bool TableWidget::FlightRunning() const {
    return flightAnimation_.state() == QAbstractAnimation::Running;
}

void TableWidget::Refresh() {
    SyncWindowed();
    CheckFlight();
    CheckRefusal();
    update();
}

bool TableWidget::RefusalShowing() const {
    return refusalTimer_.isActive();
}

void TableWidget::CheckRefusal() {
    const tolvanis::RefusedCard& now = engine_.Table.Refused;
    if (now.Serial == seenRefusal_) return;
    seenRefusal_ = now.Serial;
    refusedCard_ = now.Card;
    refusalTimer_.start();
}

void TableWidget::PaintRefusal(QPainter& p) const {
    if (!RefusalShowing()) return;
    const ItemRef card{ItemKind::CardImage, refusedCard_};
    if (!engine_.Table.IsVisible(card)) return;
    const double width = std::max(2.0, 3.0 * Scale());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(220, 0, 0), width));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(ItemRect(card)).adjusted(width / 2, width / 2, -width / 2, -width / 2),
                      3 * Scale(), 3 * Scale());
    p.restore();
}

void TableWidget::AfterEngine() {
    Refresh();
    emit Forwarded();
}

void TableWidget::CheckFlight() {
    const TakeFlight& now = engine_.Table.Flight;
    if (now.Serial == seenFlight_) return;
    seenFlight_ = now.Serial;
    if (now.Seat < 1 || now.Seat > 4) return;
    flight_ = now;
    flightPos_ = QPointF(now.X0, now.Y0);
    flightAnimation_.stop();
    flightAnimation_.setStartValue(0.0);
    flightAnimation_.setEndValue(double(FlightPaths[static_cast<std::size_t>(now.Seat)].steps - 1));
    flightAnimation_.start();
}

void TableWidget::SyncWindowed() {
    const Board& t = engine_.Table;
    const double scale = Scale();
    // The windowed items are made the first time they show: most runs never open the option
    // box, and start-up should not pay for it.
    for (std::size_t i = 0; i < pickers_.size(); ++i) {
        const PickerItem& item = t.ColorPickers[i];
        if (!pickers_[i] && !item.Visible) continue;
        if (!pickers_[i]) {
            pickers_[i] = new QLabel(this);
            pickers_[i]->setFrameShape(QFrame::Box);
            pickers_[i]->setScaledContents(true);
        }
        QLabel* picker = pickers_[i];
        if (item.Visible) {
            const QPixmap& picture = pictures_.Picture(item.Picture);
            picker->setPixmap(pictures_.SharpestFor(item.Picture, scale * devicePixelRatioF()));
            const QRect inner =
                ToWidget(QRect(QPoint(ToPx(item.Left), ToPx(item.Top)), picture.size()));
            picker->setGeometry(inner.adjusted(0, 0, 2, 2));
            picker->raise();
        }
        picker->setVisible(item.Visible);
    }
    const OptionFrameItem& frame = t.Optionframe;
    if (!optionFrame_ && !frame.Visible) return;
    if (!optionFrame_) BuildOptionFrame();
    optionFrame_->setTitle(frame.Caption);
    for (std::size_t i = 0; i < optBox_.size(); ++i)
        optBox_[i]->setText(frame.OptBoxCaption[i]);
    optionFrame_->move(ToWidget(QPointF(ToPx(frame.Left), ToPx(frame.Top))).toPoint());
    if (frame.Visible) optionFrame_->raise();
    optionFrame_->setVisible(frame.Visible);
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ScaleOptionFrame();
    SyncWindowed();
}

void TableWidget::PaintLabel(QPainter& p, const LabelItem& label, ItemKind kind) const {
    const double scale = Scale();
    const QRect rect =
        ToWidget(QRect(ToPx(label.Left), ToPx(label.Top), ToPx(label.Width), ToPx(label.Height)));
    p.fillRect(rect, ToQColor(label.BackColor, Qt::black));
    const bool bordered = kind == ItemKind::Message || kind == ItemKind::TotalInDeck;
    QRect textRect = rect;
    if (bordered) {
        const int line = std::max(1, static_cast<int>(std::lround(scale)));
        p.setPen(QPen(LabelBorder, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        const double half = line / 2.0;
        p.drawRect(QRectF(rect).adjusted(half, half, -half, -half));
        textRect = rect.adjusted(line, line, -line, -line);
    }
    QFont font;
    switch (kind) {
        case ItemKind::LastCardLabel:
            font = TableFont(9, true, scale);
            break;
        case ItemKind::TotalInDeck:
            font = TableFont(8.25, true, scale, true);
            break;
        default:
            font = TableFont(7.5, true, scale);
            break;
    }
    p.setFont(font);
    p.setPen(ToQColor(label.ForeColor, Qt::white));
    p.save();
    p.setClipRect(textRect);
    p.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, label.Caption);
    p.restore();
}

void TableWidget::PaintPicture(QPainter& p, int picture, QPoint layoutPos) const {
    const QPixmap& layoutPicture = pictures_.Picture(picture);
    if (layoutPicture.isNull()) return;
    // The picture covers the layout pixels it covers at 100 %; the strip with enough pixels
    // for the screen is scaled smoothly into that place.
    const QRect target = ToWidget(QRect(layoutPos, layoutPicture.size()));
    const QPixmap& sharp =
        pictures_.SharpestFor(picture, Scale() * p.device()->devicePixelRatioF());
    // Smoothing only where the picture is scaled: a one-to-one copy is the same without it, and
    // the smoothing path hands every tall picture to worker threads, which costs more than it.
    const bool scaled =
        QSizeF(target.size()) * p.device()->devicePixelRatioF() != QSizeF(sharp.size());
    p.setRenderHint(QPainter::SmoothPixmapTransform, scaled);
    p.drawPixmap(target, sharp, sharp.rect());
}

void TableWidget::paintEvent(QPaintEvent* event) {
    // A flight recorded by a handler that ran outside the table (a menu command, the driver)
    // starts with the first paint that sees it.
    if (engine_.Table.Flight.Serial != seenFlight_)
        QMetaObject::invokeMethod(this, &TableWidget::Refresh, Qt::QueuedConnection);

    QPainter p(this);
    if (felt_.size() != size()) {
        felt_ = QPixmap(size());
        QPainter fp(&felt_);
        QRadialGradient lamp(QPointF(width() / 2.0, height() * 0.45),
                             std::max(width(), height()) * 0.7);
        lamp.setColorAt(0, FeltLight);
        lamp.setColorAt(0.55, FeltColor);
        lamp.setColorAt(1, FeltEdge);
        fp.fillRect(felt_.rect(), lamp);
    }
    p.drawPixmap(event->rect(), felt_, event->rect());
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const Board& t = engine_.Table;
    for (const ItemRef& item : t.StackingOrder()) {
        if (!t.IsVisible(item)) continue;
        switch (item.Kind) {
            case ItemKind::CardImage:
            case ItemKind::PlayerBack: {
                const ImageItem& image = item.Kind == ItemKind::CardImage
                                             ? t.CardImage[static_cast<std::size_t>(item.Index)]
                                             : t.PlayerBack[static_cast<std::size_t>(item.Index)];
                PaintPicture(p, image.Picture, QPoint(ToPx(image.Left), ToPx(image.Top)));
                break;
            }
            case ItemKind::LastCardLabel:
                PaintLabel(p, t.LastCardLabel[static_cast<std::size_t>(item.Index)], item.Kind);
                break;
            case ItemKind::Message:
                PaintLabel(p, t.Message[static_cast<std::size_t>(item.Index)], item.Kind);
                break;
            case ItemKind::TotalInDeck:
                PaintLabel(p, t.TotalInDeck, item.Kind);
                break;
            case ItemKind::GameStartClick:
                PaintLabel(p, t.GameStartClick, item.Kind);
                break;
        }
    }
    if (FlightRunning())
        PaintPicture(p, flight_.Picture, QPoint(ToPx(flightPos_.x()), ToPx(flightPos_.y())));
    PaintRefusal(p);
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
    // The first button down picks the item; further buttons while it is held go to the same.
    if (!pressed_) {
        pressed_ = true;
        pressedItem_ = ItemAt(event->position());
    }
    event->accept();
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressed_) return;
    const std::optional<ItemRef> item = pressedItem_;
    if (event->buttons() == Qt::NoButton) pressed_ = false;
    const int button = runtimecodes::ButtonCode(event->button());
    const int shift = runtimecodes::ShiftState(event->modifiers());
    if (button == 0) return;
    if (!item) {
        engine_.OnBoardMouseUp(button, shift);
    } else {
        const QPointF mm = MmFrom(*item, event->position());
        switch (item->Kind) {
            case ItemKind::CardImage:
                engine_.OnCardMouseUp(item->Index, button, shift, mm.x(), mm.y());
                break;
            case ItemKind::PlayerBack:
                engine_.OnPlayerBackMouseUp(item->Index, button, shift);
                break;
            case ItemKind::Message: {
                // A click: the left button released over the label that took the press.
                const std::optional<ItemRef> under = ItemAt(event->position());
                if (button == ButtonLeft && under == item) engine_.OnMessageClick(item->Index);
                break;
            }
            default:
                // The other labels take the press and do nothing with it.
                break;
        }
    }
    AfterEngine();
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    const std::optional<ItemRef> item = pressed_ ? pressedItem_ : ItemAt(event->position());
    const int buttons = runtimecodes::ButtonMask(event->buttons());
    const int shift = runtimecodes::ShiftState(event->modifiers());
    if (!item) {
        engine_.OnBoardMouseMove();
    } else if (item->Kind == ItemKind::CardImage) {
        const QPointF mm = MmFrom(*item, event->position());
        engine_.OnCardMouseMove(item->Index, buttons, shift, mm.x(), mm.y());
    } else {
        // On a back or a label the pointer has left the lifted card, as on the felt.
        if (engine_.State.HoverCard == -1) return;
        engine_.DropLift();
    }
    AfterEngine();
}

void TableWidget::leaveEvent(QEvent* event) {
    // Off the table, or onto the option box or a colour picker: the hover has ended.
    if (engine_.State.HoverCard != -1) {
        engine_.DropLift();
        AfterEngine();
    }
    QWidget::leaveEvent(event);
}

bool TableWidget::eventFilter(QObject* watched, QEvent* event) {
    // The toggle labels own their presses: one passed on to the table would leave it waiting
    // for a release that never comes, and the next click on the table would miss its item.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        for (QLabel* box : optBox_) {
            if (watched == box) return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        for (std::size_t i = 0; i < optBox_.size(); ++i) {
            if (watched == optBox_[i] && mouse->button() == Qt::LeftButton &&
                optBox_[i]->rect().contains(mouse->position().toPoint())) {
                engine_.OnOptBoxClick(static_cast<int>(i));
                AfterEngine();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tolvanis
