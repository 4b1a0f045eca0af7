// The card pictures of the table: the five strips read from disk, cut into 13 equal cells each
// and filed under the picture ids the board uses (the card number a picture was cut for: 1..108
// the playing cards, 110..116 the backs, 120..123 the colour markers). The set is loaded once at
// start-up and shared read-only by every view of the table.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tolvanis {

class PictureSet {
  public:
    static constexpr int Slots = 126;
    static constexpr int CellsPerStrip = 13;

    // The strip files in the order of their strip number.
    static const std::array<const char*, 5>& StripFiles();

    // Reads the strips from the first folder of `searchDirs` that holds each file. Returns an
    // error text naming the file and the folders searched when a strip is missing, unreadable
    // or not 13 equal cells; the set is left empty then.
    std::optional<QString> Load(const QStringList& searchDirs);

    bool IsLoaded() const { return cellWidth_ > 0; }

    // The picture with the given id; a null pixmap for an id that has none.
    const QPixmap& Picture(int id) const;
    QImage PictureImage(int id) const;

    int CellWidthPx() const { return cellWidth_; }
    int CellHeightPx() const { return cellHeight_; }
    // The card size on the table: the cell size at 96 pixels to the inch.
    double CardWidthMm() const { return cellWidth_ * 25.4 / 96.0; }
    double CardHeightMm() const { return cellHeight_ * 25.4 / 96.0; }

    // Where the game looks for its pictures: the current folder, the installed data folder
    // found from the executable's own place (bin/../share/tolvanis), then beside the executable.
    static QStringList DefaultSearchDirs();

    // The strip and cell a picture id is cut from; false for ids without a picture.
    static bool CellOf(int id, int& strip, int& cell);

  private:
    std::array<QPixmap, Slots> pictures_{};
    int cellWidth_ = 0;
    int cellHeight_ = 0;
};

}  // namespace tolvanis
