// The list operations of UserControl1: adding, removing, clearing, sorting, finding, choosing and
// updating items.
#include <QLineEdit>
#include <QScrollBar>

#include "ImageList.h"
#include "LikePattern.h"
#include "ListParts.h"
#include "UserControl1.h"
#include "ValueText.h"

using namespace picturelist;

namespace {
OleColor colourArgument(qint64 value) {
    // Accept both the signed form and the unsigned spelling of a system colour.
    if (value < INT32_MIN || value > static_cast<qint64>(UINT32_MAX))
        throw PictureListError::overflow();
    return static_cast<OleColor>(static_cast<quint32>(value));
}

int positionOf(int it) {
    return checkedInt16(static_cast<long long>(checkedInt16(it)) + 1);
}
}  // namespace

// A range that grows waits for the next update, so the scroll bar is not repainted for every line
// of a log; one that shrinks is set at once, because it may move the scroll position and with it
// the page.
void UserControl1::setScrollMaximum() {
    const int wanted = std::max(0, store_.count() - 1);
    if (wanted < scroll_->maximum()) {
        scroll_->setMaximum(wanted);
        scrollRangeStale_ = false;
    } else if (wanted != scroll_->maximum()) {
        scrollRangeStale_ = true;
        update();
    }
}

void UserControl1::syncScrollRange() {
    if (!scrollRangeStale_) return;
    scrollRangeStale_ = false;
    scroll_->setMaximum(std::max(0, store_.count() - 1));
}

void UserControl1::redrawWindowIfShowing(int p) {
    if (topItem_ <= p && p <= bottomItem_) requestRows(topItem_, topItem_ + visibleRows_ - 1);
}

void UserControl1::AddItem(const QString& s, int itemx, int ipic, const QString& ItemFont,
                           qint64 ItemColor) {
    itemx = checkedInt16(itemx);
    ipic = checkedInt16(ipic);
    OleColor colour = colourArgument(ItemColor);
    if (store_.count() >= 32767) throw PictureListError::overflow();
    const bool wasEmpty = store_.isEmpty();

    if (!ItemFont.isEmpty()) currentFont_ = ItemFont;
    if (currentFont_.isEmpty() && wasEmpty) currentFont_ = Fontname();
    if (colour == -1 && wasEmpty) colour = foreColor_;
    if (ipic <= 0) ipic = wasEmpty ? 1 : store_.at(store_.count()).picture;
    if (colour == -1 && !wasEmpty) colour = store_.at(store_.count()).colour;

    int p = itemx > 0 ? itemx + 1 : (itemx == -1 ? 1 : itemx);
    if (p == 1 && wasEmpty) p = 0;

    ItemRecord record;
    record.text = s;
    record.picture = ipic;
    record.font = currentFont_;
    record.colour = colour;

    if (p >= 1) {
        if (p > store_.count()) return;
        store_.insert(p, std::move(record));
        setScrollMaximum();
        if (topItem_ <= p && p <= bottomItem_) {
            if (activeMode_ == 0 && topItem_ < 0) topItem_ = 1;
            requestRows(topItem_, topItem_ + visibleRows_ - 1);
        }
        if (activeMode_ == 1) topItem_ = -1;
        lastAddedIndex_ = QString::number(p - 1);
        return;
    }

    // The icon is fetched before the item is stored, so a missing picture adds nothing.
    if (DrawStyle() == 1) loadIcon(ipic);
    store_.append(std::move(record));
    setScrollMaximum();
    lastAddedIndex_ = QString::number(store_.count() - 1);
    if (activeMode_ == 1) topItem_ = -1;

    if (store_.count() == 1) SizeForFirstItem();

    if (activeMode_ == 0) {
        setControlHeightTwips(1.0 * rowHeight_ * visibleRows_);
        if (store_.count() > visibleRows_) {
            if (topItem_ < 0) topItem_ = 1;
            if (store_.count() >= topItem_) requestRows(topItem_, topItem_ + visibleRows_ - 1);
        } else {
            requestOneItem(store_.count());
        }
    } else {
        topItem_ = -1;
    }
}

