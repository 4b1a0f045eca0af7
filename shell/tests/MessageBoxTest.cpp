// The game's message boxes as a player meets them: "Click on a color first" opens where it does
// not cover the table card that must be clicked next, and the hint's box is wide enough for its
// title. The real boxes are shown here (not the test hook) and read while they are open.
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "GameHarness.h"
#include "MessageBoxPlace.h"

using namespace tolvanis;
using namespace tolvanis::testing;

class MessageBoxTest : public QObject {
    Q_OBJECT

  private:
    struct SeenBox {
        QRect Frame;
        QString Title;
        QString Text;
    };

    // Runs `act`, which is to open a modal message box; the box is read and closed.
    static SeenBox WhileABoxIsOpen(const std::function<void()>& act) {
        SeenBox seen;
        QTimer closer;
        closer.setInterval(5);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            seen = {box->frameGeometry(), box->windowTitle(), box->text()};
            box->done(QMessageBox::Ok);
        });
        closer.start();
        act();
        closer.stop();
        return seen;
    }
    // The game with its real boxes, seat 1 (a person) to move in a fresh deal.
    static std::unique_ptr<GameHarness> PersonToMove() {
        auto g = std::make_unique<GameHarness>(3);
        g->Choose("FirstPlayerStart");
        g->Choose("M_Abort");
        g->app->Services().MessageHook = nullptr;
        [&] { QVERIFY(QTest::qWaitForWindowExposed(g->app->Table())); }();
        return g;
    }
    static QRect OnScreen(GameHarness& g, ItemRef item) {
        const QRect r = g.Table()->ItemRect(item);
        return QRect(g.Table()->mapToGlobal(r.topLeft()), r.size());
    }

  private slots:
    void colourFirstLeavesTheTableCardUncovered() {
        auto g = PersonToMove();
        QCOMPARE(g->St().CurrentSeat, 1);
        // A wild card was played and its colour is still to be clicked on the table card.
        g->St().ColorWait = -Rank(ValueCode::ColorChange);
        g->app->RefreshAll();
        const SeenBox box = WhileABoxIsOpen(
            [&] { QTest::mouseClick(g->Table(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4)); });
        QCOMPARE(box.Text, QStringLiteral("Click on a color first"));
        const QRect tableCard = OnScreen(*g, {ItemKind::CardImage, g->St().TableCard});
        QVERIFY2(!box.Frame.intersects(tableCard),
                 qPrintable(QStringLiteral("box %1,%2 %3x%4 covers the table card at %5,%6")
                                .arg(box.Frame.x())
                                .arg(box.Frame.y())
                                .arg(box.Frame.width())
                                .arg(box.Frame.height())
                                .arg(tableCard.x())
                                .arg(tableCard.y())));
        QVERIFY(g->app->Table()->screen()->availableGeometry().contains(box.Frame));
    }

    void hintBoxIsWideEnoughForItsTitle() {
        auto g = PersonToMove();
        const int card = g->St().Hand[1][1];
        const SeenBox box = WhileABoxIsOpen([&] {
            g->ClickItem({ItemKind::CardImage, card}, Qt::LeftButton, Qt::ShiftModifier);
        });
        QVERIFY(box.Text.startsWith(QStringLiteral("hint !")));
        QCOMPARE(box.Title, QStringLiteral("Tolvanis"));
        QVERIFY2(box.Frame.width() >= LeastMessageBoxWidth(box.Title),
                 qPrintable(QString::number(box.Frame.width())));
    }

    void placedBesideWhatItMustNotCover() {
        const QRect screen(0, 0, 1000, 800);
        const QRect parent(0, 0, 800, 600);
        const QSize size(200, 100);
        // Nothing in the way: centred as usual.
        QCOMPARE(PlaceMessageBox(size, parent, QRect(10, 10, 50, 50), screen), QPoint(300, 250));
        // The middle is taken: just below it.
        const QRect card(370, 260, 60, 80);
        const QPoint below = PlaceMessageBox(size, parent, card, screen);
        QVERIFY(!QRect(below, size).intersects(card));
        QCOMPARE(below.y(), card.bottom() + 1 + 8);
        // No room below on this screen: above.
        const QRect low(370, 650, 60, 80);
        const QPoint above = PlaceMessageBox(size, parent, low, screen);
        QVERIFY(!QRect(above, size).intersects(low));
        QVERIFY(above.y() + size.height() <= low.top());
        QVERIFY(screen.contains(QRect(above, size)));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
