// The Moves window's log as assistive technology reads it: a list whose items are the log's
// lines, newest first, each where it is drawn.
#include <QAccessible>

#include "GameHarness.h"

using namespace tolvanis;
using namespace tolvanis::testing;

class AccessibleLogTest : public QObject {
    Q_OBJECT

  private slots:
    void logLinesAreAList() {
        GameHarness g(7);
        g.Choose("Showlogx");
        QVERIFY(QTest::qWaitForWindowExposed(g.Moves()));
        UserControl1* list = g.Moves()->MovesList();
        QAccessibleInterface* log = QAccessible::queryAccessibleInterface(list);
        QVERIFY(log);
        QCOMPARE(log->role(), QAccessible::List);
        QVERIFY(g.LogCount() >= 2);
        QCOMPARE(log->childCount(), g.LogCount());
        for (int i = 0; i < g.LogCount(); ++i) {
            QAccessibleInterface* line = log->child(i);
            QVERIFY(line);
            QCOMPARE(line->role(), QAccessible::ListItem);
            QCOMPARE(line->text(QAccessible::Name), g.LogLine(i));
            QCOMPARE(log->indexOfChild(line), i);
            QCOMPARE(line->parent(), log);
        }
        // The first line sits on the top row of the list's surface.
        const QRect first = log->child(0)->rect();
        QCOMPARE(first.topLeft(), list->listSurface()->mapToGlobal(QPoint(0, 0)));
        QCOMPARE(log->childAt(first.center().x(), first.center().y()), log->child(0));

        // A new deal rewrites the log; the list follows.
        g.Choose("M_Abort");
        QCOMPARE(log->childCount(), g.LogCount());
        QCOMPARE(log->child(0)->text(QAccessible::Name), g.LogLine(0));
    }
};

QTEST_MAIN(AccessibleLogTest)
#include "AccessibleLogTest.moc"
