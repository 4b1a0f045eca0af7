// The status bar under the table: off by default, so the window is as designed; shown from the
// menu it is added below the table, which keeps its size and captions; it says what the engine's
// words say and follows the game; at the window's own width its figures stay whole; whether it
// shows is remembered.
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "GameHarness.h"
#include "StatusLine.h"
#include "TableStatusBar.h"

using namespace tolvanis;
using namespace tolvanis::testing;

class StatusBarTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString Path() const { return dir_.filePath(QStringLiteral("tolvanis.ini")); }
    static QString Part(GameHarness& g, int i) {
        return g.app->Table()->StatusBar()->Part(i)->text();
    }
    static std::vector<QString> Captions(GameHarness& g) {
        std::vector<QString> out;
        for (const LabelItem& label : g.Tb().Message)
            out.push_back(label.Caption);
        return out;
    }

  private slots:
    void cleanup() { QFile::remove(Path()); }

    void addedBelowTheTableWhichKeepsItsSizeAndCaptions() {
        GameHarness g(5);
        TableWindow* window = g.app->Table();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(!window->StatusBarShown());
        QVERIFY(!g.Action("StatusBarx")->isChecked());
        const QSize table = g.Table()->size();
        const QSize windowSize = window->size();
        const std::vector<QString> captions = Captions(g);

        g.Choose("StatusBarx");
        QVERIFY(window->StatusBarShown());
        QVERIFY(g.Action("StatusBarx")->isChecked());
        QTRY_COMPARE(g.Table()->size(), table);
        QVERIFY(window->height() > windowSize.height());
        QCOMPARE(window->width(), windowSize.width());
        QCOMPARE(Captions(g), captions);
        const QRect bar = window->StatusBar()->geometry();
        QVERIFY(bar.top() >= g.Table()->geometry().bottom());

        g.Choose("StatusBarx");
        QVERIFY(!window->StatusBarShown());
        QTRY_COMPARE(window->size(), windowSize);
        QCOMPARE(g.Table()->size(), table);
    }

    void saysWhatTheEngineSaysAndFollowsTheGame() {
        GameHarness g(5);
        g.Choose("StatusBarx");
        const StatusTexts now = StatusOf(g.St());
        QVERIFY(!now.Turn.isEmpty());
        QCOMPARE(Part(g, 0), now.Turn);
        QCOMPARE(Part(g, 1), now.Cards);
        QCOMPARE(Part(g, 2), now.Colour);
        QCOMPARE(Part(g, 3), now.Points);
        // Every seat a pausing computer, then a new deal: whoever starts waits for a click.
        g.Choose("OPT2");
        g.Choose("M_Abort");
        QVERIFY(
            Part(g, 0).endsWith(QStringLiteral("(Auto/Pause): click the table to let it play")));
        QCOMPARE(Part(g, 1), StatusOf(g.St()).Cards);
    }

    void theFiguresStayWholeAtTheDefaultWidth() {
        GameHarness g(5);
        TableWindow* window = g.app->Table();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const int width = window->width();
        g.Choose("StatusBarx");
        TableStatusBar* bar = window->StatusBar();
        // About the widest the bar gets in play: a long turn, big hands, three-figure points.
        bar->Show({QStringLiteral("p2 (Auto/NoPause): click the table to let it play"),
                   QStringLiteral("cards: p1 14  p2 22  p3 19  p4 31"),
                   QStringLiteral("colour to follow: yellow (named)"),
                   QStringLiteral("points: p1 480  p2 365  p3 499  p4 612")});
        // The turn gives up its room; the counts and the points stay whole inside the window.
        const auto whole = [bar](int i) {
            const QLabel* part = bar->Part(i);
            return bar->rect().contains(part->geometry()) &&
                   part->width() >= part->sizeHint().width();
        };
        QTRY_VERIFY(whole(1) && whole(3));
        QCOMPARE(window->width(), width);
    }

    void rememberedAcrossARestart() {
        {
            GameHarness g(5, Path());
            g.Choose("StatusBarx");
        }
        GameHarness g(5, Path());
        QVERIFY(g.app->Table()->StatusBarShown());
        QVERIFY(g.Action("StatusBarx")->isChecked());
    }
};

QTEST_MAIN(StatusBarTest)
#include "StatusBarTest.moc"
