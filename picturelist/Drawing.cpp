// Layout and drawing of UserControl1: placing the parts for each mode, settling the row height when
// the first item arrives, and drawing rows onto the persistent list surface. Each row's text is
// rendered into the text buffer and copied onto the surface in one block; pictures are combined
// with the surface by AND, grid lines by merge-pen-not, and the highlight band is inverted.
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <optional>

#include "ListParts.h"
#include "UserControl1.h"
#include "ValueText.h"

using namespace picturelist;

namespace {
int toPixels(double twips, int twipsPerPixel) {
    // Rows far below a tall row height lie far outside any surface; keep them in integer range,
    // where the painter clips them away.
    constexpr double far = 1 << 30;
    return static_cast<int>(roundHalfEven(std::clamp(twips / twipsPerPixel, -far, far)));
}
}  // namespace

double UserControl1::editHeightTwips() const {
    return 1.0 * edit_->sizeHint().height() * screenTwipsPerPixelY();
}

double UserControl1::controlWidthTwips() const {
    return 1.0 * width() * screenTwipsPerPixelX();
}

void UserControl1::setControlHeightTwips(double twips) {
    const int h = std::max(1, toPixels(twips, screenTwipsPerPixelY()));
    if (h != height()) resize(width(), h);
}

void UserControl1::placeParts() {
    const int tx = screenTwipsPerPixelX(), ty = screenTwipsPerPixelY();
    const int inset = insetPixels();
    auto place = [&](QWidget* w, const QRectF& r) {
        w->setGeometry(inset + toPixels(r.left(), tx), inset + toPixels(r.top(), ty),
                       std::max(1, toPixels(r.width(), tx)), std::max(1, toPixels(r.height(), ty)));
    };
    place(surface_, surfaceTw_);
    place(scroll_, scrollTw_);
    place(edit_, editTw_);
    place(button_, buttonTw_);
}

void UserControl1::showList(bool on) {
    surface_->setVisible(on);
    scroll_->setVisible(on);
}

bool UserControl1::listShown() const {
    return !surface_->isHidden();
}

void UserControl1::clearSurface() {
    queueDraw(0, -1, true);
}

void UserControl1::LayoutForMode() {
    const int tppx = screenTwipsPerPixelX();
    controlWidth_ = static_cast<int>(roundHalfEven(controlWidthTwips()));
    topItem_ = -1;
    const double buttonWidth = 200.0 * tppx / 12;
    const double scrollWidth = buttonWidth;
    const double allowance = borderStyle_ != 0 ? 48.0 * tppx / 12 : 0.0;
    scrollTw_.setWidth(scrollWidth);
    buttonTw_.setWidth(buttonWidth);
    if (activeMode_ == 0) {
        button_->hide();
        edit_->hide();
        surfaceTw_.moveTop(0);
        scrollTw_.moveTop(0);
        surfaceTw_.setLeft(0);
        surfaceTw_.setWidth(controlWidth_ - scrollWidth - allowance);
        textBufferWidthTw_ = surfaceTw_.width();
        showList(true);
        setControlHeightTwips(listHeight_ + borderStyle_ * 48.0);
        surfaceTw_.setHeight(listHeight_);
        scrollTw_.setHeight(listHeight_);
        scrollTw_.moveLeft(surfaceTw_.width());
        scroll_->setMaximum(0);
        scrollRangeStale_ = false;
    } else {
        const double editHeight = editHeightTwips();
        buttonTw_.moveTop(0);
        editTw_ = QRectF(0, 0, 0, editHeight);
        surfaceTw_.moveTop(editHeight);
        buttonTw_.setWidth(scrollWidth);
        editTw_.setWidth(controlWidth_ - buttonTw_.width() - allowance);
        surfaceTw_.setLeft(0);
        surfaceTw_.setWidth(editTw_.width());
        textBufferWidthTw_ = editTw_.width();
        buttonTw_.moveLeft(editTw_.width() - 20);
        scrollTw_.moveLeft(editTw_.width());
        buttonTw_.setWidth(scrollWidth + 20);
        buttonTw_.setHeight(editHeight);
        scrollTw_.moveTop(surfaceTw_.top());
        edit_->show();
        button_->show();
        button_->raise();
    }
    placeParts();
}

void UserControl1::resizeEvent(QResizeEvent*) {
    if (inResize_) return;
    inResize_ = true;
    reportErrors("resizeEvent", [&] { resizeHandler(); });
    inResize_ = false;
}

