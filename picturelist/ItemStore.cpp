#include "ItemStore.h"

#include <algorithm>
#include <cmath>

#include "ValueText.h"

namespace picturelist {

double ItemRecord::dataValue() const {
    return numericPrefix(data);
}

QString ItemRecord::field(int index) const {
    switch (index) {
        case 0:
            return text;
        case 1:
            return data;
        case 2:
            return QString::number(picture);
        case 3:
            return font;
        case 4:
            return QString::number(colour);
        default:
            return drawnWidth < 0 ? QString() : QString::number(drawnWidth);
    }
}

int compareRecords(const ItemRecord& a, const ItemRecord& b) {
    constexpr char16_t separator = u'\t';
    constexpr int lastField = 5;
    for (int f = 0; f <= lastField; ++f) {
        const QString fa = a.field(f);
        const QString fb = b.field(f);
        const qsizetype common = std::min(fa.size(), fb.size());
        for (qsizetype k = 0; k < common; ++k) {
            const char16_t ca = fa[k].unicode(), cb = fb[k].unicode();
            if (ca != cb) return ca < cb ? -1 : 1;
        }
        if (fa.size() == fb.size()) continue;
        // One field ends first: in the joined form the separator (or the end of the record, after
        // the last field) meets the other field's next character.
        const bool aShorter = fa.size() < fb.size();
        const char16_t next = aShorter ? fb[common].unicode() : fa[common].unicode();
        int order;
        if (f == lastField || next > separator) {
            order = -1;
        } else if (next < separator) {
            order = 1;
        } else {
            order = 0;  // cannot happen without a TAB inside a field; let the next field decide
            continue;
        }
        return aShorter ? order : -order;
    }
    return 0;
}

void ItemStore::insert(int position, ItemRecord record) {
    items_.insert(position - 1, std::move(record));
}

void ItemStore::remove(int position) {
    items_.removeAt(position - 1);
}

void ItemStore::clear() {
    items_.clear();
    items_.squeeze();
}

void ItemStore::sort(bool ascending, const std::function<double()>& uniform) {
    quicksort(1, count(), ascending, uniform);
}

void ItemStore::quicksort(int min, int max, bool ascending,
                          const std::function<double()>& uniform) {
    while (max > min) {
        // A source that reaches 1.0 (or strays outside [0, 1)) must not pick past either end.
        double u = uniform();
        if (!(u >= 0.0)) u = 0.0;
        if (u > 1.0) u = 1.0;
        const int r = std::min(max, static_cast<int>(std::floor((max - min + 1) * u + min)));
        ItemRecord pivot = at(r);
        at(r) = at(min);
        int lo = min, hi = max;
        auto belowPivot = [&](const ItemRecord& rec) {
            const int c = compareRecords(rec, pivot);
            return ascending ? c < 0 : c >= 0;
        };
        while (true) {
            while (!belowPivot(at(hi))) {
                --hi;
                if (hi <= lo) break;
            }
            if (hi <= lo) {
                at(lo) = pivot;
                break;
            }
            at(lo) = at(hi);
            ++lo;
            while (belowPivot(at(lo))) {
                ++lo;
                if (lo >= hi) break;
            }
            if (lo >= hi) {
                lo = hi;
                at(hi) = pivot;
                break;
            }
            at(hi) = at(lo);
        }
        // Recurse into the smaller side and loop on the larger, so a bad run of pivots cannot
        // exhaust the stack; the order of the two halves does not matter to the result.
        if (lo - min < max - lo) {
            quicksort(min, lo - 1, ascending, uniform);
            min = lo + 1;
        } else {
            quicksort(lo + 1, max, ascending, uniform);
            max = lo - 1;
        }
    }
}

}  // namespace picturelist
