// The table on a screen with two device pixels to each pixel: the window keeps its size in
// pixels, its surface has twice as many, and the cards come from the @2x strips pixel for pixel
// instead of being enlarged from the 1x pictures. A set of only 1x strips still draws.
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include "TableFixture.h"

using namespace tolvanis;
using namespace tolvanis::testing;

namespace {

double MeanRed(const QImage& image, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qRed(image.pixel(x, y));
    return sum / (area.width() * area.height());
}

}  // namespace

class DenseScreenTest : public QObject {
    Q_OBJECT

  private:
    PictureSet pictures;

    // The table as drawn on the device: twice the pixels of the window.
    static QImage Surface(TableRig& rig) {
        const QPixmap grab = rig.Table()->grab();
        return grab.toImage().convertToFormat(QImage::Format_RGB32);
    }

  private slots:
    void initTestCase() {
        const std::optional<QString> error = pictures.Load(PictureSet::DefaultSearchDirs());
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
    }

    void tableCardComesFromTheDenseStrip() {
        TableRig rig(pictures);
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        QCOMPARE(rig.window->devicePixelRatioF(), 2.0);
        const QSize layout = TableWindow::ClientSizeFor(rig.engine.Table);
        QCOMPARE(rig.Table()->size(), layout);
        QCOMPARE(rig.Table()->Scale(), 1.0);

        const QImage surface = Surface(rig);
        QCOMPARE(surface.size(), layout * 2);
        const GameState& s = rig.engine.State;
        const int picture = rig.engine.Table.CardImage[s.TableCard].Picture;
        const QImage dense = pictures.PictureAt(picture, 2).toImage();
        QCOMPARE(dense.size(), pictures.Picture(picture).size() * 2);
        const QPoint at = rig.RectOf(s.TableCard).topLeft() * 2;
        // The middle half of the card, pixel for pixel.
        for (int y = dense.height() / 4; y < dense.height() * 3 / 4; ++y) {
            for (int x = dense.width() / 4; x < dense.width() * 3 / 4; ++x) {
                if ((surface.pixel(at + QPoint(x, y)) & 0xFFFFFF) != (dense.pixel(x, y) & 0xFFFFFF))
                    QFAIL(qPrintable(QStringLiteral("differs at %1,%2").arg(x).arg(y)));
            }
        }
    }

    void oneXStripsAreEnlargedSmoothly() {
        QTemporaryDir dir;
        for (const char* file : PictureSet::StripFiles()) {
            const QString name = QString::fromLatin1(file);
            QVERIFY(QFile::copy(QDir::current().filePath(name), QDir(dir.path()).filePath(name)));
        }
        PictureSet only1x;
        QVERIFY(!only1x.Load({dir.path()}));
        TableRig rig(only1x);
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        const QImage surface = Surface(rig);
        const GameState& s = rig.engine.State;
        const QImage face = only1x.PictureImage(rig.engine.Table.CardImage[s.TableCard].Picture);
        const QRect middle(face.width() / 4, face.height() / 4, face.width() / 2,
                           face.height() / 2);
        const QRect drawn(rig.RectOf(s.TableCard).topLeft() * 2 + middle.topLeft() * 2,
                          middle.size() * 2);
        QVERIFY(std::abs(MeanRed(surface, drawn) - MeanRed(face, middle)) < 6);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    DenseScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DenseScreenTest.moc"
