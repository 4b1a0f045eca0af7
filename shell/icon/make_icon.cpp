// Writes the program icon for the desktop into a hicolor icon theme folder: the scalable SVG and
// a PNG at each fixed size the desktop asks for.
// Usage: tolvanis_make_icon <hicolor folder> <icon name>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

#include "ProgramIcon.h"

using namespace tolvanis;

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <hicolor folder> <icon name>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);

    const QString svgDir = root.filePath(QStringLiteral("scalable/apps"));
    QFile svg(QDir(svgDir).filePath(name + QStringLiteral(".svg")));
    if (!QDir().mkpath(svgDir) || !svg.open(QIODevice::WriteOnly) ||
        svg.write(ProgramIconSvg()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = root.filePath(QStringLiteral("%1x%1/apps").arg(size));
        const QString file = QDir(dir).filePath(name + QStringLiteral(".png"));
        if (!QDir().mkpath(dir) || !DrawProgramIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
