#include "Mnemonics.h"

namespace tolvanis {

namespace {

bool Usable(QChar c) {
    return c.isLetterOrNumber();
}

// Position of the marked character, -1 when none ("&&" is a literal '&').
qsizetype MarkedAt(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return i + 1;
    }
    return -1;
}

}  // namespace

QChar MnemonicOf(const QString& caption) {
    const qsizetype at = MarkedAt(caption);
    return at < 0 ? QChar() : caption[at].toUpper();
}

QString WithoutMnemonic(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        plain.append(caption[i]);
    }
    return plain;
}

QString PlaceMnemonic(const QString& caption, QSet<QChar>& taken, QChar preferred) {
    if (const QChar own = MnemonicOf(caption); !own.isNull()) {
        taken.insert(own);
        return caption;
    }
    const QString& text = caption;

    QList<qsizetype> order;
    auto wordStart = [&text](qsizetype i) { return i == 0 || !text[i - 1].isLetterOrNumber(); };
    if (!preferred.isNull()) {
        const QChar want = preferred.toUpper();
        qsizetype any = -1;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].toUpper() != want) continue;
            if (wordStart(i)) {
                any = i;
                break;
            }
            if (any < 0) any = i;
        }
        if (any >= 0) order.append(any);
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (wordStart(i)) order.append(i);
    }
    for (qsizetype i = 0; i < text.size(); ++i)
        order.append(i);

    for (const qsizetype i : order) {
        const QChar c = text[i];
        if (!Usable(c) || taken.contains(c.toUpper())) continue;
        taken.insert(c.toUpper());
        return text.left(i) + QLatin1Char('&') + text.mid(i);
    }
    return caption;
}

QStringList PlaceMnemonics(const QStringList& captions, const QList<QChar>& preferred) {
    QSet<QChar> taken;
    for (const QString& caption : captions) {
        if (const QChar own = MnemonicOf(caption); !own.isNull()) taken.insert(own);
    }
    QStringList placed;
    placed.reserve(captions.size());
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const QChar want = i < preferred.size() ? preferred[i] : QChar();
        placed.append(PlaceMnemonic(captions[i], taken, want));
    }
    return placed;
}

}  // namespace tolvanis
