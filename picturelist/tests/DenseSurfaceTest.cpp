// The list on a screen with two device pixels to a pixel: its surface has a pixel for every
// pixel of the screen, so the rows' text is drawn at that resolution rather than enlarged.
#include <QApplication>
#include <QtTest>

#include "OleColour.h"
#include "UserControl1.h"

using picturelist::UserControl1;

class DenseSurfaceTest : public QObject {
    Q_OBJECT

  private slots:
    void textIsDrawnAtTheScreensResolution() {
        UserControl1 c;
        c.resize(300, 200);
        c.setMode(0);
        c.setDropDownHeight(3000);
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        QCOMPARE(c.devicePixelRatioF(), 2.0);
        c.AddItem(QStringLiteral("WWW sharp 123"), -1, -1, "", picturelist::oleRgb(0, 0, 0));
        const QImage& surface = c.surfaceImage();
        QCOMPARE(surface.devicePixelRatio(), 2.0);
        QCOMPARE(surface.deviceIndependentSize().toSize(), c.listSurface()->size());

        // The first row's text: some 2 x 2 block of it is not one colour, which a picture drawn
        // at 1x and enlarged could never show.
        const int rowBottom = c.rowHeightTwips() / c.twipsPerPixelY() * 2;
        int dark = 0, mixedBlocks = 0;
        for (int y = 0; y + 1 < rowBottom; y += 2) {
            for (int x = 0; x + 1 < surface.width() / 2; x += 2) {
                const QRgb a = surface.pixel(x, y);
                dark += qGray(a) < 100;
                mixedBlocks += a != surface.pixel(x + 1, y) || a != surface.pixel(x, y + 1) ||
                               a != surface.pixel(x + 1, y + 1);
            }
        }
        QVERIFY2(dark > 0, "no text in the first row");
        QVERIFY(mixedBlocks > 0);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    DenseSurfaceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DenseSurfaceTest.moc"
