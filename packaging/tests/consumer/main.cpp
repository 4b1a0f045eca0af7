// Places one box and reads its caption back through the library's typed interface.
#include <Pavrel.h>

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Pavrel box;
    box.SetCaption(QStringLiteral("installed"));
    std::printf("%s\n", qPrintable(box.Caption()));
    return box.Caption() == QLatin1String("installed") ? 0 : 1;
}
