// The whole game program, wired: the card pictures, the real services, the engine with its
// computer player, the table window with its menus, the Moves window, sound, help and About.
// main() builds one and shows it; tests build one the same way and act on it as a player would,
// with message boxes caught by the services' hook instead of shown.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "AutoTurns.h"
#include "Engine.h"
#include "PictureSet.h"
#include "QtServices.h"
#include "SettingsStore.h"
#include "SoundPlayer.h"
#include "Statistics.h"
#include "StatisticsFile.h"

class QAction;

namespace tolvanis {

class AboutForm;
class GameMenus;
class HelpViewer;
class StatisticsWindow;
class TableWindow;
class MovesWindow;

class GameApp : public QObject {
    Q_OBJECT

  public:
    struct Settings {
        // Exit ends the Qt application; tests keep it running.
        bool QuitOnExit = true;
        // A fixed seed makes every deal repeatable; none seeds from the clock.
        std::optional<std::uint64_t> Seed;
        // Where the settings are remembered between runs; empty remembers nothing.
        QString SettingsFile;
        // Where the statistics are kept between runs; empty keeps them for this run only.
        QString StatisticsFile;
    };

    GameApp();
    explicit GameApp(Settings settings);
    ~GameApp() override;

    // Loads the pictures and builds and loads everything; an error text when the pictures are
    // missing (nothing is built then).
    std::optional<QString> Start();
    // Shows the table window.
    void Show();

    Engine& Eng() { return engine_; }
    AutoTurns& Driver() { return driver_; }
    QtServices& Services() { return services_; }
    SoundPlayer& Sounds() { return sounds_; }
    const PictureSet& Pictures() const { return pictures_; }
    TableWindow* Table() const { return main_.get(); }
    // The Moves window, built when first asked for (null before Start()).
    MovesWindow* Moves();
    GameMenus* Menus() const { return menus_; }
    HelpViewer* Help() const { return help_.get(); }
    StatisticsWindow* StatisticsView() const { return statisticsView_; }
    AboutForm* About() const { return about_; }

    // Repaints the table and brings the menus and the Moves window up to date.
    void RefreshAll();
    // The menus and the Moves window only (after the table refreshed itself).
    void SyncShell();

    // The settings as they stand now, as the next run would start with them.
    RememberedSettings CurrentSettings() const;
    // Writes them when they differ from what was last written (nothing without a settings file).
    void SaveSettings();
    SettingsStore* Store() const { return store_.get(); }
    const Statistics& Stats() const { return statistics_; }

    // The menu commands.
    void NewDeal();
    void ShowLog();
    void ShowStatistics();
    // The Reset button of the Statistics window: asks first, then forgets them on file too.
    void ResetStatistics();
    void ToggleStatusBar();
    void OpenHelp();
    void OpenAbout();
    void Exit();
    void SetPlayers(int n);
    void RandomStart();
    void FirstPlayerStart();
    void AllHuman();
    void AllAutoPause();
    void AllAutoNoPause();
    void ToggleSound();
    void StandardStrength();
    void StrongStrength();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void WireMenus();
    void CloseAll();
    void RestoreWindows();

    Settings settings_;
    PictureSet pictures_;
    QtServices services_;
    Engine engine_{services_};
    AutoTurns driver_{engine_};
    SoundPlayer sounds_;
    // Declared before the table window so that it outlives it: the table's last events may
    // still log. Built when first shown; until then the log waits in pendingLog_.
    std::unique_ptr<MovesWindow> options_;
    std::vector<std::pair<QString, Rgb>> pendingLog_;
    std::unique_ptr<HelpViewer> help_;
    std::unique_ptr<TableWindow> main_;
    GameMenus* menus_ = nullptr;                  // owned by the table window
    QAction* statusBarAction_ = nullptr;          // found once: every repaint checks it
    AboutForm* about_ = nullptr;                  // owned by the table window
    StatisticsWindow* statisticsView_ = nullptr;  // owned by the table window
    bool closing_ = false;
    // Nothing is saved before the windows are shown: an unshown window has no place to keep.
    bool shown_ = false;
    std::unique_ptr<SettingsStore> store_;
    RememberedSettings remembered_;
    std::unique_ptr<StatisticsFile> statisticsFile_;
    Statistics statistics_;
};

}  // namespace tolvanis
