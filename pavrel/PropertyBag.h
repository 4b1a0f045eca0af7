// The host's property store as the control sees it: a QVariantMap under fixed keys, read with a
// default for a missing key and written leaving out values equal to their default. The bag also
// keeps the order in which keys were read and written, since hosts that stream the store (and
// the tests) depend on that order, which a QVariantMap by itself cannot show.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include "pavrel_export.h"

namespace pavrel {

class PAVREL_EXPORT PropertyBag {
  public:
    PropertyBag() = default;
    explicit PropertyBag(QVariantMap values) : values_(std::move(values)) {}

    // The stored value, or `defaultValue` when the key is missing.
    QVariant ReadProperty(const QString& key, const QVariant& defaultValue);

    // Stores `value`; when `defaultValue` is given and equal, the key is removed instead, so a
    // reader gets the same value back through its default.
    void WriteProperty(const QString& key, const QVariant& value,
                       const QVariant& defaultValue = QVariant());

    const QVariantMap& values() const { return values_; }
    const QStringList& readOrder() const { return readOrder_; }
    const QStringList& writeOrder() const { return writeOrder_; }

  private:
    QVariantMap values_;
    QStringList readOrder_;
    QStringList writeOrder_;
};

}  // namespace pavrel
