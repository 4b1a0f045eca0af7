#include "GameMenus.h"

#include <QAction>
#include <QActionEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "Board.h"
#include "Mnemonics.h"

namespace tolvanis {

namespace {

// The letters the game's own entries are known by; entries others add choose freely.
QChar PreferredKey(const QString& name) {
    static const QHash<QString, QChar> keys = {
        {QStringLiteral("M_Game"), QLatin1Char('T')},
        {QStringLiteral("M_Opts"), QLatin1Char('O')},
        {QStringLiteral("M_Abort"), QLatin1Char('N')},
        {QStringLiteral("Showlogx"), QLatin1Char('L')},
        {QStringLiteral("M_Help"), QLatin1Char('H')},
        {QStringLiteral("M_About"), QLatin1Char('A')},
        {QStringLiteral("M_Exit"), QLatin1Char('X')},
        {QStringLiteral("NeeGamex"), QLatin1Char('N')},
        {QStringLiteral("TwoPlayer"), QLatin1Char('2')},
        {QStringLiteral("ThreePlayer"), QLatin1Char('3')},
        {QStringLiteral("FourPlayer"), QLatin1Char('4')},
        {QStringLiteral("Player1s"), QLatin1Char('S')},
        {QStringLiteral("RandomStart"), QLatin1Char('R')},
        {QStringLiteral("FirstPlayerStart"), QLatin1Char('F')},
        {QStringLiteral("PlayerTypesx"), QLatin1Char('T')},
        {QStringLiteral("OPT1"), QLatin1Char('H')},
        {QStringLiteral("OPT2"), QLatin1Char('P')},
        {QStringLiteral("OPT3"), QLatin1Char('W')},
        {QStringLiteral("SoundOnx"), QLatin1Char('O')},
    };
    return keys.value(name);
}

}  // namespace

GameMenus::GameMenus(QMenuBar* bar, QObject* parent) : QObject(parent) {
    Watch(bar);
    QMenu* game = AddMenu(bar, nullptr, "M_Game", "Tolvanis");
    AddCommand(game, "M_Abort", "New Deal");
    AddCommand(game, "Showlogx", "Show Log");
    AddCommand(game, "Statisticsx", "Statistics");
    AddCommand(game, "StatusBarx", "Status Bar", true);
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

    // F10 opens the first menu; from there the arrows walk the bar.
    if (QWidget* window = bar->parentWidget()) {
        auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
        connect(f10, &QShortcut::activated, bar, [bar] {
            const QList<QAction*> entries = bar->actions();
            for (QAction* entry : entries) {
                if (entry->isVisible() && entry->isEnabled()) {
                    bar->setActiveAction(entry);
                    return;
                }
            }
        });
    }

    const std::pair<const char*, bool MenuItems::*> checks[] = {
        {"TwoPlayer", &MenuItems::TwoPlayerChecked},
        {"ThreePlayer", &MenuItems::ThreePlayerChecked},
        {"FourPlayer", &MenuItems::FourPlayerChecked},
        {"RandomStart", &MenuItems::RandomStartChecked},
        {"FirstPlayerStart", &MenuItems::FirstPlayerStartChecked},
        {"SoundOnx", &MenuItems::SoundOnChecked},
        {"StandardStrength", &MenuItems::StandardStrengthChecked},
        {"StrongStrength", &MenuItems::StrongStrengthChecked},
    };
    for (const auto& [name, checked] : checks)
        checks_.push_back({Action(QLatin1String(name)), checked});
    abort_ = Action(QStringLiteral("M_Abort"));
    opts_ = Action(QStringLiteral("M_Opts"));
    Sync(Board{});
}

void GameMenus::Watch(QWidget* menu) {
    menu->installEventFilter(this);
    PlaceAccessKeys(menu);
}

void GameMenus::PlaceAccessKeys(QWidget* menu) {
    if (placing_) return;
    placing_ = true;
    QList<QAction*> entries;
    QStringList captions;
    QList<QChar> preferred;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        entries.append(action);
        captions.append(action->text());
        preferred.append(PreferredKey(action->objectName()));
    }
    const QStringList placed = PlaceMnemonics(captions, preferred);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i]->text() != placed[i]) entries[i]->setText(placed[i]);
    }
    placing_ = false;
}

bool GameMenus::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ActionAdded || type == QEvent::ActionChanged) {
        auto* menu = static_cast<QWidget*>(watched);
        if (type == QEvent::ActionAdded) {
            QAction* action = static_cast<QActionEvent*>(event)->action();
            if (QMenu* sub = action->menu()) Watch(sub);
        }
        PlaceAccessKeys(menu);
    }
    return QObject::eventFilter(watched, event);
}

QMenu* GameMenus::AddMenu(QMenuBar* bar, QMenu* parentMenu, const char* name, const char* caption) {
    // Named before it is added, so that it gets the access key it is known by.
    QMenu* menu = new QMenu(QLatin1String(caption), bar ? static_cast<QWidget*>(bar) : parentMenu);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    if (bar) {
        bar->addMenu(menu);
    } else {
        parentMenu->addMenu(menu);
    }
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
    auto* action = new QAction(QLatin1String(caption), menu);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    menu->addAction(action);
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
    for (const CheckedBy& c : checks_) {
        const bool checked = m.*c.Checked;
        if (c.Action->isChecked() != checked) c.Action->setChecked(checked);
    }
    abort_->setEnabled(m.AbortEnabled);
    opts_->setEnabled(m.OptsEnabled);
}

}  // namespace tolvanis