void UserControl1::resizeHandler() {
    const int tppx = screenTwipsPerPixelX();
    controlWidth_ = static_cast<int>(roundHalfEven(controlWidthTwips()));
    topItem_ = -1;
    const double buttonWidth = 200.0 * tppx / 12;
    double allowance = 48.0 * tppx / 12;
    if (borderStyle_ == 0) {
        edit_->setFrame(false);
        allowance = 0;
    }
    surfaceTw_.setWidth(controlWidth_ - scrollTw_.width() - allowance);
    textBufferWidthTw_ = surfaceTw_.width();
    scrollTw_.setWidth(buttonWidth - 4);
    editTw_.setWidth(controlWidth_ - buttonWidth - allowance);
    buttonTw_.moveLeft(editTw_.width() - 20);
    scrollTw_.moveLeft(editTw_.width());
    const double editHeight = editHeightTwips();
    if (activeMode_ == 1 && store_.isEmpty()) setControlHeightTwips(editHeight);
    buttonTw_.setHeight(editHeight);
    placeParts();
    if (activeMode_ == 0 && !store_.isEmpty()) {
        // Redraw the page at the current scroll position rather than jumping to the second item,
        // so the newest line of a log stays in sight when the window is resized.
        const int v = scroll_->value();
        requestRows(v + 1, v + 1 + visibleRows_);
        highlightRow_ = -1;
    }
}

void UserControl1::SizeForFirstItem() {
    const int tppy = screenTwipsPerPixelY();
    const int mHeight =
        static_cast<int>(roundHalfEven(1.0 * QFontMetrics(surfaceFont_, surface_).height() * tppy));
    textRowHeight_ = static_cast<int>(roundHalfEven(1.2 * mHeight));
    twipsPerPixelX_ = screenTwipsPerPixelX();
    twipsPerPixelY_ = tppy;
    textBuffer_ = QImage();  // re-made below at the list's width and the row's height
    if (currentFont_.isEmpty()) currentFont_ = Fontname();
    if (rowHeight_ >= 24) return;
    const RowLayout layout = rowLayoutFor(mHeight, listHeight_, twipsPerPixelX_, borderStyle_);
    rowHeight_ = layout.rowHeight;
    visibleRows_ = checkedInt16(layout.visibleRows);
    listHeight_ = checkedInt16(layout.listHeight);
    surfaceTw_.setHeight(layout.listHeight);
    scrollTw_.setHeight(layout.listHeight);
    placeParts();
    if (activeMode_ == 0) topItem_ = 1;
}

// Painters opened on first use and closed with the page; a page drawn inside another (a public
// drawing routine called while rows are drawn) shares the outer one's.
struct UserControl1::OpenPainters {
    QPainter surface;
    QPainter band;
    const RowFont* bandFont = nullptr;
    QColor bandPen;
};

class UserControl1::PagePainters {
  public:
    explicit PagePainters(UserControl1& c) : c_(c) {
        if (c_.painters_ == nullptr) c_.painters_ = &own_.emplace();
    }
    ~PagePainters() {
        if (own_) c_.painters_ = nullptr;
    }
    PagePainters(const PagePainters&) = delete;
    PagePainters& operator=(const PagePainters&) = delete;

    QPainter& surface(QPainter::CompositionMode mode) {
        QPainter& p = c_.painters_->surface;
        if (!p.isActive()) p.begin(&c_.surface_->image());
        p.setCompositionMode(mode);
        return p;
    }
    // The band is re-made when a row needs a larger one, so its painter follows it.
    QPainter& band(const RowFont& f, const QColor& pen) {
        OpenPainters& open = *c_.painters_;
        if (!open.band.isActive()) {
            open.band.begin(&c_.textBuffer_);
            open.bandFont = nullptr;
            open.bandPen = QColor();
        }
        if (open.bandFont != &f) {
            open.band.setFont(f.font);
            open.bandFont = &f;
        }
        if (open.bandPen != pen || !open.bandPen.isValid()) {
            open.band.setPen(pen);
            open.bandPen = pen;
        }
        return open.band;
    }
    void endBand() {
        if (c_.painters_->band.isActive()) c_.painters_->band.end();
    }

  private:
    UserControl1& c_;
    std::optional<OpenPainters> own_;
};

int UserControl1::textWidthOf(ItemRecord& rec, const RowFont& f) {
    if (rec.textWidth < 0 || rec.widthGeneration != fontGeneration_) {
        rec.textWidth = f.metrics.horizontalAdvance(rec.text);
        rec.widthGeneration = fontGeneration_;
    }
    return rec.textWidth;
}

