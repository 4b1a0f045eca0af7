#include "Pavrel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include <array>
#include <cmath>
#include <optional>

#include "InputCodes.h"
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

namespace {

constexpr uint32_t kDefaultEdge = kSysWindowText;
constexpr uint32_t kDefaultBackColor = kSysCaptionText;
constexpr short kDefaultDrawStyle = 5;
constexpr float kDefaultFontSize = 8.0f;

// The ranges the setters accept, which a stored value must also keep.
constexpr int kMinBorderWidth = 1, kMaxBorderWidth = 8192;
constexpr int kMinDrawStyle = 0, kMaxDrawStyle = 6;
constexpr double kMaxFontSize = 2160.0;

const QString kInvalidValue = QStringLiteral("Invalid property value");

void requireShort(int value) {
    if (value < -32768 || value > 32767) throw RuntimeError(6, QStringLiteral("Overflow"));
}

bool fontSizeAccepted(double points) {
    return points > 0.0 && points <= kMaxFontSize;  // false for NaN too
}

// Runs a typed setter for a write by name, turning its error into a warning.
template <typename Setter>
void writeByName(const char* name, Setter&& set) {
    try {
        set();
    } catch (const RuntimeError& error) {
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

// A stored whole number inside [low, high], or nothing for another value or no number at all.
std::optional<int> storedWhole(const QVariant& value, int low, int high) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !(number >= low && number <= high) || number != std::floor(number))
        return std::nullopt;
    return int(number);
}

}  // namespace

class PavrelPrivate {
  public:
    enum Edge { Top, Left, Bottom, Right, InnerRight, InnerBottom };

    explicit PavrelPrivate(Pavrel* owner) : q(owner) {}

    void PaintBox();
    void ShowPressedLook();
    void ShowRaisedLook();
    void SetBorderStyle(short style);
    void FitCaption() { label->adjustSize(); }
    void ApplyCaptionColors();
    QFont AmbientFont() const;

    void HandleMouseDown(QMouseEvent* event, QPointF twips);
    void HandleMouseUp(QMouseEvent* event, QPointF twips, bool overControl);
    void HandleMouseMove(QMouseEvent* event, QPointF twips);

    // A stored value the setter would refuse falls back to its default, with a warning.
    template <typename T>
    T Checked(const char* key, std::optional<T> value, T fallback) const {
        if (value) return *value;
        qWarning("Pavrel: stored %s is out of range; using %s", key,
                 qPrintable(QVariant::fromValue(fallback).toString()));
        return fallback;
    }

    Pavrel* q;
    QLabel* label = nullptr;           // Label1
    std::array<LinePart*, 6> lines{};  // Line1..Line6 by Edge
    uint32_t foreColor = kSysButtonText;
    uint32_t maskColor = 0;
    uint32_t picBack = 0;
    uint32_t backColor = kSysButtonFace;
    short drawStyle = kDefaultDrawStyle;
    short borderStyle = 0;
    QPixmap picture;
    QPointF picturePos;
    bool pressedInside = false;  // a press started the current click on the control or caption
    bool painting = false;
};

}  // namespace pavrel

using pavrel::LinePart;
using pavrel::PavrelPrivate;
using Edge = PavrelPrivate::Edge;

Pavrel::Pavrel(QWidget* parent) : QWidget(parent), d(std::make_unique<PavrelPrivate>(this)) {
    pavrel::detail::instanceCreated();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    resize(kNewWidthTwips / kTwipsPerPixel, kNewHeightTwips / kTwipsPerPixel);

    // The parts as the control was designed: created in stacking order, caption at the bottom.
    d->label = new QLabel(QStringLiteral("Button"), this);
    d->label->setObjectName(QStringLiteral("Label1"));
    d->label->setMouseTracking(true);
    d->label->setAutoFillBackground(true);
    d->label->installEventFilter(this);
    d->FitCaption();
    const uint32_t initialColors[] = {pavrel::kSys3DHighlight,  pavrel::kSys3DHighlight,
                                      pavrel::kSysButtonShadow, pavrel::kSysButtonShadow,
                                      pavrel::kSysWindowText,   pavrel::kSysWindowText};
    // Edge order in lines is Top, Left, Bottom, Right, InnerRight, InnerBottom; the part names
    // follow the control's own numbering.
    const char* names[] = {"Line1", "Line2", "Line3", "Line4", "Line5", "Line6"};
    for (int i = 0; i < 6; ++i)
        d->lines[i] = new LinePart(this, QString::fromLatin1(names[i]), initialColors[i]);
    d->ApplyCaptionColors();

    SetPicBack(pavrel::kSysButtonFace);
    d->PaintBox();
}

