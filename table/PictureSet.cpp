#include "PictureSet.h"

#include "BitmapLength.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>
#include <future>

namespace tolvanis {

namespace {

constexpr int WildStrip = 4;

// The strips show the table's felt outside the cards' rounded corners, and only there. Keyed
// out, the corners of a card in a fanned hand let the card below show through.
const QRgb Felt = qRgb(0, 100, 50);
constexpr int CornerSize = 10;

QImage Cut(const QImage& strip, int cell, int w, int h, int density) {
    QImage image = strip.copy(cell * w, 0, w, h).convertToFormat(QImage::Format_ARGB32);
    const int cw = std::min(CornerSize * density, w), ch = std::min(CornerSize * density, h);
    for (int y : {0, h - ch}) {
        for (int x : {0, w - cw}) {
            for (int dy = 0; dy < ch; ++dy) {
                QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y + dy));
                for (int dx = 0; dx < cw; ++dx) {
                    if ((line[x + dx] | 0xFF000000u) == Felt) line[x + dx] = 0;
                }
            }
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// "Red3.bmp" at density 2 is "Red3@2x.bmp" in the same folder.
QString DensePath(const QString& path, int density) {
    const QFileInfo info(path);
    return info.dir().filePath(
        QStringLiteral("%1@%2x.%3").arg(info.completeBaseName()).arg(density).arg(info.suffix()));
}

// The folders searched, each once: the current folder and the program's folder are often the same.
QStringList Distinct(const QStringList& dirs) {
    QStringList shown;
    for (const QString& dir : dirs) {
        const QString native = QDir::toNativeSeparators(QDir(dir).absolutePath());
        if (!shown.contains(native)) shown << native;
    }
    return shown;
}

// Why a strip file cannot serve, or nothing when it can be handed to the image reader.
std::optional<QString> FileProblem(const QString& name, const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("The card picture file \"%1\" cannot be opened (%2).\nFile: %3")
            .arg(name, file.errorString(), shown);
    }
    if (file.size() == 0)
        return QStringLiteral("The card picture file \"%1\" is empty.\nFile: %2").arg(name, shown);
    return std::nullopt;
}

}  // namespace

const std::array<const char*, 5>& PictureSet::StripFiles() {
    static const std::array<const char*, 5> files{"Red3.bmp", "Green3.bmp", "Blue3.bmp",
                                                  "Yellow3.bmp", "Backs4.bmp"};
    return files;
}

bool PictureSet::CellOf(int id, int& strip, int& cell) {
    if (id >= 1 && id <= 4) {
        strip = id - 1, cell = 9;
    } else if (id >= 5 && id <= 76) {
        // Each number of a colour twice in a row, 1 to 9.
        strip = (id - 5) / 18, cell = (id - 5) % 18 / 2;
    } else if (id >= 77 && id <= 84) {
        strip = (id - 77) % 4, cell = 10;
    } else if (id >= 85 && id <= 88) {
        strip = WildStrip, cell = 0;
    } else if (id >= 89 && id <= 96) {
        strip = (id - 89) % 4, cell = 11;
    } else if (id >= 97 && id <= 104) {
        strip = (id - 97) % 4, cell = 12;
    } else if (id >= 105 && id <= 108) {
        strip = WildStrip, cell = 12;
    } else if (id >= 110 && id <= 116) {
        strip = WildStrip, cell = id - 109;
    } else if (id >= 120 && id <= 123) {
        // The markers RED, GREEN, BLUE, YELLOW lie in the strip as GREEN, YELLOW, BLUE, RED.
        static constexpr int markerCell[4] = {11, 8, 10, 9};
        strip = WildStrip, cell = markerCell[id - 120];
    } else {
        return false;
    }
    return true;
}

// One strip read from disk and cut into its cells, or why it cannot serve. Touches nothing
// shared, so the five strips are read on threads of their own.
struct PictureSet::StripRead {
    std::optional<QString> error;
    QString path;
    QSize size;
    std::array<QImage, CellsPerStrip> cells;
};

PictureSet::StripRead PictureSet::ReadStrip(const QString& name, const QStringList& searchDirs) {
    StripRead read;
    QString path, notAFile;
    for (const QString& dir : searchDirs) {
        const QFileInfo candidate(QDir(dir), name);
        if (candidate.isFile()) {
            path = candidate.absoluteFilePath();
            break;
        }
        if (candidate.exists() && notAFile.isEmpty()) notAFile = candidate.absoluteFilePath();
    }
    if (path.isEmpty() && !notAFile.isEmpty()) {
        read.error = QStringLiteral("The card picture \"%1\" is not a file.\nFound: %2")
                         .arg(name, QDir::toNativeSeparators(notAFile));
        return read;
    }
    if (path.isEmpty()) {
        read.error = QStringLiteral("The card picture file \"%1\" was not found.\nLooked in: %2")
                         .arg(name, Distinct(searchDirs).join(QStringLiteral(", ")));
        return read;
    }
    if ((read.error = FileProblem(name, path))) return read;
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        read.error = QStringLiteral("The card picture file \"%1\" is not a picture (%2).\nFile: %3")
                         .arg(name, reader.errorString(), QDir::toNativeSeparators(path));
        return read;
    }
    if (BitmapCutShort(path)) {
        read.error = QStringLiteral("The card picture file \"%1\" is cut short.\nFile: %2")
                         .arg(name, QDir::toNativeSeparators(path));
        return read;
    }
    if (image.width() % CellsPerStrip != 0 || image.width() == 0) {
        read.error = QStringLiteral(
                         "The card picture file \"%1\" is %2 pixels wide, which is not 13 equal "
                         "cards.\nFile: %3")
                         .arg(name)
                         .arg(image.width())
                         .arg(QDir::toNativeSeparators(path));
        return read;
    }
    read.path = path;
    read.size = image.size();
    read.cells = CutStrip(image, 1);
    return read;
}