void UserControl1::drawItemAtRow(int p, int r) {
    ItemRecord& rec = store_.at(p);
    if (DrawStyle() == 1) loadIcon(rec.picture);
    const RowFont& f = rowFont(rec.font);
    rec.drawnWidth = drawRow(r, rec.text, f, rec.colour, 1.0 * r * rowHeight_, textWidthOf(rec, f));
}

void UserControl1::DrawRowRange(int top, int bottom) {
    requestRows(top, bottom);
    bringUpToDate();
}

void UserControl1::DrawOneItem(int p) {
    requestOneItem(p);
    bringUpToDate();
}

// The page's place is decided at once, since clicks and keys work on it; only the pixels wait.
void UserControl1::requestRows(int top, int bottom) {
    if (bottom > store_.count()) bottom = store_.count();
    if (top < 0 || !listShown()) return;
    queueDraw(top, bottom, true);
    topItem_ = top;
    bottomItem_ = bottom;
}

void UserControl1::requestOneItem(int p) {
    if (p > store_.count() || p < 1) return;
    if (listShown()) queueDraw(p, p, false);
    bottomItem_ = p;
}

void UserControl1::queueDraw(int top, int bottom, bool clearFirst) {
    if (clearFirst) pendingDraws_.clear();
    if (!clearFirst && !pendingDraws_.empty() && !pendingDraws_.back().clearFirst &&
        pendingDraws_.back().top == top) {
        return;  // the same row again
    }
    pendingDraws_.push_back({top, bottom, clearFirst});
    // The whole control, not only the surface: it is painted before its parts, so the scroll bar
    // shows the range set in its paint within the same frame.
    update();
}

void UserControl1::bringUpToDate(bool onlyIfVisible) {
    if (scrollRangeStale_) syncScrollRange();
    if (pendingDraws_.empty()) return;
    if (onlyIfVisible && !surface_->isVisible()) return;
    const std::vector<PendingDraw> steps = std::move(pendingDraws_);
    pendingDraws_.clear();
    {
        PagePainters painters(*this);
        for (const PendingDraw& step : steps)
            paintRows(step.top, step.bottom, step.clearFirst);
    }
    surface_->update();
}

void UserControl1::paintRows(int top, int bottom, bool clearFirst) {
    if (clearFirst) {
        if (painters_ != nullptr && painters_->surface.isActive()) painters_->surface.end();
        surface_->clear();
    }
    // Rows are numbered from the page's top even where it lies above the first item.
    const int last = std::min(bottom, store_.count());
    for (int p = top, r = clearFirst ? 0 : top - 1; p <= last; ++p, ++r) {
        if (p >= 1) drawItemAtRow(p, r);
    }
}

int UserControl1::DrawRow(int r, const QString& text, const QString& font, OleColor colour,
                          double y) {
    const RowFont& f = rowFont(font);
    return drawRow(r, text, f, colour, y, f.metrics.horizontalAdvance(text));
}

int UserControl1::drawRow(int r, const QString& text, const RowFont& f, OleColor colour, double y,
                          int advance) {
    PagePainters painters(*this);
    const int tppx = twipsPerPixelX(), tppy = twipsPerPixelY();
    const double rh = rowHeight_;
    const int textTop =
        toPixels(y + static_cast<double>(roundHalfEven((rh - textRowHeight_) / 2.0)), tppy);
    int drawnWidth;
    if (DrawStyle() != 0) {
        const int textLeft = toPixels(rh + 96, tppx);
        drawnWidth = static_cast<int>(std::min<long long>(
            INT32_MAX,
            96LL + rowHeight_ + renderText(textLeft, textTop, text, colour, f, advance)));

        const double holderHeight = 1.0 * iconHolder_.height() * tppy;
        const double lift = (rh - holderHeight) / 2;
        const double top = lift < 0 ? y + 2 : y + lift;
        const QRect target(toPixels(24, tppx), toPixels(top, tppy), toPixels(rh + 20, tppx),
                           toPixels(rh - 40, tppy));
        const QRect source(0, 0, target.width(), target.height());
        if (!iconHolder_.isNull() && iconHolder_.rect().contains(source)) {
            painters.surface(QPainter::RasterOp_SourceAndDestination)
                .drawImage(target, iconHolder_, source);
        } else if (!iconHolder_.isNull()) {
            // The picture is smaller than the area: copy what fits of a narrower area instead.
            const QRect narrow(target.left(), target.top(), toPixels(rh, tppx), target.height());
            const QRect from = QRect(0, 0, narrow.width(), narrow.height()) & iconHolder_.rect();
            painters.surface(QPainter::CompositionMode_SourceOver)
                .drawImage(narrow.topLeft(), iconHolder_, from);
        }
    } else {
        drawnWidth = renderText(toPixels(48, tppx), textTop, text, colour, f, advance);
    }
    if (gridGap_ == 1) {
        // A one-pixel band rather than a line: the line rasteriser hands every span to worker
        // threads, which costs more than the line itself.
        const int lineY = toPixels((r + 1) * rh - 2.0 * tppx, tppy);
        const int surfaceWidth = surface_->image().width();
        painters.surface(QPainter::RasterOp_NotSourceOrDestination)
            .fillRect(QRect(0, lineY, surfaceWidth, 1), qcolor(gridColor_));
    }
    return drawnWidth;
}

