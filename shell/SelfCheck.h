// The game's self-check, run by --check-data against a started game: it tells where each data
// file the build ships was found, then opens help and plays a sound through the same paths the
// menu uses. An install is tested with it from an unrelated folder.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace tolvanis {

class GameApp;

// Every data file the build installs.
QStringList ShippedDataFiles();

// One line per file and per check on `out`; the exit status: 0 when every file in `files` was
// found, the game started (`startError` empty), help opened and the sound had its file.
int RunSelfCheck(GameApp& game, const std::optional<QString>& startError, const QStringList& files,
                 QTextStream& out);

}  // namespace tolvanis