Pavrel::~Pavrel() {
    // The parts outlive the private part by a moment (QWidget deletes them); the caption must
    // not reach the filter then.
    d->label->removeEventFilter(this);
    pavrel::detail::instanceDestroyed();
}

QSize Pavrel::sizeHint() const {
    return QSize(kNewWidthTwips / kTwipsPerPixel, kNewHeightTwips / kTwipsPerPixel);
}

// ---- properties ----------------------------------------------------------------------------
// Each setter names its key to the host after every assignment; the NOTIFY signal only when the
// value really changed.

uint32_t Pavrel::ForeColor() const {
    return d->foreColor;
}

void Pavrel::SetForeColor(uint32_t New_ForeColor) {
    const bool changed = d->foreColor != New_ForeColor;
    d->foreColor = New_ForeColor;
    d->ApplyCaptionColors();
    emit PropertyChanged(QStringLiteral("ForeColor"));
    if (changed) emit ForeColorChanged();
}

bool Pavrel::Enabled() const {
    return isEnabled();
}

void Pavrel::SetEnabled(bool New_Enabled) {
    const bool changed = isEnabled() != New_Enabled;
    QWidget::setEnabled(New_Enabled);
    emit PropertyChanged(QStringLiteral("Enabled"));
    if (changed) emit EnabledChanged();
}

QFont Pavrel::Font() const {
    return d->label->font();
}

void Pavrel::SetFont(const QFont& New_Font) {
    const QFont before = d->label->font();
    d->label->setFont(New_Font);
    d->FitCaption();
    emit PropertyChanged(QStringLiteral("Font"));
    d->PaintBox();
    if (d->label->font() != before) {
        emit FontChanged();
        if (before.pointSizeF() != New_Font.pointSizeF()) emit FontSizeChanged();
        if (before.bold() != New_Font.bold()) emit FontBoldChanged();
    }
}

QString Pavrel::Caption() const {
    return d->label->text();
}

void Pavrel::SetCaption(const QString& New_Caption) {
    const bool changed = d->label->text() != New_Caption;
    d->label->setText(New_Caption);
    d->FitCaption();
    emit PropertyChanged(QStringLiteral("Caption"));
    if (changed) emit CaptionChanged();
}

short Pavrel::BorderWidth() const {
    return short(d->lines[Edge::Top]->lineWidth());
}

void Pavrel::SetBorderWidth(short New_BorderWidth) {
    if (New_BorderWidth < pavrel::kMinBorderWidth || New_BorderWidth > pavrel::kMaxBorderWidth)
        throw pavrel::RuntimeError(380, pavrel::kInvalidValue);
    const bool changed = BorderWidth() != New_BorderWidth;
    for (Edge edge : {Edge::Top, Edge::Left, Edge::Bottom, Edge::Right})
        d->lines[edge]->setLineWidth(New_BorderWidth);
    emit PropertyChanged(QStringLiteral("BorderWidth"));
    d->PaintBox();
    if (changed) emit BorderWidthChanged();
}

uint32_t Pavrel::BorderTop() const {
    return d->lines[Edge::Top]->color();
}
void Pavrel::SetBorderTop(uint32_t New_BorderTop) {
    const bool changed = BorderTop() != New_BorderTop;
    d->lines[Edge::Top]->setColor(New_BorderTop);
    emit PropertyChanged(QStringLiteral("BorderTop"));
    if (changed) emit BorderTopChanged();
}

uint32_t Pavrel::BorderLeft() const {
    return d->lines[Edge::Left]->color();
}
void Pavrel::SetBorderLeft(uint32_t New_BorderLeft) {
    const bool changed = BorderLeft() != New_BorderLeft;
    d->lines[Edge::Left]->setColor(New_BorderLeft);
    emit PropertyChanged(QStringLiteral("BorderLeft"));
    if (changed) emit BorderLeftChanged();
}

