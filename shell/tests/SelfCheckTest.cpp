// The self-check an install is tested with: its verdict must follow what is really found, or a
// broken package would pass.
#include <QtTest>

#include "GameHarness.h"
#include "HelpViewer.h"
#include "SelfCheck.h"

using namespace tolvanis;
using namespace tolvanis::testing;

class SelfCheckTest : public QObject {
    Q_OBJECT

    struct Run {
        int Status = -1;
        QString Text;
    };

    static Run Check(GameHarness& g, const QStringList& files,
                     const std::optional<QString>& startError = std::nullopt) {
        Run run;
        QTextStream out(&run.Text);
        run.Status = RunSelfCheck(*g.app, startError, files, out);
        return run;
    }

  private slots:
    void shippedFilesAllFoundHelpOpensAndASoundPlays() {
        const QStringList shipped = ShippedDataFiles();
        // Five strips, eight sounds and the help document at the least.
        QVERIFY(shipped.size() >= 14);
        for (const char* name : {"Red3.bmp", "Backs4.bmp", "vrkmup.wav", "tolvanis.html"})
            QVERIFY2(shipped.contains(QLatin1String(name)), name);

        GameHarness g(3);
        const Run run = Check(g, shipped);
        QCOMPARE(run.Status, 0);
        QCOMPARE(run.Text.count(QStringLiteral("found ")), shipped.size());
        QVERIFY(run.Text.contains(QStringLiteral("help opened ")));
        QVERIFY(run.Text.contains(QStringLiteral("sound vrkmup played")));
        // Help is closed again, and the game's own sound listener is back in place.
        QVERIFY(!g.app->Help()->isVisible());
        g.Sounds.clear();
        g.Choose("M_About");
        QCOMPARE(g.Sounds, std::vector<QString>{QStringLiteral("vrkmup")});
    }

    void aMissingFileOrAFailedStartFails() {
        GameHarness g(3);
        const Run missing = Check(g, {QStringLiteral("Red3.bmp"), QStringLiteral("Nothing9.bmp")});
        QCOMPARE(missing.Status, 1);
        QVERIFY(missing.Text.contains(QStringLiteral("missing Nothing9.bmp")));

        const Run failed = Check(g, {QStringLiteral("Red3.bmp")}, QStringLiteral("no pictures"));
        QCOMPARE(failed.Status, 1);
        QVERIFY(failed.Text.contains(QStringLiteral("start failed: no pictures")));
    }

    void soundOffMeansNothingPlayedAndFails() {
        GameHarness g(3);
        g.Choose("SoundOnx");
        const Run run = Check(g, {});
        QCOMPARE(run.Status, 1);
        QVERIFY(run.Text.contains(QStringLiteral("no sound played")));
    }
};

QTEST_MAIN(SelfCheckTest)
#include "SelfCheckTest.moc"
