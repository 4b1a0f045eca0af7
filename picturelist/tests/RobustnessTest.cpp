// Input no caller should be able to turn into a crash, undefined behaviour or a runaway
// allocation: presses released off the list, errors raised inside event handlers, sizes written by
// name, and a random source at the very edge of its range.
#include <QApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <cmath>
#include <limits>

#include "ImageList.h"
#include "UserControl1.h"

using namespace picturelist;

namespace {
std::unique_ptr<UserControl1> shownList(int items, int width = 300) {
    auto c = std::make_unique<UserControl1>();
    c->resize(width, 200);
    c->setEnabledFlag(true);
    c->setMode(0);
    c->setDropDownHeight(3000);
    c->show();
    for (int i = 0; i < items; ++i)
        c->AddItem(QStringLiteral("item %1 with a text too long for a narrow list").arg(i), 0);
    return c;
}

void mouse(QWidget* w, QEvent::Type type, QPoint pos) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent ev(type, pos, w->mapToGlobal(pos), button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

int errorNumber(const std::function<void()>& f) {
    try {
        f();
    } catch (const PictureListError& e) {
        return e.number();
    }
    return 0;
}
}  // namespace

class RobustnessTest : public QObject {
    Q_OBJECT
  private slots:
    void releaseAboveTheListChoosesNothing() {
        auto c = shownList(40, 120);
        c->setToolTipFlag(true);
        c->scrollBar()->setValue(5);  // item 5 is just above the top row, and was drawn cut
        QSignalSpy up(c.get(), &UserControl1::MouseUp);
        QWidget* s = c->listSurface();
        mouse(s, QEvent::MouseMove, QPoint(10, -3));
        QVERIFY(s->toolTip().isEmpty());
        mouse(s, QEvent::MouseButtonRelease, QPoint(10, -3));
        QCOMPARE(up.count(), 0);
        QVERIFY(c->chosenIndexText().isEmpty());
        QCOMPARE(c->highlightRow(), -1);
        // Unscrolled, the row above the top would be item 0, which does not exist.
        c->scrollBar()->setValue(0);
        mouse(s, QEvent::MouseButtonRelease, QPoint(10, -3));
        QCOMPARE(up.count(), 0);
    }

    void errorsInsideEventHandlersBecomeWarnings() {
        ImageList images;
        images.add(defaultPicture());
        UserControl1 c;
        c.resize(300, 200);
        c.setEnabledFlag(true);
        c.setPictureList(&images);
        c.setMode(1);
        c.setDropDownHeight(2000);
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        c.AddItem("fine", 0, 1);
        c.AddItem("no such picture", 0, 7);
        c.setDrawStyle(1);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("error 35600"));
        mouse(c.dropButton(), QEvent::MouseButtonRelease, QPoint(3, 3));
        QCoreApplication::processEvents();          // the rows are drawn when the list is painted
        QVERIFY(c.listSurface()->isVisibleTo(&c));  // the list opened all the same
        QCOMPARE(c.ListCount(), 2);
    }

    void sizesAreCheckedBeforeRounding() {
        auto c = shownList(40);
        c->setRowHeight(300);
        const double bad[] = {std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN(),
                              1e300,
                              -1e300,
                              double(std::numeric_limits<qint64>::min()),
                              3e9};
        c->scrollBar()->setValue(4);
        for (double v : bad) {
            QCOMPARE(errorNumber([&] { c->setRowHeight(v); }), 6);
            QCOMPARE(c->rowHeightTwips(), 300);
            c->setTopIndex(v);  // refused like any position outside the scroll range
            QCOMPARE(c->scrollBar()->value(), 4);
        }
        QCOMPARE(errorNumber([&] { c->setRowHeight(2147483647.0); }), 0);
    }

    // A row height whose list height overflows is refused as a whole: the height, the rows
    // shown and the list height stay as they were.
    void refusedRowHeightChangesNothing() {
        auto c = shownList(5);
        c->setRowHeight(300);
        // (border style, list height, row height): the rows shown or the list height overflow.
        const std::array<std::array<int, 3>, 4> refused{
            {{0, -32768, 1}, {0, -32768, -1}, {1, 32767, 1}, {1, -32768, -1}}};
        for (const auto& [border, list, row] : refused) {
            c->setBorderStyle(border);
            c->setDropDownHeight(list);
            const int rows = c->visibleRows(), height = c->listHeight();
            QCOMPARE(errorNumber([&] { c->setRowHeight(row); }), 6);
            QCOMPARE(c->rowHeightTwips(), 300);
            QCOMPARE(c->RowHeight(), QVariant(300));
            QCOMPARE(c->visibleRows(), rows);
            QCOMPARE(c->listHeight(), height);
        }
    }

    void tallRowsAndLargeFontsDrawOnlyWhatIsSeen() {
        auto c = shownList(0);
        c->setRowHeight(1e6);  // 66,667 pixels a row at 15 twips a pixel
        c->AddItem("tall", 0);
        c->DrawRowRange(1, 1);
        QVERIFY(!c->surfaceImage().isNull());
        QVERIFY(c->textBandSize().height() <= c->surfaceImage().height());

        auto d = shownList(0);
        const float before = d->FontSize();
        for (float bad :
             {32766.0f, 2160.5f, 0.0f, -3.0f, std::numeric_limits<float>::quiet_NaN()}) {
            d->setFontSize(bad);
            QCOMPARE(d->FontSize(), before);
        }
        d->setFontSize(MaxFontSize());
        QCOMPARE(d->FontSize(), UserControl1::MaxFontSize);
        d->AddItem("huge", 0);
        QVERIFY(d->rowHeightTwips() > 0);
    }

    void sortSurvivesASourceAtTheEdgeOfItsRange() {
        for (double edge : {1.0, 1.5, -0.5, std::numeric_limits<double>::quiet_NaN()}) {
            UserControl1 c;
            c.setRandomSource([edge] { return edge; });
            for (int i = 0; i < 50; ++i)
                c.AddItem(QString::number((i * 37) % 50 + 100), 0);
            c.SortAscending();
            for (int i = 1; i < 50; ++i)
                QVERIFY(c.List(i - 1) < c.List(i));
        }
    }

  private:
    static float MaxFontSize() { return UserControl1::MaxFontSize; }
};

QTEST_MAIN(RobustnessTest)
#include "RobustnessTest.moc"