uint32_t Pavrel::BorderRight() const {
    return d->lines[Edge::Right]->color();
}
void Pavrel::SetBorderRight(uint32_t New_BorderRight) {
    const bool changed = BorderRight() != New_BorderRight;
    d->lines[Edge::Right]->setColor(New_BorderRight);
    emit PropertyChanged(QStringLiteral("BorderRight"));
    if (changed) emit BorderRightChanged();
}

uint32_t Pavrel::BorderBottom() const {
    return d->lines[Edge::Bottom]->color();
}
void Pavrel::SetBorderBottom(uint32_t New_BorderBottom) {
    const bool changed = BorderBottom() != New_BorderBottom;
    d->lines[Edge::Bottom]->setColor(New_BorderBottom);
    emit PropertyChanged(QStringLiteral("BorderBottom"));
    if (changed) emit BorderBottomChanged();
}

uint32_t Pavrel::MaskColor() const {
    return d->maskColor;
}

void Pavrel::SetMaskColor(uint32_t New_MaskColor) {
    const bool changed = d->maskColor != New_MaskColor;
    d->maskColor = New_MaskColor;
    emit PropertyChanged(QStringLiteral("MaskColor"));
    if (changed) emit MaskColorChanged();
}

QPixmap Pavrel::Picture() const {
    return d->picture;
}

void Pavrel::SetPicture(const QPixmap& New_Picture) {
    // Pixmaps compare by identity: the same picture assigned again is no change.
    const bool changed = d->picture.cacheKey() != New_Picture.cacheKey();
    d->picture = New_Picture;
    emit PropertyChanged(QStringLiteral("Picture"));
    d->PaintBox();
    if (changed) emit PictureChanged();
}

QString Pavrel::ToolTipText() const {
    return d->label->toolTip();
}

void Pavrel::SetToolTipText(const QString& New_ToolTipText) {
    const bool changed = ToolTipText() != New_ToolTipText;
    d->label->setToolTip(New_ToolTipText);
    emit PropertyChanged(QStringLiteral("ToolTipText"));
    if (changed) emit ToolTipTextChanged();
}

short Pavrel::DrawStyle() const {
    return d->drawStyle;
}

void Pavrel::SetDrawStyle(short New_DrawStyle) {
    if (New_DrawStyle < pavrel::kMinDrawStyle || New_DrawStyle > pavrel::kMaxDrawStyle)
        throw pavrel::RuntimeError(380, pavrel::kInvalidValue);
    const bool changed = d->drawStyle != New_DrawStyle;
    d->drawStyle = New_DrawStyle;
    emit PropertyChanged(QStringLiteral("DrawStyle"));
    d->PaintBox();
    if (changed) emit DrawStyleChanged();
}

float Pavrel::FontSize() const {
    return float(d->label->font().pointSizeF());
}

void Pavrel::SetFontSize(float New_FontSize) {
    if (!pavrel::fontSizeAccepted(New_FontSize))
        throw pavrel::RuntimeError(380, pavrel::kInvalidValue);
    const bool changed = FontSize() != New_FontSize;
    QFont font = d->label->font();
    font.setPointSizeF(New_FontSize);
    d->label->setFont(font);
    d->FitCaption();
    emit PropertyChanged(QStringLiteral("FontSize"));
    d->PaintBox();
    if (changed) {
        emit FontSizeChanged();
        emit FontChanged();
    }
}

bool Pavrel::FontBold() const {
    return d->label->font().bold();
}

void Pavrel::SetFontBold(bool New_FontBold) {
    const bool changed = FontBold() != New_FontBold;
    QFont font = d->label->font();
    font.setBold(New_FontBold);
    d->label->setFont(font);
    d->FitCaption();
    emit PropertyChanged(QStringLiteral("FontBold"));
    d->PaintBox();
    if (changed) {
        emit FontBoldChanged();
        emit FontChanged();
    }
}

uint32_t Pavrel::PicBack() const {
    return d->picBack;
}

void Pavrel::SetPicBack(uint32_t New_PicBack) {
    const bool changed = d->picBack != New_PicBack;
    d->picBack = New_PicBack;
    emit PropertyChanged(QStringLiteral("PicBack"));
    d->PaintBox();
    if (changed) emit PicBackChanged();
}

