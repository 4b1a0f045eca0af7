// The table played from the keyboard alone: whole deals driven by keys end exactly as the same
// deals driven by the matching clicks, the focus ring shows where the keys act, the seat option
// box answers its keys, and keys do nothing while the computer plays.
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include <optional>
#include <vector>

#include "CardChoice.h"
#include "TableFixture.h"
#include "TableKeys.h"

using namespace tolvanis;
using namespace tolvanis::testing;

namespace {

// One decision of a person at the table, made the same way in both runs.
struct Step {
    enum Kind { Play, Pile, Colour } What;
    int Arg = 0;
};

// A plain player: the computer's own choice of card, the pile otherwise, and the colour it
// holds most of.
Step Decide(const GameState& st) {
    const int seat = st.CurrentSeat;
    if (st.ColorWait >= 1) {
        ColorCode best = ColorCode::Red;
        for (ColorCode c : PlayColors) {
            if (st.CountByColor[seat][Index(c)] > st.CountByColor[seat][Index(best)]) best = c;
        }
        return {Step::Colour, Index(best)};
    }
    GameState scratch = st;
    ChooseCard(scratch, seat);
    const int pick = scratch.PickedCard;
    const bool owes = st.PendingDraw[seat] >= 1;
    if (pick > 0 && (!owes || st.CardValue[pick] == AttackOwing(st.PendingDraw[seat])))
        return {Step::Play, pick};
    return {Step::Pile, 0};
}

int HandPosition(const GameState& st, int card) {
    const int seat = st.CardOwner[card];
    for (int i = 1; seat >= 1 && i <= st.HandCount[seat]; ++i) {
        if (st.Hand[seat][i] == card) return i;
    }
    return 0;
}

// A fingerprint of the position that changes with every move that does something.
std::vector<int> Progress(const GameState& st) {
    std::vector<int> p(st.HandCount.begin(), st.HandCount.end());
    p.push_back(st.CurrentSeat);
    p.push_back(st.ColorWait);
    p.push_back(st.BoardWait);
    p.insert(p.end(), st.PendingDraw.begin(), st.PendingDraw.end());
    return p;
}

class MouseCounter : public QObject {
  public:
    int Count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type t = event->type();
        if (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease ||
            t == QEvent::MouseMove)
            ++Count;
        return false;
    }
};

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

  private:
    PictureSet pictures;

    static std::unique_ptr<TableRig> AllHumanRig(const PictureSet& pictures, std::uint64_t seed,
                                                 int players) {
        auto rig = std::make_unique<TableRig>(pictures, seed);
        if (players != 4) rig->engine.CommandNumberOfPlayers(players);
        rig->engine.CommandAllHuman();
        rig->window->show();
        rig->window->Refresh();
        return rig;
    }

    // A pixel where the item shows and is the topmost item ("LAST CARD" may cover half a hand).
    static QPoint PointOn(TableRig& rig, ItemRef item) {
        const QRect rect = rig.Table()->ItemRect(item);
        for (int y = rect.top() + 1; y <= rect.bottom(); y += 2) {
            for (int x = rect.left() + 1; x <= rect.right(); x += 2) {
                const auto under = rig.engine.Table.ItemAt((x + 0.5) / TableWidget::PxPerMm,
                                                           (y + 0.5) / TableWidget::PxPerMm);
                if (under && *under == item) return QPoint(x, y);
            }
        }
        qWarning("no pixel shows item %d", item.Index);
        return rect.center();
    }

    static void Key(TableRig& rig, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(rig.Table(), key, mods);
    }

    // Plays the deal with keys only and returns the steps taken.
    static std::vector<Step> PlayByKeys(TableRig& rig) {
        std::vector<Step> steps;
        GameState& st = rig.engine.State;
        const KeyboardPlay& keys = rig.window->Keys()->Keys();
        for (int guard = 0; guard < 2000 && !st.BoardWait; ++guard) {
            Step step = Decide(st);
            const auto before = Progress(st);
            if (step.What == Step::Play) {
                const bool side = st.CurrentSeat == 2 || st.CurrentSeat == 4;
                for (int i = 0; i < 120 && keys.FocusCard() != step.Arg; ++i) {
                    const bool forward =
                        HandPosition(st, step.Arg) > HandPosition(st, keys.FocusCard());
                    Key(rig, forward ? (side ? Qt::Key_Down : Qt::Key_Right)
                                     : (side ? Qt::Key_Up : Qt::Key_Left));
                }
                if (keys.FocusCard() != step.Arg) {
                    qWarning("the focus never reached card %d", step.Arg);
                    return {};
                }
                Key(rig, guard % 2 ? Qt::Key_Return : Qt::Key_Space);
            } else if (step.What == Step::Pile) {
                Key(rig, Qt::Key_D);
            } else {
                const Qt::Key colours[] = {Qt::Key_R, Qt::Key_G, Qt::Key_B, Qt::Key_Y};
                Key(rig, colours[step.Arg - 1]);
            }
            if (Progress(st) == before && step.What == Step::Play) {
                // The rules refused the card: take from the pile instead.
                step = {Step::Pile, 0};
                Key(rig, Qt::Key_D);
            }
            if (Progress(st) == before) {
                qWarning("step %d changed nothing", guard);
                return {};
            }
            steps.push_back(step);
        }
        return steps;
    }

    static void PlayByClicks(TableRig& rig, const std::vector<Step>& steps) {
        GameState& st = rig.engine.State;
        for (const Step& step : steps) {
            if (step.What == Step::Play) {
                QTest::mouseClick(rig.Table(), Qt::LeftButton, Qt::NoModifier,
                                  PointOn(rig, {ItemKind::CardImage, step.Arg}));
            } else if (step.What == Step::Pile) {
                QTest::mouseClick(rig.Table(), Qt::LeftButton, Qt::NoModifier,
                                  PointOn(rig, {ItemKind::CardImage, 0}));
            } else {
                // The pixel of that colour's area the keys chose, clicked with the mouse.
                const auto mm = KeyboardPlay(rig.engine).ColorPoint(ColorCode{step.Arg});
                QVERIFY(mm);
                const QRect rect = rig.Table()->ItemRect({ItemKind::CardImage, st.TableCard});
                const QPoint at(rect.left() + int(mm->first * TableWidget::PxPerMm),
                                rect.top() + int(mm->second * TableWidget::PxPerMm));
                QTest::mouseClick(rig.Table(), Qt::LeftButton, Qt::NoModifier, at);
            }
        }
    }

  private slots:
    void initTestCase() {
        const std::optional<QString> error = pictures.Load(PictureSet::DefaultSearchDirs());
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
    }

    void wholeDealsByKeysMatchTheClicks_data() {
        QTest::addColumn<int>("seed");
        QTest::addColumn<int>("players");
        QTest::newRow("4 seats") << 7 << 4;
        QTest::newRow("3 seats") << 21 << 3;
        QTest::newRow("2 seats") << 5 << 2;
    }
    void wholeDealsByKeysMatchTheClicks() {
        QFETCH(int, seed);
        QFETCH(int, players);
        auto keyed = AllHumanRig(pictures, seed, players);
        MouseCounter mice;
        keyed->Table()->installEventFilter(&mice);
        const std::vector<Step> steps = PlayByKeys(*keyed);
        QVERIFY2(steps.size() >= 10, qPrintable(QString::number(steps.size())));
        QVERIFY(keyed->engine.State.BoardWait);
        QCOMPARE(mice.Count, 0);
        bool coloured = false;
        for (const Step& s : steps)
            coloured |= s.What == Step::Colour;

        auto clicked = AllHumanRig(pictures, seed, players);
        PlayByClicks(*clicked, steps);
        const GameState& a = keyed->engine.State;
        const GameState& b = clicked->engine.State;
        QCOMPARE(keyed->services.LogHistory.size(), clicked->services.LogHistory.size());
        QVERIFY(keyed->services.LogHistory == clicked->services.LogHistory);
        QVERIFY(a.Hand == b.Hand);
        QVERIFY(a.HandCount == b.HandCount);
        QVERIFY(a.TotPoints == b.TotPoints);
        QCOMPARE(a.TableColor, b.TableColor);
        QCOMPARE(a.CurrentSeat, b.CurrentSeat);
        QVERIFY(b.BoardWait);
        if (players == 4) QVERIFY2(coloured, "the deal named a colour by key");

        // The next deal from the keyboard too: Enter is the click on the table.
        const auto serial = a.DealSerial;
        Key(*keyed, Qt::Key_Return);
        QVERIFY(keyed->engine.State.DealSerial != serial);
    }

    void focusRingFollowsTheKeys() {
        TableRig rig(pictures, 7);
        rig.engine.CommandAllHuman();
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        rig.Table()->setFocus();
        rig.window->Refresh();
        TableKeys* keys = rig.window->Keys();
        QSignalSpy moved(keys, &TableKeys::FocusMoved);
        const int first = keys->Keys().FocusCard();
        QVERIFY(first > 0);
        Key(rig, Qt::Key_End);
        const int last = keys->Keys().FocusCard();
        QVERIFY(last != first);
        QVERIFY(moved.count() >= 1);
        QCOMPARE(keys->RingRect(), rig.Table()->ItemRect({ItemKind::CardImage, last}));
        QCOMPARE(rig.engine.State.HoverCard, last);

        // The ring is drawn just outside the card, in black and gold.
        const QRect ring = keys->RingRect();
        const QImage shot = rig.Grab();
        const QRgb edge = shot.pixel(ring.center().x(), ring.bottom() + 3);
        QVERIFY2(edge == qRgb(0, 0, 0) || edge == qRgb(255, 215, 0),
                 qPrintable(QString::number(edge, 16)));

        // Without the keyboard focus the table shows no ring.
        rig.Table()->clearFocus();
        QVERIFY(keys->RingRect().isNull());
    }

    void optionBoxFromTheKeys() {
        TableRig rig(pictures, 7);
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        rig.Table()->setFocus();
        GameState& st = rig.engine.State;
        Key(rig, Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(st.OptionsOpen, 2);
        QVERIFY(rig.Table()->OptionBox()->isVisible());
        TableKeys* keys = rig.window->Keys();
        QCOMPARE(keys->Keys().Area(), KeyArea::OptionBox);
        const QLabel* label = rig.Table()->OptionLabel(0);
        QCOMPARE(keys->RingRect(), QRect(label->mapTo(rig.Table(), QPoint()), label->size()));
        Key(rig, Qt::Key_Down);
        Key(rig, Qt::Key_Space);
        QCOMPARE(rig.Table()->OptionLabel(1)->text(), QStringLiteral("NoPause"));
        // Tab gives the keys back to the table while the box stays open.
        Key(rig, Qt::Key_Tab);
        QCOMPARE(keys->Keys().Area(), KeyArea::Table);
        QVERIFY(rig.Table()->hasFocus());
        Key(rig, Qt::Key_Tab);
        QCOMPARE(keys->Keys().Area(), KeyArea::OptionBox);
        Key(rig, Qt::Key_Return);
        QCOMPARE(st.OptionsOpen, OptionsClosed);
        QVERIFY(!rig.Table()->OptionBox()->isVisible());
        QCOMPARE(rig.engine.Table.Message[2].Caption, QStringLiteral("p2: Auto/NoPause"));
        Key(rig, Qt::Key_3, Qt::ControlModifier);
        Key(rig, Qt::Key_Escape);
        QCOMPARE(st.OptionsOpen, OptionsClosed);
    }

    void keysDoNothingWhileTheComputerPlays() {
        TableRig rig(pictures, 7);
        rig.window->show();
        GameState& st = rig.engine.State;
        // Seat 1 is the person; the others play without pause, and while they do every key
        // the table knows is pressed.
        for (int seat = 2; seat <= 4; ++seat)
            st.Seats[seat].Pause = false;
        int pauses = 0;
        bool changed = false;
        rig.services.DuringPause = [&] {
            ++pauses;
            const GameState before = st;
            const auto log = rig.services.LogHistory.size();
            for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_Space,
                                Qt::Key_D, Qt::Key_H, Qt::Key_A, Qt::Key_R, Qt::Key_Escape})
                QTest::keyClick(rig.Table(), key);
            changed |= st.Hand != before.Hand || st.HoverCard != before.HoverCard ||
                       rig.services.LogHistory.size() != log ||
                       st.CurrentSeat != before.CurrentSeat;
            QVERIFY(!rig.window->Keys()->Keys().FocusItem());
        };
        rig.services.RecordSounds = true;
        // Seat 1 takes a card; the three computer seats follow with pauses between.
        st.CurrentSeat = 1;
        st.PendingDraw.fill(0);
        st.PendingDraw[1] = 1;
        rig.window->Refresh();
        Key(rig, Qt::Key_D);
        rig.services.DuringPause = nullptr;
        QVERIFY(pauses > 0);
        QVERIFY(!changed);
    }
};

int RunKeyboardTests(int argc, char** argv) {
    KeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "KeyboardTest.moc"
