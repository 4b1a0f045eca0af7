// The remembered settings: kept across a restart of the store, the defaults on a first start,
// and a damaged, unreadable or unwritable file that costs nothing but the settings and one line.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "SettingsStore.h"

using namespace tolvanis;

class SettingsStoreTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QStringList warnings_;

    QString PathOf(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    SettingsStore StoreAt(const QString& path) {
        SettingsStore store(path);
        store.Warn = [this](const QString& text) { warnings_ << text; };
        return store;
    }
    static void Write(const QString& path, const QByteArray& content) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    static RememberedSettings Changed() {
        RememberedSettings r;
        r.Game.NumPlayers = 3;
        r.Game.StartMode = StartChoice::FirstSeat;
        r.Game.SoundOn = false;
        r.Game.ComputerStrength = Strength::Strong;
        r.Game.Seats[1] = {true, false, true};
        r.Game.Seats[3] = {false, false, false};
        r.Speed = 1234;
        r.StatusBarShown = true;
        r.TableGeometry = QByteArray("\x01\x00\xff table", 10);
        r.MovesGeometry = QByteArray("moves");
        r.MovesShown = true;
        r.StatisticsGeometry = QByteArray("statistics");
        return r;
    }

  private slots:
    void init() { warnings_.clear(); }

    void firstStartGivesTheDefaultsSilently() {
        SettingsStore store = StoreAt(PathOf("first/tolvanis.ini"));
        const RememberedSettings r = store.Load();
        QVERIFY(r == RememberedSettings{});
        QCOMPARE(r.Game.NumPlayers, 4);
        QCOMPARE(r.Game.StartMode, StartChoice::RandomSeat);
        QVERIFY(!r.Game.Seats[1].Auto && r.Game.Seats[2].Auto && r.Game.Seats[2].Pause);
        QCOMPARE(r.Speed, 4500);
        QVERIFY(warnings_.isEmpty());
    }

    void settingsSurviveARestart() {
        const QString path = PathOf("kept/tolvanis.ini");
        {
            SettingsStore store = StoreAt(path);
            QVERIFY(store.Save(Changed()));
        }
        SettingsStore later = StoreAt(path);
        QVERIFY(later.Load() == Changed());
        // Saved again over itself: the new values replace the old, nothing stale stays.
        QVERIFY(later.Save(RememberedSettings{}));
        QVERIFY(StoreAt(path).Load() == RememberedSettings{});
        QVERIFY(warnings_.isEmpty());
    }

    // The start choice is written as its number, -1 or 1, the form every settings file holds.
    void startChoiceIsStoredByItsNumber() {
        const QString path = PathOf("number.ini");
        Write(path, "[Game]\nStartMode=1\n");
        QCOMPARE(StoreAt(path).Load().Game.StartMode, StartChoice::FirstSeat);
        QVERIFY(StoreAt(path).Save(RememberedSettings{}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("StartMode=-1"));
        QVERIFY(warnings_.isEmpty());
    }

    void damagedFileGivesTheDefaultsAndOneLine_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary") << QByteArray("\x00\x9f\xff\x13garbage\x00\x01", 14);
        QTest::newRow("foreign text") << QByteArray("hello world\nthis is not it\n");
        QTest::newRow("players out of range") << QByteArray("[Game]\nPlayers=7\n");
        QTest::newRow("not a number") << QByteArray("[Game]\nPlayers=four\n");
        QTest::newRow("unknown strength") << QByteArray("[Game]\nComputerStrength=Genius\n");
        QTest::newRow("not a flag") << QByteArray("[Game]\nSound=maybe\n");
        QTest::newRow("start mode 0") << QByteArray("[Game]\nStartMode=0\n");
        QTest::newRow("pausing person")
            << QByteArray("[Seat1]\nAuto=false\nPause=true\nHideCards=false\n");
        QTest::newRow("speed out of range") << QByteArray("[Moves]\nSpeed=99999\n");
        QTest::newRow("geometry not bytes") << QByteArray("[Table]\nGeometry=12\n");
    }
    void damagedFileGivesTheDefaultsAndOneLine() {
        QFETCH(QByteArray, content);
        const QString path = PathOf("damaged.ini");
        Write(path, content);
        SettingsStore store = StoreAt(path);
        QVERIFY(store.Load() == RememberedSettings{});
        QCOMPARE(warnings_.size(), 1);
        QVERIFY(warnings_[0].contains(path));
        // The next save mends the file.
        QVERIFY(store.Save(Changed()));
        warnings_.clear();
        QVERIFY(StoreAt(path).Load() == Changed());
        QVERIFY(warnings_.isEmpty());
    }

    void partialFileKeepsTheDefaultsOfWhatIsMissing() {
        const QString path = PathOf("partial.ini");
        Write(path, "[Game]\nPlayers=2\n");
        RememberedSettings expected;
        expected.Game.NumPlayers = 2;
        QVERIFY(StoreAt(path).Load() == expected);
        QVERIFY(warnings_.isEmpty());
    }

    void unreadableFileGivesTheDefaultsAndOneLine() {
        // A folder where the file should be cannot be read, whoever runs the test.
        const QString path = PathOf("folder.ini");
        QVERIFY(QDir().mkpath(path));
        SettingsStore store = StoreAt(path);
        QVERIFY(store.Load() == RememberedSettings{});
        QCOMPARE(warnings_.size(), 1);
        QVERIFY(!store.Save(Changed()));
        QCOMPARE(warnings_.size(), 1);
    }

    void unwritablePlaceGivesTheDefaultsAndOneLine() {
        // A file where the settings folder should be: nothing can be created below it.
        Write(PathOf("blocker"), "x");
        SettingsStore store = StoreAt(PathOf("blocker/Tolvanis/tolvanis.ini"));
        QVERIFY(store.Load() == RememberedSettings{});
        QCOMPARE(warnings_.size(), 1);
        QVERIFY(!store.Save(Changed()));
        QCOMPARE(warnings_.size(), 1);
    }

    void readOnlyFileIsReadAndSaysItWillNotKeepChanges() {
        if (::geteuid() == 0) QSKIP("permissions do not bind the superuser");
        const QString path = PathOf("readonly.ini");
        QVERIFY(StoreAt(path).Save(Changed()));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        SettingsStore store = StoreAt(path);
        QVERIFY(store.Load() == Changed());
        QCOMPARE(warnings_.size(), 1);
        QVERIFY(!store.Save(RememberedSettings{}));
        QCOMPARE(warnings_.size(), 1);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "SettingsStoreTest.moc"
