// Row layout, drawing checked by pixels, scrolling, keys, mouse, tooltip and the drop-down.
#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "ImageList.h"
#include "UserControl1.h"

using namespace picturelist;

namespace {
constexpr OleColor Back = oleRgb(200, 200, 200);

// A visible list in list mode, as the game sets up its moves log.
std::unique_ptr<UserControl1> makeList(int items, int width = 300) {
    auto c = std::make_unique<UserControl1>();
    c->resize(width, 200);
    c->setBackColor(Back);
    c->setEnabledFlag(true);
    c->setMode(0);
    c->setDropDownHeight(3000);
    c->show();
    for (int i = 0; i < items; ++i)
        c->AddItem(QStringLiteral("item %1").arg(i), 0);
    return c;
}

void release(QWidget* w, QPoint pos) {
    QMouseEvent ev(QEvent::MouseButtonRelease, pos, w->mapToGlobal(pos), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

void move(QWidget* w, QPoint pos) {
    QMouseEvent ev(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

void key(QWidget* w, Qt::Key k) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

// Pixel y of the middle of visible row r.
int rowMiddle(const UserControl1& c, int r) {
    return (r * c.rowHeightTwips() + c.rowHeightTwips() / 2) / c.twipsPerPixelY();
}

QRgb pixel(const UserControl1& c, int x, int y) {
    return c.surfaceImage().pixel(x, y) & 0xFFFFFF;
}
}  // namespace

class DrawingInputTest : public QObject {
    Q_OBJECT
  private slots:
    void rowLayoutArithmetic() {
        const auto l = UserControl1::rowLayoutFor(195, 5000, 15, 1);
        QCOMPARE(l.rowHeight, 234);
        QCOMPARE(l.visibleRows, 21);
        QCOMPARE(l.listHeight, 4944);
        QCOMPARE(UserControl1::rowLayoutFor(195, 5000, 15, 0).listHeight, 21 * 234 - 30);
    }

    void firstItemSettlesRowHeight() {
        UserControl1 c;
        c.setMode(0);
        c.setGridLines(true);
        c.setDropDownHeight(5000);
        c.AddItem("RIDIV EVENTS");
        const int tppy = c.twipsPerPixelY();
        const int m = QFontMetrics(c.listSurface()->font()).height() * tppy;
        const auto expected = UserControl1::rowLayoutFor(m, 5000, c.twipsPerPixelX(), 1);
        QCOMPARE(c.rowHeightTwips(), expected.rowHeight);
        QCOMPARE(c.visibleRows(), expected.visibleRows);
        QCOMPARE(c.listHeight(), expected.listHeight);
        QCOMPARE(c.topItem(), 1);
        // A row height set beforehand is kept.
        UserControl1 d;
        d.setDropDownHeight(5000);
        d.setRowHeight(300);
        d.AddItem("x");
        QCOMPARE(d.rowHeightTwips(), 300);
        QCOMPARE(d.visibleRows(), 16);
    }

    void logAddsAtTopKeepNewestInTopRow() {
        auto c = makeList(0);
        for (int i = 0; i < 60; ++i)
            c->AddItem(QStringLiteral("line %1").arg(i), -1, -1, "", 0);
        QCOMPARE(c->List(0), QString("line 59"));
        QCOMPARE(c->topItem(), 1);
        QVERIFY(c->items().at(1).drawnWidth > 0);
        QCOMPARE(c->scrollBar()->maximum(), 59);
    }

    void rowsDrawnBeforeTheListIsShownStayDrawn() {
        // A log fed while its window is still hidden, as the game's Moves window is.
        UserControl1 c;
        c.resize(300, 200);
        c.setBackColor(Back);
        c.setMode(0);
        c.setDropDownHeight(3000);
        c.AddItem(QStringLiteral("WWWWWWWW"), -1, -1, "", oleRgb(0, 0, 0));
        QVERIFY(!c.isVisible());
        const QImage& surface = c.surfaceImage();
        QVERIFY(surface.width() > 100);
        int dark = 0;
        for (int x = 0; x < surface.width(); ++x)
            dark += qGray(surface.pixel(x, rowMiddle(c, 0))) < 100;
        QVERIFY2(dark > 0, "the first row was drawn on a surface of the wrong size");
    }

    void gridLinesAndHighlightByPixels() {
        auto c = makeList(3);
        const int x = c->surfaceImage().width() - 3;  // right of any text
        const int lineY = (c->rowHeightTwips() - 2 * c->twipsPerPixelX()) / c->twipsPerPixelY();
        QCOMPARE(pixel(*c, x, lineY), qRgb(200, 200, 200) & 0xFFFFFF);  // no grid lines yet

        c->setGridLines(true);
        c->setGridColor(oleRgb(0, 0, 255));
        c->DrawRowRange(1, 3);
        // merge-pen-not: destination OR NOT pen
        QCOMPARE(pixel(*c, x,
                       qRound(double(c->rowHeightTwips() - 2 * c->twipsPerPixelX()) /
                              c->twipsPerPixelY())),
                 qRgb(255, 255, 200) & 0xFFFFFF);

        const int y = rowMiddle(*c, 1);
        const QRgb before = pixel(*c, x, y);
        c->ToggleRowHighlight(1);
        QCOMPARE(pixel(*c, x, y), ~before & 0xFFFFFF);
        QCOMPARE(pixel(*c, x, rowMiddle(*c, 2) + 3), before);  // the next row is untouched
        c->ToggleRowHighlight(1);
        QCOMPARE(pixel(*c, x, y), before);
    }

    void picturesAreAndedOntoTheRow() {
        ImageList images;
        QImage red(40, 40, QImage::Format_RGB32);
        red.fill(qRgb(255, 0, 0));
        images.add(red);
        auto c = std::make_unique<UserControl1>();
        c->resize(300, 200);
        c->setBackColor(Back);
        c->setPictureList(&images);
        c->setDrawStyle(1);
        c->setMode(0);
        c->setDropDownHeight(3000);
        c->show();
        c->AddItem("with picture", 0);
        const int px = 24 / c->twipsPerPixelX() + 3;
        QCOMPARE(pixel(*c, px, rowMiddle(*c, 0)), qRgb(200, 0, 0) & 0xFFFFFF);
        QVERIFY(c->items().at(1).drawnWidth > c->rowHeightTwips() + 96);
    }

    void defaultPictureDrawsWithoutImageList() {
        auto c = std::make_unique<UserControl1>();
        c->setDrawStyle(1);
        c->setMode(0);
        c->setDropDownHeight(3000);
        c->show();
        c->AddItem("no list given", 0);
        QCOMPARE(c->ListCount(), 1);
    }

    void keyNavigation() {
        auto c = makeList(30);
        c->scrollBar()->setValue(0);
        c->DrawRowRange(1, 1 + c->visibleRows());
        QWidget* s = c->listSurface();
        QSignalSpy keyDown(c.get(), &UserControl1::KeyDown);
        const int x = c->surfaceImage().width() - 3;
        const QRgb plain = pixel(*c, x, rowMiddle(*c, 0));

        key(s, Qt::Key_Up);  // at the top: nothing
        QCOMPARE(c->highlightRow(), -1);
        QCOMPARE(keyDown.count(), 0);

        key(s, Qt::Key_Down);  // first key only highlights
        QCOMPARE(c->highlightRow(), 0);
        QCOMPARE(c->scrollBar()->value(), 0);
        QCOMPARE(keyDown.count(), 0);
        QCOMPARE(pixel(*c, x, rowMiddle(*c, 0)), ~plain & 0xFFFFFF);

        key(s, Qt::Key_Down);  // now the list moves under the highlight
        QCOMPARE(c->scrollBar()->value(), 1);
        QCOMPARE(c->topItem(), 2);
        QCOMPARE(keyDown.count(), 1);
        QCOMPARE(keyDown.at(0).at(0).toInt(), 40);
        QCOMPARE(pixel(*c, x, rowMiddle(*c, 0)), ~plain & 0xFFFFFF);

        key(s, Qt::Key_Escape);  // removes the highlight
        QCOMPARE(c->highlightRow(), -1);
        QCOMPARE(pixel(*c, x, rowMiddle(*c, 0)), plain);
        QCOMPARE(keyDown.count(), 1);

        key(s, Qt::Key_End);
        QCOMPARE(c->scrollBar()->value(), 29);
        key(s, Qt::Key_Down);
        const int afterEnd = keyDown.count();
        key(s, Qt::Key_Down);  // the last item is in the top row: nothing
        QCOMPARE(keyDown.count(), afterEnd);
        QCOMPARE(c->scrollBar()->value(), 29);

        key(s, Qt::Key_Return);
        QCOMPARE(c->editBox()->text(), QString("item 29"));
        QCOMPARE(c->Listindex(), 29.0);
    }

    void mouseChoosesRowsButNotBelowTheLast() {
        auto c = makeList(2);
        QSignalSpy up(c.get(), &UserControl1::MouseUp);
        QWidget* s = c->listSurface();
        release(s, QPoint(20, rowMiddle(*c, 5)));
        QCOMPARE(up.count(), 0);
        QVERIFY(c->chosenIndexText().isEmpty());
        QCOMPARE(c->highlightRow(), -1);

        release(s, QPoint(20, rowMiddle(*c, 1)));
        QCOMPARE(up.count(), 1);
        QCOMPARE(up.at(0).at(0).toInt(), 1);
        QCOMPARE(c->editBox()->text(), QString("item 1"));
        QCOMPARE(c->Listindex(), 1.0);
        QCOMPARE(c->highlightRow(), 1);

        c->setEnabledFlag(false);  // a disabled list chooses nothing
        release(s, QPoint(20, rowMiddle(*c, 0)));
        QCOMPARE(up.count(), 1);
    }

    void tooltipShowsOnlyCutRows() {
        auto c = makeList(0, 120);
        c->setToolTipFlag(true);
        QWidget* s = c->listSurface();
        move(s, QPoint(10, 5));
        QVERIFY(s->toolTip().isEmpty());
        const QString longText = QString("a long line that cannot fit into this narrow list");
        c->AddItem("short", 0);
        c->AddItem(longText, 0);
        move(s, QPoint(10, rowMiddle(*c, 1)));
        QCOMPARE(s->toolTip(), longText);
        move(s, QPoint(10, rowMiddle(*c, 0)));
        QVERIFY(s->toolTip().isEmpty());
        c->setToolTipFlag(false);
        move(s, QPoint(10, rowMiddle(*c, 1)));
        QVERIFY(s->toolTip().isEmpty());
    }

    void resizeKeepsScrollPosition() {
        auto c = makeList(40);
        c->scrollBar()->setValue(7);
        QCOMPARE(c->topItem(), 8);
        c->resize(c->width() + 40, c->height());
        QCOMPARE(c->scrollBar()->value(), 7);
        QCOMPARE(c->topItem(), 8);
    }

    void topIndexScrolls() {
        auto c = makeList(40);
        c->setTopIndex(-1);
        QCOMPARE(c->scrollBar()->value(), 40 - c->visibleRows());
        c->setTopIndex(3);
        QCOMPARE(c->topItem(), 3);
        c->setTopIndex(500);  // out of range: ignored
        QCOMPARE(c->topItem(), 3);
        QCOMPARE(c->TopIndex().toInt(), 500);
    }

    void dropDown() {
        UserControl1 c;
        c.resize(300, 200);
        c.setEnabledFlag(true);
        c.setMode(1);
        c.setDropDownHeight(2000);
        c.show();
        QVERIFY(c.editBox()->isVisibleTo(&c));
        QVERIFY(c.dropButton()->isVisibleTo(&c));
        QWidget* button = c.dropButton();
        release(button, QPoint(3, 3));  // empty list: nothing opens
        QVERIFY(!c.listSurface()->isVisibleTo(&c));

        for (int i = 0; i < 10; ++i)
            c.AddItem(QStringLiteral("choice %1").arg(i), 0);
        QVERIFY(!c.listSurface()->isVisibleTo(&c));
        c.scrollBar()->setValue(4);
        release(button, QPoint(3, 3));
        QVERIFY(c.listSurface()->isVisibleTo(&c));
        QCOMPARE(c.topItem(), 1);  // opens from the first item

        QSignalSpy up(&c, &UserControl1::MouseUp);
        release(c.listSurface(), QPoint(20, rowMiddle(c, 2)));
        QCOMPARE(c.editBox()->text(), QString("choice 2"));
        QCOMPARE(up.count(), 1);
        QVERIFY(!c.listSurface()->isVisibleTo(&c));

        c.ShowItem(6);  // opens the list with item 6 in the top row
        QVERIFY(c.listSurface()->isVisibleTo(&c));
        QCOMPARE(c.topItem(), 6);
        QCOMPARE(c.highlightRow(), 0);
        release(button, QPoint(3, 3));  // closes again
        QVERIFY(!c.listSurface()->isVisibleTo(&c));
        QCOMPARE(c.highlightRow(), -1);
    }

    void modeOneAfterModeZeroShowsEditBoxAndButton() {
        UserControl1 c;
        c.setMode(0);
        QVERIFY(!c.editBox()->isVisibleTo(&c));
        QVERIFY(!c.dropButton()->isVisibleTo(&c));
        c.setMode(1);
        QVERIFY(c.editBox()->isVisibleTo(&c));
        QVERIFY(c.dropButton()->isVisibleTo(&c));
    }

    void dropButtonIcon() {
        const QImage icon = UserControl1::dropButtonIcon();
        QCOMPARE(icon.size(), QSize(32, 32));
        auto black = [&](int x, int y) { return qAlpha(icon.pixel(x, y)) == 255; };
        QVERIFY(black(5, 3) && black(9, 6));
        QVERIFY(!black(4, 3) && !black(10, 6));
        QVERIFY(black(2, 7) && black(12, 7) && !black(1, 7) && !black(13, 7));
        QVERIFY(black(7, 12) && !black(6, 12) && !black(8, 12));
        QVERIFY(!black(7, 13) && !black(7, 2));
    }
};

QTEST_MAIN(DrawingInputTest)
#include "DrawingInputTest.moc"
