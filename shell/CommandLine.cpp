#include "CommandLine.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QStringList>

#include "TolvanisVersion.h"

namespace tolvanis {

namespace {

const QString CheckDataOption = QStringLiteral("check-data");

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "A card game for two to four seats, people and computer players around one table."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        CheckDataOption,
        QStringLiteral("List the pictures, sounds and help the game finds, open help and play a "
                       "sound without showing the table, then exit: status 0 when nothing is "
                       "missing.")));
}

}  // namespace

void SetApplicationIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("Tolvanis"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVANIS_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TOLVANIS_APP_ID));
}

bool AsksForTextOnly(int argc, const char* const* argv) {
    static const QStringList textOnly{QStringLiteral("-h"), QStringLiteral("--help"),
                                      QStringLiteral("-?"), QStringLiteral("--help-all"),
                                      QStringLiteral("-v"), QStringLiteral("--version")};
    for (int i = 1; i < argc; ++i) {
        if (textOnly.contains(QString::fromLocal8Bit(argv[i]))) return true;
    }
    return false;
}

CommandLine ParseCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    Describe(parser);
    parser.process(app);
    CommandLine line;
    line.CheckData = parser.isSet(CheckDataOption);
    return line;
}

}  // namespace tolvanis
