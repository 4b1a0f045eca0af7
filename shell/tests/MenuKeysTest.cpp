// The menus from the keyboard: every menu and item has an access key of its own, Alt+letter
// opens a menu and its letters walk down to a command, F10 opens the first menu, and the help
// window closes with Esc or Ctrl+W.
#include <QMenuBar>
#include <QSignalSpy>

#include "GameHarness.h"
#include "HelpViewer.h"
#include "Mnemonics.h"

using namespace tolvanis;
using namespace tolvanis::testing;

namespace {

// Every entry of a menu or bar that a person can pick (separators aside).
QList<QAction*> Entries(const QWidget* menu) {
    QList<QAction*> entries;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) entries.append(action);
    }
    return entries;
}

// Fails when an entry lacks a key or two entries of one menu share one; walks the submenus.
void CheckKeysUnique(const QWidget* menu, const QString& path) {
    QSet<QChar> seen;
    for (QAction* action : Entries(menu)) {
        const QChar key = MnemonicOf(action->text());
        const QString where = path + QLatin1Char('/') + WithoutMnemonic(action->text());
        QVERIFY2(!key.isNull(), qPrintable(where + QStringLiteral(" has no access key")));
        QVERIFY2(!seen.contains(key),
                 qPrintable(where + QStringLiteral(" shares its key ") + QString(key)));
        seen.insert(key);
        if (action->menu()) {
            CheckKeysUnique(action->menu(), where);
            if (QTest::currentTestFailed()) return;
        }
    }
}

}  // namespace

class MenuKeysTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<GameHarness> g;

    QMenuBar* Bar() { return g->app->Table()->menuBar(); }
    QMenu* OpenPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    void CloseMenus() {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

  private slots:
    void init() {
        g = std::make_unique<GameHarness>(7);
        QVERIFY(QTest::qWaitForWindowActive(g->app->Table()));
    }
    void cleanup() {
        CloseMenus();
        g.reset();
    }

    void pureRulePlacesUniqueKeys() {
        // The game's letters where free; the others fall back to word starts, then any letter.
        QCOMPARE(PlaceMnemonics({QStringLiteral("Exit "), QStringLiteral("Export")},
                                {QLatin1Char('X'), QLatin1Char('X')}),
                 QStringList({QStringLiteral("E&xit "), QStringLiteral("&Export")}));
        QCOMPARE(PlaceMnemonics({QStringLiteral("Start Player"), QStringLiteral("Status Bar"),
                                 QStringLiteral("Sound On")}),
                 QStringList({QStringLiteral("&Start Player"), QStringLiteral("Status &Bar"),
                              QStringLiteral("Sound &On")}));
        // A key given by hand is kept, and a later entry does not take it.
        QCOMPARE(PlaceMnemonics({QStringLiteral("Show"), QStringLiteral("&Stop")}),
                 QStringList({QStringLiteral("S&how"), QStringLiteral("&Stop")}));
        // Nothing left to underline: the caption stays as it is.
        QCOMPARE(PlaceMnemonics({QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("-")}),
                 QStringList({QStringLiteral("&a"), QStringLiteral("A"), QStringLiteral("-")}));
        QCOMPARE(WithoutMnemonic(QStringLiteral("Fish && &Chips")), QStringLiteral("Fish & Chips"));
        QCOMPARE(MnemonicOf(QStringLiteral("Fish && Chips")), QChar());
        QCOMPARE(MnemonicOf(QStringLiteral("E&xit ")), QLatin1Char('X'));
    }

    void everyMenuHasItsOwnKeysAndCaptionsStay() {
        CheckKeysUnique(Bar(), QString());
        // The captions read as before, only a letter is underlined.
        QCOMPARE(WithoutMnemonic(g->Action("M_Game")->text()), QStringLiteral("Tolvanis"));
        QCOMPARE(WithoutMnemonic(g->Action("M_Exit")->text()), QStringLiteral("Exit "));
        QCOMPARE(WithoutMnemonic(g->Action("OPT3")->text()),
                 QStringLiteral("All Auto Play without Pause"));
        QCOMPARE(g->Action("M_Abort")->text(), QStringLiteral("&New Deal"));
        QCOMPARE(g->Action("M_Exit")->text(), QStringLiteral("E&xit "));
    }

    void itemAddedLaterGetsAFreeKey() {
        QMenu* opts = g->app->Menus()->Menu(QStringLiteral("M_Opts"));
        QAction* late = opts->addAction(QStringLiteral("Sound Volume"));
        QVERIFY(!MnemonicOf(late->text()).isNull());
        QCOMPARE(WithoutMnemonic(late->text()), QStringLiteral("Sound Volume"));
        QMenu* sub = opts->addMenu(QStringLiteral("Table"));
        sub->addAction(QStringLiteral("Felt"));
        sub->addAction(QStringLiteral("Fast"));
        CheckKeysUnique(Bar(), QString());
    }

    void altLetterOpensEveryMenu() {
        for (QAction* entry : Entries(Bar())) {
            const QChar key = MnemonicOf(entry->text());
            QTest::keyClick(g->app->Table(), key.toLatin1(), Qt::AltModifier);
            QTRY_VERIFY(OpenPopup());
            QCOMPARE(OpenPopup(), entry->menu());
            // Each submenu opens by its letter inside the menu.
            for (QAction* item : Entries(entry->menu())) {
                if (!item->menu()) continue;
                QTest::keyClick(OpenPopup(), MnemonicOf(item->text()).toLatin1());
                QTRY_COMPARE(OpenPopup(), item->menu());
                QTest::keyClick(OpenPopup(), Qt::Key_Escape);
                QTRY_COMPARE(OpenPopup(), entry->menu());
            }
            CloseMenus();
        }
    }

    void lettersChooseACommand() {
        QVERIFY(g->Moves()->isHidden());
        QTest::keyClick(g->app->Table(), Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY(OpenPopup());
        QTest::keyClick(OpenPopup(), Qt::Key_L);
        QTRY_VERIFY(g->Moves()->isVisible());
        g->Moves()->close();
        QVERIFY(QTest::qWaitForWindowActive(g->app->Table()));

        QVERIFY(g->St().SoundOn);
        QTest::keyClick(g->app->Table(), Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(OpenPopup());
        QTest::keyClick(OpenPopup(), Qt::Key_O);
        QTRY_VERIFY(!g->St().SoundOn);
        QVERIFY(!g->Action("SoundOnx")->isChecked());

        // Options > Number of Players > 2 Players.
        QTest::keyClick(g->app->Table(), Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(OpenPopup());
        QTest::keyClick(OpenPopup(), Qt::Key_N);
        QTRY_COMPARE(OpenPopup(), g->app->Menus()->Menu(QStringLiteral("NeeGamex")));
        QTest::keyClick(OpenPopup(), Qt::Key_2);
        QTRY_COMPARE(g->St().NumPlayers, 2);
    }

    void f10OpensTheFirstMenu() {
        QTest::keyClick(g->app->Table(), Qt::Key_F10);
        QTRY_COMPARE(OpenPopup(), g->app->Menus()->Menu(QStringLiteral("M_Game")));
        QTest::keyClick(OpenPopup(), Qt::Key_Right);
        QTRY_COMPARE(OpenPopup(), g->app->Menus()->Menu(QStringLiteral("M_Opts")));
    }

    void helpClosesWithEscAndCtrlW() {
        const QKeyCombination keys[] = {QKeyCombination(Qt::Key_Escape),
                                        QKeyCombination(Qt::CTRL | Qt::Key_W)};
        for (const QKeyCombination key : keys) {
            g->Choose("M_Help");
            HelpViewer* help = g->app->Help();
            QVERIFY(help->isVisible());
            QVERIFY(QTest::qWaitForWindowActive(help));
            QTest::keyClick(help, key.key(), key.keyboardModifiers());
            QTRY_VERIFY(!help->isVisible());
        }
    }
};

QTEST_MAIN(MenuKeysTest)
#include "MenuKeysTest.moc"
