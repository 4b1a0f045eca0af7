#include "SelfCheck.h"

#include <QDir>

#include "DataFiles.h"
#include "GameApp.h"
#include "HelpViewer.h"
#include "TolvanisDataFiles.h"

namespace tolvanis {

QStringList ShippedDataFiles() {
    QStringList names;
    for (const char* name : DataFileNames)
        names << QString::fromUtf8(name);
    return names;
}

int RunSelfCheck(GameApp& game, const std::optional<QString>& startError, const QStringList& files,
                 QTextStream& out) {
    bool ok = true;
    for (const QString& name : files) {
        const QString path = FindDataFile(name);
        if (path.isEmpty()) {
            out << "missing " << name << '\n';
            ok = false;
        } else {
            out << "found " << QDir::toNativeSeparators(path) << '\n';
        }
    }
    if (startError) {
        out << "start failed: " << *startError << '\n';
        out.flush();
        return 1;
    }

    QStringList played;
    auto observer = game.Sounds().Observer;
    game.Sounds().Observer = [&played](const QString& name) { played << name; };
    game.OpenHelp();
    game.Sounds().Observer = observer;

    HelpViewer* help = game.Help();
    if (help->isVisible() && !help->toPlainText().isEmpty()) {
        out << "help opened " << QDir::toNativeSeparators(help->source().toLocalFile()) << '\n';
    } else {
        out << "help did not open\n";
        ok = false;
    }
    help->close();

    if (played.isEmpty()) {
        out << "no sound played\n";
        ok = false;
    }
    for (const QString& name : played) {
        const bool found = game.Sounds().Has(name);
        out << "sound " << name << (found ? " played" : " has no file") << '\n';
        ok = ok && found;
    }
    out.flush();
    return ok ? 0 : 1;
}

}  // namespace tolvanis
