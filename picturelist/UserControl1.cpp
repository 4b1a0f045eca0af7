// Construction, the properties and the property store of UserControl1.
#include "UserControl1.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <cmath>
#include <random>

#include "ImageList.h"
#include "ListAccessible.h"
#include "ListParts.h"
#include "PropertyStore.h"
#include "ValueText.h"

using namespace picturelist;

UserControl1::UserControl1(QWidget* parent) : QWidget(parent) {
    picturelist::ListAccessible::Install();
    surfaceFont_ = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    surfaceFont_.setPointSizeF(8);

    surface_ = new ListSurface(this);
    surface_->setFont(surfaceFont_);
    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setRange(0, 0);
    // The value is the top item's index, and a page of the list is no step of it: with the default
    // page step the thumb of a short log covered most of the groove and seemed to sit at the far
    // end. One item a step makes the thumb mark exactly the top item's place.
    scroll_->setPageStep(1);
    scroll_->installEventFilter(this);
    scroll_->setFocusPolicy(Qt::NoFocus);
    edit_ = new QLineEdit(this);
    edit_->installEventFilter(this);
    button_ = new DropButton(this);
    connect(scroll_, &QScrollBar::valueChanged, this, &UserControl1::scrollChanged);

    auto engine = std::make_shared<std::mt19937>(std::random_device{}());
    random_ = [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };

    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyBackColor(backColor_);
    editTw_ = QRectF(0, 0, 0, editHeightTwips());
    InitProperties();

    // Until the host assigns Mode, nothing of the list is shown.
    showList(false);
    edit_->hide();
    button_->hide();
    resize(160, 120);
}

UserControl1::~UserControl1() {
    // The parts call back into this control; once this body ends the control is only a QWidget,
    // and closing a top-level one still sends the focused part a focus-out. Parts go first.
    delete surface_;
    surface_ = nullptr;
    delete button_;
    button_ = nullptr;
}

// Reading what has been drawn is a reason to draw: a host may inspect a list it has not shown.
const QImage& UserControl1::surfaceImage() const {
    const_cast<UserControl1*>(this)->bringUpToDate();
    return surface_->image();
}
const ItemStore& UserControl1::items() const {
    const_cast<UserControl1*>(this)->bringUpToDate();
    return store_;
}
QScrollBar* UserControl1::scrollBar() const {
    const_cast<UserControl1*>(this)->syncScrollRange();
    return scroll_;
}
QWidget* UserControl1::listSurface() const {
    return surface_;
}
QWidget* UserControl1::dropButton() const {
    return button_;
}

int UserControl1::screenTwipsPerPixelX() const {
    return static_cast<int>(roundHalfEven(1440.0 / std::max(1, logicalDpiX())));
}
int UserControl1::screenTwipsPerPixelY() const {
    return static_cast<int>(roundHalfEven(1440.0 / std::max(1, logicalDpiY())));
}
int UserControl1::twipsPerPixelX() const {
    return twipsPerPixelX_ > 0 ? twipsPerPixelX_ : screenTwipsPerPixelX();
}
int UserControl1::twipsPerPixelY() const {
    return twipsPerPixelY_ > 0 ? twipsPerPixelY_ : screenTwipsPerPixelY();
}

QColor UserControl1::qcolor(OleColor c) const {
    return toQColor(c, palette());
}

// --- properties ------------------------------------------------------------------------------

void UserControl1::setEnabledFlag(bool on) {
    enabled_ = on;
    surface_->setEnabled(on);
    changed(keys::Enabled);
}

void UserControl1::setPictureList(QObject* list) {
    pictureList_ = list;
    changed(keys::PictureList);
}

void UserControl1::setListCount(int) {
    if (designMode_) throw PictureListError::notPermitted(keys::ListCount);
    throw PictureListError::notAtRunTime(keys::ListCount);
}

QString UserControl1::Fontname() const {
    return surfaceFont_.family();
}

void UserControl1::setFontname(const QString& name) {
    surfaceFont_.setFamily(name);
    surface_->setFont(surfaceFont_);
    fontCache_.clear();
    ++fontGeneration_;
    changed(keys::Fontname);
}

float UserControl1::FontSize() const {
    return static_cast<float>(surfaceFont_.pointSizeF());
}

void UserControl1::setFontSize(float points) {
    // Beyond 2160 points the font metrics overflow into a negative row height.
    if (points > 0 && points <= MaxFontSize) surfaceFont_.setPointSizeF(points);
    surface_->setFont(surfaceFont_);
    fontCache_.clear();
    ++fontGeneration_;
    changed(keys::FontSize);
}

void UserControl1::setForeColor(OleColor colour) {
    foreColor_ = colour;
    changed(keys::ForeColor);
}

void UserControl1::setGridLines(bool on) {
    gridLines_ = on;
    gridGap_ = on ? 1 : 0;
    changed(keys::GridLines);
}

