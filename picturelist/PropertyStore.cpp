#include "PropertyStore.h"

#include <QHash>
#include <QObject>

#include "OleColour.h"

namespace picturelist {

bool sameValue(const QVariant& a, const QVariant& b) {
    const bool aEmpty = !a.isValid() || (a.canConvert<QObject*>() && !a.value<QObject*>());
    const bool bEmpty = !b.isValid() || (b.canConvert<QObject*>() && !b.value<QObject*>());
    if (aEmpty || bEmpty) return aEmpty == bEmpty;
    if (a.typeId() == QMetaType::QObjectStar || b.typeId() == QMetaType::QObjectStar) {
        return a.value<QObject*>() == b.value<QObject*>();
    }
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString) {
        return a.toString() == b.toString();
    }
    bool okA = false, okB = false;
    const double da = a.toDouble(&okA), db = b.toDouble(&okB);
    if (okA && okB) return da == db;
    return a == b;
}

QVariant PropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) {
    accessLog_.append(key);
    const auto it = values_.constFind(key);
    return it == values_.constEnd() ? defaultValue : it.value();
}

void PropertyBag::WriteProperty(const QString& key, const QVariant& value,
                                const QVariant& defaultValue) {
    accessLog_.append(key);
    if (sameValue(value, defaultValue)) {
        values_.remove(key);
    } else {
        values_.insert(key, value);
    }
}

QVariant propertyDefault(const QString& key) {
    static const QHash<QString, QVariant> defaults = {
        {keys::Enabled, false},    {keys::PictureList, QVariant::fromValue<QObject*>(nullptr)},
        {keys::ListCount, 0},      {keys::Fontname, QStringLiteral("0")},
        {keys::FontSize, 0.0},     {keys::ForeColor, SysWindowText},
        {keys::GridLines, false},  {keys::BorderStyle, 1},
        {keys::DropDownHeight, 0}, {keys::Mode, 0},
        {keys::RowHeight, 0},      {keys::List, 0},
        {keys::Text, 0},           {keys::ListIndex, 0},
        {keys::DrawStyle, 0},      {keys::BackColor, SysButtonFace},
        {keys::GridColor, 0},      {keys::ToolTip, false},
        {keys::TopIndex, 0},
    };
    return defaults.value(key);
}

const QStringList& loadOrder() {
    static const QStringList order = {
        keys::Enabled, keys::PictureList, keys::ListCount,      keys::GridLines, keys::BorderStyle,
        keys::Mode,    keys::ForeColor,   keys::DropDownHeight, keys::RowHeight, keys::List,
        keys::Text,    keys::ListIndex,   keys::DrawStyle,      keys::BackColor, keys::GridColor,
        keys::ToolTip, keys::TopIndex,
    };
    return order;
}

const QStringList& saveOrder() {
    static const QStringList order = {
        keys::Enabled,     keys::PictureList,    keys::PictureList, keys::ListCount,
        keys::Fontname,    keys::FontSize,       keys::ForeColor,   keys::GridLines,
        keys::BorderStyle, keys::DropDownHeight, keys::Mode,        keys::RowHeight,
        keys::DrawStyle,   keys::BackColor,      keys::GridColor,   keys::ToolTip,
        keys::TopIndex,
    };
    return order;
}

}  // namespace picturelist
