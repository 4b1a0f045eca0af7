// The card pictures of the table: the five strips read from disk, cut into 13 equal cells each
// and filed under the picture ids the board uses (the card number a picture was cut for: 1..108
// the playing cards, 110..116 the backs, 120..123 the colour markers). The set is loaded once at
// start-up, the five strips read side by side, and shared read-only by every view of the table.
//
// Beside each strip there may be the same strip drawn at two and three times the resolution
// ("Red3@2x.bmp", "Red3@3x.bmp"). The layout always takes its sizes from the 1x strips; the
// denser ones only sharpen the painting and are read the first time a scale asks for them, so
// start-up on an ordinary screen never pays for them.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
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

    // The resolutions drawn beside the 1x strips, densest last.
    static constexpr std::array<int, 3> Densities{1, 2, 3};
    // The density of the strips a picture painted at `devicePixelsPerPixel` device pixels per
    // 1x pixel is taken from: the least that has enough pixels, else the densest there is.
    int DensityFor(double devicePixelsPerPixel) const;
    // The picture at that density (1x when no denser strips are there).
    const QPixmap& SharpestFor(int id, double devicePixelsPerPixel) const;
    // The picture cut from the strips of `density` (1, 2 or 3); a null pixmap when those
    // strips are missing or do not match the 1x ones.
    const QPixmap& PictureAt(int id, int density) const;

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
    using Pictures = std::array<QPixmap, Slots>;
    struct StripRead;
    static StripRead ReadStrip(const QString& name, const QStringList& searchDirs);
    // The 13 cells of a strip, corners keyed out; safe on any thread.
    static std::array<QImage, CellsPerStrip> CutStrip(const QImage& strip, int density);
    // Files the cells of the five strips under the picture ids.
    static Pictures FileAll(const std::array<std::array<QImage, CellsPerStrip>, 5>& cells);
    // Reads the strips of a denser resolution once; false when any is missing or wrong.
    bool LoadDense(int density) const;

    Pictures pictures_{};
    std::array<QString, 5> paths_{};
    // The denser sets, read on demand: not tried yet, read, or not there.
    enum class DenseState : std::uint8_t { Untried, Loaded, Missing };
    mutable std::array<DenseState, Densities.size()> denseState_{};
    mutable std::array<Pictures, Densities.size()> dense_{};
    int cellWidth_ = 0;
    int cellHeight_ = 0;
};

}  // namespace tolvanis
