// Access keys of the menus: which letter of a caption is underlined so that Alt+letter opens a
// menu and the letter alone picks an item of an open menu. The rule is plain text work (Qt Core
// only): a caption keeps every character it had, gains one '&', and no two entries of one menu
// share a letter.
#pragma once

#include <QChar>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tolvanis {

// The access key of a caption, upper-cased ("E&xit " -> 'X'); a null QChar when it has none.
QChar MnemonicOf(const QString& caption);

// The caption as it reads on screen: the '&' markers gone, "&&" back to one '&'.
QString WithoutMnemonic(const QString& caption);

// Gives `caption` an access key not in `taken` and adds it there. `preferred` is tried first,
// then the first letter of each word, then any letter or digit. A caption that already has one
// keeps it. When every letter is taken the caption is returned unchanged.
QString PlaceMnemonic(const QString& caption, QSet<QChar>& taken, QChar preferred = QChar());

// Access keys for the entries of one menu, in order; `preferred` lines up with `captions`
// (missing or null entries choose freely). Entries that already carry a key are served first,
// so that a later entry never takes their letter.
QStringList PlaceMnemonics(const QStringList& captions, const QList<QChar>& preferred = {});

}  // namespace tolvanis
