// Drawing deferred to the next paint: a list changed many times between paints shows exactly the
// page drawn from scratch, a list in a closed window draws nothing, and the scroll bar and wheel
// keep to the top item's index.
#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

#include <random>

#include "ImageList.h"
#include "ListParts.h"
#include "UserControl1.h"

using namespace picturelist;

namespace {
struct Line {
    QString text;
    int picture;
    OleColor colour;
};

std::unique_ptr<UserControl1> makeLog(QWidget* parent, ImageList* images) {
    auto c = std::make_unique<UserControl1>(parent);
    c->setGeometry(8, 8, 300, 330);
    c->setEnabledFlag(true);
    c->setPictureList(images);
    c->setDrawStyle(1);
    c->setMode(0);
    c->setGridLines(true);
    c->setGridColor(oleRgb(0, 0, 160));
    c->setDropDownHeight(5000);
    return c;
}

ImageList* threePictures(QObject* parent) {
    auto* images = new ImageList(parent);
    for (QRgb rgb : {qRgb(200, 0, 0), qRgb(0, 150, 0), qRgb(30, 30, 200)}) {
        QImage picture(24, 24, QImage::Format_RGB32);
        picture.fill(rgb);
        images->add(picture);
    }
    return images;
}

// The picture as it stands, without bringing it up to date.
QImage drawnSoFar(const UserControl1& c) {
    return static_cast<const ListSurface*>(c.listSurface())->image().copy();
}

void wheel(QWidget* w, int notches) {
    const QPoint at(10, 10);
    QWheelEvent ev(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &ev);
}

QRect thumbOf(QScrollBar* bar) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider,
                                        bar);
}
}  // namespace

class DeferredDrawingTest : public QObject {
    Q_OBJECT
  private slots:
    void pageAfterManyChangesMatchesOneDrawnFromScratch() {
        QWidget window;
        window.resize(320, 350);
        ImageList* images = threePictures(&window);
        auto churned = makeLog(&window, images);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        std::mt19937 gen(12);
        QList<Line> model;  // what the list should hold, in order
        for (int step = 0; step < 600; ++step) {
            const int count = int(model.size());
            const Line line{
                QStringLiteral("line %1 %2").arg(step).arg(QString(int(gen() % 30), 'w')),
                int(1 + gen() % 3), oleRgb(int(gen() % 200), 0, int(gen() % 200))};
            const unsigned kind = gen() % 10;
            if (kind < 4 || count < 2) {
                churned->AddItem(line.text, -1, line.picture, QString(), line.colour);
                model.prepend(line);
            } else if (kind < 6) {
                churned->AddItem(line.text, 0, line.picture, QString(), line.colour);
                model.append(line);
            } else if (kind < 8) {
                const int before = int(1 + gen() % (count - 1));
                churned->AddItem(line.text, before, line.picture, QString(), line.colour);
                model.insert(before, line);
            } else {
                const int at = int(gen() % count);
                churned->RemoveItem(at);
                model.removeAt(at);
            }
            if (gen() % 50 == 0) QCoreApplication::processEvents();  // a frame now and then
        }
        QCoreApplication::processEvents();
        QCOMPARE(churned->topItem(), 1);
        QCOMPARE(churned->ListCount(), int(model.size()));
        const QImage shown = drawnSoFar(*churned);

        auto fresh = makeLog(&window, images);
        fresh->show();
        for (const Line& line : model)
            fresh->AddItem(line.text, 0, line.picture, QString(), line.colour);
        QCoreApplication::processEvents();
        QCOMPARE(drawnSoFar(*fresh), shown);
        for (int p = 1; p <= churned->visibleRows(); ++p)
            QCOMPARE(churned->items().at(p).drawnWidth, fresh->items().at(p).drawnWidth);

        churned->DrawRowRange(1, churned->visibleRows());
        QCOMPARE(drawnSoFar(*churned), shown);
        QCOMPARE(churned->scrollBar()->maximum(), int(model.size()) - 1);
    }

    void nothingIsDrawnWhileTheWindowIsClosed() {
        QWidget window;
        window.resize(320, 350);
        auto c = makeLog(&window, threePictures(&window));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int i = 0; i < 5; ++i)
            c->AddItem(QStringLiteral("before %1").arg(i), -1);
        QCoreApplication::processEvents();
        const QImage before = drawnSoFar(*c);

