#include "BitmapLength.h"

#include <QFile>
#include <QtEndian>

#include <cstdlib>

namespace tolvanis {

bool BitmapCutShort(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(34);
    if (head.size() < 18 || !head.startsWith("BM")) return false;
    auto le32 = [&head](int at) -> qint64 {
        return qFromLittleEndian<qint32>(reinterpret_cast<const uchar*>(head.constData()) + at);
    };
    auto le16 = [&head](int at) -> qint64 {
        return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(head.constData()) + at);
    };
    const qint64 headerSize = le32(14);
    qint64 width = 0, height = 0, bits = 0, compression = 0;
    if (headerSize == 12 && head.size() >= 26) {
        // The old OS/2 form: 16-bit sizes, never compressed.
        width = le16(18), height = le16(20), bits = le16(24);
    } else if (headerSize >= 40 && head.size() >= 34) {
        width = le32(18), height = std::abs(le32(22)), bits = le16(28), compression = le32(30);
    } else {
        return false;
    }
    // Run-length encoded bitmaps have no fixed size; their reader notices missing data itself.
    if (compression != 0 && compression != 3) return false;
    if (width <= 0 || bits <= 0) return false;
    // At most 2^31 * 2^16 bits a row, so the stride fits; rows times stride may not, so the
    // room after the pixel offset is divided instead.
    const qint64 stride = (width * bits + 31) / 32 * 4;
    const qint64 room = file.size() - le32(10);
    if (room < 0) return true;
    return height > room / stride;
}

}  // namespace tolvanis
