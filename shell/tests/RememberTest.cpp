// The program remembers: what a person set in one run is there when the program objects are
// built again on the same settings file, windows included.
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "GameHarness.h"
#include "StatisticsWindow.h"

using namespace tolvanis;
using namespace tolvanis::testing;

class RememberTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString Path() const { return dir_.filePath(QStringLiteral("Tolvanis/tolvanis.ini")); }
    QString StatsPath() const { return dir_.filePath(QStringLiteral("Tolvanis/statistics.json")); }

  private slots:
    void cleanup() {
        QFile::remove(Path());
        QFile::remove(StatsPath());
    }

    void statisticsOfPlayedDealsSurviveARestart() {
        int deals = 0;
        {
            GameHarness g(11, Path(), StatsPath());
            g.Choose("OPT3");
            g.Moves()->SpeedRange()->setValue(g.Moves()->SpeedRange()->maximum());
            // Whole computer deals, each started and then redealt by a click on the table.
            for (int clicks = 0; deals < 3 && clicks < 20; ++clicks) {
                QTest::mouseClick(g.Table(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
                if (g.St().BoardWait) ++deals;
            }
            QCOMPARE(g.app->Stats().DealsPlayed, 3);
        }
        GameHarness g(11, Path(), StatsPath());
        QCOMPARE(g.app->Stats().DealsPlayed, 3);
        QCOMPARE(g.app->Stats().Computers.DealsWon, 3);
    }

    void firstStartIsTheGamesOwnStart() {
        GameHarness g(5, Path());
        QCOMPARE(g.St().NumPlayers, 4);
        QVERIFY(g.Action("FourPlayer")->isChecked());
        QVERIFY(g.Action("SoundOnx")->isChecked());
        QCOMPARE(g.Moves()->SpeedRange()->value(), 4500);
        QVERIFY(g.Moves()->isHidden());
    }

    void settingsComeBackAfterARestart() {
        QPoint tablePlace, movesPlace;
        QRect statisticsPlace;
        {
            GameHarness g(5, Path());
            g.Choose("TwoPlayer");
            g.Choose("FirstPlayerStart");
            g.Choose("SoundOnx");
            g.Choose("OPT3");
            g.Choose("StrongStrength");
            g.Moves()->SpeedRange()->setValue(2000);
            g.Choose("Showlogx");
            g.app->Table()->move(40, 30);
            g.Moves()->move(300, 200);
            tablePlace = g.app->Table()->pos();
            movesPlace = g.Moves()->pos();
            g.Choose("Statisticsx");
            StatisticsWindow* statistics = g.app->StatisticsView();
            statistics->setGeometry(QRect(QPoint(250, 120), statistics->size() + QSize(60, 40)));
            statisticsPlace = statistics->geometry();
            g.Choose("M_Exit");
        }
        GameHarness g(5, Path());
        QCOMPARE(g.St().NumPlayers, 2);
        QCOMPARE(g.St().HandCount[2], -1);
        QVERIFY(g.Action("TwoPlayer")->isChecked() && !g.Action("FourPlayer")->isChecked());
        QVERIFY(g.Action("FirstPlayerStart")->isChecked());
        QVERIFY(!g.Action("SoundOnx")->isChecked());
        QVERIFY(g.Action("StrongStrength")->isChecked());
        QCOMPARE(g.St().ComputerStrength, Strength::Strong);
        for (int seat = 1; seat <= 4; ++seat) {
            QVERIFY(g.St().IsAuto(seat));
            QVERIFY(!g.St().Pauses(seat));
        }
        QCOMPARE(g.Moves()->SpeedRange()->value(), 2000);
        QVERIFY(g.Moves()->isVisible());
        QCOMPARE(g.app->Table()->pos(), tablePlace);
        QCOMPARE(g.Moves()->pos(), movesPlace);
        // Opened again, the Statistics window stands where it was left, at the size it had.
        g.Choose("Statisticsx");
        QCOMPARE(g.app->StatisticsView()->geometry(), statisticsPlace);
    }

    void aSettingIsKeptAsSoonAsItChanges() {
        // No exit: a run that ends in a crash still keeps what was chosen before.
        {
            GameHarness g(5, Path());
            g.Choose("ThreePlayer");
        }
        GameHarness g(5, Path());
        QCOMPARE(g.St().NumPlayers, 3);
        QVERIFY(!g.Tb().Message[1].Visible);
    }

    void closingTheTableKeepsTheMovesWindowHidden() {
        {
            GameHarness g(5, Path());
            g.Choose("Showlogx");
            g.Moves()->close();
            g.app->Table()->close();
        }
        GameHarness g(5, Path());
        QVERIFY(g.Moves()->isHidden());
    }
};

QTEST_MAIN(RememberTest)
#include "RememberTest.moc"
