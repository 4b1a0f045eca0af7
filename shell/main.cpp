// The game program: builds the game with the real services and shows the table.
#include <QApplication>
#include <QMessageBox>

#include "GameApp.h"
#include "SoundPlayer.h"

using namespace tolvanis;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvanis"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    SoundPlayer::QuietenMultimediaLog();

    GameApp game;
    if (const auto error = game.Start()) {
        QMessageBox::critical(nullptr, QStringLiteral("Tolvanis"), *error);
        return 2;
    }
    game.Show();
    return QApplication::exec();
}
