// The host's property store for one picture list: a QVariantMap read and written under fixed keys,
// each with the default that a missing key loads as and that saving compares against (a value
// equal to its default is left out). The bag also notes the keys in the order they were touched,
// which is what a host needs to replay or inspect a load or a save.
#pragma once

#include <QStringList>
#include <QVariant>
#include <QVariantMap>

namespace picturelist {

class PropertyBag {
  public:
    PropertyBag() = default;
    explicit PropertyBag(QVariantMap values) : values_(std::move(values)) {}

    QVariant ReadProperty(const QString& key, const QVariant& defaultValue);
    void WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue);

    const QVariantMap& values() const { return values_; }
    const QStringList& accessLog() const { return accessLog_; }

  private:
    QVariantMap values_;
    QStringList accessLog_;
};

bool sameValue(const QVariant& a, const QVariant& b);

namespace keys {
inline const QString Enabled = QStringLiteral("Enabled");
inline const QString PictureList = QStringLiteral("PictureList");
inline const QString ListCount = QStringLiteral("ListCount");
inline const QString Fontname = QStringLiteral("Fontname");
inline const QString FontSize = QStringLiteral("FontSize");
inline const QString ForeColor = QStringLiteral("ForeColor");
inline const QString GridLines = QStringLiteral("GridLines");
inline const QString BorderStyle = QStringLiteral("BorderStyle");
inline const QString DropDownHeight = QStringLiteral("DropDownHeight");
inline const QString Mode = QStringLiteral("Mode");
inline const QString RowHeight = QStringLiteral("RowHeight");
inline const QString List = QStringLiteral("List");
inline const QString Text = QStringLiteral("Text");
inline const QString ListIndex = QStringLiteral("ListIndex");
inline const QString DrawStyle = QStringLiteral("DrawStyle");
inline const QString BackColor = QStringLiteral("BackColor");
inline const QString GridColor = QStringLiteral("GridColor");
inline const QString ToolTip = QStringLiteral("ToolTip");
inline const QString TopIndex = QStringLiteral("TopIndex");
}  // namespace keys

// The default of a key (an invalid QVariant for an unknown key).
QVariant propertyDefault(const QString& key);

// The keys in the order a load reads them and a save writes them ("PictureList" is written twice:
// first the control's own picture, then the image list, which is what the key ends up holding).
const QStringList& loadOrder();
const QStringList& saveOrder();

}  // namespace picturelist
