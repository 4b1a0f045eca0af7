// The table as assistive technology reads it (offscreen): the tree of cards, covered hands,
// pile, table card, labels and colour areas with their roles, names and screen rectangles, and
// the keyboard focus moving through it with each move announced.
#include <QAccessible>
#include <QLabel>
#include <QtTest>

#include <cmath>
#include <vector>

#include "BoardDescription.h"
#include "TableAccessible.h"
#include "TableFixture.h"
#include "TableKeys.h"

using namespace tolvanis;
using namespace tolvanis::testing;

namespace {

// What was announced: the interface each focus event named.
std::vector<QAccessibleInterface*>* seenFocus = nullptr;

void RecordEvent(QAccessibleEvent* event) {
    if (seenFocus && event->type() == QAccessible::Focus)
        seenFocus->push_back(event->accessibleInterface());
}

// The child of `table` with that name, or null.
QAccessibleInterface* Named(QAccessibleInterface* table, const QString& name) {
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface* child = table->child(i);
        if (child && child->text(QAccessible::Name) == name) return child;
    }
    return nullptr;
}

QRect Global(TableWidget* table, const QRect& local) {
    return QRect(table->mapToGlobal(local.topLeft()), local.size());
}

}  // namespace

class AccessibleTest : public QObject {
    Q_OBJECT

  private:
    PictureSet pictures;
    std::unique_ptr<TableRig> rig;

    QAccessibleInterface* Tree() { return QAccessible::queryAccessibleInterface(rig->Table()); }

  private slots:
    void initTestCase() {
        const std::optional<QString> error = pictures.Load(PictureSet::DefaultSearchDirs());
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
    }
    void init() {
        rig = std::make_unique<TableRig>(pictures);
        rig->window->show();
        QVERIFY(QTest::qWaitForWindowActive(rig->window.get()));
        rig->Table()->setFocus();
        rig->window->Refresh();
    }
    void cleanup() { rig.reset(); }

    void treeNamesRolesAndRectangles() {
        const GameState& st = rig->engine.State;
        const Board& t = rig->engine.Table;
        QAccessibleInterface* table = Tree();
        QVERIFY(table);
        QCOMPARE(table->role(), QAccessible::Client);
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Table"));

        // Seat 1 plays face up: each card by name, where it is drawn.
        for (int i = 1; i <= st.HandCount[1]; ++i) {
            const int card = st.Hand[1][i];
            QAccessibleInterface* child = Named(table, CardName(st, card));
            QVERIFY2(child, qPrintable(CardName(st, card)));
            QCOMPARE(child->role(), QAccessible::Graphic);
            QVERIFY(child->state().focusable);
            QCOMPARE(child->parent(), table);
            QVERIFY(table->indexOfChild(child) >= 0);
        }
        const int first = st.Hand[1][1];
        QAccessibleInterface* firstCard = Named(table, CardName(st, first));
        QCOMPARE(firstCard->rect(),
                 Global(rig->Table(), rig->Table()->ItemRect({ItemKind::CardImage, first})));
        QCOMPARE(firstCard->text(QAccessible::Description), QStringLiteral("seat 1"));

        // The computer seats are covered; the pile and the table card say what a glance does.
        for (int seat = 2; seat <= 4; ++seat) {
            const QString name =
                QStringLiteral("seat %1, %2 cards, face down").arg(seat).arg(st.HandCount[seat]);
            QAccessibleInterface* hand = Named(table, name);
            QVERIFY2(hand, qPrintable(name));
            QCOMPARE(hand->rect(),
                     Global(rig->Table(), rig->Table()->ItemRect({ItemKind::PlayerBack, seat})));
        }
        QVERIFY(Named(table, QStringLiteral("pile, %1 cards").arg(st.HandCount[0])));
        QAccessibleInterface* tableCard =
            Named(table, QStringLiteral("table card ") + CardName(st, st.TableCard) +
                             QStringLiteral(", color to follow ") + ColorWord(st.TableColor));
        QVERIFY(tableCard);
        QCOMPARE(tableCard->rect(),
                 Global(rig->Table(), rig->Table()->ItemRect({ItemKind::CardImage, st.TableCard})));

        // Seat labels with their captions, as static text.
        for (int seat = 1; seat <= 4; ++seat) {
            QAccessibleInterface* label = Named(table, t.Message[seat].Caption);
            QVERIFY2(label, qPrintable(t.Message[seat].Caption));
            QCOMPARE(label->role(), QAccessible::StaticText);
        }

        // The topmost item under a point is the one a click there reaches.
        const QPoint middle = firstCard->rect().topLeft() + QPoint(2, 40);
        QAccessibleInterface* under = table->childAt(middle.x(), middle.y());
        QVERIFY(under);
        const auto hit = t.ItemAt(
            (middle.x() - rig->Table()->mapToGlobal(QPoint()).x() + 0.5) / TableWidget::PxPerMm,
            (middle.y() - rig->Table()->mapToGlobal(QPoint()).y() + 0.5) / TableWidget::PxPerMm);
        QVERIFY(hit);
        QCOMPARE(under->text(QAccessible::Name), CardName(st, hit->Index));
    }

