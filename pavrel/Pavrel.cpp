#include "Pavrel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include "Runtime.h"
#include "SystemColors.h"

namespace pavrel {

// One bevel line: a strip of the owner's surface filled with one colour. Lines are parts of their
// own (rather than strokes in the owner's paint event) so that they stack above the caption,
// can be shown and hidden as a whole by the pressed and raised looks, and never take the mouse.
class LinePart : public QWidget {
  public:
    LinePart(QWidget* owner, const QString& name, uint32_t color) : QWidget(owner), color_(color) {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    uint32_t color() const { return color_; }
    void setColor(uint32_t color) {
        color_ = color;
        update();
    }
    int lineWidth() const { return width_; }
    void setLineWidth(int width) { width_ = width; }
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent) {
        transparent_ = transparent;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (transparent_) return;
        QPainter painter(this);
        painter.fillRect(rect(), resolveColor(color_, palette()));
    }

  private:
    uint32_t color_;
    int width_ = 1;
    bool transparent_ = false;
};

}  // namespace pavrel

using pavrel::LinePart;

namespace {

constexpr uint32_t kDefaultEdge = pavrel::kSysWindowText;
constexpr uint32_t kDefaultBackColor = pavrel::kSysCaptionText;
constexpr short kDefaultDrawStyle = 5;
constexpr float kDefaultFontSize = 8.0f;

const QString kInvalidValue = QStringLiteral("Invalid property value");

void requireShort(int value) {
    if (value < -32768 || value > 32767) throw pavrel::RuntimeError(6, QStringLiteral("Overflow"));
}

// Runs a typed setter for a write by name, turning its error into a warning.
template <typename Setter>
void writeByName(const char* name, Setter&& set) {
    try {
        set();
    } catch (const pavrel::RuntimeError& error) {
        qWarning("Pavrel.%s: error %d, %s", name, error.number(), error.what());
    }
}

int toPixels(double twips) {
    return qRound(twips / Pavrel::kTwipsPerPixel);
}

// Stores may hand colours back as signed or wider integers (a round trip through a text format
// does that); keep the low 32 bits either way.
uint32_t colorFromVariant(const QVariant& value) {
    return uint32_t(value.toLongLong());
}

short mouseButtons(Qt::MouseButtons buttons) {
    short code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

short shiftState(Qt::KeyboardModifiers modifiers) {
    short code = 0;
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}

// Hosts expect the classic virtual-key numbers, not Qt's key codes.
short keyCode(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return short(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return short(112 + (key - Qt::Key_F1));
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
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
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            return short(key & 0x7FFF);
    }
}

}  // namespace

Pavrel::Pavrel(QWidget* parent)
    : QWidget(parent), foreColor_(pavrel::kSysButtonText), backColor_(pavrel::kSysButtonFace) {
    pavrel::detail::instanceCreated();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    resize(kNewWidthTwips / kTwipsPerPixel, kNewHeightTwips / kTwipsPerPixel);

    // The parts as the control was designed: created in stacking order, caption at the bottom.
    label_ = new QLabel(QStringLiteral("Button"), this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setMouseTracking(true);
    label_->setAutoFillBackground(true);
    label_->installEventFilter(this);
    FitCaption();
    const uint32_t initialColors[] = {pavrel::kSys3DHighlight,  pavrel::kSys3DHighlight,
                                      pavrel::kSysButtonShadow, pavrel::kSysButtonShadow,
                                      pavrel::kSysWindowText,   pavrel::kSysWindowText};
    // Edge order in lines_ is Top, Left, Bottom, Right, InnerRight, InnerBottom; the part names
    // follow the control's own numbering.
    const char* names[] = {"Line1", "Line2", "Line3", "Line4", "Line5", "Line6"};
    for (int i = 0; i < 6; ++i)
        lines_[i] = new LinePart(this, QString::fromLatin1(names[i]), initialColors[i]);
    ApplyCaptionColors();

    SetPicBack(pavrel::kSysButtonFace);
    PaintBox();
}

Pavrel::~Pavrel() {
    pavrel::detail::instanceDestroyed();
}

QSize Pavrel::sizeHint() const {
    return QSize(kNewWidthTwips / kTwipsPerPixel, kNewHeightTwips / kTwipsPerPixel);
}

// ---- properties ----------------------------------------------------------------------------

void Pavrel::SetForeColor(uint32_t New_ForeColor) {
    foreColor_ = New_ForeColor;
    ApplyCaptionColors();
    emit PropertyChanged(QStringLiteral("ForeColor"));
}

void Pavrel::SetEnabled(bool New_Enabled) {
    QWidget::setEnabled(New_Enabled);
    emit PropertyChanged(QStringLiteral("Enabled"));
}

QFont Pavrel::Font() const {
    return label_->font();
}

void Pavrel::SetFont(const QFont& New_Font) {
    label_->setFont(New_Font);
    FitCaption();
    emit PropertyChanged(QStringLiteral("Font"));
    PaintBox();
}

QString Pavrel::Caption() const {
    return label_->text();
}

void Pavrel::SetCaption(const QString& New_Caption) {
    label_->setText(New_Caption);
    FitCaption();
    emit PropertyChanged(QStringLiteral("Caption"));
}

short Pavrel::BorderWidth() const {
    return short(lines_[Top]->lineWidth());
}

void Pavrel::SetBorderWidth(short New_BorderWidth) {
    if (New_BorderWidth < 1 || New_BorderWidth > 8192)
        throw pavrel::RuntimeError(380, kInvalidValue);
    for (Edge edge : {Top, Left, Bottom, Right})
        lines_[edge]->setLineWidth(New_BorderWidth);
    emit PropertyChanged(QStringLiteral("BorderWidth"));
    PaintBox();
}

uint32_t Pavrel::BorderTop() const {
    return lines_[Top]->color();
}
void Pavrel::SetBorderTop(uint32_t New_BorderTop) {
    lines_[Top]->setColor(New_BorderTop);
    emit PropertyChanged(QStringLiteral("BorderTop"));
}

uint32_t Pavrel::BorderLeft() const {
    return lines_[Left]->color();
}
void Pavrel::SetBorderLeft(uint32_t New_BorderLeft) {
    lines_[Left]->setColor(New_BorderLeft);
    emit PropertyChanged(QStringLiteral("BorderLeft"));
}

uint32_t Pavrel::BorderRight() const {
    return lines_[Right]->color();
}
void Pavrel::SetBorderRight(uint32_t New_BorderRight) {
    lines_[Right]->setColor(New_BorderRight);
    emit PropertyChanged(QStringLiteral("BorderRight"));
}

uint32_t Pavrel::BorderBottom() const {
    return lines_[Bottom]->color();
}
void Pavrel::SetBorderBottom(uint32_t New_BorderBottom) {
    lines_[Bottom]->setColor(New_BorderBottom);
    emit PropertyChanged(QStringLiteral("BorderBottom"));
}

void Pavrel::SetMaskColor(uint32_t New_MaskColor) {
    maskColor_ = New_MaskColor;
    emit PropertyChanged(QStringLiteral("MaskColor"));
}

void Pavrel::SetPicture(const QPixmap& New_Picture) {
    picture_ = New_Picture;
    emit PropertyChanged(QStringLiteral("Picture"));
    PaintBox();
}

QString Pavrel::ToolTipText() const {
    return label_->toolTip();
}

void Pavrel::SetToolTipText(const QString& New_ToolTipText) {
    label_->setToolTip(New_ToolTipText);
    emit PropertyChanged(QStringLiteral("ToolTipText"));
}

void Pavrel::SetDrawStyle(short New_DrawStyle) {
    if (New_DrawStyle < 0 || New_DrawStyle > 6) throw pavrel::RuntimeError(380, kInvalidValue);
    drawStyle_ = New_DrawStyle;
    emit PropertyChanged(QStringLiteral("DrawStyle"));
    PaintBox();
}

float Pavrel::FontSize() const {
    return float(label_->font().pointSizeF());
}

void Pavrel::SetFontSize(float New_FontSize) {
    if (!(New_FontSize > 0.0f && New_FontSize <= 2160.0f))
        throw pavrel::RuntimeError(380, kInvalidValue);
    QFont font = label_->font();
    font.setPointSizeF(New_FontSize);
    label_->setFont(font);
    FitCaption();
    emit PropertyChanged(QStringLiteral("FontSize"));
    PaintBox();
}

bool Pavrel::FontBold() const {
    return label_->font().bold();
}

void Pavrel::SetFontBold(bool New_FontBold) {
    QFont font = label_->font();
    font.setBold(New_FontBold);
    label_->setFont(font);
    FitCaption();
    emit PropertyChanged(QStringLiteral("FontBold"));
    PaintBox();
}

void Pavrel::SetPicBack(uint32_t New_PicBack) {
    picBack_ = New_PicBack;
    emit PropertyChanged(QStringLiteral("PicBack"));
    PaintBox();
}

void Pavrel::WriteBorderWidth(int value) {
    writeByName("BorderWidth", [&] {
        requireShort(value);
        SetBorderWidth(short(value));
    });
}

void Pavrel::WriteDrawStyle(int value) {
    writeByName("DrawStyle", [&] {
        requireShort(value);
        SetDrawStyle(short(value));
    });
}

void Pavrel::WriteFontSize(double value) {
    writeByName("FontSize", [&] { SetFontSize(float(value)); });
}

// ---- methods -------------------------------------------------------------------------------

void Pavrel::Refresh() {
    update();
}

void Pavrel::KeepDown() {
    ShowPressedLook();
}

void Pavrel::KeepUp() {
    ShowRaisedLook();
}

// ---- host steps ----------------------------------------------------------------------------

void Pavrel::InitProperties() {
    PaintBox();
}

QFont Pavrel::AmbientFont() const {
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

void Pavrel::ReadProperties(pavrel::PropertyBag& bag) {
    foreColor_ = colorFromVariant(bag.ReadProperty("ForeColor", uint(pavrel::kSysButtonText)));
    QWidget::setEnabled(bag.ReadProperty("Enabled", true).toBool());
    label_->setFont(bag.ReadProperty("Font", AmbientFont()).value<QFont>());
    label_->setText(bag.ReadProperty("Caption", QStringLiteral("Label1")).toString());
    const int width = bag.ReadProperty("BorderWidth", 1).toInt();
    for (Edge edge : {Top, Left, Bottom, Right})
        lines_[edge]->setLineWidth(width);
    lines_[Top]->setColor(colorFromVariant(bag.ReadProperty("BorderTop", uint(kDefaultEdge))));
    lines_[Left]->setColor(colorFromVariant(bag.ReadProperty("BorderLeft", uint(kDefaultEdge))));
    lines_[Right]->setColor(colorFromVariant(bag.ReadProperty("BorderRight", uint(kDefaultEdge))));
    lines_[Bottom]->setColor(
        colorFromVariant(bag.ReadProperty("BorderBottom", uint(kDefaultEdge))));
    label_->setToolTip(bag.ReadProperty("ToolTipText", QString()).toString());
    maskColor_ = colorFromVariant(bag.ReadProperty("MaskColor", 0u));
    picture_ = bag.ReadProperty("Picture", QVariant()).value<QPixmap>();
    SetBorderStyle(short(bag.ReadProperty("BorderStyle", 0).toInt()));
    label_->setToolTip(bag.ReadProperty("ToolTipText", QString()).toString());
    drawStyle_ = short(bag.ReadProperty("DrawStyle", int(kDefaultDrawStyle)).toInt());
    QFont font = label_->font();
    font.setPointSizeF(bag.ReadProperty("FontSize", kDefaultFontSize).toDouble());
    font.setBold(bag.ReadProperty("FontBold", false).toBool());
    label_->setFont(font);
    picBack_ = colorFromVariant(bag.ReadProperty("PicBack", uint(pavrel::kSysButtonFace)));
    ApplyCaptionColors();
    FitCaption();
    PaintBox();
}

void Pavrel::WriteProperties(pavrel::PropertyBag& bag) const {
    bag.WriteProperty("ForeColor", uint(foreColor_), uint(pavrel::kSysButtonText));
    bag.WriteProperty("Enabled", isEnabled(), true);
    bag.WriteProperty("Font", label_->font(), AmbientFont());
    bag.WriteProperty("Caption", label_->text(), QStringLiteral("Label1"));
    for (Edge edge : {Top, Left, Bottom, Right})
        bag.WriteProperty("BorderWidth", lines_[edge]->lineWidth(), 1);
    bag.WriteProperty("BorderTop", uint(lines_[Top]->color()), uint(kDefaultEdge));
    bag.WriteProperty("BorderLeft", uint(lines_[Left]->color()), uint(kDefaultEdge));
    bag.WriteProperty("BorderRight", uint(lines_[Right]->color()), uint(kDefaultEdge));
    bag.WriteProperty("BorderBottom", uint(lines_[Bottom]->color()), uint(kDefaultEdge));
    bag.WriteProperty("ToolTipText", label_->toolTip(), QString());
    bag.WriteProperty("MaskColor", uint(maskColor_), 0u);
    bag.WriteProperty("BackColor", uint(backColor_), uint(kDefaultBackColor));
    bag.WriteProperty("Picture", picture_.isNull() ? QVariant() : QVariant(picture_), QVariant());
    bag.WriteProperty("BorderStyle", int(borderStyle_), 0);
    bag.WriteProperty("ToolTipText", label_->toolTip(), QString());
    bag.WriteProperty("DrawStyle", int(drawStyle_), int(kDefaultDrawStyle));
    bag.WriteProperty("FontSize", FontSize());
    bag.WriteProperty("FontBold", FontBold(), false);
    bag.WriteProperty("PicBack", uint(picBack_), uint(pavrel::kSysButtonFace));
}

void Pavrel::Load(const QVariantMap& store) {
    pavrel::PropertyBag bag(store);
    ReadProperties(bag);
}

QVariantMap Pavrel::Save() const {
    pavrel::PropertyBag bag;
    WriteProperties(bag);
    return bag.values();
}

// ---- painting ------------------------------------------------------------------------------

QSizeF Pavrel::PictureSizeHimetric(const QPixmap& picture) {
    if (picture.isNull()) return {};
    const QSizeF size = picture.deviceIndependentSize();
    // A device-independent pixel is 1/96 inch; the size is kept in whole 0.01 mm.
    return QSizeF(qRound(size.width() * 2540.0 / 96.0), qRound(size.height() * 2540.0 / 96.0));
}

void Pavrel::PaintBox() {
    // Pending events are processed at the end; a resize or focus change among them must not
    // start a second pass over parts that are half placed.
    if (painting_) return;
    painting_ = true;

    backColor_ = picBack_;
    const double w = double(width()) * kTwipsPerPixel;
    const double h = double(height()) * kTwipsPerPixel;

    const double captionW = double(label_->width()) * kTwipsPerPixel;
    const double captionH = double(label_->height()) * kTwipsPerPixel;
    label_->move(toPixels((w - captionW) / 2), toPixels((h - captionH) / 2));
    ApplyCaptionColors();

    auto place = [&](Edge edge, double x0, double y0, double x1, double y1) {
        LinePart* line = lines_[edge];
        const int thickness = line->lineWidth();
        QRect r;
        if (y0 == y1)
            r = QRect(toPixels(x0), toPixels(y0), qMax(0, toPixels(x1) - toPixels(x0)), thickness);
        else
            r = QRect(toPixels(x0), toPixels(y0), thickness, qMax(0, toPixels(y1) - toPixels(y0)));
        line->setGeometry(r);
    };
    place(Bottom, 0, h - 20, w - 20, h - 20);
    place(Right, w - 20, 0, w - 20, h - 20);
    const double e = lines_[Top]->lineWidth() == 1 ? 0 : 10;
    place(Top, 0, e, w, e);
    place(Left, e, 0, e, h);

    for (Edge edge : {InnerRight, InnerBottom})
        lines_[edge]->setTransparent(drawStyle_ != 0);
    lines_[InnerRight]->setLineWidth(1);
    place(InnerRight, w - 10, 0, w - 10, h + 10);
    place(InnerBottom, 0, h - 10, w, h - 10);

    if (!picture_.isNull()) {
        const QSizeF own = PictureSizeHimetric(picture_);
        picturePos_ = QPointF((w - own.width() / 2) / 2 - 24, (h - own.height() / 2) / 2 - 24);
    }

    update();
    QCoreApplication::processEvents();
    painting_ = false;
}

void Pavrel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), pavrel::resolveColor(backColor_, palette()));
    if (borderStyle_ == 1) {
        painter.setPen(pavrel::resolveColor(pavrel::kSysWindowFrame, palette()));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!picture_.isNull()) {
        const QPointF at(toPixels(picturePos_.x()), toPixels(picturePos_.y()));
        painter.drawPixmap(QRectF(at, picture_.deviceIndependentSize()), picture_,
                           QRectF(picture_.rect()));
    }
}

