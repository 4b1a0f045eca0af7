// Keeps the shipped help document in step with the game: it must use the exact words the
// menus, labels and option box show, its contents links must lead somewhere, and it must
// stand alone (no pictures or pages that are not shipped with it).

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>

namespace {

QString readHelp() {
    QFile f(QStringLiteral(TOLVANIS_HELP_DIR "/tolvanis.html"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

// The text a reader sees in the help viewer, markup removed.
QString visibleText(const QString& html) {
    static int argc = 1;
    static char name[] = "help_test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app =
        QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)app;
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText();
}

}  // namespace

TEST(HelpDocument, NamesEveryCommandAndSettingAsTheGameShowsIt) {
    const QString html = readHelp();
    ASSERT_FALSE(html.isEmpty()) << "help document missing from the data folder";
    const QString text = visibleText(html);
    const char* words[] = {
        // menus and their keys
        "New Deal", "Ctrl+N", "Show Log", "Ctrl+L", "Help", "F1", "About", "Exit", "Ctrl+Q",
        "Number of Players", "2 Players", "3 Players", "4 Players", "Start Player", "At Random",
        "First Player", "Player Types", "All Human Players", "All Auto Play with Pause",
        "All Auto Play without Pause", "Computer Strength", "Standard", "Strong", "Sound On",
        // the seat option box
        "Human", "Auto", "Pause", "NoPause", "ShowCards", "HideCards", "OK", "Cancel",
        // labels and messages the player meets on the table
        "your turn", "take 2 cards", "take 1 card", "select color", "click to play",
        "Click on a color first", "hint !", "LAST CARD", "click to redeal",
        // the Moves window
        "Moves", "Play speed", "SLOW", "FAST", "points", "games",
        // the keys of the table, the option box, the menus and this window
        "Keyboard", "Left", "Right", "Up", "Down", "Home", "End", "Enter", "Space", "Esc", "Tab",
        "Ctrl+1", "Ctrl+4", "F10", "Ctrl+W", "Alt"};
    for (const char* w : words) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(w))) << "help does not mention \"" << w << '"';
    }
}

TEST(HelpDocument, GivesTheScoringTable) {
    const QString text = visibleText(readHelp());
    // The figures a player checks a deal's points against.
    for (const char* w : {"500 points", "25", "50", "20", "7 + 0 + 50 + 0 + 20 = 77"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(w))) << w;
    }
}

TEST(HelpDocument, LinksLeadToItsOwnSectionsOnly) {
    const QString html = readHelp();
    ASSERT_FALSE(html.isEmpty());
    QSet<QString> anchors;
    for (const auto& m :
         QRegularExpression(QStringLiteral("name=\"([^\"]+)\"")).globalMatch(html)) {
        anchors.insert(m.captured(1));
    }
    int links = 0;
    for (const auto& m :
         QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).globalMatch(html)) {
        const QString target = m.captured(1);
        ASSERT_TRUE(target.startsWith(u'#')) << "link out of the document: " << qPrintable(target);
        EXPECT_TRUE(anchors.contains(target.mid(1))) << "no section " << qPrintable(target);
        ++links;
    }
    EXPECT_GT(links, 10);
    EXPECT_FALSE(html.contains(QStringLiteral("<img"), Qt::CaseInsensitive))
        << "pictures are not shipped with the document";
}
