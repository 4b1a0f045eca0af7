// The table window after start-up and under the mouse: where the controls are, how large the
// window is, what lies above what, and clicks and moves reaching the engine as a player makes
// them.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

#include "TableFixture.h"
#include "TolvanisVersion.h"

using namespace tolvanis;
using namespace tolvanis::testing;

namespace {

int PositionInStack(const Board& t, ItemRef item) {
    const std::vector<ItemRef> order = t.StackingOrder();
    return static_cast<int>(std::find(order.begin(), order.end(), item) - order.begin());
}

// Writes the five strips scaled to cells of w x h pixels into `dir`.
void WriteScaledStrips(const QString& dir, int w, int h) {
    for (const char* file : PictureSet::StripFiles()) {
        QImage strip(QDir::current().filePath(QString::fromLatin1(file)));
        QVERIFY(!strip.isNull());
        strip = strip.scaled(w * PictureSet::CellsPerStrip, h, Qt::IgnoreAspectRatio,
                             Qt::FastTransformation);
        QVERIFY(strip.save(QDir(dir).filePath(QString::fromLatin1(file))));
    }
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private:
    PictureSet pictures;
    std::unique_ptr<TableRig> rig;

  private slots:
    void initTestCase() {
        const std::optional<QString> error = pictures.Load(PictureSet::DefaultSearchDirs());
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
    }
    void init() {
        rig = std::make_unique<TableRig>(pictures);
        rig->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig->window.get()));
    }
    void cleanup() { rig.reset(); }

    void controlsAfterLoad() {
        const Board& t = rig->engine.Table;
        QCOMPARE(rig->window->windowTitle(), QStringLiteral("Tolvanis v" TOLVANIS_VERSION));
        const QPoint backs[5] = {{}, {77, 5}, {133, 47}, {77, 87}, {3, 47}};
        const QPoint lines[5] = {{}, {64, 33}, {103, 55}, {64, 81}, {22, 55}};
        for (int s = 1; s <= 4; ++s) {
            QCOMPARE(QPointF(t.PlayerBack[s].Left, t.PlayerBack[s].Top), QPointF(backs[s]));
            QCOMPARE(QPointF(t.Message[s].Left, t.Message[s].Top), QPointF(lines[s]));
            const LabelItem& label = t.LastCardLabel[s - 1];
            QCOMPARE(QRectF(label.Left, label.Top, label.Width, label.Height),
                     QRectF(t.PlayerBack[s].Left, t.PlayerBack[s].Top, t.CardWidth, t.CardHeight));
            // Drawn where the board says: the back's picture is exactly its rectangle.
            const QRect drawn = rig->Table()->ItemRect({ItemKind::PlayerBack, s});
            QCOMPARE(drawn.topLeft(),
                     QPoint(TableWidget::ToPx(backs[s].x()), TableWidget::ToPx(backs[s].y())));
            QCOMPARE(drawn.size(), pictures.Picture(FirstBackImage).size());
        }
        QCOMPARE(t.GameStartClick.Left, 3.0);
        QCOMPARE(rig->Table()->size(), TableWindow::ClientSizeFor(t));
    }

    // Larger cards give a larger window: 1.2 card widths right of the right back and 1.5 card
    // heights below the bottom back, plus 200 twips, at 15 twips a pixel.
    void windowSizeFollowsTheCells_data() {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::newRow("small cards") << 60 << 80;
        QTest::newRow("large cards") << 95 << 128;
    }
    void windowSizeFollowsTheCells() {
        QFETCH(int, w);
        QFETCH(int, h);
        QTemporaryDir dir;
        WriteScaledStrips(dir.path(), w, h);
        PictureSet scaled;
        const std::optional<QString> error = scaled.Load({dir.path()});
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
        QCOMPARE(scaled.Picture(5).size(), QSize(w, h));
        TableRig other(scaled);
        const double wMm = w * 25.4 / 96, hMm = h * 25.4 / 96;
        const int twipsW = static_cast<int>(std::lround((wMm * 1.2 + 133) * 57 + 200));
        const int twipsH = static_cast<int>(std::lround((hMm * 1.5 + 87) * 57 + 200));
        QCOMPARE(other.engine.Table.WindowWidthTwips, twipsW);
        QCOMPARE(other.engine.Table.WindowHeightTwips, twipsH);
        const QSize client(static_cast<int>(std::lround(twipsW / 15.0)),
                           static_cast<int>(std::lround(twipsH / 15.0)));
        QCOMPARE(other.Table()->size(), client);
        other.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(other.window.get()));
        QCOMPARE(other.window->centralWidget()->size(), client);
        // Everything of the layout fits: the bottom back lies wholly inside.
        QVERIFY(
            QRect(QPoint(), client).contains(other.Table()->ItemRect({ItemKind::PlayerBack, 3})));
    }

    void stackingAfterLoad() {
        const Board& t = rig->engine.Table;
        const GameState& s = rig->engine.State;
        const int top = PositionInStack(t, {ItemKind::CardImage, 125});
        for (int k = 1; k < 125; ++k) {
            const int owner = s.CardOwner[k];
            // Sorting a hand brings its cards forward; every other card keeps its creation order.
            if (k <= DeckSize && owner >= 1 && owner <= 4) continue;
            QVERIFY2(PositionInStack(t, {ItemKind::CardImage, k}) < top,
                     qPrintable(QString::number(k)));
        }
        const int pile = PositionInStack(t, {ItemKind::CardImage, 0});
        for (int k = 1; k < CardSlots; ++k)
            QVERIFY(pile < PositionInStack(t, {ItemKind::CardImage, k}));

        // The window paints in that order: a pile card laid over the pile image shows, and
        // takes the click.
        Board& board = rig->engine.Table;
        int pileCard = -1;
        for (int pos = 1; pos <= s.HandCount[0] && pileCard < 0; ++pos) {
            const int c = s.Hand[0][pos];
            if (c != s.TableCard && c > 0) pileCard = c;
        }
        QVERIFY(pileCard > 0);
        board.CardImage[0].Visible = true;
        board.CardImage[pileCard].Visible = true;
        board.CardImage[pileCard].Left = board.CardImage[0].Left;
        board.CardImage[pileCard].Top = board.CardImage[0].Top;
        rig->window->Refresh();
        const QRect r = rig->RectOf(0);
        const QImage grab = rig->Grab();
        const QImage face = pictures.PictureImage(board.CardImage[pileCard].Picture);
        QCOMPARE(grab.pixel(r.center()) | 0xFF000000u,
                 face.pixel(r.center() - r.topLeft()) | 0xFF000000u);
        QCOMPARE(board.ItemAt(board.CardImage[0].Left + 5, board.CardImage[0].Top + 5),
                 std::optional<ItemRef>(ItemRef{ItemKind::CardImage, pileCard}));
    }

    // Two overlapping cards of a fanned hand: the click lands on the later one.
    void clickOnOverlapReachesLaterCard() {
        rig->GiveTurnToSeat1();
        const GameState& s = rig->engine.State;
        QVERIFY(s.HandCount[1] >= 2);
        const int earlier = s.Hand[1][3], later = s.Hand[1][4];
        const QRect a = rig->RectOf(earlier), b = rig->RectOf(later);
        const QPoint overlap(b.left() + 3, b.center().y());
        QVERIFY(a.contains(overlap) && b.contains(overlap));
        rig->MatchTableTo(later);
        const int before = s.HandCount[1];
        QTest::mouseClick(rig->Table(), Qt::LeftButton, {}, overlap);
        QCOMPARE(s.PlayedCard, later);
        QCOMPARE(s.CardOwner[later], 0);
        QCOMPARE(s.CardOwner[earlier], 1);
        QCOMPARE(s.HandCount[1], before - 1);
    }

    // A person plays a card with the mouse: the state, the board and the painted table follow.
    void humanPlaysACardWithTheMouse() {
        rig->GiveTurnToSeat1();
        GameState& s = rig->engine.State;
        const Board& t = rig->engine.Table;
        // The last card of the hand shows whole; make it a number card that matches.
        int card = -1;
        for (int i = s.HandCount[1]; i >= 1 && card < 0; --i) {
            const int c = s.Hand[1][i];
            if (IsNumberCard(s.CardValue[c])) card = c;
        }
        if (card < 0) QSKIP("seat 1 holds no number card in this deal");
        rig->MatchTableTo(card);
        const int before = s.HandCount[1];
        QTest::mouseClick(rig->Table(), Qt::LeftButton, {}, rig->ShowingPartOf(card));

        QCOMPARE(s.CardOwner[card], 0);
        QCOMPARE(s.HandCount[1], before - 1);
        QCOMPARE(s.TableColor, s.CardColor[card]);
        QVERIFY(!t.CardImage[card].Visible);
        QCOMPARE(t.CardImage[s.TableCard].Picture, card);
        QVERIFY(t.CardImage[s.TableCard].Visible);

        const QRect onTable = rig->RectOf(s.TableCard);
        const QImage grab = rig->Grab();
        const QImage face = pictures.PictureImage(card);
        for (QPoint p : {QPoint(face.width() / 2, face.height() / 2), QPoint(12, 20),
                         QPoint(face.width() - 15, face.height() - 25)}) {
            QCOMPARE(grab.pixel(onTable.topLeft() + p) | 0xFF000000u, face.pixel(p) | 0xFF000000u);
        }
    }

    // Moving over a card of the person to move lifts it towards the middle; moving to the next
    // card lowers the first and lifts the second; moving onto the felt lowers it.
    void hoverLift() {
        rig->GiveTurnToSeat1();
        const GameState& s = rig->engine.State;
        const Board& t = rig->engine.Table;
        const int first = s.Hand[1][2], second = s.Hand[1][3];
        const double top1 = t.CardImage[first].Top, top2 = t.CardImage[second].Top;
        const QPoint p1 = rig->ShowingPartOf(first), p2 = rig->ShowingPartOf(second);

        QTest::mouseMove(rig->Table(), p1);
        QTRY_COMPARE(t.CardImage[first].Top, top1 + LiftStepSide);
        QCOMPARE(t.CardImage[second].Top, top2);
        QCOMPARE(
            rig->Grab().pixel(p1.x(), rig->RectOf(first).bottom() - 2) | 0xFF000000u,
            pictures.PictureImage(first).pixel(4, rig->RectOf(first).height() - 3) | 0xFF000000u);

        QTest::mouseMove(rig->Table(), p2);
        QTRY_COMPARE(t.CardImage[second].Top, top2 + LiftStepSide);
        QCOMPARE(t.CardImage[first].Top, top1);

        QTest::mouseMove(rig->Table(), QPoint(4, 4));
        QTRY_COMPARE(t.CardImage[second].Top, top2);
        QCOMPARE(s.HoverCard, -1);
    }

    // After a wild card, a click on a colour area of the card on the table names that colour.
    void colourPickOnTheWildCard() {
        GameState& s = rig->engine.State;
        const Board& t = rig->engine.Table;
        int wild = -1;
        for (int c = 105; c <= 108 && wild < 0; ++c)
            if (c != s.TableCard) wild = c;
        rig->GiveCard(1, wild);
        rig->GiveTurnToSeat1();
        QTest::mouseClick(rig->Table(), Qt::LeftButton, {}, rig->ShowingPartOf(wild));
        QCOMPARE(s.ColorWait, 5);
        QCOMPARE(t.CardImage[s.TableCard].Picture, wild);

        const QImage face = pictures.PictureImage(t.CardImage[s.TableCard].Picture);
        const QPoint blue = InsideArea(face, qRgb(0, 0, 128));
        QVERIFY2(blue.x() >= 0, "the wild card shows no blue area");
        QTest::mouseClick(rig->Table(), Qt::LeftButton, {},
                          rig->RectOf(s.TableCard).topLeft() + blue);
        QCOMPARE(s.ColorWait, 0);
        QCOMPARE(s.TableColor, ColorCode::Blue);
        QCOMPARE(t.CardImage[s.TableCard].Picture, MarkerImage(ColorCode::Blue));
        QVERIFY(!t.ColorPickers[0].Visible);
    }

    // The picker answers the pixel of the wild card's own picture, and nothing outside it.
    void colorAtReadsThePickerPicture() {
        const QImage plus4 = pictures.PictureImage(88);
        const QPoint red = InsideArea(plus4, qRgb(128, 0, 0));
        QVERIFY(red.x() >= 0);
        const double px = TableWidget::PxPerMm;
        QCOMPARE(rig->window->ColorAt(1, (red.x() + 0.5) / px, (red.y() + 0.5) / px),
                 RgbOf(128, 0, 0));
        QCOMPARE(rig->window->ColorAt(0, -1, 5), NoColor);
        QCOMPARE(rig->window->ColorAt(0, 500, 5), NoColor);
    }

    // Taking cards flies the back from the pile towards the seat without holding anything up.
    void flyingBack() {
        Board& t = rig->engine.Table;
        rig->engine.AnimateTake(2);
        rig->window->Refresh();
        QVERIFY(rig->Table()->FlightRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!rig->Table()->FlightRunning(), 2000);
        QCOMPARE(rig->Table()->FlightPositionMm(), QPointF(t.Flight.X0 + 39 * 2, t.Flight.Y0));
    }

    // A click on a seat's label that owes cards takes them; the back flies to the seat while
    // the cards are already in the hand.
    void seatLabelClickTakesOwedCards() {
        rig->GiveTurnToSeat1();
        GameState& s = rig->engine.State;
        s.PendingDraw[1] = 2;
        const int before = s.HandCount[1];
        const QRect label = rig->Table()->ItemRect({ItemKind::Message, 1});
        QTest::mouseClick(rig->Table(), Qt::LeftButton, {}, label.center());
        QCOMPARE(s.HandCount[1], before + 2);
        QCOMPARE(s.PendingDraw[1], 0);
        QVERIFY(rig->Table()->FlightRunning());
    }

    // A right click on a covered seat's back opens its option box on the table; the toggle
    // labels and the buttons of that box reach the engine.
    void seatOptionsWithTheMouse() {
        const Board& t = rig->engine.Table;
        GameState& s = rig->engine.State;
        QVERIFY(t.PlayerBack[2].Visible);
        const QRect back = rig->Table()->ItemRect({ItemKind::PlayerBack, 2});
        QTest::mouseClick(rig->Table(), Qt::RightButton, {}, back.center());
        QCOMPARE(s.OptionsOpen, 2);
        QGroupBox* frame = rig->Table()->OptionBox();
        QVERIFY(frame && frame->isVisible());
        QCOMPARE(frame->title(), t.Optionframe.Caption);
        QCOMPARE(rig->Table()->OptionLabel(0)->text(), QStringLiteral("Auto"));
        QCOMPARE(rig->Table()->OptionLabel(1)->text(), QStringLiteral("Pause"));

        QTest::mouseClick(rig->Table()->OptionLabel(1), Qt::LeftButton);
        QCOMPARE(rig->Table()->OptionLabel(1)->text(), QStringLiteral("NoPause"));
        QVERIFY(!s.Pauses(2));

        QTest::mouseClick(rig->Table()->OptionCancel(), Qt::LeftButton);
        QCOMPARE(s.OptionsOpen, OptionsClosed);
        QVERIFY(!frame->isVisible());
        // Labels take a press that nothing handles: the seat's back under "LAST CARD" is not
        // reached when the label lies above it.
        rig->engine.Table.LastCardLabel[1].Visible = true;
        rig->engine.Table.LastCardLabel[1].Z = 1 << 30;
        rig->window->Refresh();
        QTest::mouseClick(rig->Table(), Qt::RightButton, {}, back.center());
        QCOMPARE(s.OptionsOpen, OptionsClosed);
    }

    // The option box is a real frame on the table, showing the captions the engine gives it.
    void optionFrameFollowsTheBoard() {
        Board& t = rig->engine.Table;
        t.Optionframe.Visible = true;
        t.Optionframe.Left = 100;
        t.Optionframe.Top = 20;
        t.Optionframe.OptBoxCaption = {QStringLiteral("Auto"), QStringLiteral("Pause"),
                                       QStringLiteral("HideCards")};
        rig->window->Refresh();
        QGroupBox* frame = rig->Table()->OptionBox();
        QVERIFY(frame->isVisible());
        QCOMPARE(frame->pos(), QPoint(TableWidget::ToPx(100), TableWidget::ToPx(20)));
        QCOMPARE(frame->title(), QStringLiteral("Options"));
        QCOMPARE(rig->Table()->OptionLabel(2)->text(), QStringLiteral("HideCards"));
        t.Optionframe.Visible = false;
        rig->window->Refresh();
        QVERIFY(!frame->isVisible());
    }
};

int RunWindowTests(int argc, char** argv) {
    WindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowTest.moc"