    void colourAreasWhileAColourIsToBeNamed() {
        GameState& st = rig->engine.State;
        rig->GiveTurnToSeat1();
        const int wild = 88;  // a +4
        rig->GiveCard(1, wild);
        // Nothing of the colour to follow in hand, so the +4 may be played.
        rig->engine.State.RecountHand(1);
        st.CountByColor[1][Index(st.TableColor)] = 0;
        for (int i = 1; i <= st.HandCount[1]; ++i) {
            const int card = st.Hand[1][i];
            if (card != wild && st.CardColor[card] == st.TableColor)
                st.CardColor[card] = ColorCode::Any;
        }
        rig->engine.OnCardMouseUp(wild, ButtonLeft, 0, 1, 1);
        QCOMPARE(st.ColorWait, 4);
        rig->window->Refresh();

        QAccessibleInterface* table = Tree();
        const QRect card =
            Global(rig->Table(), rig->Table()->ItemRect({ItemKind::CardImage, st.TableCard}));
        const char* names[] = {"red", "green", "blue", "yellow"};
        const QImage picture = pictures.PictureImage(rig->engine.Table.ColorPickers[1].Picture);
        const QRgb pixels[] = {qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 128),
                               qRgb(128, 128, 0)};
        for (int c = 0; c < 4; ++c) {
            QAccessibleInterface* area = Named(table, QLatin1String(names[c]));
            QVERIFY2(area, names[c]);
            QCOMPARE(area->role(), QAccessible::Button);
            const QRect rect = area->rect();
            QVERIFY(card.contains(rect));
            QVERIFY(rect.width() > 2 && rect.height() > 2);
            // The colour's pixels of the picture all lie inside the area's rectangle.
            for (int y = 0; y < picture.height(); y += 3) {
                for (int x = 0; x < picture.width(); x += 3) {
                    if ((picture.pixel(x, y) | 0xFF000000u) != pixels[c]) continue;
                    QVERIFY2(rect.adjusted(-1, -1, 1, 1).contains(card.topLeft() + QPoint(x, y)),
                             names[c]);
                }
            }
        }
        // The table card in the ring: the colour is named there.
        QCOMPARE(table->focusChild()->role(), QAccessible::Graphic);
        QVERIFY(
            table->focusChild()->text(QAccessible::Name).startsWith(QStringLiteral("table card")));

        QTest::keyClick(rig->Table(), Qt::Key_G);
        QCOMPARE(st.TableColor, ColorCode::Green);
        QVERIFY(!Named(table, QStringLiteral("green")));
    }

    void rectanglesAndRingFollowTheScale() {
        const QSize layout = rig->Table()->LayoutSize();
        rig->window->resize(layout * 2);
        QTRY_COMPARE(rig->Table()->size(), layout * 2);
        QVERIFY(rig->Table()->Scale() > 1.9);
        const GameState& st = rig->engine.State;
        QAccessibleInterface* table = Tree();
        const ItemRef pile{ItemKind::CardImage, 0};
        QAccessibleInterface* pileItem =
            Named(table, QStringLiteral("pile, %1 cards").arg(st.HandCount[0]));
        QVERIFY(pileItem);
        QCOMPARE(pileItem->rect(), Global(rig->Table(), rig->Table()->ItemRect(pile)));
        QVERIFY(std::abs(pileItem->rect().width() - 2 * rig->Table()->LayoutRect(pile).width()) <=
                1);

        rig->engine.CommandAllHuman();
        rig->GiveTurnToSeat1();
        rig->window->Refresh();
        QTest::keyClick(rig->Table(), Qt::Key_End);
        const ItemRef focused{ItemKind::CardImage, st.Hand[1][st.HandCount[1]]};
        QCOMPARE(rig->window->Keys()->RingRect(), rig->Table()->ItemRect(focused));
        QCOMPARE(table->focusChild()->rect(),
                 Global(rig->Table(), rig->Table()->ItemRect(focused)));
    }

    void focusMovesAreAnnounced() {
        std::vector<QAccessibleInterface*> events;
        seenFocus = &events;
        TableAccessible::Announce = &RecordEvent;
        rig->engine.CommandAllHuman();
        rig->GiveTurnToSeat1();
        rig->window->Refresh();
        QAccessibleInterface* table = Tree();
        const GameState& st = rig->engine.State;

        QTest::keyClick(rig->Table(), Qt::Key_End);
        const int last = st.Hand[1][st.HandCount[1]];
        QAccessibleInterface* focus = table->focusChild();
        QVERIFY(focus);
        QCOMPARE(focus->text(QAccessible::Name), CardName(st, last));
        QVERIFY(focus->state().focused);
        QVERIFY(!events.empty());
        QCOMPARE(events.back(), focus);
        QTest::keyClick(rig->Table(), Qt::Key_Home);
        QCOMPARE(table->focusChild()->text(QAccessible::Name), CardName(st, st.Hand[1][1]));
        QVERIFY(!focus->state().focused);
        QCOMPARE(events.back(), table->focusChild());

        // The option box: the focus goes to its setting.
        QTest::keyClick(rig->Table(), Qt::Key_3, Qt::ControlModifier);
        QAccessibleInterface* setting = table->focusChild();
        QVERIFY(setting);
        QCOMPARE(setting->text(QAccessible::Name), rig->Table()->OptionLabel(0)->text());
        QCOMPARE(events.back(), setting);
        TableAccessible::Announce = &QAccessible::updateAccessibility;
        seenFocus = nullptr;
    }
};

int RunAccessibleTests(int argc, char** argv) {
    AccessibleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AccessibleTest.moc"
