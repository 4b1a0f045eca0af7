// The whole program under random input: presses, releases and moves with any button and any
// modifiers anywhere on the table, option box clicks and menu commands, with the computer's
// pause at zero, and drags on the Moves window's log, its scroll bar and the speed slider that may
// leave the window (TOLVANIS_MONKEY_MOVES_WINDOW=0 leaves those out, to tell a fault of the table
// from one of the log). After every event each card must be in exactly one place, and no event
// may hang. The seed is fixed, so that the suite is repeatable; another seed, or a new one from
// the clock, is asked for by environment, and the seed is printed so that a failure can be
// replayed:
//   TOLVANIS_MONKEY_SEED=<seed>|random TOLVANIS_MONKEY_EVENTS=<count> ./shell_MonkeyTest
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include <random>

#include "AboutForm.h"
#include "GameHarness.h"
#include "HelpViewer.h"
#include "Invariants.h"

using namespace tolvanis;
using namespace tolvanis::testing;

namespace {

constexpr std::uint64_t FixedSeed = 20261208;

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    bool ok = false;
    const std::uint64_t value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void randomInputKeepsEveryCard() {
        const std::uint64_t seed =
            qEnvironmentVariable("TOLVANIS_MONKEY_SEED") == QLatin1String("random")
                ? static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())
                : EnvNumber("TOLVANIS_MONKEY_SEED", FixedSeed);
        const std::uint64_t events = EnvNumber("TOLVANIS_MONKEY_EVENTS", 3000);
        const bool movesWindow = qEnvironmentVariable("TOLVANIS_MONKEY_MOVES_WINDOW") != u"0";
        qInfo("monkey seed %llu, %llu events", static_cast<unsigned long long>(seed),
              static_cast<unsigned long long>(events));

        GameHarness g(seed);
        std::mt19937_64 rng(seed);
        auto chance = [&](double p) { return std::uniform_real_distribution<>(0, 1)(rng) < p; };
        auto pick = [&](int n) { return std::uniform_int_distribution<>(0, n - 1)(rng); };

        QScrollBar* slider = g.Moves()->SpeedRange();
        slider->setValue(slider->maximum());
        QCOMPARE(g.St().DelayUnits, 0);

        TableWidget* table = g.Table();
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        Qt::MouseButtons held = Qt::NoButton;
        const QList<QAction*> commands = g.app->Menus()->Commands();
        QElapsedTimer clock;

        for (std::uint64_t n = 0; n < events; ++n) {
            clock.restart();
            const int kind = pick(100);
            QString what;
            if (kind < 70) {
                // The mouse on the table: often on a card that shows, otherwise anywhere.
                QPoint point(pick(table->width()), pick(table->height()));
                if (chance(0.5)) {
                    const int card = pick(DeckSize + 1);
                    if (g.Tb().CardImage[card].Visible)
                        point = g.PointOn({ItemKind::CardImage, card});
                }
                Qt::KeyboardModifiers mods = Qt::NoModifier;
                if (chance(0.3)) mods |= Qt::ShiftModifier;
                if (chance(0.15)) mods |= Qt::ControlModifier;
                if (chance(0.1)) mods |= Qt::AltModifier;
                const Qt::MouseButton button = buttons[pick(3)];
                const int action = pick(10);
                QEvent::Type type = QEvent::MouseMove;
                Qt::MouseButton eventButton = Qt::NoButton;
                if (action < 3) {
                    type = QEvent::MouseButtonPress;
                    eventButton = button;
                    held |= button;
                } else if (action < 7) {
                    type = QEvent::MouseButtonRelease;
                    eventButton = button;
                    held &= ~Qt::MouseButtons(button);
                }
                what = QStringLiteral("mouse %1 button %2 at %3,%4")
                           .arg(int(type))
                           .arg(int(eventButton))
                           .arg(point.x())
                           .arg(point.y());
                QMouseEvent event(type, QPointF(point), table->mapToGlobal(QPointF(point)),
                                  eventButton, held, mods);
                QCoreApplication::sendEvent(table, &event);
            } else if (kind < 82) {
                QGroupBox* box = table->OptionBox();
                if (box && box->isVisible()) {
                    const int target = pick(5);
                    QWidget* widget = target < 3 ? static_cast<QWidget*>(table->OptionLabel(target))
                                      : target == 3 ? static_cast<QWidget*>(table->OptionOk())
                                                    : static_cast<QWidget*>(table->OptionCancel());
                    what = QStringLiteral("option box %1").arg(target);
                    QTest::mouseClick(widget, chance(0.8) ? Qt::LeftButton : buttons[pick(3)]);
                } else {
                    what = QStringLiteral("right-click a seat");
                    const int seat = 1 + pick(4);
                    if (g.Tb().PlayerBack[seat].Visible)
                        g.ClickItem({ItemKind::PlayerBack, seat}, Qt::RightButton);
                }
            } else if (movesWindow && kind >= 90 && kind < 97) {
                // A press, a few moves and a release on one part of the Moves window; the moves
                // go up to a whole size beyond any edge, as a drag that overshoots does.
                UserControl1* log = g.Moves()->MovesList();
                QWidget* const parts[] = {log->listSurface(), log->scrollBar(), slider};
                const int part = pick(3);
                QWidget* target = parts[part];
                const QSize size = target->size().expandedTo(QSize(1, 1));
                const Qt::MouseButton button = chance(0.8) ? Qt::LeftButton : buttons[pick(3)];
                auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton which,
                                Qt::MouseButtons down) {
                    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), which,
                                      down, Qt::NoModifier);
                    QCoreApplication::sendEvent(target, &event);
                };
                QPoint at(pick(size.width()), pick(size.height()));
                const int moves = pick(5);
                what = QStringLiteral("drag on Moves part %1 from %2,%3, %4 moves")
                           .arg(part)
                           .arg(at.x())
                           .arg(at.y())
                           .arg(moves);
                send(QEvent::MouseButtonPress, at, button, button);
                for (int m = 0; m < moves; ++m) {
                    at = QPoint(pick(3 * size.width()) - size.width(),
                                pick(3 * size.height()) - size.height());
                    send(QEvent::MouseMove, at, Qt::NoButton, button);
                }
                send(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
                // Back to full speed, so that the computer's turns stay without pauses.
                slider->setValue(slider->maximum());
            } else if (kind < 97) {
                QAction* action = commands[pick(static_cast<int>(commands.size()))];
                what = QStringLiteral("menu ") + action->objectName();
                if (action->objectName() == QLatin1String("M_Exit")) {
                    if (chance(0.2)) {
                        action->trigger();
                        g.app->Show();
                    }
                } else if (g.app->Menus()->Reachable(action)) {
                    action->trigger();
                }
                g.app->About()->close();
                g.app->Help()->close();
            } else {
                what = QStringLiteral("events");
                QCoreApplication::processEvents();
            }

            const std::string fault = CheckInvariants(g.Eng());
            if (!fault.empty()) {
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2 (%3): %4")
                                     .arg(seed)
                                     .arg(n)
                                     .arg(what, QString::fromStdString(fault))));
            }
            QVERIFY2(clock.elapsed() < 10000,
                     qPrintable(QStringLiteral("seed %1, event %2 (%3) took %4 ms")
                                    .arg(seed)
                                    .arg(n)
                                    .arg(what)
                                    .arg(clock.elapsed())));
            QVERIFY(!g.St().AutoBusy);
        }
        qInfo("messages shown: %zu, sounds asked: %zu, deals: %u", g.Messages.size(),
              g.Sounds.size(), g.St().DealSerial);
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
