// What every fuzz target shares: a Qt application on the offscreen platform, made once, whose
// warnings are dropped (a refused input is expected to warn, and thousands of warnings a second
// would only slow the run), and a check that stops the run with the failed condition.
#pragma once

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

inline void StartQt() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
            std::abort();
        }
    });
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's input devices must not be torn down by the exit handlers after
    // parts of Qt they need are already gone.
    static QApplication* app = new QApplication(argc, argv);
    Q_UNUSED(app);
}

}  // namespace fuzzing

#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)
