// The table in a larger window: one uniform scale that fits, centred on the felt, and every
// click, move and colour pick reaching the item and the millimetre position it reaches at 100 %.
// The expected places are worked out here from the window size alone, not asked of the widget.
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include <algorithm>
#include <cmath>

#include "TableFixture.h"

using namespace tolvanis;
using namespace tolvanis::testing;

namespace {

// The mean colour of `area` of `image`, channel by channel.
QColor MeanColour(const QImage& image, const QRect& area) {
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            r += qRed(p), g += qGreen(p), b += qBlue(p);
            ++n;
        }
    }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor();
}

bool CloseColours(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

QString Show(const QColor& c) {
    return QStringLiteral("(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

}  // namespace

class ScaleTest : public QObject {
    Q_OBJECT

  private:
    PictureSet pictures;
    std::unique_ptr<TableRig> rig;
    QSize layout;
    double scale = 1;
    QPointF origin;

    // Grows the window to `factor` times the layout's size in each direction and works out
    // where the table must then lie: the whole layout at the largest scale that fits, centred.
    void Resize(double fx, double fy) {
        const QSize size(static_cast<int>(std::lround(layout.width() * fx)),
                         static_cast<int>(std::lround(layout.height() * fy)));
        rig->window->resize(size);
        QTRY_COMPARE(rig->Table()->size(), size);
        scale = std::min(double(size.width()) / layout.width(),
                         double(size.height()) / layout.height());
        origin = QPointF(std::floor((size.width() - layout.width() * scale) / 2),
                         std::floor((size.height() - layout.height() * scale) / 2));
    }
    // A whole widget point on the scaled image of a layout pixel: the first one of it, which at
    // a scale of at least 1 always lies inside.
    QPoint At(QPoint layoutPx) const {
        const QPointF p = origin + QPointF(layoutPx) * scale;
        return QPoint(static_cast<int>(std::ceil(p.x() - 1e-6)),
                      static_cast<int>(std::ceil(p.y() - 1e-6)));
    }
    QRectF Scaled(const QRect& layoutRect) const {
        return QRectF(origin + QPointF(layoutRect.topLeft()) * scale,
                      QSizeF(layoutRect.size()) * scale);
    }

    // A layout pixel where the item shows at 100 %, as the board itself answers.
    QPoint ShowingPartOf(ItemRef item) const {
        const QRect r = rig->Table()->LayoutRect(item);
        for (int y = r.center().y(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (rig->engine.Table.ItemAt(x / TableWidget::PxPerMm, y / TableWidget::PxPerMm) ==
                    item)
                    return QPoint(x, y);
        return QPoint(-1, -1);
    }

    static void AddScales() {
        QTest::addColumn<double>("fx");
        QTest::addColumn<double>("fy");
        QTest::newRow("1x") << 1.0 << 1.0;
        QTest::newRow("1.5x") << 1.5 << 1.5;
        QTest::newRow("2x") << 2.0 << 2.0;
        // Wider than the table's proportions: felt on the left and right.
        QTest::newRow("wide") << 2.6 << 1.5;
        QTest::newRow("tall") << 1.25 << 2.0;
    }

  private slots:
    void initTestCase() {
        const std::optional<QString> error = pictures.Load(PictureSet::DefaultSearchDirs());
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
    }
    void init() {
        rig = std::make_unique<TableRig>(pictures);
        rig->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig->window.get()));
        layout = TableWindow::ClientSizeFor(rig->engine.Table);
    }
    void cleanup() { rig.reset(); }

    // The defined size is where the window starts and the least it can be made.
    void defaultAndSmallestSize() {
        QCOMPARE(rig->Table()->size(), layout);
        QCOMPARE(rig->Table()->minimumSize(), layout);
        rig->window->resize(layout / 2);
        QTest::qWait(20);
        QCOMPARE(rig->Table()->size(), layout);
        QCOMPARE(rig->Table()->Scale(), 1.0);
    }

    void drawnAtOneScaleCentred_data() { AddScales(); }
    void drawnAtOneScaleCentred() {
        QFETCH(double, fx);
        QFETCH(double, fy);
        Resize(fx, fy);
        QVERIFY(std::abs(rig->Table()->Scale() - scale) < 1e-9);
        const Board& t = rig->engine.Table;
        // Every seat's back and the pile lie at their scaled places, inside the window.
        const QRect inside = rig->Table()->rect();
        for (int s = 1; s <= 4; ++s) {
            const ItemRef back{ItemKind::PlayerBack, s};
            const QRectF want = Scaled(rig->Table()->LayoutRect(back));
            const QRect drawn = rig->Table()->ItemRect(back);
            QVERIFY(std::abs(drawn.left() - want.left()) <= 1 &&
                    std::abs(drawn.top() - want.top()) <= 1);
            QVERIFY(std::abs(drawn.width() - want.width()) <= 1 &&
                    std::abs(drawn.height() - want.height()) <= 1);
            QVERIFY(inside.contains(drawn));
        }
        // The felt left over is shared equally on both sides.
        const double spareX = inside.width() - layout.width() * scale;
        const double spareY = inside.height() - layout.height() * scale;
        QVERIFY(std::abs(origin.x() - spareX / 2) <= 1 && std::abs(origin.y() - spareY / 2) <= 1);

        // The table card is painted there, from a picture as sharp as the scale needs.
        const GameState& s = rig->engine.State;
        const QImage grab = rig->Grab();
        const QRectF card = Scaled(rig->LayoutRectOf(s.TableCard));
        const QImage face = pictures.PictureImage(t.CardImage[s.TableCard].Picture);
        const QRect faceMiddle(face.width() / 4, face.height() / 4, face.width() / 2,
                               face.height() / 2);
        const QRect drawnMiddle = QRectF(card.topLeft() + QPointF(faceMiddle.topLeft()) * scale,
                                         QSizeF(faceMiddle.size()) * scale)
                                      .toAlignedRect()
                                      .adjusted(1, 1, -1, -1);
        const QColor want = MeanColour(face, faceMiddle), got = MeanColour(grab, drawnMiddle);
        QVERIFY2(CloseColours(want, got, 10), qPrintable(Show(want) + " " + Show(got)));
    }

    // A card, the pile and a seat label clicked at their scaled places do what they do at 100 %.
    void clicksOnCardsPileAndLabels_data() { AddScales(); }
    void clicksOnCardsPileAndLabels() {
        QFETCH(double, fx);
        QFETCH(double, fy);
        Resize(fx, fy);
        rig->GiveTurnToSeat1();
        GameState& s = rig->engine.State;

        // A card in the fanned hand, clicked where it shows beside the next one.
        const int earlier = s.Hand[1][3], later = s.Hand[1][4];
        const QPoint overlap(rig->LayoutRectOf(later).left() + 2,
                             rig->LayoutRectOf(later).center().y());
        QVERIFY(rig->LayoutRectOf(earlier).contains(overlap));
        rig->MatchTableTo(later);
        int before = s.HandCount[1];
        QTest::mouseClick(rig->Table(), Qt::LeftButton, {}, At(overlap));
        QCOMPARE(s.PlayedCard, later);
        QCOMPARE(s.CardOwner[later], 0);
        QCOMPARE(s.CardOwner[earlier], 1);
        QCOMPARE(s.HandCount[1], before - 1);

        // The pile gives the seat to move what it owes.
        rig->GiveTurnToSeat1();
        s.PendingDraw[1] = 1;
        before = s.HandCount[1];
        QTest::mouseClick(rig->Table(), Qt::LeftButton, {},
                          At(ShowingPartOf({ItemKind::CardImage, 0})));
        QCOMPARE(s.HandCount[1], before + 1);

        // The seat's label takes what the seat owes.
        rig->GiveTurnToSeat1();
        s.PendingDraw[1] = 2;
        before = s.HandCount[1];
        QTest::mouseClick(rig->Table(), Qt::LeftButton, {},
                          At(ShowingPartOf({ItemKind::Message, 1})));
        QCOMPARE(s.HandCount[1], before + 2);
        QCOMPARE(s.PendingDraw[1], 0);
    }

    // Each colour area of both wild cards, clicked at its scaled place, names its colour and is
    // read at the same millimetre position as at 100 %. The window is resized between playing
    // the wild card and choosing, which must not lose the choice.
    void colourPicks_data() {
        QTest::addColumn<double>("fx");
        QTest::addColumn<double>("fy");
        QTest::addColumn<int>("wild");
        QTest::addColumn<int>("colour");
        const std::pair<const char*, double> scales[] = {{"1x", 1.0}, {"1.5x", 1.5}, {"2x", 2.0}};
        const std::pair<const char*, int> wilds[] = {{"change", 105}, {"plus4", 85}};
        const char* names[] = {"", "red", "green", "blue", "yellow"};
        for (const auto& [scaleName, f] : scales)
            for (const auto& [wildName, wild] : wilds)
                for (ColorCode colour : PlayColors)
                    QTest::addRow("%s %s %s", scaleName, wildName, names[Index(colour)])
                        << f << f << wild << Index(colour);
        QTest::addRow("wide change green") << 2.6 << 1.5 << 105 << Index(ColorCode::Green);
        QTest::addRow("tall plus4 yellow") << 1.25 << 2.0 << 85 << Index(ColorCode::Yellow);
    }
    void colourPicks() {
        QFETCH(double, fx);
        QFETCH(double, fy);
        QFETCH(int, wild);
        QFETCH(int, colour);
        GameState& s = rig->engine.State;
        if (s.TableCard == wild) ++wild;
        rig->PlayWild(wild);
        QVERIFY(s.ColorWait >= 1);
        Resize(fx, fy);
        QVERIFY(s.ColorWait >= 1);

        const QRgb pick[5] = {0, qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 128),
                              qRgb(128, 128, 0)};
        const QImage face = pictures.PictureImage(wild);
        const QPoint inFace = InsideArea(face, pick[colour]);
        QVERIFY2(inFace.x() >= 0, "the wild card shows no such area");
        const QPoint layoutPx = rig->LayoutRectOf(s.TableCard).topLeft() + inFace;
        QTest::mouseClick(rig->Table(), Qt::LeftButton, {}, At(layoutPx));
        QCOMPARE(s.ColorWait, 0);
        QCOMPARE(Index(s.TableColor), colour);
        const QPointF mm((inFace.x() + 0.5) / TableWidget::PxPerMm,
                         (inFace.y() + 0.5) / TableWidget::PxPerMm);
        QCOMPARE(rig->services.LastPickMm, mm);
    }

    // The hover lift moves the card's scaled picture; the felt shows where it lay.
    void hoverLiftAtScale_data() { AddScales(); }
    void hoverLiftAtScale() {
        QFETCH(double, fx);
        QFETCH(double, fy);
        Resize(fx, fy);
        rig->GiveTurnToSeat1();
        const GameState& s = rig->engine.State;
        const Board& t = rig->engine.Table;
        const int card = s.Hand[1][s.HandCount[1]];  // the last card shows whole
        const double top = t.CardImage[card].Top;
        QTest::mouseMove(rig->Table(), At(rig->LayoutShowingPartOf(card)));
        QTRY_COMPARE(t.CardImage[card].Top, top + LiftStepSide);

        const QRect lifted = rig->LayoutRectOf(card);
        const QImage face = pictures.PictureImage(card);
        const QRect lowerMiddle(face.width() / 4, face.height() / 2, face.width() / 2,
                                face.height() / 3);
        const QRect drawn =
            Scaled(lifted.adjusted(lowerMiddle.left(), lowerMiddle.top(), 0, 0)).toAlignedRect();
        const QRect area(drawn.topLeft() + QPoint(1, 1),
                         (QSizeF(lowerMiddle.size()) * scale).toSize() - QSize(2, 2));
        const QImage grab = rig->Grab();
        const QColor want = MeanColour(face, lowerMiddle), got = MeanColour(grab, area);
        QVERIFY2(CloseColours(want, got, 10), qPrintable(Show(want) + " " + Show(got)));
        // Above the lifted card, where its top edge lay, the felt shows again.
        const QRect gap = Scaled(QRect(lifted.left() + lifted.width() / 3, lifted.top() - 6,
                                       lifted.width() / 3, 3))
                              .toAlignedRect();
        const QColor felt = MeanColour(grab, gap.adjusted(1, 1, -1, -1));
        QVERIFY2(felt.green() > 2 * felt.red() && felt.green() > felt.blue(),
                 qPrintable(Show(felt)));
    }

    // The flying back is painted at the scaled place of its position.
    void flyingBackAtScale_data() { AddScales(); }
    void flyingBackAtScale() {
        QFETCH(double, fx);
        QFETCH(double, fy);
        Resize(fx, fy);
        rig->engine.AnimateTake(2);
        rig->window->Refresh();
        const Board& t = rig->engine.Table;
        // Well clear of the pile and before it reaches the seat.
        QTRY_VERIFY(rig->Table()->FlightPositionMm().x() > t.Flight.X0 + 30);
        const QPointF mm = rig->Table()->FlightPositionMm();
        const QImage grab = rig->Grab();
        QVERIFY(rig->Table()->FlightRunning());
        const QImage back = pictures.PictureImage(t.Flight.Picture);
        const QRect middle(back.width() / 4, back.height() / 4, back.width() / 2,
                           back.height() / 2);
        const QPoint at(TableWidget::ToPx(mm.x()), TableWidget::ToPx(mm.y()));
        const QRect drawn = Scaled(QRect(at + middle.topLeft(), middle.size())).toAlignedRect();
        const QColor want = MeanColour(back, middle),
                     got = MeanColour(grab, drawn.adjusted(1, 1, -1, -1));
        QVERIFY2(CloseColours(want, got, 12), qPrintable(Show(want) + " " + Show(got)));
    }

    // The seat option box opens at its scaled place and size, and its labels still answer.
    void optionBoxAtScale_data() { AddScales(); }
    void optionBoxAtScale() {
        QFETCH(double, fx);
        QFETCH(double, fy);
        Resize(fx, fy);
        GameState& s = rig->engine.State;
        const Board& t = rig->engine.Table;
        const QRect back = rig->Table()->LayoutRect({ItemKind::PlayerBack, 2});
        QTest::mouseClick(rig->Table(), Qt::RightButton, {}, At(back.center()));
        QCOMPARE(s.OptionsOpen, 2);
        QGroupBox* frame = rig->Table()->OptionBox();
        QVERIFY(frame && frame->isVisible());
        const QRectF want = Scaled(
            QRect(TableWidget::ToPx(t.Optionframe.Left), TableWidget::ToPx(t.Optionframe.Top),
                  TableWidget::ToPx(t.Optionframe.Width), TableWidget::ToPx(t.Optionframe.Height)));
        QVERIFY(std::abs(frame->x() - want.x()) <= 1 && std::abs(frame->y() - want.y()) <= 1);
        QVERIFY(std::abs(frame->width() - want.width()) <= 1 &&
                std::abs(frame->height() - want.height()) <= 1);
        QLabel* pause = rig->Table()->OptionLabel(1);
        QVERIFY(pause->font().pixelSize() >= std::lround(10 * scale) - 1);
        QTest::mouseClick(pause, Qt::LeftButton);
        QCOMPARE(pause->text(), QStringLiteral("NoPause"));

        // Growing the window while the box is open carries it along.
        Resize(fx + 0.5, fy + 0.5);
        const QRectF moved = Scaled(QRect(TableWidget::ToPx(t.Optionframe.Left),
                                          TableWidget::ToPx(t.Optionframe.Top), 1, 1));
        QVERIFY(std::abs(frame->x() - moved.x()) <= 1 && std::abs(frame->y() - moved.y()) <= 1);
    }

    // F11 makes the window full screen and back; the table fills the screen at its scale.
    void fullScreenWithF11() {
        QTest::keyClick(rig->window.get(), Qt::Key_F11);
        QTRY_VERIFY(rig->window->isFullScreen());
        QTRY_VERIFY(rig->Table()->Scale() > 1.0);
        const QRect drawn = rig->Table()->ItemRect({ItemKind::PlayerBack, 3});
        QVERIFY(rig->Table()->rect().contains(drawn));
        QTest::keyClick(rig->window.get(), Qt::Key_F11);
        QTRY_VERIFY(!rig->window->isFullScreen());
    }
};

int RunScaleTests(int argc, char** argv) {
    ScaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScaleTest.moc"