        window.close();
        QVERIFY(!c->isHidden());  // closing the window hides none of its children
        for (int i = 0; i < 200; ++i)
            c->AddItem(QStringLiteral("while closed %1").arg(i), -1);
        QCoreApplication::processEvents();
        QCOMPARE(drawnSoFar(*c), before);

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        const QImage after = drawnSoFar(*c);
        QVERIFY(after != before);
        c->DrawRowRange(1, c->visibleRows());
        QCOMPARE(drawnSoFar(*c), after);
    }

    void scrollThumbMarksTheTopItem() {
        QWidget window;
        window.resize(320, 350);
        auto c = makeLog(&window, threePictures(&window));
        window.show();
        for (int i = 0; i < 5; ++i)  // a short log: every line fits
            c->AddItem(QStringLiteral("line %1").arg(i), -1);
        QScrollBar* bar = c->scrollBar();
        QCOMPARE(bar->maximum(), 4);
        QStyleOptionSlider opt;
        opt.initFrom(bar);
        const QRect groove = bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt,
                                                          QStyle::SC_ScrollBarGroove, bar);
        auto placeOf = [&](int index) {
            return QPoint(groove.center().x(),
                          groove.top() + (2 * index + 1) * groove.height() / 10);
        };
        for (int click = 0; click <= 4; ++click) {
            QCOMPARE(bar->value(), c->topItem() - 1);
            const QRect thumb = thumbOf(bar);
            for (int index = 0; index <= 4; ++index)
                QCOMPARE(thumb.contains(placeOf(index)), index == bar->value());
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the down arrow
        }
        QCOMPARE(c->topItem(), 5);
    }

    void wheelScrollsByTheArrowsStep() {
        QWidget window;
        window.resize(320, 350);
        auto c = makeLog(&window, threePictures(&window));
        window.show();
        for (int i = 0; i < 40; ++i)
            c->AddItem(QStringLiteral("line %1").arg(i), 0);
        QScrollBar* bar = c->scrollBar();
        const int lines = QApplication::wheelScrollLines();
        for (int k = 0; k < lines; ++k)
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        const int byArrows = bar->value();
        QCOMPARE(byArrows, lines);
        bar->setValue(0);

        wheel(c->listSurface(), -1);  // one notch towards the user: down the list
        QCOMPARE(bar->value(), byArrows);
        QCOMPARE(c->topItem(), byArrows + 1);
        wheel(c->listSurface(), -2);
        QCOMPARE(bar->value(), 3 * byArrows);
        wheel(bar, 1);  // over the scroll bar itself: the same rows
        QCOMPARE(bar->value(), 2 * byArrows);
        wheel(c->listSurface(), 5);  // past the top stops there
        QCOMPARE(bar->value(), 0);
        QCOMPARE(c->topItem(), 1);
    }

    // A page is drawn with painters held open across its rows and with each item's text width
    // measured once; that must give what drawing each row on its own gives, also after an item's
    // text or font or the list's font has changed.
    void pageDrawnAtOnceMatchesRowsDrawnOneByOne() {
        QWidget window;
        window.resize(320, 350);
        auto c = makeLog(&window, threePictures(&window));
        c->setDrawStyle(0);  // DrawRow draws no picture of its own
        window.show();
        const QStringList fonts{QString(), QStringLiteral("Monospace"), QStringLiteral("Serif")};
        for (int i = 0; i < 30; ++i)
            c->AddItem(QStringLiteral("p%1 played %2").arg(i % 4).arg(QString(i, 'm')), 0,
                       1 + i % 3, fonts[i % 3], oleRgb(40 * (i % 6), 0, 0));
        const int rows = c->visibleRows();
        auto compareBothWays = [&] {
            c->DrawRowRange(1, rows);
            const QImage page = drawnSoFar(*c);
            static_cast<ListSurface*>(c->listSurface())->clear();
            for (int r = 0; r < rows; ++r) {
                const ItemRecord& rec = c->items().at(r + 1);
                const int width =
                    c->DrawRow(r, rec.text, rec.font, rec.colour, 1.0 * r * c->rowHeightTwips());
                QCOMPARE(rec.drawnWidth, width);
            }
            QCOMPARE(drawnSoFar(*c), page);
        };
        compareBothWays();
        c->UpdateText(1, QStringLiteral("a much longer text than the line had before"));
        c->UpdateFont(2, QStringLiteral("Monospace"));
        compareBothWays();
        c->setFontSize(13);
        compareBothWays();
    }
};

QTEST_MAIN(DeferredDrawingTest)
#include "DeferredDrawingTest.moc"
