// The Statistics window of the menu: it shows what was counted over the runs, keeps up while it
// is open, and its Reset forgets them, on file too, only after a Yes.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "GameHarness.h"
#include "StatisticsWindow.h"

using namespace tolvanis;
using namespace tolvanis::testing;

class StatisticsWindowTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString StatsPath() const { return dir_.filePath(QStringLiteral("statistics.json")); }

    // Whole computer deals, each started and then redealt by a click on the table.
    static void PlayDeals(GameHarness& g, int deals) {
        const int before = g.app->Stats().DealsPlayed;
        g.Choose("OPT3");
        g.Moves()->SpeedRange()->setValue(g.Moves()->SpeedRange()->maximum());
        for (int clicks = 0; g.app->Stats().DealsPlayed < before + deals && clicks < 20; ++clicks)
            QTest::mouseClick(g.Table(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
        QCOMPARE(g.app->Stats().DealsPlayed, before + deals);
    }
    static QString Cell(GameHarness& g, int row, int column) {
        return g.app->StatisticsView()->Grid()->item(row, column)->text();
    }

  private slots:
    void cleanup() { QFile::remove(StatsPath()); }

    void showsWhatWasCountedAndKeepsUp() {
        GameHarness g(11, {}, StatsPath());
        PlayDeals(g, 2);
        g.Choose("Statisticsx");
        StatisticsWindow* view = g.app->StatisticsView();
        QVERIFY(view->isVisible());
        QCOMPARE(view->Played()->text(), QStringLiteral("Deals played: 2"));
        QCOMPARE(view->Grid()->rowCount(), 6);
        QCOMPARE(Cell(g, 5, 0), QStringLiteral("Computers"));
        QCOMPARE(Cell(g, 5, 1), QStringLiteral("2"));
        QCOMPARE(Cell(g, 4, 1), QStringLiteral("0"));
        // Open while a deal ends: it counts the deal at once.
        PlayDeals(g, 1);
        QCOMPARE(view->Played()->text(), QStringLiteral("Deals played: 3"));
        QCOMPARE(Cell(g, 5, 1), QStringLiteral("3"));
    }

    void resetAsksFirstAndForgetsOnFileToo() {
        {
            GameHarness g(11, {}, StatsPath());
            PlayDeals(g, 1);
            g.Choose("Statisticsx");
            g.Answer = false;
            g.ClickWidget(g.app->StatisticsView()->ResetButton());
            QCOMPARE(g.Questions.size(), std::size_t(1));
            QCOMPARE(g.app->Stats().DealsPlayed, 1);
            g.Answer = true;
            g.ClickWidget(g.app->StatisticsView()->ResetButton());
            QCOMPARE(g.Questions.size(), std::size_t(2));
            QCOMPARE(g.app->Stats(), Statistics{});
            QCOMPARE(g.app->StatisticsView()->Played()->text(), QStringLiteral("Deals played: 0"));
        }
        GameHarness later(11, {}, StatsPath());
        QCOMPARE(later.app->Stats(), Statistics{});
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "StatisticsWindowTest.moc"
