// The game program: builds the game with the real services and shows the table.
#include <QApplication>
#include <QMessageBox>

#include <cstdio>

#include "GameApp.h"
#include "SoundPlayer.h"

using namespace tolvanis;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvanis"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    SoundPlayer::QuietenMultimediaLog();

    GameApp::Settings settings;
    settings.SettingsFile = SettingsStore::DefaultPath();
    GameApp game(settings);
    if (const auto error = game.Start()) {
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