void UserControl1::setBorderStyle(int style) {
    borderStyle_ = checkedInt16(style);
    edit_->setFrame(borderStyle_ != 0);
    placeParts();
    update();
    changed(keys::BorderStyle);
}

void UserControl1::setDropDownHeight(int twips) {
    dropDownHeight_ = checkedInt16(twips);
    listHeight_ = dropDownHeight_;
    changed(keys::DropDownHeight);
}

void UserControl1::setMode(int mode) {
    mode_ = checkedInt16(mode);
    activeMode_ = mode_;
    LayoutForMode();
    changed(keys::Mode);
}

UserControl1::RowLayout UserControl1::rowLayoutFor(int mHeight, int listHeight, int twipsPerPixel,
                                                   int borderStyle) {
    RowLayout layout{};
    layout.rowHeight = static_cast<int>(roundHalfEven(1.2 * mHeight));
    layout.visibleRows = layout.rowHeight > 0 ? listHeight / layout.rowHeight : 0;
    int h = layout.visibleRows * layout.rowHeight + 2 * twipsPerPixel;
    if (borderStyle == 0) h -= 4 * twipsPerPixel;
    layout.listHeight = h;
    return layout;
}

void UserControl1::setRowHeight(const QVariant& twips) {
    // Checked before rounding: converting a value past the integer range is undefined.
    const double asked = twips.toDouble();
    if (!std::isfinite(asked) || std::abs(asked) > 4294967296.0) throw PictureListError::overflow();
    const long long value = roundHalfEven(asked);
    if (value < INT32_MIN || value > INT32_MAX) throw PictureListError::overflow();
    if (value == 0) throw PictureListError(11, QStringLiteral("Division by zero"));
    // Everything is worked out before anything changes, so a refusal leaves the list as it was.
    const int rowHeight = static_cast<int>(value);
    const int visibleRows = checkedInt16(listHeight_ / rowHeight);
    const int tppx = screenTwipsPerPixelX();
    const long long h = borderStyle_ == 0 ? 1LL * visibleRows * rowHeight - 2 * tppx
                                          : 1LL * visibleRows * rowHeight + 2 * tppx;
    const int listHeight = checkedInt16(h);
    rowHeightValue_ = twips;
    rowHeight_ = rowHeight;
    visibleRows_ = visibleRows;
    listHeight_ = listHeight;
    changed(keys::RowHeight);
}

QString UserControl1::List(int it) const {
    const long long p = static_cast<long long>(checkedInt16(it)) + 1;
    if (!store_.contains(static_cast<int>(p))) return QString();
    return store_.at(static_cast<int>(p)).text;
}

void UserControl1::setList(int, const QVariant& value) {
    // Kept for the property store only; the items are changed through the methods.
    listValue_ = value;
    changed(keys::List);
}

QVariant UserControl1::text() const {
    return edit_->text();
}

void UserControl1::setText(const QVariant& value) {
    textValue_ = value;
    changed(keys::Text);
}

double UserControl1::Listindex() const {
    return chosenIndexText_.isEmpty() ? 0.0 : numericPrefix(chosenIndexText_);
}

void UserControl1::setListindex(double value) {
    if (designMode_) throw PictureListError::notPermitted(QStringLiteral("Listindex"));
    listIndexValue_ = value;
    changed(keys::ListIndex);
}

int UserControl1::DrawStyle() const {
    drawStyleInUse_ = drawStyle_;
    return drawStyle_;
}

void UserControl1::setDrawStyle(int style) {
    drawStyle_ = checkedInt16(style);
    changed(keys::DrawStyle);
}

void UserControl1::applyBackColor(OleColor colour) {
    backColor_ = colour;
    const QColor c = qcolor(colour);
    surface_->setBackground(c);
    clearSurface();
    if (!textBuffer_.isNull()) textBuffer_.fill(c);
    QPalette pal = edit_->palette();
    pal.setColor(QPalette::Base, c);
    edit_->setPalette(pal);
    update();
}

void UserControl1::setBackColor(OleColor colour) {
    applyBackColor(colour);
    topItem_ = -1;
    changed(keys::BackColor);
}

void UserControl1::setGridColor(OleColor colour) {
    gridColor_ = colour;
    changed(keys::GridColor);
}

void UserControl1::setToolTipFlag(bool on) {
    toolTip_ = on;
    changed(keys::ToolTip);
}

void UserControl1::setTopIndex(const QVariant& position) {
    topIndexValue_ = position;
    // A value outside the scroll range is refused by the scroll bar; that refusal is ignored. One
    // that is not even a number, or too large to round, is refused the same way before rounding.
    const double asked = position.toDouble();
    if (!std::isfinite(asked) || std::abs(asked) > 4294967296.0) {
        changed(keys::TopIndex);
        return;
    }
    syncScrollRange();
    const long long v = roundHalfEven(asked);
    const long long target = v == -1 ? 1LL * store_.count() - visibleRows_ : v - 1;
    if (target >= scroll_->minimum() && target <= scroll_->maximum()) {
        setScrollValue(static_cast<int>(target));
    }
    changed(keys::TopIndex);
}

