// The game program: builds the game with the real services and shows the table.
#include <QApplication>
#include <QMessageBox>
#include <QTextStream>

#include <cstdio>

#include "CommandLine.h"
#include "GameApp.h"
#include "SelfCheck.h"
#include "SettingsStore.h"
#include "SoundPlayer.h"
#include "StatisticsFile.h"

using namespace tolvanis;

int main(int argc, char** argv) {
    SetApplicationIdentity();
    if (AsksForTextOnly(argc, argv)) {
        // Answered and ended inside the parser, without a display.
        const QCoreApplication app(argc, argv);
        ParseCommandLine(app);
        return 0;
    }

    QApplication app(argc, argv);
    const CommandLine line = ParseCommandLine(app);
    SoundPlayer::QuietenMultimediaLog();

    GameApp::Settings settings;
    // A self-check reads no settings: it answers for the installed files alone.
    if (!line.CheckData) {
        settings.SettingsFile = SettingsStore::DefaultPath();
        settings.StatisticsFile = StatisticsFile::DefaultPath();
    }
    GameApp game(settings);
    const auto error = game.Start();
    if (line.CheckData) {
        QTextStream out(stdout);
        return RunSelfCheck(game, error, ShippedDataFiles(), out);
    }
    if (error) {
        // Said on the terminal as well: started from a script or without a desktop, nobody would
        // see the box, and a modal box there would never be closed.
        std::fprintf(stderr, "tolvanis: %s\n", qPrintable(*error));
        const QString platform = QGuiApplication::platformName();
        if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
            QMessageBox::critical(nullptr, QStringLiteral("Tolvanis"), *error);
        return 2;
    }
    game.Show();
    return QApplication::exec();
}