std::array<QImage, PictureSet::CellsPerStrip> PictureSet::CutStrip(const QImage& strip,
                                                                   int density) {
    std::array<QImage, CellsPerStrip> cells;
    const int w = strip.width() / CellsPerStrip, h = strip.height();
    for (int cell = 0; cell < CellsPerStrip; ++cell)
        cells[static_cast<std::size_t>(cell)] = Cut(strip, cell, w, h, density);
    return cells;
}

std::optional<QString> PictureSet::Load(const QStringList& searchDirs) {
    *this = PictureSet{};
    // The first strip is read here, the others beside it; a refusal names the first strip in
    // order that fails, as a reading one after the other would.
    std::array<std::future<StripRead>, 5> others;
    for (std::size_t n = 1; n < others.size(); ++n)
        others[n] = std::async(std::launch::async, &PictureSet::ReadStrip,
                               QString::fromLatin1(StripFiles()[n]), searchDirs);
    std::array<StripRead, 5> reads;
    reads[0] = ReadStrip(QString::fromLatin1(StripFiles()[0]), searchDirs);
    for (std::size_t n = 1; n < others.size(); ++n)
        reads[n] = others[n].get();

    std::array<std::array<QImage, CellsPerStrip>, 5> cells;
    std::array<QString, 5> found;
    int cellW = 0, cellH = 0;
    for (std::size_t n = 0; n < reads.size(); ++n) {
        StripRead& read = reads[n];
        if (read.error) return read.error;
        const int w = read.size.width() / CellsPerStrip;
        if (n == 0) {
            cellW = w, cellH = read.size.height();
        } else if (w != cellW || read.size.height() != cellH) {
            return QStringLiteral(
                       "The card picture file \"%1\" has cards of %2 x %3 pixels, the other "
                       "strips %4 x %5.\nFile: %6")
                .arg(QString::fromLatin1(StripFiles()[n]))
                .arg(w)
                .arg(read.size.height())
                .arg(cellW)
                .arg(cellH)
                .arg(QDir::toNativeSeparators(read.path));
        }
        cells[n] = std::move(read.cells);
        found[n] = read.path;
    }

    pictures_ = FileAll(cells);
    paths_ = found;
    cellWidth_ = cellW;
    cellHeight_ = cellH;
    denseState_.fill(DenseState::Untried);
    denseState_[0] = DenseState::Loaded;
    return std::nullopt;
}

