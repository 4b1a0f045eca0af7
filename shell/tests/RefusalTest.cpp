// A card the table refuses shows it: a red outline for a moment, with the sound on or off, and
// nothing waits for it.
#include <QTest>

#include "GameHarness.h"
#include "Rules.h"

using namespace tolvanis;
using namespace tolvanis::testing;

class RefusalTest : public QObject {
    Q_OBJECT

  private slots:
    void aRefusedCardIsOutlinedBriefly() {
        // A deal where the person on seat 1 moves first and holds a card the table refuses.
        std::unique_ptr<GameHarness> g;
        int refused = 0;
        for (std::uint64_t seed = 1; seed < 40 && refused == 0; ++seed) {
            g = std::make_unique<GameHarness>(seed);
            g->Choose("FirstPlayerStart");
            g->Choose("M_Abort");
            if (g->St().CurrentSeat != 1 || g->St().PendingDraw[1] != 0) continue;
            for (int i = 1; i <= g->St().HandCount[1]; ++i) {
                const int card = g->St().Hand[1][i];
                if (JudgeCard(g->St(), 1, card) == Verdict::NoMatch) refused = card;
            }
        }
        QVERIFY(refused > 0);
        g->Choose("SoundOnx");  // sound off: the refusal must still be seen
        TableWidget* table = g->Table();
        QVERIFY(QTest::qWaitForWindowExposed(g->app->Table()));
        QVERIFY(!table->RefusalShowing());

        const int before = g->St().HandCount[1];
        g->ClickCard(refused);
        QCOMPARE(g->St().HandCount[1], before);
        QVERIFY(table->RefusalShowing());
        QCOMPARE(table->RefusalCard(), refused);
        const QRect rect = table->ItemRect({ItemKind::CardImage, refused});
        const QColor edge = table->grab().toImage().pixelColor(rect.left() + 1, rect.center().y());
        QVERIFY2(edge.red() > 150 && edge.green() < 80 && edge.blue() < 80,
                 qPrintable(edge.name()));

        QTRY_VERIFY_WITH_TIMEOUT(!table->RefusalShowing(), 3000);
        const QColor after = table->grab().toImage().pixelColor(rect.left() + 1, rect.center().y());
        QVERIFY(after != edge);
    }
};

QTEST_MAIN(RefusalTest)
#include "RefusalTest.moc"
