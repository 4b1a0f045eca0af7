#include "QtServices.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>

namespace tolvanis {

QtServices::QtServices() : rng_(QRandomGenerator::system()->generate64()) {
    steady_.start();
}

double QtServices::Rnd() {
    return static_cast<double>(rng_() >> 11) * 0x1.0p-53;
}

void QtServices::UseSeed(std::uint64_t seed) {
    rng_.seed(seed);
    seeded_ = true;
}

void QtServices::Randomize() {
    if (seeded_) return;
    // Mixed with the current state, so two reseeds within one clock tick still differ.
    rng_.seed(rng_() ^ static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
}

QDateTime QtServices::Now() {
    return QDateTime::currentDateTime();
}

void QtServices::PlaySound(const QString& name) {
    if (SoundHook) SoundHook(name);
}

void QtServices::ShowMessage(const QString& text) {
    if (MessageHook) {
        MessageHook(text);
        return;
    }
    QMessageBox::information(DialogParent, QStringLiteral("Tolvanis"), text);
}

bool QtServices::Ask(const QString& text) {
    if (AskHook) return AskHook(text);
    return QMessageBox::question(DialogParent, QStringLiteral("Tolvanis"), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void QtServices::ClearLog() {
    if (LogClearHook) LogClearHook();
}

void QtServices::AddLogLine(const QString& line, Rgb color) {
    if (LogAddHook) LogAddHook(line, color);
}

void QtServices::ProcessEvents() {
    QCoreApplication::processEvents();
}

std::int64_t QtServices::SteadyMicroseconds() {
    return steady_.nsecsElapsed() / 1000;
}

std::int64_t QtServices::Pause(std::int64_t passes, const std::function<bool()>& stop) {
    if (passes <= 0) return 0;
    if (stop && stop()) return 0;
    const qint64 totalMs = passes * MicrosecondsPerPass / 1000;
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    end.setTimerType(Qt::PreciseTimer);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    // What cuts the pause short (a new deal, the end of the deal, Exit) arrives as an event: look
    // once the events of each wake-up have run, just before the loop sleeps again, so a pause
    // with nothing happening wakes only at its end.
    QMetaObject::Connection look;
    if (stop) {
        if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
            look =
                QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop, [&] {
                    if (stop()) loop.quit();
                });
        }
    }
    end.start(static_cast<int>(std::clamp<qint64>(totalMs, 0, 24 * 3600 * 1000)));
    loop.exec();
    QObject::disconnect(look);
    const std::int64_t done = clock.nsecsElapsed() / 1000 / MicrosecondsPerPass;
    return std::min(done, passes);
}

void QtServices::Repaint() {
    if (RepaintHook) RepaintHook();
}

Rgb QtServices::ColorAt(int picker, double x, double y) {
    return ColorAtHook ? ColorAtHook(picker, x, y) : NoColor;
}

}  // namespace tolvanis
