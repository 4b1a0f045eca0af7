// The pattern matcher behind Find, element by element.
#include <QTest>

#include "LikePattern.h"
#include "PictureListError.h"

using picturelist::likeMatch;

class LikePatternTest : public QObject {
    Q_OBJECT
  private slots:
    void matches_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("expected");
        QTest::newRow("literal") << "abc"
                                 << "abc" << true;
        QTest::newRow("literal differs by case") << "abc"
                                                 << "ABC" << false;
        QTest::newRow("literal shorter text") << "ab"
                                              << "abc" << false;
        QTest::newRow("question one char") << "abc"
                                           << "a?c" << true;
        QTest::newRow("question needs a char") << "ac"
                                               << "a?c" << false;
        QTest::newRow("star empty") << "ac"
                                    << "a*c" << true;
        QTest::newRow("star run") << "abbbc"
                                  << "a*c" << true;
        QTest::newRow("star backtracks") << "abcbd"
                                         << "a*b?" << true;
        QTest::newRow("star then missing") << "abc"
                                           << "a*d" << false;
        QTest::newRow("only star on empty") << ""
                                            << "*" << true;
        QTest::newRow("empty pattern on empty") << ""
                                                << "" << true;
        QTest::newRow("empty pattern on text") << "x"
                                               << "" << false;
        QTest::newRow("hash digit") << "a7"
                                    << "a#" << true;
        QTest::newRow("hash not letter") << "ab"
                                         << "a#" << false;
        QTest::newRow("list") << "b"
                              << "[abc]" << true;
        QTest::newRow("list miss") << "d"
                                   << "[abc]" << false;
        QTest::newRow("range") << "m"
                               << "[a-z]" << true;
        QTest::newRow("range miss") << "M"
                                    << "[a-z]" << false;
        QTest::newRow("two ranges") << "5"
                                    << "[a-c0-9]" << true;
        QTest::newRow("negated") << "d"
                                 << "[!abc]" << true;
        QTest::newRow("negated miss") << "a"
                                      << "[!abc]" << false;
        QTest::newRow("negated range") << "Q"
                                       << "[!a-z]" << true;
        QTest::newRow("leading hyphen") << "-"
                                        << "[-a]" << true;
        QTest::newRow("trailing hyphen") << "-"
                                         << "[a-]" << true;
        QTest::newRow("hyphen not range end") << "b"
                                              << "[a-]" << false;
        QTest::newRow("literal star") << "a*"
                                      << "a[*]" << true;
        QTest::newRow("literal star not run") << "ab"
                                              << "a[*]" << false;
        QTest::newRow("literal question") << "?"
                                          << "[?]" << true;
        QTest::newRow("literal question not any") << "x"
                                                  << "[?]" << false;
        QTest::newRow("literal hash") << "#"
                                      << "[#]" << true;
        QTest::newRow("literal hash not digit") << "1"
                                                << "[#]" << false;
        QTest::newRow("literal bracket") << "[x"
                                         << "[[]x" << true;
        QTest::newRow("closing bracket outside") << "a]"
                                                 << "a]" << true;
        QTest::newRow("exclamation outside") << "!a"
                                             << "!a" << true;
        QTest::newRow("tab in text") << "a\tb"
                                     << "a?b" << true;
        QTest::newRow("unicode code compare") << "é"
                                              << "[à-ü]" << true;
        QTest::newRow("mixed") << "p3: played 7"
                               << "p#:*#" << true;
    }
    void matches() {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(bool, expected);
        QCOMPARE(likeMatch(text, pattern), expected);
    }

    void badPatternsRaise93() {
        for (const QString& bad : {QStringLiteral("[abc"), QStringLiteral("[z-a]")}) {
            try {
                likeMatch(u"a", bad);
                QFAIL(qPrintable("no error for " + bad));
            } catch (const picturelist::PictureListError& e) {
                QCOMPARE(e.number(), 93);
            }
        }
    }

    void longStarPatternStaysFast() {
        const QString text(5000, u'a');
        QVERIFY(!likeMatch(text, u"*a*a*a*a*b"));
        QVERIFY(likeMatch(text, u"*a*a*a*a*"));
    }
};

QTEST_APPLESS_MAIN(LikePatternTest)
#include "LikePatternTest.moc"
