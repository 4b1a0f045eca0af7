#include "GameMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "Board.h"

namespace tolvanis {

GameMenus::GameMenus(QMenuBar* bar, QObject* parent) : QObject(parent) {
    QMenu* game = AddMenu(bar, nullptr, "M_Game", "Tolvanis");
    AddCommand(game, "M_Abort", "New Deal");
    AddCommand(game, "Showlogx", "Show Log");
    AddSeparator(game, "dash1");
    AddCommand(game, "M_Help", "Help");
    AddCommand(game, "M_About", "About");
    AddSeparator(game, "dash2");
    AddCommand(game, "M_Exit", "Exit ");

    QMenu* opts = AddMenu(bar, nullptr, "M_Opts", "Options");
    QMenu* players = AddMenu(nullptr, opts, "NeeGamex", "Number of Players");
    AddCommand(players, "TwoPlayer", "2 Players", true);
    AddCommand(players, "ThreePlayer", "3 Players", true);
    AddCommand(players, "FourPlayer", "4 Players", true);
    QMenu* start = AddMenu(nullptr, opts, "Player1s", "Start Player");
    AddCommand(start, "RandomStart", "At Random", true);
    AddCommand(start, "FirstPlayerStart", "First Player", true);
    QMenu* types = AddMenu(nullptr, opts, "PlayerTypesx", "Player Types");
    AddCommand(types, "OPT1", "All Human Players");
    AddCommand(types, "OPT2", "All Auto Play with Pause");
    AddCommand(types, "OPT3", "All Auto Play without Pause");
    QMenu* strength = AddMenu(nullptr, opts, "Strengthx", "Computer Strength");
    AddCommand(strength, "StandardStrength", "Standard", true);
    AddCommand(strength, "StrongStrength", "Strong", true);
    AddCommand(opts, "SoundOnx", "Sound On", true);

    // Set explicitly: the standard keys for these are empty on some desktops.
    Action(QStringLiteral("M_Abort"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Action(QStringLiteral("Showlogx"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    Action(QStringLiteral("M_Help"))->setShortcut(QKeySequence(Qt::Key_F1));
    Action(QStringLiteral("M_Exit"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    Sync(Board{});
}

QMenu* GameMenus::AddMenu(QMenuBar* bar, QMenu* parentMenu, const char* name, const char* caption) {
    const QString text = QLatin1String(caption);
    QMenu* menu = bar ? bar->addMenu(text) : parentMenu->addMenu(text);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    menus_.insert(QLatin1String(name), menu);
    actions_.insert(QLatin1String(name), menu->menuAction());
    if (parentMenu) parentEntry_.insert(menu->menuAction(), parentMenu->menuAction());
    return menu;
}

bool GameMenus::Reachable(const QAction* action) const {
    for (const QAction* a = action; a; a = parentEntry_.value(a)) {
        if (!a->isEnabled()) return false;
    }
    return action != nullptr;
}

QAction* GameMenus::AddCommand(QMenu* menu, const char* name, const char* caption, bool checkable) {
    QAction* action = menu->addAction(QLatin1String(caption));
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    actions_.insert(QLatin1String(name), action);
    commands_.append(action);
    parentEntry_.insert(action, menu->menuAction());
    return action;
}

void GameMenus::AddSeparator(QMenu* menu, const char* name) {
    QAction* line = menu->addSeparator();
    line->setObjectName(QLatin1String(name));
    actions_.insert(QLatin1String(name), line);
}

void GameMenus::Sync(const Board& board) {
    const MenuItems& m = board.Menu;
    const std::pair<const char*, bool> checks[] = {
        {"TwoPlayer", m.TwoPlayerChecked},
        {"ThreePlayer", m.ThreePlayerChecked},
        {"FourPlayer", m.FourPlayerChecked},
        {"RandomStart", m.RandomStartChecked},
        {"FirstPlayerStart", m.FirstPlayerStartChecked},
        {"SoundOnx", m.SoundOnChecked},
        {"StandardStrength", m.StandardStrengthChecked},
        {"StrongStrength", m.StrongStrengthChecked},
    };
    for (const auto& [name, checked] : checks) {
        QAction* action = Action(QLatin1String(name));
        if (action->isChecked() != checked) action->setChecked(checked);
    }
    Action(QStringLiteral("M_Abort"))->setEnabled(m.AbortEnabled);
    Action(QStringLiteral("M_Opts"))->setEnabled(m.OptsEnabled);
}

}  // namespace tolvanis
