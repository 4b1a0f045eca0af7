// The items of a picture list: text, item value, picture index, font name, colour and the width
// the row had when last drawn. Positions are 1-based, as the control's callers count them.
//
// The fields are kept apart rather than joined into one TAB-separated text, so a TAB inside a text
// or a font name stays where it was put. Ordering still behaves as if the six fields were joined by
// TAB and compared by character code: texts decide first, and a text that is a prefix of another
// sorts before it because the separator is lower than any printable character.
#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

namespace picturelist {

struct ItemRecord {
    QString text;
    QString data = QStringLiteral("0");  // written as text, read by its numeric prefix
    int picture = 1;
    QString font;
    std::int32_t colour = 0;
    int drawnWidth = -1;  // twips; -1 until the row has been drawn
    // The text's advance in pixels in its font, measured when the row was first drawn; -1 when
    // the text or font has changed since, or a different list font was in use (widthGeneration).
    int textWidth = -1;
    int widthGeneration = 0;

    double dataValue() const;
    QString field(int index) const;  // the six fields in their textual form, 0..5
};

// Compares two records as their TAB-joined forms would compare: <0, 0 or >0.
int compareRecords(const ItemRecord& a, const ItemRecord& b);

class ItemStore {
  public:
    int count() const { return static_cast<int>(items_.size()); }
    bool isEmpty() const { return items_.isEmpty(); }
    bool contains(int position) const { return position >= 1 && position <= count(); }

    const ItemRecord& at(int position) const { return items_[position - 1]; }
    ItemRecord& at(int position) { return items_[position - 1]; }

    void insert(int position, ItemRecord record);  // before `position`; count()+1 appends
    void append(ItemRecord record) { items_.append(std::move(record)); }
    void remove(int position);
    void clear();

    // Quicksort with a random pivot; `uniform` gives numbers in [0, 1).
    void sort(bool ascending, const std::function<double()>& uniform);

  private:
    void quicksort(int min, int max, bool ascending, const std::function<double()>& uniform);

    QList<ItemRecord> items_;  // prepending is cheap in QList, which keeps room at the front
};

}  // namespace picturelist
