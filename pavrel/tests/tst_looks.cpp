// What the control looks like and how it answers the mouse and keys: the bevel geometry in
// pixels, the pressed and raised looks, caption centring, picture placement and events.
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "TestSupport.h"

using namespace pavrel;

class LookTest : public QObject {
    Q_OBJECT

  private:
    // Pixels of the default palette that the bevel uses must differ, or the checks say nothing.
    void requireDistinctPalette(const QWidget& w) {
        const QColor light = sys(w, kSys3DHighlight), dark = sys(w, kSysButtonShadow),
                     face = sys(w, kSysButtonFace), text = sys(w, kSysWindowText);
        QVERIFY(light != dark && light != face && dark != face && text != dark && text != face);
    }

    static int countPixels(const QImage& image, const QColor& color) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += QColor(image.pixel(x, y)) == QColor(color.rgb());
        return n;
    }

    static bool linesHidden(const Pavrel& w) {
        for (int i = 1; i <= 6; ++i)
            if (!w.findChild<QWidget*>(QStringLiteral("Line%1").arg(i))->isHidden()) return false;
        return true;
    }

    static bool linesShown(const Pavrel& w) {
        for (int i = 1; i <= 6; ++i)
            if (w.findChild<QWidget*>(QStringLiteral("Line%1").arg(i))->isHidden()) return false;
        return true;
    }

    static QLabel* caption(const Pavrel& w) {
        return w.findChild<QLabel*>(QStringLiteral("Label1"));
    }

    static bool captionCentred(const Pavrel& w) {
        const QRect r = caption(w)->geometry();
        return qAbs(2 * r.x() + r.width() - w.width()) <= 1 &&
               qAbs(2 * r.y() + r.height() - w.height()) <= 1;
    }

  private slots:
    void newInstanceSizeCaptionAndEdges() {
        Pavrel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.size(), QSize(2655 / 15, 1785 / 15));
        QCOMPARE(w.Caption(), QStringLiteral("Button"));
        QCOMPARE(w.BorderTop(), 0x80000014u);
        QCOMPARE(w.BorderLeft(), 0x80000014u);
        QCOMPARE(w.BorderBottom(), 0x80000010u);
        QCOMPARE(w.BorderRight(), 0x80000010u);
        QCOMPARE(w.PicBack(), 0x8000000Fu);
        QCOMPARE(w.DrawStyle(), short(5));
        QCOMPARE(w.BorderWidth(), short(1));
        QVERIFY(captionCentred(w));

        requireDistinctPalette(w);
        const QImage img = shot(w);
        const QColor light = sys(w, kSys3DHighlight), dark = sys(w, kSysButtonShadow),
                     face = sys(w, kSysButtonFace);
        QCOMPARE(pixel(img, 20, 0), light);
        QCOMPARE(pixel(img, 0, 20), light);
        QCOMPARE(pixel(img, 20, 118), dark);
        QCOMPARE(pixel(img, 176, 20), dark);
        QCOMPARE(pixel(img, 20, 20), face);
    }

    void borderWidthMovesTopAndLeftEdgesInward() {
        Pavrel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QColor light = sys(w, kSys3DHighlight), face = sys(w, kSysButtonFace);

        QImage img = shot(w);
        QCOMPARE(pixel(img, 20, 0), light);
        QCOMPARE(pixel(img, 20, 1), face);
        QCOMPARE(pixel(img, 0, 20), light);
        QCOMPARE(pixel(img, 1, 20), face);

        w.SetBorderWidth(2);
        QCOMPARE(w.BorderWidth(), short(2));
        img = shot(w);
        // 10 twips is two thirds of a pixel: the edge leaves the outer row and column.
        QCOMPARE(pixel(img, 20, 0), face);
        QCOMPARE(pixel(img, 20, 1), light);
        QCOMPARE(pixel(img, 20, 2), light);
        QCOMPARE(pixel(img, 0, 20), face);
        QCOMPARE(pixel(img, 1, 20), light);
        QCOMPARE(pixel(img, 2, 20), light);
    }

    void drawStyleShowsOrHidesInnerLines() {
        Pavrel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QColor dark = sys(w, kSysButtonShadow), text = sys(w, kSysWindowText);

        QImage img = shot(w);
        QCOMPARE(pixel(img, 20, 118), dark);
        QCOMPARE(pixel(img, 176, 20), dark);

        w.SetDrawStyle(0);
        img = shot(w);
        QCOMPARE(pixel(img, 20, 118), text);
        QCOMPARE(pixel(img, 176, 20), text);

        w.SetDrawStyle(5);
        img = shot(w);
        QCOMPARE(pixel(img, 20, 118), dark);
        QCOMPARE(pixel(img, 176, 20), dark);
    }

    void keepDownSurvivesResizeAndKeepUpRestores() {
        Pavrel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QColor light = sys(w, kSys3DHighlight), dark = sys(w, kSysButtonShadow);
        QSignalSpy downs(&w, &Pavrel::MouseDown);
        QSignalSpy ups(&w, &Pavrel::MouseUp);

        w.KeepDown();
        QCOMPARE(w.BorderStyle(), short(1));
        QVERIFY(linesHidden(w));
        QCOMPARE(countPixels(shot(w), light), 0);

        w.resize(250, 150);
        QTRY_COMPARE(w.size(), QSize(250, 150));
        QVERIFY(captionCentred(w));           // the resize did repaint...
        QCOMPARE(w.BorderStyle(), short(1));  // ...and the box stayed down
        QVERIFY(linesHidden(w));
        QImage img = shot(w);
        QCOMPARE(countPixels(img, light), 0);
        QCOMPARE(pixel(img, 20, 0), sys(w, kSysWindowFrame));  // the flat border

        w.KeepUp();
        QCOMPARE(w.BorderStyle(), short(0));
        QVERIFY(linesShown(w));
        img = shot(w);
        QCOMPARE(pixel(img, 20, 0), light);
        QCOMPARE(pixel(img, 249, 20), dark);
        QCOMPARE(pixel(img, 20, 149), dark);
        QCOMPARE(downs.count() + ups.count(), 0);  // held, not pressed: no events
    }

    void picturePlacedFromItsOwnSize() {
        Pavrel w;
        w.resize(3000 / 15, 119);
        w.SetCaption(QString());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        // 120 pixels at a ratio that makes the picture exactly 2000 x 2000 hundredths of a mm.
        QPixmap picture(120, 120);
        picture.fill(Qt::red);
        picture.setDevicePixelRatio(120.0 * 2540.0 / (96.0 * 2000.0));
        QCOMPARE(Pavrel::PictureSizeHimetric(picture), QSizeF(2000, 2000));
        w.SetPicture(picture);

        QCOMPARE(w.PicturePosition().x(), 976.0);  // (3000 - 1000) / 2 - 24
        QCOMPARE(w.PicturePosition().y(), 368.5);  // (1785 - 1000) / 2 - 24
        const QImage img = shot(w);
        int left = img.width(), top = img.height();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (pixel(img, x, y) == QColor(Qt::red)) {
                    left = qMin(left, x);
                    top = qMin(top, y);
                }
        QCOMPARE(left, 65);  // 976 twips
        QCOMPARE(top, 25);   // 368.5 twips

        w.SetPicture(QPixmap());
        QCOMPARE(countPixels(shot(w), Qt::red), 0);
    }

    void captionChangeWaitsForNextRepaint() {
        Pavrel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(captionCentred(w));
        const QPoint before = caption(w)->pos();

        w.SetCaption(QStringLiteral("A much longer caption than before"));
        QCoreApplication::processEvents();
        QCOMPARE(caption(w)->pos(), before);
        QVERIFY(!captionCentred(w));
        w.SetBorderTop(0x000000FFu);  // an assignment that does not repaint
        QVERIFY(!captionCentred(w));

        w.SetFontBold(true);  // one that does
        QVERIFY(captionCentred(w));

        w.SetCaption(QStringLiteral("x"));
        QVERIFY(!captionCentred(w));
        w.resize(200, 100);
        QTRY_VERIFY(captionCentred(w));
    }

    void mouseEventsFollowTheLooks() {
        Pavrel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QStringList log;
        QList<QVariantList> args;
        connect(&w, &Pavrel::MouseDown, this, [&](short b, short s, float x, float y) {
            log << QStringLiteral("down%1").arg(w.BorderStyle() == 1 && linesHidden(w));
            args << QVariantList{b, s, x, y};
        });
        connect(&w, &Pavrel::MouseUp, this, [&](short b, short s, float x, float y) {
            log << QStringLiteral("up%1").arg(w.BorderStyle() == 0 && linesShown(w));
            args << QVariantList{b, s, x, y};
        });
        connect(&w, &Pavrel::Click, this, [&] { log << QStringLiteral("click"); });
        connect(&w, &Pavrel::DblClick, this, [&] { log << QStringLiteral("dbl"); });

        sendMouse(&w, QEvent::MouseButtonPress, QPoint(10, 20), Qt::LeftButton,
                  Qt::ShiftModifier | Qt::ControlModifier);
        sendMouse(&w, QEvent::MouseButtonRelease, QPoint(10, 20), Qt::LeftButton);
        QCOMPARE(log, QStringList({"down1", "up1", "click"}));
        QCOMPARE(args[0], QVariantList({short(1), short(3), 150.0f, 300.0f}));
        QCOMPARE(args[1], QVariantList({short(1), short(0), 150.0f, 300.0f}));

        // Released outside: still raised and MouseUp, but no Click.
        log.clear();
        sendMouse(&w, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton);
        sendMouse(&w, QEvent::MouseButtonRelease, QPoint(500, 5), Qt::RightButton);
        QCOMPARE(log, QStringList({"down1", "up1"}));
        QCOMPARE(args[2][0].value<short>(), short(2));

        // A double-click on the surface: the second press is only DblClick.
        log.clear();
        sendMouse(&w, QEvent::MouseButtonPress, QPoint(5, 5));
        sendMouse(&w, QEvent::MouseButtonRelease, QPoint(5, 5));
        sendMouse(&w, QEvent::MouseButtonDblClick, QPoint(5, 5));
        sendMouse(&w, QEvent::MouseButtonRelease, QPoint(5, 5));
        QCOMPARE(log, QStringList({"down1", "up1", "click", "dbl", "up1"}));
    }

    void captionForwardsClicksButNotDoubleClicks() {
        Pavrel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QLabel* label = caption(w);
        QStringList log;
        QList<QVariantList> args;
        connect(&w, &Pavrel::MouseDown, this, [&](short b, short s, float x, float y) {
            log << QStringLiteral("down%1").arg(w.BorderStyle());
            args << QVariantList{b, s, x, y};
        });
        connect(&w, &Pavrel::MouseUp, this, [&](short, short, float, float) {
            log << QStringLiteral("up%1").arg(w.BorderStyle());
        });
        connect(&w, &Pavrel::MouseMove, this, [&](short, short, float x, float y) {
            log << QStringLiteral("move");
            args << QVariantList{x, y};
        });
        connect(&w, &Pavrel::Click, this, [&] { log << QStringLiteral("click"); });
        connect(&w, &Pavrel::DblClick, this, [&] { log << QStringLiteral("dbl"); });

        sendMouse(label, QEvent::MouseMove, QPoint(2, 1));
        sendMouse(label, QEvent::MouseButtonPress, QPoint(3, 4));
        sendMouse(label, QEvent::MouseButtonRelease, QPoint(3, 4));
        QCOMPARE(log, QStringList({"move", "down1", "up0", "click"}));
        // The caption's own coordinates, in twips, unchanged by where it sits.
        QCOMPARE(args[0], QVariantList({30.0f, 15.0f}));
        QCOMPARE(args[1], QVariantList({short(1), short(0), 45.0f, 60.0f}));

        log.clear();
        sendMouse(label, QEvent::MouseButtonPress, QPoint(3, 4));
        sendMouse(label, QEvent::MouseButtonRelease, QPoint(3, 4));
        sendMouse(label, QEvent::MouseButtonDblClick, QPoint(3, 4));
        sendMouse(label, QEvent::MouseButtonRelease, QPoint(3, 4));
        QCOMPARE(log, QStringList({"down1", "up0", "click", "up0"}));
    }

    void keysBecomeKeyEvents() {
        Pavrel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QList<QVariantList> log;
        connect(&w, &Pavrel::KeyDown, this, [&](short k, short s) {
            log << QVariantList{"down", k, s};
        });
        connect(&w, &Pavrel::KeyPress, this, [&](short a) { log << QVariantList{"press", a}; });
        connect(&w, &Pavrel::KeyUp, this, [&](short k, short s) {
            log << QVariantList{"up", k, s};
        });
        QTest::keyClick(&w, Qt::Key_A);
        QTest::keyClick(&w, Qt::Key_F2, Qt::ShiftModifier);
        // Virtual-key numbers: A is 65, F2 is 113, Shift itself 16; no KeyPress without a
        // character.
        QCOMPARE(log, QList<QVariantList>({{"down", 65, 0},
                                           {"press", int('a')},
                                           {"up", 65, 0},
                                           {"down", 16, 1},
                                           {"down", 113, 1},
                                           {"up", 113, 1},
                                           {"up", 16, 0}}));
    }

    void disabledControlIgnoresTheMouse() {
        Pavrel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QSignalSpy downs(&w, &Pavrel::MouseDown);
        w.SetEnabled(false);
        QVERIFY(!w.Enabled());
        QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(downs.count(), 0);
        QCOMPARE(w.BorderStyle(), short(0));
    }
};

QTEST_MAIN(LookTest)
#include "tst_looks.moc"
