// The computer's pause in the running game: it ends when its time is up, or as soon as an event
// ends the deal, and while nothing happens it sleeps instead of looking every few milliseconds.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "QtServices.h"

using namespace tolvanis;

namespace {
constexpr std::int64_t PassesFor(std::int64_t ms) {
    return ms * 1000 / MicrosecondsPerPass;
}
}  // namespace

class PauseTest : public QObject {
    Q_OBJECT
  private slots:
    void endsWhenItsTimeIsUp() {
        QtServices sv;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(sv.Pause(PassesFor(120), [] { return false; }), PassesFor(120));
        QVERIFY(clock.elapsed() >= 119);
    }

    void anEventThatEndsTheDealEndsItAtOnce() {
        QtServices sv;
        bool dealOver = false;
        QTimer::singleShot(40, [&] { dealOver = true; });
        QElapsedTimer clock;
        clock.start();
        const std::int64_t done = sv.Pause(PassesFor(60 * 1000), [&] { return dealOver; });
        QVERIFY(dealOver);
        QVERIFY2(clock.elapsed() < 20 * 1000, "the pause ran on after the deal had ended");
        QVERIFY(done < PassesFor(20 * 1000));
        // Already over: no pause at all.
        QCOMPARE(sv.Pause(PassesFor(60 * 1000), [] { return true; }), 0);
    }

    void waitingWakesOnlyAtTheEnd() {
        QtServices sv;
        QCoreApplication::processEvents();
        int wakes = 0;
        const auto counter = connect(QAbstractEventDispatcher::instance(),
                                     &QAbstractEventDispatcher::awake, [&] { ++wakes; });
        sv.Pause(PassesFor(400), [] { return false; });
        disconnect(counter);
        // Looking every 15 ms would wake about 27 times.
        QVERIFY2(wakes <= 4, qPrintable(QStringLiteral("%1 wake-ups").arg(wakes)));
    }
};

QTEST_MAIN(PauseTest)
#include "PauseTest.moc"
