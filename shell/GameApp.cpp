#include "GameApp.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScrollBar>

#include "AboutForm.h"
#include "GameMenus.h"
#include "HelpViewer.h"
#include "MovesWindow.h"
#include "StatisticsWindow.h"
#include "TableFonts.h"
#include "TableStatusBar.h"
#include "TableWindow.h"
#include "Texts.h"

namespace tolvanis {

GameApp::GameApp() : GameApp(Settings{}) {}

GameApp::GameApp(Settings settings) : settings_(settings) {}

GameApp::~GameApp() {
    // The hooks point into the windows that are about to go.
    services_.SoundHook = nullptr;
    services_.LogClearHook = nullptr;
    services_.LogAddHook = nullptr;
    services_.RepaintHook = nullptr;
    services_.ColorAtHook = nullptr;
    services_.KeepClearHook = nullptr;
}

std::optional<QString> GameApp::Start() {
    const FontWarmUp fonts;
    if (auto error = pictures_.Load(PictureSet::DefaultSearchDirs())) return error;
    if (settings_.Seed) services_.UseSeed(*settings_.Seed);

    if (!settings_.SettingsFile.isEmpty()) {
        store_ = std::make_unique<SettingsStore>(settings_.SettingsFile);
        remembered_ = store_->Load();
    }
    engine_.Startup = remembered_.Game;
    if (!settings_.StatisticsFile.isEmpty()) {
        statisticsFile_ = std::make_unique<StatisticsFile>(settings_.StatisticsFile);
        statistics_ = statisticsFile_->Load();
    }
    engine_.EventWatcher = [this](const MoveEvent& e) {
        if (e.Kind != EventKind::DealScored && e.Kind != EventKind::GameWon) return;
        statistics_.Record(e, engine_.State);
        // Written at once: the deal counts even if the program does not end cleanly.
        if (statisticsFile_) statisticsFile_->Save(statistics_);
        if (statisticsView_ && statisticsView_->isVisible()) statisticsView_->Show(statistics_);
    };
    engine_.SetAutoPlayer(&driver_);
    sounds_.Preload({QLatin1String(SndTrade), QLatin1String(SndMup), QLatin1String(SndMenu),
                     QLatin1String(SndErr2), QLatin1String(SndSave), QLatin1String(SndPau),
                     QLatin1String(SndExit), QLatin1String(SndSndOn)});
    help_ = std::make_unique<HelpViewer>();
    services_.SoundHook = [this](const QString& name) { sounds_.Play(name); };
    // Until the Moves window is first shown its log is kept here and handed over then.
    services_.LogClearHook = [this] {
        if (options_) {
            options_->ClearLog();
        } else {
            pendingLog_.clear();
        }
    };
    services_.LogAddHook = [this](const QString& line, Rgb color) {
        if (options_) {
            options_->AddLogLine(line, color);
        } else {
            pendingLog_.emplace_back(line, color);
        }
    };
    services_.RepaintHook = [this] {
        if (main_) main_->Refresh();
        SyncShell();
    };
    services_.ColorAtHook = [this](int picker, double x, double y) {
        return main_ ? main_->ColorAt(picker, x, y) : NoColor;
    };

    engine_.Load(pictures_.CardWidthMm(), pictures_.CardHeightMm());
    // The speed slider's position, remembered or its default, before the window exists.
    engine_.SpeedChanged(remembered_.Speed, MovesWindow::SpeedMax);

    main_ = std::make_unique<TableWindow>(engine_, pictures_);
    main_->setWindowIcon(AboutForm::ProgramIcon());
    services_.DialogParent = main_.get();
    menus_ = new GameMenus(main_->menuBar(), main_.get());
    statusBarAction_ = menus_->Action(QStringLiteral("StatusBarx"));
    about_ = new AboutForm(main_.get());
    statisticsView_ = new StatisticsWindow(main_.get());
    statisticsView_->ResetRequested = [this] { ResetStatistics(); };
    services_.KeepClearHook = [this] { return main_ ? main_->KeepClearArea() : QRect(); };
    main_->SetStatusBarShown(remembered_.StatusBarShown);
    WireMenus();
    connect(main_.get(), &TableWindow::BoardChanged, this, &GameApp::SyncShell);
    main_->installEventFilter(this);
    RefreshAll();
    return std::nullopt;
}

void GameApp::Show() {
    RestoreWindows();
    main_->show();
    if (remembered_.MovesShown) Moves()->show();
    shown_ = true;
}

MovesWindow* GameApp::Moves() {
    if (options_ || !main_) return options_.get();
    // Hidden unless asked for, so it is built then: at its remembered place, with the slider
    // where the engine's speed already is, the scores as they stand and the log so far.
    options_ = std::make_unique<MovesWindow>(engine_);
    options_->setWindowIcon(AboutForm::ProgramIcon());
    options_->SpeedRange()->setValue(remembered_.Speed);
    if (!remembered_.MovesGeometry.isEmpty()) options_->restoreGeometry(remembered_.MovesGeometry);
    for (const auto& [line, color] : pendingLog_)
        options_->AddLogLine(line, color);
    pendingLog_.clear();
    pendingLog_.shrink_to_fit();
    return options_.get();
}

void GameApp::RestoreWindows() {
    // A geometry that does not fit this screen any more is left to the window manager.
    if (!remembered_.TableGeometry.isEmpty()) main_->restoreGeometry(remembered_.TableGeometry);
    statisticsView_->RestorePlace(remembered_.StatisticsGeometry);
}

RememberedSettings GameApp::CurrentSettings() const {
    RememberedSettings now = remembered_;
    now.Game = CurrentStartSettings(engine_.State);
    if (options_) {
        now.Speed = options_->SpeedRange()->value();
        now.MovesShown = options_->isVisible();
        now.MovesGeometry = options_->saveGeometry();
    }
    if (statisticsView_ && statisticsView_->Placed())
        now.StatisticsGeometry = statisticsView_->saveGeometry();
    if (main_) {
        now.TableGeometry = main_->saveGeometry();
        now.StatusBarShown = main_->StatusBarShown();
    }
    return now;
}

void GameApp::SaveSettings() {
    if (!store_ || !shown_) return;
    const RememberedSettings now = CurrentSettings();
    if (now == remembered_) return;
    store_->Save(now);
    // Remembered even when the write failed: the store has said so once, and trying on every
    // click would only fail again.
    remembered_ = now;
}

void GameApp::WireMenus() {
    const std::pair<const char*, void (GameApp::*)()> commands[] = {
        {"M_Abort", &GameApp::NewDeal},
        {"Showlogx", &GameApp::ShowLog},
        {"Statisticsx", &GameApp::ShowStatistics},
        {"StatusBarx", &GameApp::ToggleStatusBar},
        {"M_Help", &GameApp::OpenHelp},
        {"M_About", &GameApp::OpenAbout},
        {"M_Exit", &GameApp::Exit},
        {"RandomStart", &GameApp::RandomStart},
        {"FirstPlayerStart", &GameApp::FirstPlayerStart},
        {"OPT1", &GameApp::AllHuman},
        {"OPT2", &GameApp::AllAutoPause},
        {"OPT3", &GameApp::AllAutoNoPause},
        {"SoundOnx", &GameApp::ToggleSound},
        {"StandardStrength", &GameApp::StandardStrength},
        {"StrongStrength", &GameApp::StrongStrength},
    };
    for (const auto& [name, command] : commands) {
        connect(menus_->Action(QLatin1String(name)), &QAction::triggered, this,
                [this, command = command] { (this->*command)(); });
    }
    const std::pair<const char*, int> players[] = {
        {"TwoPlayer", 2}, {"ThreePlayer", 3}, {"FourPlayer", 4}};
    for (const auto& [name, n] : players) {
        connect(menus_->Action(QLatin1String(name)), &QAction::triggered, this,
                [this, n = n] { SetPlayers(n); });
    }
}

void GameApp::SyncShell() {
    if (menus_) {
        menus_->Sync(engine_.Table);
        if (main_ && statusBarAction_->isChecked() != main_->StatusBarShown())
            statusBarAction_->setChecked(main_->StatusBarShown());
    }
    if (options_) options_->Refresh();
    // Kept as soon as they change, so that a crash later in the run does not lose them.
    SaveSettings();
}

void GameApp::RefreshAll() {
    if (main_) main_->Refresh();
    SyncShell();
}

void GameApp::NewDeal() {
    engine_.CommandNewDeal();
    RefreshAll();
}

void GameApp::ShowLog() {
    MovesWindow* moves = Moves();
    moves->show();
    moves->raise();
    moves->activateWindow();
}

void GameApp::ShowStatistics() {
    statisticsView_->Show(statistics_);
    statisticsView_->show();
    statisticsView_->raise();
    statisticsView_->activateWindow();
}

void GameApp::ResetStatistics() {
    if (!ResetAfterAsking(statistics_, services_)) return;
    if (statisticsFile_) statisticsFile_->Save(statistics_);
    statisticsView_->Show(statistics_);
}

void GameApp::ToggleStatusBar() {
    main_->SetStatusBarShown(!main_->StatusBarShown());
    RefreshAll();
}

void GameApp::OpenHelp() {
    engine_.CommandHelp();
    help_->Open();
    RefreshAll();
}

void GameApp::OpenAbout() {
    engine_.CommandAbout();
    RefreshAll();
    about_->ShowModal();
}

void GameApp::Exit() {
    engine_.CommandExit();
    SaveSettings();
    CloseAll();
    if (settings_.QuitOnExit) QCoreApplication::quit();
}

void GameApp::CloseAll() {
    if (closing_) return;
    closing_ = true;
    if (about_) about_->close();
    if (statisticsView_) statisticsView_->close();
    if (help_) help_->close();
    if (options_) options_->close();
    if (main_) main_->close();
    closing_ = false;
}

void GameApp::SetPlayers(int n) {
    engine_.CommandNumberOfPlayers(n);
    RefreshAll();
}

void GameApp::RandomStart() {
    engine_.CommandRandomStart();
    RefreshAll();
}

void GameApp::FirstPlayerStart() {
    engine_.CommandFirstPlayerStart();
    RefreshAll();
}

void GameApp::AllHuman() {
    engine_.CommandAllHuman();
    RefreshAll();
}

void GameApp::AllAutoPause() {
    engine_.CommandAllAutoPause();
    RefreshAll();
}

void GameApp::AllAutoNoPause() {
    engine_.CommandAllAutoNoPause();
    RefreshAll();
}

void GameApp::ToggleSound() {
    engine_.CommandSoundOn();
    RefreshAll();
}

void GameApp::StandardStrength() {
    engine_.CommandComputerStrength(Strength::Standard);
    RefreshAll();
}

void GameApp::StrongStrength() {
    engine_.CommandComputerStrength(Strength::Strong);
    RefreshAll();
}

bool GameApp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == main_.get() && event->type() == QEvent::Close && !closing_) {
        // Closing the table ends the program: the other windows go with it, and a computer
        // sequence waiting in a pause stops instead of playing on unseen.
        ++engine_.State.DealSerial;
        SaveSettings();
        closing_ = true;
        if (about_) about_->close();
        if (statisticsView_) statisticsView_->close();
        if (help_) help_->close();
        if (options_) options_->close();
        closing_ = false;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tolvanis