short Pavrel::BorderStyle() const {
    return d->borderStyle;
}

uint32_t Pavrel::BackColor() const {
    return d->backColor;
}

QPointF Pavrel::PicturePosition() const {
    return d->picturePos;
}

void Pavrel::WriteBorderWidth(int value) {
    pavrel::writeByName("BorderWidth", [&] {
        pavrel::requireShort(value);
        SetBorderWidth(short(value));
    });
}

void Pavrel::WriteDrawStyle(int value) {
    pavrel::writeByName("DrawStyle", [&] {
        pavrel::requireShort(value);
        SetDrawStyle(short(value));
    });
}

void Pavrel::WriteFontSize(double value) {
    // Checked in double first: a double beyond float's range would be undefined as a float.
    pavrel::writeByName("FontSize", [&] {
        if (!pavrel::fontSizeAccepted(value))
            throw pavrel::RuntimeError(380, pavrel::kInvalidValue);
        SetFontSize(float(value));
    });
}

// ---- methods -------------------------------------------------------------------------------

void Pavrel::Refresh() {
    update();
}

void Pavrel::KeepDown() {
    d->ShowPressedLook();
}

void Pavrel::KeepUp() {
    d->ShowRaisedLook();
}

// ---- host steps ----------------------------------------------------------------------------

void Pavrel::InitProperties() {
    d->PaintBox();
}

QFont PavrelPrivate::AmbientFont() const {
    return q->parentWidget() ? q->parentWidget()->font() : QApplication::font();
}

void Pavrel::ReadProperties(pavrel::PropertyBag& bag) {
    using pavrel::colorFromVariant;
    d->foreColor = colorFromVariant(bag.ReadProperty("ForeColor", uint(pavrel::kSysButtonText)));
    QWidget::setEnabled(bag.ReadProperty("Enabled", true).toBool());
    d->label->setFont(bag.ReadProperty("Font", d->AmbientFont()).value<QFont>());
    d->label->setText(bag.ReadProperty("Caption", QStringLiteral("Label1")).toString());
    const int width =
        d->Checked("BorderWidth",
                   pavrel::storedWhole(bag.ReadProperty("BorderWidth", 1), pavrel::kMinBorderWidth,
                                       pavrel::kMaxBorderWidth),
                   1);
    for (Edge edge : {Edge::Top, Edge::Left, Edge::Bottom, Edge::Right})
        d->lines[edge]->setLineWidth(width);
    d->lines[Edge::Top]->setColor(
        colorFromVariant(bag.ReadProperty("BorderTop", uint(pavrel::kDefaultEdge))));
    d->lines[Edge::Left]->setColor(
        colorFromVariant(bag.ReadProperty("BorderLeft", uint(pavrel::kDefaultEdge))));
    d->lines[Edge::Right]->setColor(
        colorFromVariant(bag.ReadProperty("BorderRight", uint(pavrel::kDefaultEdge))));
    d->lines[Edge::Bottom]->setColor(
        colorFromVariant(bag.ReadProperty("BorderBottom", uint(pavrel::kDefaultEdge))));
    d->label->setToolTip(bag.ReadProperty("ToolTipText", QString()).toString());
    d->maskColor = colorFromVariant(bag.ReadProperty("MaskColor", 0u));
    d->picture = bag.ReadProperty("Picture", QVariant()).value<QPixmap>();
    d->SetBorderStyle(short(d->Checked(
        "BorderStyle", pavrel::storedWhole(bag.ReadProperty("BorderStyle", 0), 0, 1), 0)));
    d->label->setToolTip(bag.ReadProperty("ToolTipText", QString()).toString());
    d->drawStyle = short(d->Checked(
        "DrawStyle",
        pavrel::storedWhole(bag.ReadProperty("DrawStyle", int(pavrel::kDefaultDrawStyle)),
                            pavrel::kMinDrawStyle, pavrel::kMaxDrawStyle),
        int(pavrel::kDefaultDrawStyle)));
    // The size is single precision: kept as the float it was saved from, so that 8.3 stays 8.3.
    bool isNumber = false;
    const double stored =
        bag.ReadProperty("FontSize", pavrel::kDefaultFontSize).toDouble(&isNumber);
    std::optional<float> size;
    if (isNumber && pavrel::fontSizeAccepted(stored)) size = float(stored);
    QFont font = d->label->font();
    font.setPointSizeF(d->Checked("FontSize", size, pavrel::kDefaultFontSize));
    font.setBold(bag.ReadProperty("FontBold", false).toBool());
    d->label->setFont(font);
    d->picBack = colorFromVariant(bag.ReadProperty("PicBack", uint(pavrel::kSysButtonFace)));
    d->ApplyCaptionColors();
    d->FitCaption();
    d->PaintBox();
}

