// The program remembers: what a person set in one run is there when the program objects are
// built again on the same settings file, windows included.
#include <QScrollBar>
#include <QTemporaryDir>

#include "GameHarness.h"

using namespace tolvanis;
using namespace tolvanis::testing;

class RememberTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString Path() const { return dir_.filePath(QStringLiteral("Tolvanis/tolvanis.ini")); }

  private slots:
    void cleanup() { QFile::remove(Path()); }

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
        {
            GameHarness g(5, Path());
            g.Choose("TwoPlayer");
            g.Choose("FirstPlayerStart");
            g.Choose("SoundOnx");
            g.Choose("OPT3");
            g.Moves()->SpeedRange()->setValue(2000);
            g.Choose("Showlogx");
            g.app->Table()->move(40, 30);
            g.Moves()->move(300, 200);
            tablePlace = g.app->Table()->pos();
            movesPlace = g.Moves()->pos();
            g.Choose("M_Exit");
        }
        GameHarness g(5, Path());
        QCOMPARE(g.St().NumPlayers, 2);
        QCOMPARE(g.St().HandCount[2], -1);
        QVERIFY(g.Action("TwoPlayer")->isChecked() && !g.Action("FourPlayer")->isChecked());
        QVERIFY(g.Action("FirstPlayerStart")->isChecked());
        QVERIFY(!g.Action("SoundOnx")->isChecked());
        for (int seat = 1; seat <= 4; ++seat) {
            QVERIFY(g.St().IsAuto(seat));
            QVERIFY(!g.St().Pauses(seat));
        }
        QCOMPARE(g.Moves()->SpeedRange()->value(), 2000);
        QVERIFY(g.Moves()->isVisible());
        QCOMPARE(g.app->Table()->pos(), tablePlace);
        QCOMPARE(g.Moves()->pos(), movesPlace);
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