const UserControl1::RowFont& UserControl1::rowFont(const QString& name) {
    auto it = fontCache_.find(name);
    if (it == fontCache_.end()) {
        QFont f = surfaceFont_;
        if (!name.isEmpty()) f.setFamily(name);
        it = fontCache_.emplace(name, RowFont{f, QFontMetrics(f)}).first;
    }
    return it->second;
}

int UserControl1::RenderRowText(int x, int y, const QString& text, OleColor colour,
                                const QString& font) {
    const RowFont& f = rowFont(font);
    PagePainters painters(*this);
    return renderText(x, y, text, colour, f, f.metrics.horizontalAdvance(text));
}

int UserControl1::renderText(int x, int y, const QString& text, OleColor colour, const RowFont& f,
                             int advance) {
    const int tppx = twipsPerPixelX(), tppy = twipsPerPixelY();
    const int drawnWidth = static_cast<int>(roundHalfEven(1.0 * advance * tppx));
    // The band is as tall as the row, but only the part of it on the surface is ever seen: a tall
    // row height must not allocate a band far larger than the list.
    const QImage& surface = surface_->image();
    const int surfaceHeight = static_cast<int>(surface.deviceIndependentSize().height());
    const int bandWidth = std::max(1, toPixels(textBufferWidthTw_, tppx));
    const double rowPixels = std::ceil(1.0 * rowHeight_ / tppy);
    const int bandHeight = std::min(
        surfaceHeight - y, static_cast<int>(std::clamp(rowPixels, 1.0, 1.0 * surfaceHeight)));
    if (bandHeight <= 0) return drawnWidth;
    PagePainters painters(*this);
    // The band has the surface's density: its text is drawn at the screen's own resolution.
    const qreal ratio = surface.devicePixelRatio();
    const QSize bandPixels = (QSizeF(bandWidth, bandHeight) * ratio).toSize();
    if (textBuffer_.width() != bandPixels.width() || textBuffer_.height() < bandPixels.height() ||
        textBuffer_.devicePixelRatio() != ratio) {
        painters.endBand();
        textBuffer_ = QImage(bandPixels, QImage::Format_RGB32);
        textBuffer_.setDevicePixelRatio(ratio);
    }
    textBuffer_.fill(qcolor(backColor_));
    painters.band(f, qcolor(colour)).drawText(0, f.metrics.ascent(), text);
    painters.surface(QPainter::CompositionMode_SourceOver)
        .drawImage(QPoint(x, y), textBuffer_, QRect(QPoint(0, 0), bandPixels));
    return drawnWidth;
}

void UserControl1::ToggleRowHighlight(int r) {
    bringUpToDate();  // the band inverts what is drawn, so the rows must be there first
    const int tppy = twipsPerPixelY();
    const double top = 1.0 * r * rowHeight_ - 24;
    const double bottom = 1.0 * r * rowHeight_ + rowHeight_;
    const int y0 = toPixels(top, tppy), y1 = toPixels(bottom, tppy);
    QImage& surface = surface_->image();
    {
        QPainter p(&surface);
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
        p.fillRect(QRect(0, y0, surface.width(), y1 - y0 + 1), qcolor(backColor_));
    }
    surface_->update();
}

QImage UserControl1::dropButtonIcon() {
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    const QRgb black = qRgb(0, 0, 0);
    for (int row = 3; row <= 6; ++row) {
        for (int col = 5; col <= 9; ++col)
            icon.setPixel(col, row, black);
    }
    const int centre = 7;
    for (int k = 0; k < 6; ++k) {
        const int half = 5 - k;  // widths 11, 9, 7, 5, 3, 1
        for (int col = centre - half; col <= centre + half; ++col)
            icon.setPixel(col, 7 + k, black);
    }
    return icon;
}
