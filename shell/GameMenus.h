// The menu bar of the table window: "Tolvanis" (New Deal, Show Log, Statistics, Status Bar, Help,
// About, Exit) and
// "Options" (number of players, start player, player types, computer strength, sound). The
// menus only hold the actions and show the checked and enabled states the engine's board keeps;
// what a command does is wired by the application.
//
// Every menu and item carries an access key (Alt+letter, then the letter), placed when it is
// added, also for items added after the menus were built, so that no two entries of one menu
// share a letter. F10 opens the first menu.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace tolvanis {

class Board;
struct MenuItems;

class GameMenus : public QObject {
    Q_OBJECT

  public:
    // Fills `bar`; the actions are named as the commands (M_Abort, TwoPlayer, OPT1, ...).
    explicit GameMenus(QMenuBar* bar, QObject* parent = nullptr);

    // The action or submenu entry of that name; nullptr for an unknown name.
    QAction* Action(const QString& name) const { return actions_.value(name); }
    QMenu* Menu(const QString& name) const { return menus_.value(name); }
    // Every command action (not the separators or submenu entries), in menu order.
    const QList<QAction*>& Commands() const { return commands_; }

    // Whether a person can choose the command now: it and every menu above it are enabled.
    bool Reachable(const QAction* action) const;

    // Check marks and enabled states from the board.
    void Sync(const Board& board);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Gives every entry of a menu (or of the bar) its access key, keeping those it has.
    void PlaceAccessKeys(QWidget* menu);
    void Watch(QWidget* menu);

    QMenu* AddMenu(QMenuBar* bar, QMenu* parentMenu, const char* name, const char* caption);
    QAction* AddCommand(QMenu* menu, const char* name, const char* caption, bool checkable = false);
    void AddSeparator(QMenu* menu, const char* name);

    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QList<QAction*> commands_;
    // The menu entry each command sits under, up to the menu bar.
    QHash<const QAction*, QAction*> parentEntry_;
    bool placing_ = false;

    // Sync runs on every repaint: what it sets is found once, when the menus are built.
    struct CheckedBy {
        QAction* Action;
        bool MenuItems::*Checked;
    };
    std::vector<CheckedBy> checks_;
    QAction* abort_ = nullptr;
    QAction* opts_ = nullptr;
};

}  // namespace tolvanis