void Pavrel::FitCaption() {
    label_->adjustSize();
}

void Pavrel::ApplyCaptionColors() {
    QPalette pal = label_->palette();
    const QPalette& own = palette();
    pal.setColor(QPalette::WindowText, pavrel::resolveColor(foreColor_, own));
    pal.setColor(QPalette::Window, pavrel::resolveColor(backColor_, own));
    label_->setPalette(pal);
}

void Pavrel::ShowPressedLook() {
    for (LinePart* line : lines_)
        line->hide();
    SetBorderStyle(1);
}

void Pavrel::ShowRaisedLook() {
    for (LinePart* line : lines_)
        line->show();
    SetBorderStyle(0);
}

void Pavrel::SetBorderStyle(short style) {
    // The flat border is drawn over the outer pixels; the parts keep their places.
    borderStyle_ = style;
    update();
}

// ---- events --------------------------------------------------------------------------------

void Pavrel::resizeEvent(QResizeEvent*) {
    PaintBox();
}

void Pavrel::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    PaintBox();
}

void Pavrel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) ApplyCaptionColors();
    QWidget::changeEvent(event);
}

QPointF Pavrel::SurfaceTwips(const QPointF& pixels) const {
    return pixels * kTwipsPerPixel;
}

void Pavrel::HandleMouseDown(QMouseEvent* event, QPointF twips) {
    pressedInside_ = true;
    ShowPressedLook();
    emit MouseDown(mouseButtons(event->button()), shiftState(event->modifiers()), float(twips.x()),
                   float(twips.y()));
}

