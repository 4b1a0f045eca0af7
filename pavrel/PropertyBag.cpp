#include "PropertyBag.h"

namespace pavrel {

QVariant PropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) {
    readOrder_.append(key);
    auto it = values_.constFind(key);
    return it == values_.constEnd() ? defaultValue : it.value();
}

void PropertyBag::WriteProperty(const QString& key, const QVariant& value,
                                const QVariant& defaultValue) {
    writeOrder_.append(key);
    // "None" (an invalid value) equals a default of none; Qt does not compare those as equal.
    const bool bothNone = !value.isValid() && !defaultValue.isValid();
    if (bothNone || (defaultValue.isValid() && value == defaultValue))
        values_.remove(key);
    else
        values_.insert(key, value);
}

}  // namespace pavrel