PictureSet::Pictures PictureSet::FileAll(
    const std::array<std::array<QImage, CellsPerStrip>, 5>& cells) {
    // Cards of the same cell share one pixmap; the board only ever asks by id.
    Pictures pictures{};
    std::array<std::array<QPixmap, CellsPerStrip>, 5> pixmaps;
    for (int id = 0; id < Slots; ++id) {
        int strip = 0, cell = 0;
        if (!CellOf(id, strip, cell)) continue;
        const auto s = static_cast<std::size_t>(strip), c = static_cast<std::size_t>(cell);
        QPixmap& pixmap = pixmaps[s][c];
        if (pixmap.isNull()) pixmap = QPixmap::fromImage(cells[s][c]);
        pictures[id] = pixmap;
    }
    return pictures;
}

bool PictureSet::LoadDense(int density) const {
    const std::size_t slot = static_cast<std::size_t>(density - 1);
    if (denseState_[slot] == DenseState::Untried) {
        denseState_[slot] = DenseState::Missing;
        std::array<std::array<QImage, CellsPerStrip>, 5> cells;
        for (std::size_t n = 0; n < cells.size(); ++n) {
            const QString path = DensePath(paths_[n], density);
            if (!QFileInfo(path).isFile() || BitmapCutShort(path)) return false;
            const QImage strip(path);
            // A denser strip that is not exactly the 1x strip enlarged would move the layout
            // under the pointer; the 1x pictures serve instead.
            if (strip.size() != QSize(cellWidth_ * CellsPerStrip * density, cellHeight_ * density))
                return false;
            cells[n] = CutStrip(strip, density);
        }
        dense_[slot] = FileAll(cells);
        denseState_[slot] = DenseState::Loaded;
    }
    return denseState_[slot] == DenseState::Loaded;
}

int PictureSet::DensityFor(double devicePixelsPerPixel) const {
    int best = 1;
    for (int density : Densities) {
        if (density > 1 && !LoadDense(density)) break;
        best = density;
        // A little slack: a scale of 2.0004 from rounding still takes the 2x strips.
        if (density >= devicePixelsPerPixel - 1e-3) break;
    }
    return best;
}

const QPixmap& PictureSet::SharpestFor(int id, double devicePixelsPerPixel) const {
    if (devicePixelsPerPixel <= 1.0 + 1e-3) return Picture(id);
    return PictureAt(id, DensityFor(devicePixelsPerPixel));
}

const QPixmap& PictureSet::PictureAt(int id, int density) const {
    static const QPixmap none;
    if (density == 1) return Picture(id);
    if (density < 1 || density > Densities.back() || id < 0 || id >= Slots) return none;
    if (!IsLoaded() || !LoadDense(density)) return none;
    return dense_[static_cast<std::size_t>(density - 1)][id];
}

const QPixmap& PictureSet::Picture(int id) const {
    static const QPixmap none;
    if (id < 0 || id >= Slots) return none;
    return pictures_[id];
}

QImage PictureSet::PictureImage(int id) const {
    return Picture(id).toImage();
}

QStringList PictureSet::DefaultSearchDirs() {
    QStringList dirs{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QDir bin(QCoreApplication::applicationDirPath());
        dirs << QDir::cleanPath(bin.filePath(QStringLiteral(TOLVANIS_DATA_FROM_BIN)));
        dirs << bin.path();
    }
    return dirs;
}

}  // namespace tolvanis