// --- property store --------------------------------------------------------------------------

void UserControl1::InitProperties() {
    enabled_ = false;
    surface_->setEnabled(false);
    listCountValue_ = rowHeightValue_ = listValue_ = textValue_ = listIndexValue_ = topIndexValue_ =
        0;
    mode_ = 0;
    dropDownHeight_ = 0;
    gridLines_ = false;
    gridColor_ = 0;
    drawStyle_ = 0;
    toolTip_ = false;
}

void UserControl1::ReadProperties(PropertyBag& bag) {
    auto read = [&bag](const QString& key) { return bag.ReadProperty(key, propertyDefault(key)); };
    enabled_ = read(keys::Enabled).toBool();
    surface_->setEnabled(enabled_);
    ownPicture_ = read(keys::PictureList);
    pictureList_ = ownPicture_.value<QObject*>();
    listCountValue_ = read(keys::ListCount);
    gridLines_ = read(keys::GridLines).toBool();
    borderStyle_ = checkedInt16(read(keys::BorderStyle).toInt());
    edit_->setFrame(borderStyle_ != 0);
    mode_ = checkedInt16(read(keys::Mode).toInt());
    highlightRow_ = -1;
    showList(false);
    foreColor_ = static_cast<OleColor>(read(keys::ForeColor).toLongLong());
    gridGap_ = gridLines_ ? 1 : 0;
    dropDownHeight_ = checkedInt16(read(keys::DropDownHeight).toInt());
    rowHeightValue_ = read(keys::RowHeight);
    listValue_ = read(keys::List);
    textValue_ = read(keys::Text);
    listIndexValue_ = read(keys::ListIndex);
    drawStyle_ = checkedInt16(read(keys::DrawStyle).toInt());
    applyBackColor(static_cast<OleColor>(read(keys::BackColor).toLongLong()));
    gridColor_ = static_cast<OleColor>(read(keys::GridColor).toLongLong());
    toolTip_ = read(keys::ToolTip).toBool();
    topIndexValue_ = read(keys::TopIndex);
    placeParts();
}

void UserControl1::WriteProperties(PropertyBag& bag) const {
    auto write = [&bag](const QString& key, const QVariant& v) {
        bag.WriteProperty(key, v, propertyDefault(key));
    };
    write(keys::Enabled, enabled_);
    write(keys::PictureList, ownPicture_);
    write(keys::PictureList, QVariant::fromValue<QObject*>(pictureList_.data()));
    write(keys::ListCount, store_.count());
    write(keys::Fontname, Fontname());
    write(keys::FontSize, FontSize());
    write(keys::ForeColor, foreColor_);
    write(keys::GridLines, gridLines_);
    write(keys::BorderStyle, borderStyle_);
    write(keys::DropDownHeight, dropDownHeight_);
    write(keys::Mode, mode_);
    write(keys::RowHeight, rowHeightValue_);
    write(keys::DrawStyle, DrawStyle());
    write(keys::BackColor, backColor_);
    write(keys::GridColor, gridColor_);
    write(keys::ToolTip, toolTip_);
    write(keys::TopIndex, topIndexValue_);
}

void UserControl1::loadProperties(const QVariantMap& store) {
    PropertyBag bag(store);
    ReadProperties(bag);
}

QVariantMap UserControl1::saveProperties() const {
    PropertyBag bag;
    WriteProperties(bag);
    return bag.values();
}

// --- own surface -----------------------------------------------------------------------------

void UserControl1::paintEvent(QPaintEvent*) {
    reportErrors("paint", [&] { bringUpToDate(true); });
    QPainter p(this);
    p.fillRect(rect(), qcolor(backColor_));
    if (borderStyle_ != 0) {
        const QPalette& pal = palette();
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(pal.color(QPalette::Shadow));
        p.drawLine(1, 1, width() - 2, 1);
        p.drawLine(1, 1, 1, height() - 2);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    }
}

void UserControl1::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    // A host's slot may raise the control's own errors; they must not leave the event handler.
    reportErrors("mouseMoveEvent", [&] {
        emit MouseMove(buttonMaskOf(event->buttons()), shiftMaskOf(event->modifiers()),
                       static_cast<float>(pos.x() * screenTwipsPerPixelX()),
                       static_cast<float>(pos.y() * screenTwipsPerPixelY()));
    });
}

bool UserControl1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_ && event->type() == QEvent::Wheel) {
        reportErrors("wheelEvent", [&] { wheelScroll(static_cast<QWheelEvent*>(event)); });
        return true;
    }
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        reportErrors("keyDown",
                     [&] { emit KeyDown(keyCodeOf(key), shiftMaskOf(key->modifiers())); });
    }
    return QWidget::eventFilter(watched, event);
}
