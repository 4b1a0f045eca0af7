// Loading the card strips: the cut of each picture id, and a clear refusal, naming the file and
// where it was looked for, of a strip that is missing, truncated, not a picture or not 13 cells.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "PictureSet.h"

using namespace tolvanis;

class PictureSetTest : public QObject {
    Q_OBJECT

  private:
    // A folder holding copies of the five real strips.
    static void CopyStrips(const QString& dir) {
        for (const char* file : PictureSet::StripFiles()) {
            const QString name = QString::fromLatin1(file);
            QVERIFY(QFile::copy(QDir::current().filePath(name), QDir(dir).filePath(name)));
        }
    }

    static void ExpectRefusal(const QString& dir, const QString& file) {
        PictureSet set;
        const std::optional<QString> error = set.Load({dir});
        QVERIFY(error.has_value());
        QVERIFY2(error->contains(file), qPrintable(*error));
        QVERIFY2(error->contains(QDir(dir).absolutePath()), qPrintable(*error));
        QVERIFY(!set.IsLoaded());
        QVERIFY(set.Picture(5).isNull());
    }

  private slots:
    void cutsEveryPicture() {
        PictureSet set;
        const std::optional<QString> error = set.Load(PictureSet::DefaultSearchDirs());
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
        const QImage red(QStringLiteral("Red3.bmp"));
        const int w = red.width() / 13;
        QCOMPARE(set.CellWidthPx(), w);
        QCOMPARE(set.CardWidthMm(), w * 25.4 / 96);
        QCOMPARE(set.CardHeightMm(), red.height() * 25.4 / 96);
        for (int id = 0; id < PictureSet::Slots; ++id) {
            const bool used =
                (id >= 1 && id <= 108) || (id >= 110 && id <= 116) || (id >= 120 && id <= 123);
            QCOMPARE(!set.Picture(id).isNull(), used);
        }
        // Card 6 is the second red 1: the first cell of the red strip.
        const QImage six = set.PictureImage(6);
        QCOMPARE(six.pixel(w / 2, 40) | 0xFF000000u, red.pixel(w / 2, 40) | 0xFF000000u);
        // The felt outside the rounded corners is keyed out, the card's face is not.
        QCOMPARE(qAlpha(six.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(six.pixel(w / 2, 40)), 255);
        // Seven different backs.
        for (int a = 110; a <= 116; ++a)
            for (int b = a + 1; b <= 116; ++b)
                QVERIFY(set.PictureImage(a) != set.PictureImage(b));
    }

    void searchOrder() {
        const QStringList dirs = PictureSet::DefaultSearchDirs();
        QVERIFY(dirs.size() >= 3);
        QCOMPARE(dirs.at(0), QDir::currentPath());
        // An install tree is found from the executable wherever the tree was put.
        QCOMPARE(dirs.at(1), QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                             QStringLiteral("/../share/tolvanis")));
        QCOMPARE(dirs.at(2), QCoreApplication::applicationDirPath());
        // A later folder is used when the earlier ones lack the file.
        QTemporaryDir empty;
        PictureSet set;
        QVERIFY(!set.Load({empty.path(), QDir::currentPath()}).has_value());
    }

    void missingStrip() {
        QTemporaryDir dir;
        CopyStrips(dir.path());
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("Blue3.bmp"))));
        ExpectRefusal(dir.path(), QStringLiteral("Blue3.bmp"));
    }

    void truncatedStrip() {
        QTemporaryDir dir;
        CopyStrips(dir.path());
        QFile file(dir.filePath(QStringLiteral("Green3.bmp")));
        QVERIFY(file.resize(file.size() / 2));
        ExpectRefusal(dir.path(), QStringLiteral("Green3.bmp"));
    }

    void notAPicture() {
        QTemporaryDir dir;
        CopyStrips(dir.path());
        QFile file(dir.filePath(QStringLiteral("Backs4.bmp")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("these are not the cards you are looking for\n");
        file.close();
        ExpectRefusal(dir.path(), QStringLiteral("Backs4.bmp"));
    }

    void notThirteenCells() {
        QTemporaryDir dir;
        CopyStrips(dir.path());
        QImage odd(100, 96, QImage::Format_RGB32);
        odd.fill(Qt::white);
        QVERIFY(odd.save(dir.filePath(QStringLiteral("Yellow3.bmp"))));
        ExpectRefusal(dir.path(), QStringLiteral("Yellow3.bmp"));
    }
};

int RunPictureSetTests(int argc, char** argv) {
    PictureSetTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PictureSetTest.moc"
