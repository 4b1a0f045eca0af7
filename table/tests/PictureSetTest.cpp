// Loading the card strips: the cut of each picture id, and a clear refusal, naming the file and
// where it was looked for, of a strip that is missing, truncated, not a picture or not 13 cells.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

#include "BitmapLength.h"
#include "PictureSet.h"

#include <unistd.h>

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

    static QString Refusal(const QStringList& dirs) {
        PictureSet set;
        const std::optional<QString> error = set.Load(dirs);
        return error.value_or(QString());
    }

    static void Put(QByteArray& bytes, int at, quint32 value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + i] = char((value >> (8 * i)) & 0xFF);
    }

    // A 24-bit bitmap with the old 12-byte header, which Qt reads but does not write.
    static QByteArray CoreHeaderBitmap(const QImage& image) {
        const int stride = (image.width() * 3 + 3) / 4 * 4;
        QByteArray bytes(26 + stride * image.height(), '\0');
        bytes[0] = 'B', bytes[1] = 'M';
        Put(bytes, 2, quint32(bytes.size()), 4);
        Put(bytes, 10, 26, 4);
        Put(bytes, 14, 12, 4);
        Put(bytes, 18, quint32(image.width()), 2);
        Put(bytes, 20, quint32(image.height()), 2);
        Put(bytes, 22, 1, 2);
        Put(bytes, 24, 24, 2);
        for (int y = 0; y < image.height(); ++y) {
            const int row = 26 + (image.height() - 1 - y) * stride;
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                bytes[row + 3 * x] = char(qBlue(c));
                bytes[row + 3 * x + 1] = char(qGreen(c));
                bytes[row + 3 * x + 2] = char(qRed(c));
            }
        }
        return bytes;
    }

    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
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

    // The dense strips beside the 1x ones: the least density with enough pixels for the
    // screen, the same cells at that resolution, and the 1x pictures when they are missing or
    // do not match.
    void chosenDensity_data() {
        QTest::addColumn<double>("need");
        QTest::addColumn<int>("density");
        QTest::newRow("1x screen") << 1.0 << 1;
        QTest::newRow("1.25") << 1.25 << 2;
        QTest::newRow("2x screen") << 2.0 << 2;
        QTest::newRow("2 from rounding") << 2.0004 << 2;
        QTest::newRow("2.5") << 2.5 << 3;
        QTest::newRow("3") << 3.0 << 3;
        QTest::newRow("beyond the densest") << 4.5 << 3;
    }
    void chosenDensity() {
        QFETCH(double, need);
        QFETCH(int, density);
        PictureSet set;
        QVERIFY(!set.Load(PictureSet::DefaultSearchDirs()));
        QCOMPARE(set.DensityFor(need), density);
        const QPixmap& sharp = set.SharpestFor(6, need);
        QCOMPARE(sharp.size(), set.Picture(6).size() * density);
        // The same card: its middle brought to 1x matches the 1x picture's middle.
        const QImage down = sharp.toImage().scaled(set.Picture(6).size(), Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation);
        const QImage one = set.PictureImage(6);
        const QPoint middle(one.width() / 2, one.height() / 2);
        QVERIFY(std::abs(qRed(down.pixel(middle)) - qRed(one.pixel(middle))) < 24);
        // The felt in the corners is keyed out at every density.
        QCOMPARE(qAlpha(sharp.toImage().pixel(0, 0)), 0);
    }

    void onlyOneXStrips() {
        QTemporaryDir dir;
        CopyStrips(dir.path());
        PictureSet set;
        QVERIFY(!set.Load({dir.path()}));
        QCOMPARE(set.DensityFor(2.0), 1);
        QCOMPARE(set.SharpestFor(6, 3.0).size(), set.Picture(6).size());
        QVERIFY(set.PictureAt(6, 2).isNull());

        // Dense strips of the wrong size would not line up with the layout: left alone.
        PictureSet odd;
        for (const char* file : PictureSet::StripFiles()) {
            QString name = QString::fromLatin1(file);
            QImage strip(QDir::current().filePath(name));
            name.replace(QStringLiteral(".bmp"), QStringLiteral("@2x.bmp"));
            QVERIFY(strip.scaled(strip.size() * 2 + QSize(13, 0))
                        .save(QDir(dir.path()).filePath(name)));
        }
        QVERIFY(!odd.Load({dir.path()}));
        QCOMPARE(odd.DensityFor(2.0), 1);
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

    // The strips are read side by side; the refusal still names the first broken one in strip
    // order, whichever finishes first, and a strip whose cells differ from the first strip's
    // is named as such.
    void firstBrokenStripInOrderIsNamed() {
        QTemporaryDir dir;
        CopyStrips(dir.path());
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("Backs4.bmp"))));
        Write(dir.filePath(QStringLiteral("Green3.bmp")), QByteArray("no picture"));
        QFile blue(dir.filePath(QStringLiteral("Blue3.bmp")));
        QVERIFY(blue.resize(blue.size() / 2));
        for (int round = 0; round < 5; ++round) {
            const QString message = Refusal({dir.path()});
            QVERIFY2(message.contains(QStringLiteral("\"Green3.bmp\" is not a picture")),
                     qPrintable(message));
        }

        QTemporaryDir odd;
        CopyStrips(odd.path());
        const QImage yellow(QStringLiteral("Yellow3.bmp"));
        QVERIFY(yellow.scaled(yellow.width() * 2, yellow.height())
                    .save(odd.filePath(QStringLiteral("Yellow3.bmp")), "BMP"));
        const QString message = Refusal({odd.path()});
        QVERIFY2(message.contains(QStringLiteral("\"Yellow3.bmp\" has cards of")),
                 qPrintable(message));
    }

    void oldShortHeaderLoads() {
        QTemporaryDir dir;
        CopyStrips(dir.path());
        const QImage red(QStringLiteral("Red3.bmp"));
        Write(dir.filePath(QStringLiteral("Red3.bmp")), CoreHeaderBitmap(red));
        PictureSet set;
        const std::optional<QString> error = set.Load({dir.path()});
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
        const int w = red.width() / 13;
        QCOMPARE(set.PictureImage(6).pixel(w / 2, 40) | 0xFF000000u,
                 red.pixel(w / 2, 40) | 0xFF000000u);
    }

    void hugeSizesInTheHeaderDoNotOverflow() {
        // Rows times stride is beyond 64 bits; the file is far too short for either.
        QByteArray head(54, '\0');
        head[0] = 'B', head[1] = 'M';
        Put(head, 10, 54, 4);
        Put(head, 14, 40, 4);
        Put(head, 18, 0x7FFFFFFF, 4);
        Put(head, 22, 0x7FFFFFFF, 4);
        Put(head, 26, 1, 2);
        Put(head, 28, 32, 2);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("huge.bmp"));
        Write(path, head);
        QVERIFY(BitmapCutShort(path));
        Put(head, 22, 0x80000000u, 4);  // the lowest height, bottom-up
        Write(path, head);
        QVERIFY(BitmapCutShort(path));
    }

    // Each refusal says what is wrong with the file, naming every folder once.
    void messagesSayWhatIsWrong() {
        QTemporaryDir dir;
        CopyStrips(dir.path());
        const QString red = dir.filePath(QStringLiteral("Red3.bmp"));

        QVERIFY(QFile::remove(red));
        QString message = Refusal({dir.path(), dir.path()});
        QVERIFY2(message.contains(QStringLiteral("was not found")), qPrintable(message));
        QCOMPARE(message.count(QDir::toNativeSeparators(dir.path())), 1);

        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Red3.bmp")));
        message = Refusal({dir.path()});
        QVERIFY2(message.contains(QStringLiteral("is not a file")), qPrintable(message));
        QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("Red3.bmp")));

        Write(red, QByteArray());
        message = Refusal({dir.path()});
        QVERIFY2(message.contains(QStringLiteral("is empty")), qPrintable(message));

        Write(red, QByteArray("no picture at all"));
        message = Refusal({dir.path()});
        QVERIFY2(message.contains(QStringLiteral("is not a picture")), qPrintable(message));

        QVERIFY(QFile::setPermissions(red, QFileDevice::WriteOwner));
        if (::geteuid() == 0) QSKIP("permissions do not stop the superuser from reading");
        message = Refusal({dir.path()});
        QVERIFY2(message.contains(QStringLiteral("cannot be opened")), qPrintable(message));
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
