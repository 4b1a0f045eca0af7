// The card-strip loader fed any bytes as the first strip, beside four small good strips. A load
// that succeeds gives every picture id exactly one cell of the common size; a refused one leaves
// the set empty, nothing half loaded.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>

#include "FuzzSupport.h"
#include "PictureSet.h"

using tolvanis::PictureSet;

namespace {

// The good strips are 13 cells of 4 x 6 pixels; the seeds hold first strips of that size.
constexpr int CellW = 4, CellH = 6;

QTemporaryDir* folder = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::StartQt();
    folder = new QTemporaryDir;
    const auto& files = PictureSet::StripFiles();
    for (std::size_t n = 1; n < files.size(); ++n) {
        QImage strip(13 * CellW, CellH, QImage::Format_RGB32);
        strip.fill(qRgb(40 * int(n), 200, 100));
        FUZZ_CHECK(strip.save(folder->filePath(QString::fromLatin1(files[n])), "BMP"));
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile first(folder->filePath(QString::fromLatin1(PictureSet::StripFiles()[0])));
        FUZZ_CHECK(first.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(first.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }
    PictureSet set;
    const std::optional<QString> refusal = set.Load({folder->path()});
    for (int id = 0; id < PictureSet::Slots; ++id) {
        int strip = 0, cell = 0;
        const QPixmap& picture = set.Picture(id);
        if (refusal || !PictureSet::CellOf(id, strip, cell)) {
            FUZZ_CHECK(picture.isNull());
        } else {
            FUZZ_CHECK(picture.size() == QSize(CellW, CellH));
        }
    }
    FUZZ_CHECK(set.IsLoaded() == !refusal);
    if (refusal) FUZZ_CHECK(!refusal->isEmpty());
    return 0;
}
