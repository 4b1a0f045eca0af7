#include "TableWidget.h"

#include <QFontDatabase>
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

// Fonts are given in points at 96 dots to the inch; pixel sizes keep them the same on every
// screen whatever its reported resolution.
QFont TableFont(double points, bool bold, bool windowFont = false) {
    QFont font = windowFont ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
                            : QFont(QStringLiteral("Liberation Sans"));
    if (!windowFont) font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

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
}

void TableWidget::BuildOptionFrame() {
    const OptionFrameItem& item = engine_.Table.Optionframe;
    optionFrame_ = new QGroupBox(item.Caption, this);
    optionFrame_->setFont(TableFont(8.25, true));
    optionFrame_->setAutoFillBackground(true);
    QPalette palette = optionFrame_->palette();
    palette.setColor(QPalette::Window, QColor(212, 208, 200));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Button, QColor(212, 208, 200));
    palette.setColor(QPalette::ButtonText, Qt::black);
    optionFrame_->setPalette(palette);
    optionFrame_->setFixedSize(ToPx(item.Width), ToPx(item.Height));

    const double tops[3] = {4.2, 9.3, 14.3};
    for (int i = 0; i < 3; ++i) {
        QLabel* label = new QLabel(optionFrame_);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(TableFont(7.5, true));
        label->setAutoFillBackground(true);
        QPalette lp = label->palette();
        lp.setColor(QPalette::Window, Qt::black);
        lp.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(lp);
        label->setGeometry(ToPx(4.8), ToPx(tops[i]), ToPx(28.8), ToPx(4.0));
        label->installEventFilter(this);
        label->setCursor(Qt::PointingHandCursor);
        optBox_[static_cast<std::size_t>(i)] = label;
    }
    optOk_ = new QPushButton(QStringLiteral("OK"), optionFrame_);
    optOk_->setGeometry(ToPx(4.2), ToPx(20.1), ToPx(14.4), ToPx(4.4));
    optCancel_ = new QPushButton(QStringLiteral("Cancel"), optionFrame_);
    optCancel_->setGeometry(ToPx(19.6), ToPx(20.1), ToPx(14.4), ToPx(4.4));
    for (QPushButton* button : {optOk_, optCancel_}) {
        button->setFont(TableFont(7.5, true));
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(optOk_, &QPushButton::clicked, this, [this] {
        engine_.OnOptOk();
        AfterEngine();
    });
    connect(optCancel_, &QPushButton::clicked, this, [this] {
        engine_.OnOptCancel();
        AfterEngine();
    });
    optionFrame_->hide();
}

int TableWidget::ToPx(double mm) {
    return static_cast<int>(std::lround(mm * PxPerMm));
}

QRect TableWidget::ItemRect(ItemRef item) const {
    const Board& t = engine_.Table;
    return QRect(ToPx(t.LeftOf(item)), ToPx(t.TopOf(item)), ToPx(t.WidthOf(item)),
                 ToPx(t.HeightOf(item)));
}

bool TableWidget::FlightRunning() const {
    return flightAnimation_.state() == QAbstractAnimation::Running;
}

void TableWidget::Refresh() {
    SyncWindowed();
    CheckFlight();
    update();
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
    // The windowed items are made the first time they show: most runs never open the option
    // box, and start-up should not pay for it.
    for (std::size_t i = 0; i < pickers_.size(); ++i) {
        const PickerItem& item = t.ColorPickers[i];
        if (!pickers_[i] && !item.Visible) continue;
        if (!pickers_[i]) {
            pickers_[i] = new QLabel(this);
            pickers_[i]->setFrameShape(QFrame::Box);
        }
        QLabel* picker = pickers_[i];
        if (item.Visible) {
            const QPixmap& picture = pictures_.Picture(item.Picture);
            picker->setPixmap(picture);
            picker->setGeometry(ToPx(item.Left), ToPx(item.Top), picture.width() + 2,
                                picture.height() + 2);
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
    optionFrame_->move(ToPx(frame.Left), ToPx(frame.Top));
    if (frame.Visible) optionFrame_->raise();
    optionFrame_->setVisible(frame.Visible);
}

void TableWidget::PaintLabel(QPainter& p, const LabelItem& label, ItemKind kind) const {
    const QRect rect(ToPx(label.Left), ToPx(label.Top), ToPx(label.Width), ToPx(label.Height));
    p.fillRect(rect, ToQColor(label.BackColor, Qt::black));
    const bool bordered = kind == ItemKind::Message || kind == ItemKind::TotalInDeck;
    QRect textRect = rect;
    if (bordered) {
        p.setPen(LabelBorder);
        p.drawRect(rect.adjusted(0, 0, -1, -1));
        textRect = rect.adjusted(1, 1, -1, -1);
    }
    QFont font;
    switch (kind) {
        case ItemKind::LastCardLabel:
            font = TableFont(9, true);
            break;
        case ItemKind::TotalInDeck:
            font = TableFont(8.25, true, true);
            break;
        default:
            font = TableFont(7.5, true);
            break;
    }
    p.setFont(font);
    p.setPen(ToQColor(label.ForeColor, Qt::white));
    p.save();
    p.setClipRect(textRect);
    p.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, label.Caption);
    p.restore();
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
    const Board& t = engine_.Table;
    for (const ItemRef& item : t.StackingOrder()) {
        if (!t.IsVisible(item)) continue;
        switch (item.Kind) {
            case ItemKind::CardImage:
            case ItemKind::PlayerBack: {
                const ImageItem& image = item.Kind == ItemKind::CardImage
                                             ? t.CardImage[static_cast<std::size_t>(item.Index)]
                                             : t.PlayerBack[static_cast<std::size_t>(item.Index)];
                const QPixmap& picture = pictures_.Picture(image.Picture);
                if (!picture.isNull())
                    p.drawPixmap(QPoint(ToPx(image.Left), ToPx(image.Top)), picture);
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
    if (FlightRunning()) {
        const QPixmap& back = pictures_.Picture(flight_.Picture);
        if (!back.isNull()) p.drawPixmap(QPoint(ToPx(flightPos_.x()), ToPx(flightPos_.y())), back);
    }
}

std::optional<ItemRef> TableWidget::ItemUnder(QPointF pos) const {
    return engine_.Table.ItemAt(pos.x() / PxPerMm, pos.y() / PxPerMm);
}

QPointF TableWidget::MmFrom(ItemRef item, QPointF pos) const {
    const QRect rect = ItemRect(item);
    return QPointF((std::floor(pos.x()) - rect.left() + 0.5) / PxPerMm,
                   (std::floor(pos.y()) - rect.top() + 0.5) / PxPerMm);
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
    // The first button down picks the item; further buttons while it is held go to the same.
    if (!pressed_) {
        pressed_ = true;
        pressedItem_ = ItemUnder(event->position());
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
                const std::optional<ItemRef> under = ItemUnder(event->position());
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
    const std::optional<ItemRef> item = pressed_ ? pressedItem_ : ItemUnder(event->position());
    const int buttons = runtimecodes::ButtonMask(event->buttons());
    const int shift = runtimecodes::ShiftState(event->modifiers());
    if (!item) {
        engine_.OnBoardMouseMove();
    } else if (item->Kind == ItemKind::CardImage) {
        const QPointF mm = MmFrom(*item, event->position());
        engine_.OnCardMouseMove(item->Index, buttons, shift, mm.x(), mm.y());
    } else {
        return;
    }
    AfterEngine();
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