void Pavrel::WriteProperties(pavrel::PropertyBag& bag) const {
    bag.WriteProperty("ForeColor", uint(d->foreColor), uint(pavrel::kSysButtonText));
    bag.WriteProperty("Enabled", isEnabled(), true);
    bag.WriteProperty("Font", d->label->font(), d->AmbientFont());
    bag.WriteProperty("Caption", d->label->text(), QStringLiteral("Label1"));
    for (Edge edge : {Edge::Top, Edge::Left, Edge::Bottom, Edge::Right})
        bag.WriteProperty("BorderWidth", d->lines[edge]->lineWidth(), 1);
    bag.WriteProperty("BorderTop", uint(BorderTop()), uint(pavrel::kDefaultEdge));
    bag.WriteProperty("BorderLeft", uint(BorderLeft()), uint(pavrel::kDefaultEdge));
    bag.WriteProperty("BorderRight", uint(BorderRight()), uint(pavrel::kDefaultEdge));
    bag.WriteProperty("BorderBottom", uint(BorderBottom()), uint(pavrel::kDefaultEdge));
    bag.WriteProperty("ToolTipText", d->label->toolTip(), QString());
    bag.WriteProperty("MaskColor", uint(d->maskColor), 0u);
    bag.WriteProperty("BackColor", uint(d->backColor), uint(pavrel::kDefaultBackColor));
    bag.WriteProperty("Picture", d->picture.isNull() ? QVariant() : QVariant(d->picture),
                      QVariant());
    bag.WriteProperty("BorderStyle", int(d->borderStyle), 0);
    bag.WriteProperty("ToolTipText", d->label->toolTip(), QString());
    bag.WriteProperty("DrawStyle", int(d->drawStyle), int(pavrel::kDefaultDrawStyle));
    bag.WriteProperty("FontSize", FontSize());
    bag.WriteProperty("FontBold", FontBold(), false);
    bag.WriteProperty("PicBack", uint(d->picBack), uint(pavrel::kSysButtonFace));
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

void PavrelPrivate::PaintBox() {
    // Pending events are processed at the end; a resize or focus change among them must not
    // start a second pass over parts that are half placed.
    if (painting) return;
    painting = true;

    backColor = picBack;
    const double w = double(q->width()) * Pavrel::kTwipsPerPixel;
    const double h = double(q->height()) * Pavrel::kTwipsPerPixel;

    const double captionW = double(label->width()) * Pavrel::kTwipsPerPixel;
    const double captionH = double(label->height()) * Pavrel::kTwipsPerPixel;
    label->move(toPixels((w - captionW) / 2), toPixels((h - captionH) / 2));
    ApplyCaptionColors();

    auto place = [&](Edge edge, double x0, double y0, double x1, double y1) {
        LinePart* line = lines[edge];
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
    const double e = lines[Top]->lineWidth() == 1 ? 0 : 10;
    place(Top, 0, e, w, e);
    place(Left, e, 0, e, h);

    for (Edge edge : {InnerRight, InnerBottom})
        lines[edge]->setTransparent(drawStyle != 0);
    lines[InnerRight]->setLineWidth(1);
    place(InnerRight, w - 10, 0, w - 10, h + 10);
    place(InnerBottom, 0, h - 10, w, h - 10);

    if (!picture.isNull()) {
        const QSizeF own = Pavrel::PictureSizeHimetric(picture);
        picturePos = QPointF((w - own.width() / 2) / 2 - 24, (h - own.height() / 2) / 2 - 24);
    }

    q->update();
    QCoreApplication::processEvents();
    painting = false;
}

void Pavrel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), pavrel::resolveColor(d->backColor, palette()));
    if (d->borderStyle == 1) {
        painter.setPen(pavrel::resolveColor(pavrel::kSysWindowFrame, palette()));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!d->picture.isNull()) {
        const QPointF at(pavrel::toPixels(d->picturePos.x()), pavrel::toPixels(d->picturePos.y()));
        painter.drawPixmap(QRectF(at, d->picture.deviceIndependentSize()), d->picture,
                           QRectF(d->picture.rect()));
    }
}

