#include "ImageList.h"

#include <QMetaObject>
#include <QPainter>

#include "PictureListError.h"

namespace picturelist {

QImage ImageList::picture(int n) const {
    if (n < 1 || n > count()) return {};
    return pictures_[n - 1];
}

const QImage& defaultPicture() {
    static const QImage picture = [] {
        // 24 x 24 so that the picture area of a row of ordinary height lies within it.
        QImage img(24, 24, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 128));
        p.drawRect(3, 3, 9, 7);  // a small card face in dark blue
        p.setBrush(Qt::white);
        p.drawRect(5, 5, 5, 3);
        return img;
    }();
    return picture;
}

QImage pictureFromList(const QObject* list, int n) {
    if (!list) return defaultPicture();
    QImage picture;
    if (const auto* images = qobject_cast<const ImageList*>(list)) {
        picture = images->picture(n);
    } else if (!QMetaObject::invokeMethod(const_cast<QObject*>(list), "picture",
                                          Qt::DirectConnection, Q_RETURN_ARG(QImage, picture),
                                          Q_ARG(int, n))) {
        throw PictureListError(438,
                               QStringLiteral("Object doesn't support this property or method"));
    }
    if (picture.isNull()) {
        throw PictureListError(ErrIndexOutOfBounds, QStringLiteral("Index out of bounds"));
    }
    return picture;
}

}  // namespace picturelist
