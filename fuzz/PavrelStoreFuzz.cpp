// Pavrel's property store from outside data: any keys with values of any type. Reading a store,
// saving it and reading the saved store again must give the same values, and every value read
// must be one the setters would accept.
//
// Input: records of [key byte][type byte][value bytes]; the key byte picks one of the store's
// keys (or an unknown one), the type byte how the value bytes are read.
#include <QFont>
#include <QPixmap>
#include <QVariantMap>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "FuzzSupport.h"
#include "Pavrel.h"

namespace {

const char* const Keys[] = {"ForeColor", "Enabled",    "Font",        "Caption",      "BorderWidth",
                            "BorderTop", "BorderLeft", "BorderRight", "BorderBottom", "ToolTipText",
                            "MaskColor", "BackColor",  "Picture",     "BorderStyle",  "DrawStyle",
                            "FontSize",  "FontBold",   "PicBack",     "Unknown"};

class Reader {
  public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return at_ >= size_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    template <typename T>
    T Raw() {
        T value{};
        unsigned char bytes[sizeof(T)] = {};
        for (auto& b : bytes)
            b = Byte();
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }
    QString Text() {
        const int length = Byte() % 24;
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(char16_t(Raw<std::uint16_t>()));
        return text;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

QVariant Value(Reader& in) {
    switch (in.Byte() % 10) {
        case 0:
            return in.Raw<qint32>();
        case 1:
            return in.Raw<quint32>();
        case 2:
            return in.Raw<qint64>();
        case 3:
            return in.Raw<double>();
        case 4:
            return in.Raw<float>();
        case 5:
            return bool(in.Byte() & 1);
        case 6:
            return in.Text();
        case 7: {
            QFont font(QStringLiteral("Liberation Sans"));
            const double points = in.Raw<float>();
            if (std::isfinite(points) && points > 0 && points < 500) font.setPointSizeF(points);
            font.setBold(in.Byte() & 1);
            return font;
        }
        case 8: {
            QPixmap picture(1 + in.Byte() % 8, 1 + in.Byte() % 8);
            picture.fill(QColor::fromRgb(in.Raw<quint32>()));
            return picture;
        }
        default:
            return QVariant();
    }
}

// Everything a store round trip must keep, as comparable values.
struct Looks {
    QVariantMap saved;
    QImage picture;
};

Looks Save(const Pavrel& control) {
    Looks looks{control.Save(), {}};
    looks.picture = looks.saved.take(QStringLiteral("Picture")).value<QPixmap>().toImage();
    return looks;
}

void CheckRanges(const Pavrel& c) {
    FUZZ_CHECK(c.BorderWidth() >= 1 && c.BorderWidth() <= 8192);
    FUZZ_CHECK(c.DrawStyle() >= 0 && c.DrawStyle() <= 6);
    FUZZ_CHECK(c.FontSize() > 0.0f && c.FontSize() <= 2160.0f);
    FUZZ_CHECK(c.BorderStyle() == 0 || c.BorderStyle() == 1);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::StartQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 2000) return 0;
    Reader in(data, size);
    QVariantMap store;
    while (!in.AtEnd()) {
        const char* key = Keys[in.Byte() % (sizeof(Keys) / sizeof(Keys[0]))];
        store.insert(QString::fromLatin1(key), Value(in));
    }

    Pavrel first;
    first.Load(store);
    CheckRanges(first);
    const Looks once = Save(first);

    Pavrel second;
    QVariantMap again = once.saved;
    if (!once.picture.isNull())
        again.insert(QStringLiteral("Picture"), QPixmap::fromImage(once.picture));
    second.Load(again);
    CheckRanges(second);
    const Looks twice = Save(second);
    FUZZ_CHECK(twice.saved == once.saved);
    FUZZ_CHECK(twice.picture == once.picture);
    FUZZ_CHECK(second.FontSize() == first.FontSize());
    FUZZ_CHECK(second.Caption() == first.Caption());
    return 0;
}
