// The game window at full speed: every seat a computer without pause and the slider at FAST, for
// a while with the Moves window closed and a while with it open, counting whole deals a second,
// the program's share of a processor, and how long a menu takes to open while the computers
// play. A last phase leaves the slider where it starts and counts the program's wake-ups a
// second while the computers pause between moves. Run it on a display (bench/window-bench.sh
// starts a virtual one); it prints one line a phase.
//   tolvanis_window_bench [--seconds N] [--pause-seconds N] [--only PHASE]
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "GameApp.h"
#include "GameMenus.h"
#include "MovesWindow.h"
#include "TableWidget.h"
#include "TableWindow.h"

using namespace tolvanis;

namespace {

double CpuSeconds() {
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return double(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
           double(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

double Percentile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(q * double(v.size())))];
}

// Runs the game for `seconds`: redeals as soon as a deal has ended. With probeMenus, a second
// thread asks every 500 ms for the first menu, as a click on its title would, at a moment that
// has nothing to do with the game's own passes; the time until the menu is about to show is its
// latency. Wake-ups are counted in all and between moves: from 50 ms after a move or after the
// last frame of a card's flight, when what the move showed has been painted, to the next move.
void Phase(GameApp& game, const char* name, double seconds, bool probeMenus) {
    GameState& s = game.Eng().State;
    QElapsedTimer wall;
    wall.start();
    long deals = 0, moves = 0;
    qint64 lastBusyNs = 0, quietNs = 0;
    int wakes = 0, quietWakes = 0;
    constexpr qint64 Settle = 50'000'000;
    game.Driver().AfterMove = [&] {
        ++moves;
        const qint64 now = wall.nsecsElapsed();
        quietNs += std::max<qint64>(0, now - lastBusyNs - Settle);
        lastBusyNs = now;
    };
    TableWidget* table = game.Table()->Table();
    const auto wakeCount = QObject::connect(QAbstractEventDispatcher::instance(),
                                            &QAbstractEventDispatcher::awake, [&] {
                                                ++wakes;
                                                const qint64 now = wall.nsecsElapsed();
                                                if (table->FlightRunning())
                                                    lastBusyNs = now;
                                                else if (now - lastBusyNs > Settle)
                                                    ++quietWakes;
                                            });

    QMenu* menu = game.Menus()->Menu(QStringLiteral("M_Game"));
    QMenuBar* bar = game.Table()->menuBar();
    std::vector<double> menuMs;
    std::atomic<qint64> askedNs{-1};
    QObject::connect(menu, &QMenu::aboutToShow, menu, [&] {
        const qint64 asked = askedNs.exchange(-1);
        if (asked < 0) return;
        menuMs.push_back(double(wall.nsecsElapsed() - asked) / 1e6);
        QTimer::singleShot(50, menu, [menu] { menu->hide(); });
    });
    const QPoint at = bar->actionGeometry(menu->menuAction()).center();
    const QPointF global = bar->mapToGlobal(QPointF(at));
    std::atomic<bool> running{true};
    std::thread asker;
    if (probeMenus) {
        asker = std::thread([&] {
            while (running) {
                std::this_thread::sleep_for(std::chrono::milliseconds(500));
                if (!running || askedNs >= 0) continue;
                askedNs = wall.nsecsElapsed();
                QCoreApplication::postEvent(
                    bar, new QMouseEvent(QEvent::MouseButtonPress, QPointF(at), global,
                                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
                QCoreApplication::postEvent(
                    bar, new QMouseEvent(QEvent::MouseButtonRelease, QPointF(at), global,
                                         Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
            }
        });
    }

    const double cpu0 = CpuSeconds();
    // Each deal is started from the event loop, as a click would start it.
    QTimer next;
    next.setSingleShot(true);
    QObject::connect(&next, &QTimer::timeout, [&] {
        // A click while a deal is over deals anew; the next one plays the deal to its end.
        const bool over = s.BoardWait;
        game.Eng().OnBoardMouseUp(ButtonLeft, 0);
        if (!over && s.BoardWait) ++deals;
        if (wall.elapsed() < seconds * 1000) next.start(0);
    });
    next.start(0);
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    next.stop();
    running = false;
    if (asker.joinable()) asker.join();
    const double elapsed = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = CpuSeconds() - cpu0;
    QObject::disconnect(wakeCount);
    QCoreApplication::processEvents();
    if (menu->isVisible()) menu->hide();
    std::printf(
        "%s: seconds=%.1f deals=%ld deals_per_s=%.1f moves_per_s=%.0f cpu=%.1f%% "
        "wakeups_per_s=%.1f",
        name, elapsed, deals, double(deals) / elapsed, double(moves) / elapsed, 100 * cpu / elapsed,
        double(wakes) / elapsed);
    if (!probeMenus && quietNs > 0)
        std::printf(" wakeups_per_s_between_moves=%.1f",
                    double(quietWakes) / (double(quietNs) / 1e9));
    if (probeMenus)
        std::printf(" menu_opens=%zu menu_ms_median=%.1f menu_ms_p95=%.1f menu_ms_max=%.1f",
                    menuMs.size(), Percentile(menuMs, 0.5), Percentile(menuMs, 0.95),
                    menuMs.empty() ? 0.0 : *std::max_element(menuMs.begin(), menuMs.end()));
    std::printf("\n");
    std::fflush(stdout);
    game.Driver().AfterMove = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    double seconds = 20, pauseSeconds = 10;
    QString only;  // one phase by its name, for profiling
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--seconds")) seconds = args[i + 1].toDouble();
        if (args[i] == QLatin1String("--pause-seconds")) pauseSeconds = args[i + 1].toDouble();
        if (args[i] == QLatin1String("--only")) only = args[i + 1];
    }
    GameApp::Settings settings;
    settings.QuitOnExit = false;
    settings.Seed = 1;
    GameApp game(settings);
    if (const auto error = game.Start()) {
        std::fprintf(stderr, "%s\n", qPrintable(*error));
        return 1;
    }
    game.Services().MessageHook = [](const QString&) {};
    game.Show();
    game.Menus()->Action(QStringLiteral("OPT3"))->trigger();  // every seat a computer, no pause
    QScrollBar* speed = game.Moves()->SpeedRange();
    const int startSpeed = speed->value();
    speed->setValue(speed->maximum());

    auto wanted = [&](const char* phase) { return only.isEmpty() || only == QLatin1String(phase); };
    if (wanted("moves_closed")) Phase(game, "moves_closed", seconds, true);
    game.ShowLog();
    if (wanted("moves_open")) Phase(game, "moves_open", seconds, true);
    game.Moves()->close();
    speed->setValue(startSpeed);
    if (wanted("default_speed")) Phase(game, "default_speed", pauseSeconds, false);
    return 0;
}
