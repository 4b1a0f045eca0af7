// The whole game program as the tests drive it: both windows built exactly as main() builds
// them, message boxes and sounds recorded instead of shown and played, and helpers that press
// the mouse on an item of the table or choose a menu command the way a person would.
#pragma once

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <memory>
#include <vector>

#include "GameApp.h"
#include "GameMenus.h"
#include "MovesWindow.h"
#include "StrongPlayer.h"
#include "TableWidget.h"
#include "TableWindow.h"
#include "UserControl1.h"

namespace tolvanis::testing {

class GameHarness {
  public:
    // With a settings file the game remembers its settings there, as the program does.
    explicit GameHarness(std::uint64_t seed, const QString& settingsFile = {},
                         const QString& statisticsFile = {}) {
        QApplication::setQuitOnLastWindowClosed(false);
        GameApp::Settings settings;
        settings.QuitOnExit = false;
        settings.Seed = seed;
        settings.SettingsFile = settingsFile;
        settings.StatisticsFile = statisticsFile;
        app = std::make_unique<GameApp>(settings);
        if (const auto error = app->Start()) {
            qFatal("the game could not start: %s", qPrintable(*error));
        }
        app->Services().MessageHook = [this](const QString& text) { Messages.push_back(text); };
        app->Sounds().Observer = [this](const QString& name) { Sounds.push_back(name); };
        // The Strong player's moves repeat at any budget; a short one keeps long runs quick.
        app->Driver().Strong().Budget = 300;
        app->Show();
    }

    Engine& Eng() { return app->Eng(); }
    GameState& St() { return app->Eng().State; }
    Board& Tb() { return app->Eng().Table; }
    TableWidget* Table() { return app->Table()->Table(); }
    MovesWindow* Moves() { return app->Moves(); }
    QAction* Action(const char* name) { return app->Menus()->Action(QLatin1String(name)); }

    // Chooses a menu command as the menu would (a disabled command does nothing).
    void Choose(const char* name) {
        QAction* action = Action(name);
        QVERIFY2(action, name);
        if (app->Menus()->Reachable(action)) action->trigger();
    }

    // A full click (press and release) in the middle of an item of the table.
    void ClickItem(ItemRef item, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::mouseClick(Table(), button, mods, PointOn(item));
    }
    // A pixel where the item shows (a fanned card is mostly covered by the next one).
    QPoint PointOn(ItemRef item) {
        const QRect rect = Table()->ItemRect(item);
        for (int y = rect.top() + rect.height() / 2; y <= rect.bottom(); y += 2) {
            for (int x = rect.left() + 1; x <= rect.right(); x += 2) {
                const auto under = Table()->ItemAt(QPointF(x, y));
                if (under && *under == item) return QPoint(x, y);
            }
        }
        return rect.center();
    }
    void ClickCard(int card, Qt::MouseButton button = Qt::LeftButton) {
        ClickItem({ItemKind::CardImage, card}, button);
    }
    void ClickWidget(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    }

    // The log as the list shows it, top line first.
    QString LogLine(int i) const { return app->Moves()->MovesList()->List(i); }
    int LogCount() const { return app->Moves()->MovesList()->ListCount(); }

    std::unique_ptr<GameApp> app;
    std::vector<QString> Messages;
    std::vector<QString> Sounds;
};

}  // namespace tolvanis::testing