void UserControl1::RemoveItem(int it) {
    const int p = positionOf(it);
    if (store_.isEmpty() || !store_.contains(p)) return;
    if (store_.count() > 1) {
        store_.remove(p);
        edit_->clear();
        setScrollMaximum();
        highlightRow_ = -1;
        if (topItem_ - 1 <= p && p <= bottomItem_) {
            requestRows(topItem_, topItem_ + visibleRows_ - 1);
        }
        if (activeMode_ == 1) topItem_ = -1;
        return;
    }
    clearSurface();
    store_.clear();
    topItem_ = -1;
    scroll_->setMaximum(0);
    scrollRangeStale_ = false;
    highlightRow_ = -1;
    showList(false);
    edit_->clear();
    chosenIndexText_.clear();
}

void UserControl1::Clear() {
    clearSurface();
    if (!textBuffer_.isNull()) textBuffer_.fill(qcolor(backColor_));
    store_.clear();
}

void UserControl1::SortAscending() {
    store_.sort(true, random_);
    requestRows(topItem_, bottomItem_);
}

void UserControl1::SortDescending() {
    store_.sort(false, random_);
    requestRows(topItem_, bottomItem_);
}

QVariant UserControl1::Find(int sdir, int it, const QString& ftext, int casen) {
    sdir = checkedInt16(sdir);
    casen = checkedInt16(casen);
    const int start = positionOf(it);
    const int count = store_.count();
    if (start < 1 || start > count || count == 0) return QVariant();
    const bool exactCase = casen == 1;
    const LikePattern pattern(exactCase ? ftext : ftext.toUpper());
    auto matchesAt = [&](int p) {
        const QString& t = store_.at(p).text;
        return exactCase ? pattern.matches(t) : pattern.matches(t.toUpper());
    };
    if (sdir == 1) {
        for (int p = count; p >= start; --p) {
            if (matchesAt(p)) return p;
        }
    } else {
        for (int p = start; p <= count; ++p) {
            if (matchesAt(p)) return p;
        }
    }
    return 0;
}

void UserControl1::ShowItem(int i) {
    i = checkedInt16(i);
    if (i < 1 || i > store_.count()) return;
    edit_->setText(store_.at(i).text);
    chosenIndexText_ = QString::number(i - 1);
    if (highlightRow_ >= 0) ToggleRowHighlight(highlightRow_);
    if (activeMode_ == 1 && !listShown()) {
        setControlHeightTwips(listHeight_ + editHeightTwips() + borderStyle_ * 48.0);
        surfaceTw_.setHeight(listHeight_);
        scrollTw_.setHeight(listHeight_);
        placeParts();
        showList(true);
        surface_->setFocus();
    }
    setScrollValue(i - 1);
    ToggleRowHighlight(0);
    highlightRow_ = 0;
}

void UserControl1::UpdateIcon(int it, int ipic) {
    const int p = positionOf(it);
    if (!store_.contains(p)) return;
    store_.at(p).picture = checkedInt16(ipic);
    redrawWindowIfShowing(p);
}

void UserControl1::UpdateText(int it, const QString& s) {
    const int p = positionOf(it);
    if (!store_.contains(p)) return;
    store_.at(p).text = s;
    store_.at(p).textWidth = -1;
    redrawWindowIfShowing(p);
}

void UserControl1::UpdateFont(int it, const QString& font) {
    const int p = positionOf(it);
    if (!store_.contains(p)) return;
    store_.at(p).font = font;
    store_.at(p).textWidth = -1;
    redrawWindowIfShowing(p);
}

void UserControl1::UpdateForeColor(int it, qint64 fc) {
    const int p = positionOf(it);
    if (!store_.contains(p)) return;
    store_.at(p).colour = colourArgument(fc);
    redrawWindowIfShowing(p);
}

void UserControl1::UpdateItemData(int it, const QVariant& itd) {
    const int p = positionOf(it);
    if (!store_.contains(p)) return;
    store_.at(p).data = valueText(itd);
    redrawWindowIfShowing(p);
}

QVariant UserControl1::GetItemData(int i) const {
    const int p = positionOf(i);
    if (!store_.contains(p)) return QVariant();
    return store_.at(p).dataValue();
}

void UserControl1::SetItemData(int it, const QVariant& valuex) {
    if (it == -1) it = checkedInt16(roundHalfEven(numericPrefix(lastAddedIndex_)));
    const int p = positionOf(it);
    if (!store_.contains(p)) return;
    store_.at(p).data = valueText(valuex);
}

void UserControl1::loadIcon(int picture) {
    iconHolder_ = pictureFromList(pictureList_, picture);
}
