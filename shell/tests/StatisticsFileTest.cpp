// The statistics file: kept across runs, never replaced by a half-written one (a program that
// dies in the middle of a write, or a write that fails), and a damaged file costs only the
// statistics and one line.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "StatisticsFile.h"

using namespace tolvanis;

class StatisticsFileTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QStringList warnings_;

    QString PathOf(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    StatisticsFile FileAt(const QString& path) {
        StatisticsFile file(path);
        file.Warn = [this](const QString& text) { warnings_ << text; };
        return file;
    }
    static Statistics Some(int deals) {
        Statistics s;
        s.DealsPlayed = deals;
        s.Seats[3] = {deals, deals / 3, 150, 200 * deals};
        s.People = s.Seats[3];
        return s;
    }
    static QByteArray Read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

  private slots:
    void init() { warnings_.clear(); }

    void keptAcrossRuns() {
        const QString path = PathOf("kept/Tolvanis/statistics.json");
        QCOMPARE(FileAt(path).Load(), Statistics{});
        QVERIFY(FileAt(path).Save(Some(4)));
        QCOMPARE(FileAt(path).Load(), Some(4));
        QVERIFY(warnings_.isEmpty());
    }

    void aProgramDyingMidWriteLeavesTheLastGoodFile() {
        const QString path = PathOf("crash.json");
        QVERIFY(FileAt(path).Save(Some(6)));
        const QByteArray before = Read(path);

        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            StatisticsFile file(path);
            // Half the new text is on the disk when the program ends without any clean-up.
            file.MidWrite = [] { ::_exit(3); };
            file.Save(Some(9));
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 3);

        QCOMPARE(Read(path), before);
        QCOMPARE(FileAt(path).Load(), Some(6));
        QVERIFY(warnings_.isEmpty());
        // The next run writes over the leftovers as usual.
        QVERIFY(FileAt(path).Save(Some(10)));
        QCOMPARE(FileAt(path).Load(), Some(10));
    }

    void aWriteThatFailsMidwayLeavesTheLastGoodFile() {
        const QString path = PathOf("fail.json");
        QVERIFY(FileAt(path).Save(Some(2)));
        {
            StatisticsFile file(path);
            file.MidWrite = [] { throw std::runtime_error("disk gone"); };
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, file.Save(Some(5)));
        }
        QCOMPARE(FileAt(path).Load(), Some(2));
        QCOMPARE(
            QDir(dir_.path()).entryList(QStringList{QStringLiteral("fail.json*")}, QDir::Files),
            QStringList{QStringLiteral("fail.json")});
    }

    void damagedFileStartsAfreshWithOneLine() {
        const QString path = PathOf("damaged.json");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(Some(3).ToJson().left(40));
        }
        StatisticsFile file = FileAt(path);
        QCOMPARE(file.Load(), Statistics{});
        QCOMPARE(warnings_.size(), 1);
        QVERIFY(file.Save(Some(1)));
        QCOMPARE(FileAt(path).Load(), Some(1));
        QCOMPARE(warnings_.size(), 1);
    }

    void unwritablePlaceSaysSoOnce() {
        {
            QFile blocker(PathOf("blocker"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        StatisticsFile file = FileAt(PathOf("blocker/statistics.json"));
        QCOMPARE(file.Load(), Statistics{});
        QVERIFY(!file.Save(Some(1)));
        QVERIFY(!file.Save(Some(2)));
        QCOMPARE(warnings_.size(), 1);
    }
};

QTEST_GUILESS_MAIN(StatisticsFileTest)
#include "StatisticsFileTest.moc"