void PavrelPrivate::ApplyCaptionColors() {
    QPalette pal = label->palette();
    const QPalette& own = q->palette();
    pal.setColor(QPalette::WindowText, resolveColor(foreColor, own));
    pal.setColor(QPalette::Window, resolveColor(backColor, own));
    label->setPalette(pal);
}

void PavrelPrivate::ShowPressedLook() {
    for (LinePart* line : lines)
        line->hide();
    SetBorderStyle(1);
}

void PavrelPrivate::ShowRaisedLook() {
    for (LinePart* line : lines)
        line->show();
    SetBorderStyle(0);
}

void PavrelPrivate::SetBorderStyle(short style) {
    // The flat border is drawn over the outer pixels; the parts keep their places.
    borderStyle = style;
    q->update();
}

// ---- events --------------------------------------------------------------------------------

void Pavrel::resizeEvent(QResizeEvent*) {
    d->PaintBox();
}

void Pavrel::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    d->PaintBox();
}

void Pavrel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) d->ApplyCaptionColors();
    QWidget::changeEvent(event);
}

void PavrelPrivate::HandleMouseDown(QMouseEvent* event, QPointF twips) {
    pressedInside = true;
    ShowPressedLook();
    emit q->MouseDown(short(runtimecodes::ButtonMask(event->button())),
                      short(runtimecodes::ShiftState(event->modifiers())), float(twips.x()),
                      float(twips.y()));
}

void PavrelPrivate::HandleMouseUp(QMouseEvent* event, QPointF twips, bool overControl) {
    ShowRaisedLook();
    emit q->MouseUp(short(runtimecodes::ButtonMask(event->button())),
                    short(runtimecodes::ShiftState(event->modifiers())), float(twips.x()),
                    float(twips.y()));
    const bool clicked = pressedInside && overControl;
    pressedInside = false;
    if (clicked) emit q->Click();
}

void PavrelPrivate::HandleMouseMove(QMouseEvent* event, QPointF twips) {
    emit q->MouseMove(short(runtimecodes::ButtonMask(event->buttons())),
                      short(runtimecodes::ShiftState(event->modifiers())), float(twips.x()),
                      float(twips.y()));
}

void Pavrel::mousePressEvent(QMouseEvent* event) {
    d->HandleMouseDown(event, event->position() * kTwipsPerPixel);
}

void Pavrel::mouseReleaseEvent(QMouseEvent* event) {
    d->HandleMouseUp(event, event->position() * kTwipsPerPixel,
                     rect().contains(event->position().toPoint()));
}

void Pavrel::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double-click is reported only as DblClick.
    emit DblClick();
}

void Pavrel::mouseMoveEvent(QMouseEvent* event) {
    d->HandleMouseMove(event, event->position() * kTwipsPerPixel);
}

bool Pavrel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != d->label) return QWidget::eventFilter(watched, event);
    // The caption passes the mouse on in its own coordinates; its double-clicks go nowhere.
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            d->HandleMouseDown(mouse, mouse->position() * kTwipsPerPixel);
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            d->HandleMouseUp(mouse, mouse->position() * kTwipsPerPixel,
                             d->label->rect().contains(mouse->position().toPoint()));
            return true;
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            d->HandleMouseMove(mouse, mouse->position() * kTwipsPerPixel);
            return true;
        }
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
    }
}

void Pavrel::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(short(runtimecodes::KeyCode(event->key(), event->modifiers())),
                 short(runtimecodes::ShiftState(event->modifiers())));
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() != 0) emit KeyPress(short(text.at(0).unicode()));
}

void Pavrel::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    emit KeyUp(short(runtimecodes::KeyCode(event->key(), event->modifiers())),
               short(runtimecodes::ShiftState(event->modifiers())));
}
