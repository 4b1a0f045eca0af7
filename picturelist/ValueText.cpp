#include "ValueText.h"

#include <cmath>

namespace picturelist {

namespace {
bool skippable(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}
}  // namespace

double numericPrefix(QStringView s) {
    // Collect the characters that matter, dropping the blanks the reader ignores.
    QString digits;
    qsizetype i = 0;
    const qsizetype n = s.size();
    auto next = [&]() -> QChar {
        while (i < n && skippable(s[i]))
            ++i;
        return i < n ? s[i] : QChar();
    };
    QChar c = next();
    if (c == u'&') {
        ++i;
        QChar h = next();
        if (h != u'H' && h != u'h') return 0;
        ++i;
        long long value = 0;
        bool any = false;
        for (QChar d = next(); i < n; d = next()) {
            const int digit = QStringView(&d, 1).toInt(nullptr, 16);
            const bool isHex =
                (d >= u'0' && d <= u'9') || (d >= u'a' && d <= u'f') || (d >= u'A' && d <= u'F');
            if (!isHex) break;
            value = value * 16 + digit;
            any = true;
            ++i;
            if (value > 0xFFFFFFFFLL) break;
        }
        if (!any) return 0;
        // Hexadecimal literals of up to 16 bits are signed 16-bit, wider ones signed 32-bit.
        if (value <= 0xFFFF) return static_cast<double>(static_cast<qint16>(value));
        return static_cast<double>(static_cast<qint32>(static_cast<quint32>(value)));
    }
    if (c == u'+' || c == u'-') {
        digits += c;
        ++i;
    }
    bool sawDigit = false, sawPoint = false;
    for (c = next(); i < n; c = next()) {
        if (c.isDigit() && c.unicode() < 128) {
            sawDigit = true;
        } else if (c == u'.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
        digits += c;
        ++i;
    }
    if (!sawDigit) return 0;
    if (c == u'e' || c == u'E' || c == u'd' || c == u'D') {
        const qsizetype save = i;
        QString exponent = QStringLiteral("e");
        ++i;
        QChar e = next();
        if (e == u'+' || e == u'-') {
            exponent += e;
            ++i;
        }
        bool expDigit = false;
        for (e = next(); i < n && e.isDigit() && e.unicode() < 128; e = next()) {
            exponent += e;
            expDigit = true;
            ++i;
        }
        if (expDigit) {
            digits += exponent;
        } else {
            i = save;
        }
    }
    return digits.toDouble();
}

long long roundHalfEven(double x) {
    return static_cast<long long>(std::nearbyint(x));
}

QString valueText(const QVariant& v) {
    if (!v.isValid() || v.isNull()) return QString();
    switch (v.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
            return QString::number(v.toDouble(), 'g', 15);
        case QMetaType::Bool:
            return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        default:
            return v.toString();
    }
}

}  // namespace picturelist
