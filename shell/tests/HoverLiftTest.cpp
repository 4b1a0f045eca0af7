// The lift of the card under the mouse, as a player meets it with the real mouse: it goes with
// the hover and never outlives the turn or the seat's hand-over to the computer; right-clicks that
// open and close the seat options leave every card where it belongs.
#include <QTest>

#include "GameHarness.h"

using namespace tolvanis;
using namespace tolvanis::testing;

class HoverLiftTest : public QObject {
    Q_OBJECT

  private:
    // Seat 1 (a person) to move in a fresh deal.
    static std::unique_ptr<GameHarness> PersonToMove() {
        auto g = std::make_unique<GameHarness>(3);
        g->Choose("FirstPlayerStart");
        g->Choose("M_Abort");
        // The pointer starts on the felt: a move to where it already is would be no move.
        QTest::mouseMove(g->Table(), QPoint(2, 2));
        return g;
    }
    // Where the card lies when nothing lifts it.
    static QPointF Resting(GameHarness& g, int card) {
        const GameState& s = g.St();
        const int seat = s.CardOwner[card];
        int i = 1;
        while (s.Hand[seat][i] != card)
            ++i;
        return {s.HandLeft[seat] + (i - 1) * s.HandStepX[seat] / double(LayoutScale),
                s.HandTop[seat] + (i - 1) * s.HandStepY[seat] / double(LayoutScale)};
    }
    static QPointF Place(GameHarness& g, int card) {
        return {g.Tb().CardImage[card].Left, g.Tb().CardImage[card].Top};
    }

  private slots:
    void allAutoWithoutPauseLowersTheHoveredCard() {
        auto g = PersonToMove();
        const int card = g->St().Hand[1][2];
        QTest::mouseMove(g->Table(), g->PointOn({ItemKind::CardImage, card}));
        QVERIFY(Place(*g, card) != Resting(*g, card));
        g->Choose("OPT3");
        QCOMPARE(Place(*g, card), Resting(*g, card));
    }

    void rightClicksOnOwnCardThenAnotherSeatsBack() {
        auto g = PersonToMove();
        const int card = g->St().Hand[1][2];
        const QPoint on = g->PointOn({ItemKind::CardImage, card});
        QTest::mouseMove(g->Table(), on);
        QVERIFY(Place(*g, card) != Resting(*g, card));
        QTest::mouseClick(g->Table(), Qt::RightButton, Qt::NoModifier, on);
        QVERIFY(g->Tb().Optionframe.Visible);
        const QPoint back = g->PointOn({ItemKind::PlayerBack, 2});
        QTest::mouseMove(g->Table(), back);
        QTest::mouseClick(g->Table(), Qt::RightButton, Qt::NoModifier, back);
        // Seat 1 sits at the top: its lift moves the card down, towards the table.
        QCOMPARE(Place(*g, card), Resting(*g, card));
        QVERIFY(!g->Tb().Optionframe.Visible);
    }

    void leavingTheTableLowersTheCard() {
        auto g = PersonToMove();
        const int card = g->St().Hand[1][2];
        QTest::mouseMove(g->Table(), g->PointOn({ItemKind::CardImage, card}));
        QVERIFY(Place(*g, card) != Resting(*g, card));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(g->Table(), &leave);
        QCOMPARE(Place(*g, card), Resting(*g, card));
    }
};

QTEST_MAIN(HoverLiftTest)
#include "HoverLiftTest.moc"