void Pavrel::HandleMouseUp(QMouseEvent* event, QPointF twips, bool overControl) {
    ShowRaisedLook();
    emit MouseUp(mouseButtons(event->button()), shiftState(event->modifiers()), float(twips.x()),
                 float(twips.y()));
    const bool clicked = pressedInside_ && overControl;
    pressedInside_ = false;
    if (clicked) emit Click();
}

void Pavrel::HandleMouseMove(QMouseEvent* event, QPointF twips) {
    emit MouseMove(mouseButtons(event->buttons()), shiftState(event->modifiers()), float(twips.x()),
                   float(twips.y()));
}

void Pavrel::mousePressEvent(QMouseEvent* event) {
    HandleMouseDown(event, SurfaceTwips(event->position()));
}

void Pavrel::mouseReleaseEvent(QMouseEvent* event) {
    HandleMouseUp(event, SurfaceTwips(event->position()),
                  rect().contains(event->position().toPoint()));
}

void Pavrel::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double-click is reported only as DblClick.
    emit DblClick();
}

void Pavrel::mouseMoveEvent(QMouseEvent* event) {
    HandleMouseMove(event, SurfaceTwips(event->position()));
}

bool Pavrel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != label_) return QWidget::eventFilter(watched, event);
    // The caption passes the mouse on in its own coordinates; its double-clicks go nowhere.
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            HandleMouseDown(mouse, mouse->position() * kTwipsPerPixel);
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            HandleMouseUp(mouse, mouse->position() * kTwipsPerPixel,
                          label_->rect().contains(mouse->position().toPoint()));
            return true;
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            HandleMouseMove(mouse, mouse->position() * kTwipsPerPixel);
            return true;
        }
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
    }
}

void Pavrel::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(keyCode(event->key()), shiftState(event->modifiers()));
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() != 0) emit KeyPress(short(text.at(0).unicode()));
}

void Pavrel::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    emit KeyUp(keyCode(event->key()), shiftState(event->modifiers()));
}
