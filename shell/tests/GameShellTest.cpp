// The game program with both windows, acted on as a person would: menus, the seat option box,
// the Moves window with its scores, slider and log, sound, help and About.
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTextBrowser>

#include "AboutForm.h"
#include "GameHarness.h"
#include "HelpViewer.h"
#include "Mnemonics.h"
#include "OleColour.h"
#include "TolvanisVersion.h"
#include "UserControl1.h"

using namespace tolvanis;
using namespace tolvanis::testing;

class GameShellTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<GameHarness> g;

    QString OptBoxText(int i) { return g->Table()->OptionLabel(i)->text(); }
    bool RowShown(int r) { return !g->Moves()->TotPoints(r)->isHidden(); }
    bool TopRowHasText() {
        const QImage& surface = g->Moves()->MovesList()->surfaceImage();
        const int rowPx = g->Moves()->MovesList()->rowHeightTwips() / 15;
        QSet<QRgb> colours;
        for (int y = 0; y < std::min(rowPx, surface.height()); ++y) {
            for (int x = 0; x < surface.width(); ++x)
                colours.insert(surface.pixel(x, y));
        }
        return colours.size() > 2;
    }

  private slots:
    void init() { g = std::make_unique<GameHarness>(7); }
    void cleanup() { g.reset(); }

    void menuBarAsDesigned() {
        QCOMPARE(WithoutMnemonic(g->Action("M_Game")->text()), QStringLiteral("Tolvanis"));
        QCOMPARE(WithoutMnemonic(g->Action("M_Exit")->text()), QStringLiteral("Exit "));
        QCOMPARE(WithoutMnemonic(g->Action("OPT2")->text()),
                 QStringLiteral("All Auto Play with Pause"));
        QVERIFY(g->Action("dash1")->isSeparator());
        QVERIFY(g->Action("dash2")->isSeparator());
        QCOMPARE(g->Action("M_Abort")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(g->Action("Showlogx")->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
        QCOMPARE(g->Action("M_Help")->shortcut(), QKeySequence(QStringLiteral("F1")));
        QCOMPARE(g->Action("M_Exit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
        QVERIFY(g->Action("FourPlayer")->isChecked());
        QVERIFY(!g->Action("TwoPlayer")->isChecked());
        QVERIFY(g->Action("RandomStart")->isChecked());
        QVERIFY(g->Action("SoundOnx")->isChecked());
        // The Moves window exists from the start but is not shown.
        QVERIFY(g->Moves()->isHidden());
        QCOMPARE(g->Moves()->windowTitle(), QStringLiteral("Moves"));
        QCOMPARE(g->Moves()->size(), QSize(479, 368));
    }

    // A larger Moves window gives the log the room; the slider and the scores stay at the top
    // right, and the log keeps its lines.
    void movesWindowGrowsTheLog() {
        MovesWindow* moves = g->Moves();
        g->Choose("Showlogx");
        QVERIFY(QTest::qWaitForWindowExposed(moves));
        const int lines = g->LogCount();
        QVERIFY(lines > 0);
        const QSize small = moves->size();
        const QRect list = moves->MovesList()->geometry();
        const int sliderFromRight = moves->width() - moves->SpeedRange()->parentWidget()->x();
        moves->resize(small + QSize(300, 200));
        QTRY_COMPARE(moves->size(), small + QSize(300, 200));
        QCOMPARE(moves->MovesList()->geometry(), list.adjusted(0, 0, 300, 200));
        QCOMPARE(moves->width() - moves->SpeedRange()->parentWidget()->x(), sliderFromRight);
        QCOMPARE(moves->SpeedRange()->parentWidget()->y(), MovesWindow::Tw(30));
        QCOMPARE(g->LogCount(), lines);
        // Never smaller than designed.
        moves->resize(100, 100);
        QTRY_COMPARE(moves->size(), small);
    }

    void twoPlayersClearsScoresAndHidesSides() {
        g->St().TotPoints = {137, 0, 12, 3};
        g->St().TotGames = {1, 0, 0, 2};
        g->app->SyncShell();
        QCOMPARE(g->Moves()->TotPoints(0)->text(), QStringLiteral(" 137"));
        QCOMPARE(g->Moves()->TotPoints(1)->text(), QStringLiteral("0"));
        const auto serial = g->St().DealSerial;

        g->Choose("TwoPlayer");
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(g->Moves()->TotPoints(r)->text(), QStringLiteral("0"));
            QCOMPARE(g->Moves()->TotGames(r)->text(), QStringLiteral("0"));
        }
        QVERIFY(RowShown(0) && RowShown(2));
        QVERIFY(!RowShown(1) && !RowShown(3));
        QVERIFY(g->Moves()->RowHead(1)->isHidden());
        QVERIFY(!g->Tb().Message[2].Visible && !g->Tb().Message[4].Visible);
        QVERIFY(g->St().DealSerial != serial);
        QCOMPARE(g->St().HandCount[2], -1);
        QVERIFY(g->Action("TwoPlayer")->isChecked());
        QVERIFY(!g->Action("FourPlayer")->isChecked());
        QCOMPARE(g->LogLine(g->LogCount() - 1), QStringLiteral("RIDIV EVENTS"));
    }

    void threePlayersHidesSeatOneThenFourShowsAll() {
        g->Choose("ThreePlayer");
        QVERIFY(!g->Tb().Message[1].Visible);
        QVERIFY(!RowShown(0));
        QVERIFY(RowShown(1) && RowShown(2) && RowShown(3));
        g->Choose("FourPlayer");
        for (int r = 0; r < 4; ++r)
            QVERIFY(RowShown(r));
        QVERIFY(g->Tb().Message[1].Visible);
    }

    void humanSeatBoxIgnoresPauseAndShow() {
        const int card = g->St().Hand[1][1];
        g->ClickCard(card, Qt::RightButton);
        QVERIFY(g->Table()->OptionBox()->isVisible());
        QCOMPARE(g->Table()->OptionBox()->title(), QStringLiteral("player# 1"));
        QVERIFY(!g->Action("M_Abort")->isEnabled());
        QVERIFY(!g->Action("M_Opts")->isEnabled());
        g->ClickWidget(g->Table()->OptionLabel(1));
        g->ClickWidget(g->Table()->OptionLabel(2));
        QCOMPARE(OptBoxText(0), QStringLiteral("Human"));
        QCOMPARE(OptBoxText(1), QStringLiteral("NoPause"));
        QCOMPARE(OptBoxText(2), QStringLiteral("ShowCards"));
        g->ClickWidget(g->Table()->OptionCancel());
        QVERIFY(!g->Table()->OptionBox()->isVisible());
        QVERIFY(g->Action("M_Abort")->isEnabled());
        QVERIFY(g->Action("M_Opts")->isEnabled());
    }

    void computerTurnedHumanAndOkLogs() {
        QVERIFY(g->Tb().PlayerBack[2].Visible);
        g->ClickItem({ItemKind::PlayerBack, 2}, Qt::RightButton);
        QVERIFY(g->Table()->OptionBox()->isVisible());
        QCOMPARE(OptBoxText(1), QStringLiteral("Pause"));
        g->ClickWidget(g->Table()->OptionLabel(0));
        QCOMPARE(OptBoxText(0), QStringLiteral("Human"));
        QCOMPARE(OptBoxText(1), QStringLiteral("NoPause"));
        QCOMPARE(OptBoxText(2), QStringLiteral("ShowCards"));
        g->Sounds.clear();
        g->ClickWidget(g->Table()->OptionOk());
        QCOMPARE(g->LogLine(0), QStringLiteral("p2: set ShowCards"));
        QCOMPARE(g->LogLine(1), QStringLiteral("p2: set NoPause"));
        QCOMPARE(g->LogLine(2), QStringLiteral("p2: set Human"));
        QCOMPARE(g->Sounds, std::vector<QString>{QStringLiteral("vrkmup")});
        QCOMPARE(g->Tb().Message[2].Caption, QStringLiteral("p2: player# 2"));
        QVERIFY(!g->Tb().PlayerBack[2].Visible);
        QVERIFY(!g->Table()->OptionBox()->isVisible());
        QVERIFY(g->Action("M_Abort")->isEnabled());
        // A second right-click on a seat closes an open box instead of moving it.
        // The table answers the next click at once, wherever the box was clicked before.
        g->ClickItem({ItemKind::PlayerBack, 3}, Qt::RightButton);
        QCOMPARE(g->St().OptionsOpen, 3);
        g->ClickItem({ItemKind::PlayerBack, 4}, Qt::RightButton);
        QCOMPARE(g->St().OptionsOpen, 0);
        QVERIFY(!g->Table()->OptionBox()->isVisible());
    }

    void cancelKeepsTogglesWithoutRewritingTheLine() {
        const QString line = g->Tb().Message[3].Caption;
        const int lines = g->LogCount();
        g->ClickItem({ItemKind::PlayerBack, 3}, Qt::RightButton);
        g->ClickWidget(g->Table()->OptionLabel(1));
        QCOMPARE(OptBoxText(1), QStringLiteral("NoPause"));
        g->ClickWidget(g->Table()->OptionCancel());
        QVERIFY(!g->St().Seats[3].Pause);
        QCOMPARE(g->Tb().Message[3].Caption, line);
        QCOMPARE(g->LogCount(), lines);
    }

    void mousePlayedMoveTopsTheLogInItsColour() {
        // Seat 1, a person, moves first; look for a seed that deals it a playable card.
        int card = -1;
        for (std::uint64_t seed = 7; seed < 60 && card < 0; ++seed) {
            g = std::make_unique<GameHarness>(seed);
            g->Eng().ChooseCard(1);
            card = g->St().PickedCard;
        }
        QVERIFY(card > 0);
        QCOMPARE(g->St().CurrentSeat, 1);
        const ColorCode color = g->St().CardColor[card];
        g->ClickCard(card);
        QCOMPARE(g->St().CardOwner[card], 0);
        QVERIFY2(g->LogLine(0).startsWith(QStringLiteral("p1: ")), qPrintable(g->LogLine(0)));
        const auto& top = g->Moves()->MovesList()->items().at(1);
        QCOMPARE(top.colour,
                 picturelist::fromRgb(static_cast<std::uint32_t>(Engine::LogColor(color))));
        QCOMPARE(top.picture, 1);
    }

    void sliderSetsThePause() {
        QScrollBar* slider = g->Moves()->SpeedRange();
        QCOMPARE(slider->value(), 4500);
        QCOMPARE(slider->toolTip(), QStringLiteral("Incease/decrease monster speed"));
        QCOMPARE(g->St().DelayUnits, 500);
        g->app->ShowLog();
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_End);
        QCOMPARE(slider->value(), 5000);
        QCOMPARE(g->St().DelayUnits, 0);
        QTest::keyClick(slider, Qt::Key_Home);
        QCOMPARE(g->St().DelayUnits, 4900);
    }

    void soundOffIsSilentAndOnPlaysItsSound() {
        g->Choose("SoundOnx");
        QVERIFY(!g->Action("SoundOnx")->isChecked());
        g->Sounds.clear();
        g->Choose("M_Abort");
        g->Choose("OPT1");
        QVERIFY(g->Sounds.empty());
        g->Choose("SoundOnx");
        QVERIFY(g->Action("SoundOnx")->isChecked());
        QCOMPARE(g->Sounds, std::vector<QString>{QStringLiteral("vrksndon")});
        QVERIFY(g->app->Sounds().Has(QStringLiteral("vrksndon")));
        // A sound without a file is silent, and asking again does not look for it again.
        QVERIFY(!g->app->Sounds().Has(QStringLiteral("nosuchsound")));
        g->app->Sounds().Play(QStringLiteral("nosuchsound"));
    }

    void computerStrengthMovesItsCheckMarkAndReachesTheEngine() {
        QCOMPARE(WithoutMnemonic(g->Action("Strengthx")->text()),
                 QStringLiteral("Computer Strength"));
        QCOMPARE(WithoutMnemonic(g->Action("StandardStrength")->text()),
                 QStringLiteral("Standard"));
        QCOMPARE(WithoutMnemonic(g->Action("StrongStrength")->text()), QStringLiteral("Strong"));
        QVERIFY(g->Action("StandardStrength")->isChecked());
        QVERIFY(!g->Action("StrongStrength")->isChecked());
        g->Sounds.clear();
        g->Choose("StrongStrength");
        QVERIFY(g->St().ComputerStrength == Strength::Strong);
        QVERIFY(g->Action("StrongStrength")->isChecked());
        QVERIFY(!g->Action("StandardStrength")->isChecked());
        // Choosing the checked item again keeps it checked.
        g->Choose("StrongStrength");
        QVERIFY(g->Action("StrongStrength")->isChecked());
        g->Choose("StandardStrength");
        QVERIFY(g->St().ComputerStrength == Strength::Standard);
        QVERIFY(g->Action("StandardStrength")->isChecked());
        QVERIFY(!g->Action("StrongStrength")->isChecked());
        QVERIFY(g->Sounds.empty());
    }

    void showLogKeepsEverythingAfterClose() {
        g->Choose("Showlogx");
        QVERIFY(g->Moves()->isVisible());
        const int lines = g->LogCount();
        QVERIFY(lines >= 3);
        // The lines logged before the window was first shown are drawn, not only stored.
        QVERIFY(TopRowHasText());
        g->Moves()->close();
        QVERIFY(!g->Moves()->isVisible());
        g->Choose("Showlogx");
        QVERIFY(g->Moves()->isVisible());
        QCOMPARE(g->LogCount(), lines);
    }

    void helpOpensAndCloses() {
        g->Sounds.clear();
        g->Choose("M_Help");
        QCOMPARE(g->Sounds, std::vector<QString>{QStringLiteral("vrkmup")});
        QVERIFY(g->app->Help()->isVisible());
        QVERIFY(g->app->Help()->source().toString().endsWith(QStringLiteral("tolvanis.html")));
        QVERIFY(!g->app->Help()->toPlainText().isEmpty());
        g->app->Help()->close();
        QVERIFY(!g->app->Help()->isVisible());
    }

    void aboutOpensModalAndClosesByOkOrText() {
        g->Choose("M_About");
        AboutForm* about = g->app->About();
        QVERIFY(about->isVisible());
        QVERIFY(about->isModal());
        QCOMPARE(about->windowTitle(), QStringLiteral("About TOLVANIS"));
        QCOMPARE(about->Label1()->text(), QStringLiteral("Version " TOLVANIS_VERSION));
        QVERIFY(about->AboutText()->isReadOnly());
        QVERIFY(about->AboutText()->toPlainText().contains(QStringLiteral(TOLVANIS_VERSION)));
        QVERIFY(!about->Picture1()->pixmap().isNull());
        g->ClickWidget(about->AboutOk());
        QVERIFY(!about->isVisible());
        g->Choose("M_About");
        QVERIFY(about->isVisible());
        QTest::mousePress(about->AboutText()->viewport(), Qt::LeftButton);
        QVERIFY(!about->isVisible());
    }

    void exitClosesBothWindows() {
        g->Choose("Showlogx");
        g->Sounds.clear();
        g->Choose("M_Exit");
        QCOMPARE(g->Sounds, std::vector<QString>{QStringLiteral("vrkexit")});
        QVERIFY(!g->app->Table()->isVisible());
        QVERIFY(!g->Moves()->isVisible());
    }
};

QTEST_MAIN(GameShellTest)
#include "GameShellTest.moc"
