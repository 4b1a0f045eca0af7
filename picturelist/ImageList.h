// The host's image list as the picture list sees it: a numbered set of pictures, entry 1 first.
// The control asks for nothing else. A host either fills an ImageList or hands over any object
// with an invokable `QImage picture(int)`, which is then looked up by name.
#pragma once

#include <QImage>
#include <QList>
#include <QObject>

namespace picturelist {

class ImageList : public QObject {
    Q_OBJECT
  public:
    explicit ImageList(QObject* parent = nullptr) : QObject(parent) {}

    // The picture of entry n (1-based); a null image when the list has no such entry.
    Q_INVOKABLE virtual QImage picture(int n) const;
    Q_INVOKABLE int count() const { return static_cast<int>(pictures_.size()); }

    void add(const QImage& picture) { pictures_.append(picture); }
    void clear() { pictures_.clear(); }

  private:
    QList<QImage> pictures_;
};

// The picture used when the host gives no image list: a small marker on white, so that drawing
// it with the AND operation leaves the row's background untouched around it.
const QImage& defaultPicture();

// Fetches entry n of `list` (an ImageList or any object with an invokable picture(int)); with no
// list, the default picture. Throws PictureListError when the list does not hold the entry.
QImage pictureFromList(const QObject* list, int n);

}  // namespace picturelist
