// Numbers as the item records and the property store carry them: fields are written as decimal
// text and read back by their numeric prefix, and fractional values round half to even.
#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>

namespace picturelist {

// The longest number at the start of s; blanks, tabs and line feeds are skipped wherever they
// stand, "&H" starts a hexadecimal number, no number gives 0.
double numericPrefix(QStringView s);

// Rounds to the nearest integer, ties to the even one (2.5 -> 2, 3.5 -> 4).
long long roundHalfEven(double x);

// The decimal text a tagged value is written as: numbers without a leading blank, texts as they
// are, an empty value as "".
QString valueText(const QVariant& v);

}  // namespace picturelist
