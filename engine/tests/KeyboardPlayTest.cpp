// Play from the keyboard on the engine alone: which key means what, the focus along the hand of
// the person to move, and that every key acts exactly as the click it stands for (the same
// state, log lines, sounds and messages), including doing nothing while the computer plays.
#include <memory>

#include "EngineFixture.h"
#include "KeyboardPlay.h"

namespace tolvanis::testing {
namespace {

// What a move leaves behind, to compare a keyed move with the clicked one.
struct Outcome {
    GameState State;
    std::vector<LogLine> Log;
    std::vector<QString> Sounds;
    std::vector<QString> Messages;
};

class KeyboardPlayTest : public EngineFixture {
  protected:
    std::unique_ptr<KeyboardPlay> keys = std::make_unique<KeyboardPlay>(eng);

    // Seat 3 (bottom, a person) to move in a two-seat deal on a red 5.
    void BottomSeatToMove(const std::vector<int>& hand) {
        NewPosition(2, Red(5));
        Give(3, hand);
        Give(1, {Yellow(1), Yellow(2), Yellow(3), Yellow(4)});
        SetTurn(3);
        keys = std::make_unique<KeyboardPlay>(eng);
        keys->Sync();
        ForgetRecords();
    }
    Outcome Now() const { return {st, sv.LogHistory, sv.Sounds, sv.Messages}; }
    static void ExpectSame(const Outcome& keyed, const Outcome& clicked) {
        EXPECT_EQ(keyed.State.Hand, clicked.State.Hand);
        EXPECT_EQ(keyed.State.HandCount, clicked.State.HandCount);
        EXPECT_EQ(keyed.State.CurrentSeat, clicked.State.CurrentSeat);
        EXPECT_EQ(keyed.State.TableColor, clicked.State.TableColor);
        EXPECT_EQ(keyed.State.PendingDraw, clicked.State.PendingDraw);
        EXPECT_EQ(keyed.State.ColorWait, clicked.State.ColorWait);
        EXPECT_EQ(keyed.Log, clicked.Log);
        EXPECT_EQ(keyed.Messages, clicked.Messages);
        // The lift under the focus sounds as the pointer's would; leave those out of the move.
        auto withoutLift = [](std::vector<QString> sounds) {
            std::erase(sounds, QStringLiteral("vrkpau"));
            return sounds;
        };
        EXPECT_EQ(withoutLift(keyed.Sounds), withoutLift(clicked.Sounds));
    }
};

TEST_F(KeyboardPlayTest, KeysAndWhatTheyMean) {
    using enum KeyAction;
    auto is = [](int key, Qt::KeyboardModifiers mods, KeyAction action, int seat = 0) {
        return KeyboardPlay::ActionFor(key, mods) == KeyPress{action, seat};
    };
    EXPECT_TRUE(is(Qt::Key_Left, Qt::NoModifier, Left));
    EXPECT_TRUE(is(Qt::Key_Down, Qt::NoModifier, Down));
    EXPECT_TRUE(is(Qt::Key_Return, Qt::NoModifier, Activate));
    EXPECT_TRUE(is(Qt::Key_Enter, Qt::KeypadModifier, Activate));
    EXPECT_TRUE(is(Qt::Key_Space, Qt::NoModifier, Toggle));
    EXPECT_TRUE(is(Qt::Key_D, Qt::NoModifier, Pile));
    EXPECT_TRUE(is(Qt::Key_H, Qt::ShiftModifier, Hint));
    EXPECT_TRUE(is(Qt::Key_Y, Qt::ShiftModifier, Yellow));
    EXPECT_TRUE(is(Qt::Key_B, Qt::NoModifier, Blue));
    EXPECT_TRUE(is(Qt::Key_1, Qt::ControlModifier, SeatOptions, 1));
    EXPECT_TRUE(is(Qt::Key_4, Qt::ControlModifier | Qt::KeypadModifier, SeatOptions, 4));
    // Menus own Alt, the program's shortcuts own Ctrl with letters.
    EXPECT_FALSE(KeyboardPlay::ActionFor(Qt::Key_R, Qt::AltModifier));
    EXPECT_FALSE(KeyboardPlay::ActionFor(Qt::Key_N, Qt::ControlModifier));
    EXPECT_FALSE(KeyboardPlay::ActionFor(Qt::Key_5, Qt::ControlModifier));
    EXPECT_FALSE(KeyboardPlay::ActionFor(Qt::Key_1, Qt::NoModifier));
    EXPECT_FALSE(KeyboardPlay::ActionFor(Qt::Key_F1, Qt::NoModifier));
}

TEST_F(KeyboardPlayTest, ArrowsWalkTheHandAndLiftAsThePointerWould) {
    BottomSeatToMove({Red(2), Green(5), Blue(1)});
    const std::vector<int> hand = HandOf(3);
    EXPECT_EQ(keys->FocusCard(), hand[0]) << "the person to move starts on the first card";
    const double restTop = tb.CardImage[hand[1]].Top;

    EXPECT_TRUE(keys->Press(KeyAction::Right));
    EXPECT_EQ(keys->FocusCard(), hand[1]);
    EXPECT_EQ(st.HoverCard, hand[1]);
    EXPECT_EQ(tb.CardImage[hand[1]].Top, restTop - LiftStepSide);
    EXPECT_EQ(SoundCount(SndPau), 1);

    // Up is the same as Left; the card left behind comes down again.
    EXPECT_TRUE(keys->Press(KeyAction::Up));
    EXPECT_EQ(keys->FocusCard(), hand[0]);
    EXPECT_EQ(tb.CardImage[hand[1]].Top, restTop);
    EXPECT_TRUE(keys->Press(KeyAction::Left));
    EXPECT_EQ(keys->FocusCard(), hand[0]) << "the ends do not wrap";
    EXPECT_TRUE(keys->Press(KeyAction::Last));
    EXPECT_EQ(keys->FocusCard(), hand[2]);
    EXPECT_EQ(keys->FocusItem(), (ItemRef{ItemKind::CardImage, hand[2]}));
    // Esc lowers it as the pointer leaving for the table does.
    EXPECT_TRUE(keys->Press(KeyAction::Escape));
    EXPECT_EQ(st.HoverCard, -1);
    EXPECT_TRUE(CardsAccountedFor(eng));
}

TEST_F(KeyboardPlayTest, EnterPlaysTheFocusedCardAsItsClickDoes) {
    const std::vector<int> hand{Red(2), Green(5), Blue(1)};
    BottomSeatToMove(hand);
    keys->Press(KeyAction::Right);
    const int card = keys->FocusCard();
    ForgetRecords();
    keys->Press(KeyAction::Activate);
    const Outcome keyed = Now();
    EXPECT_EQ(st.CardOwner[card], 0) << "played";

    BottomSeatToMove(hand);
    Click(card);
    ExpectSame(keyed, Now());

    // A refused card: the same error sound, nothing moves.
    BottomSeatToMove(hand);
    keys->Press(KeyAction::Last);
    ForgetRecords();
    keys->Press(KeyAction::Toggle);
    const Outcome refused = Now();
    EXPECT_EQ(st.HandCount[3], 3);
    BottomSeatToMove(hand);
    Click(HandOf(3)[2]);
    ExpectSame(refused, Now());
}

TEST_F(KeyboardPlayTest, PileHintAndColourKeysAreTheirClicks) {
    // Nothing to follow a red 5 with: the pile key takes one card, as the pile click.
    const std::vector<int> nothing{Green(2), Blue(7)};
    BottomSeatToMove(nothing);
    EXPECT_TRUE(keys->Press(KeyAction::Pile));
    const Outcome keyed = Now();
    EXPECT_EQ(st.HandCount[3], 3);
    BottomSeatToMove(nothing);
    ClickPile();
    ExpectSame(keyed, Now());

    // The hint is the Shift-click on one's own card: the suggestion is lifted and focused.
    BottomSeatToMove({Green(2), Red(7), Blue(7)});
    keys->Press(KeyAction::Last);
    EXPECT_TRUE(keys->Press(KeyAction::Hint));
    EXPECT_EQ(sv.Messages, std::vector<QString>{QStringLiteral("hint !")});
    EXPECT_EQ(st.HoverCard, Red(7));
    EXPECT_EQ(keys->FocusCard(), Red(7));

    // A colour key names the colour through the click on that area of the wild card.
    const std::vector<int> wild{Plus4(), Green(2), Blue(7)};
    BottomSeatToMove(wild);
    PaintPickers();
    EXPECT_FALSE(keys->Press(KeyAction::Blue)) << "no colour is awaited yet";
    Click(Plus4());
    ASSERT_EQ(st.ColorWait, 4);
    EXPECT_EQ(keys->FocusItem(), (ItemRef{ItemKind::CardImage, st.TableCard}));
    EXPECT_TRUE(keys->Press(KeyAction::Blue));
    const Outcome coloured = Now();
    EXPECT_EQ(st.TableColor, ColorCode::Blue);
    BottomSeatToMove(wild);
    PaintPickers();
    Click(Plus4());
    PickColor(ColorCode::Blue);
    ExpectSame(coloured, Now());
    EXPECT_EQ(sv.LogHistory.back().Color, Engine::LogColor(ColorCode::Blue));
}

TEST_F(KeyboardPlayTest, ColourAreaFoundAtItsMiddle) {
    BottomSeatToMove({ColorChange(), Green(2)});
    Click(ColorChange());
    ASSERT_EQ(st.ColorWait, 5);
    sv.PickerColors[0].clear();
    // A blue area 3 millimetres wide around (10, 12): the point chosen is inside it, central.
    for (int x = 9; x <= 11; ++x) {
        for (int y = 11; y <= 13; ++y)
            sv.PickerColors[0][{x, y}] = RgbOf(0, 0, 128);
    }
    const auto point = keys->ColorPoint(ColorCode::Blue);
    ASSERT_TRUE(point);
    EXPECT_NEAR(point->first, 10, 0.5);
    EXPECT_NEAR(point->second, 12, 0.5);
    EXPECT_FALSE(keys->ColorPoint(ColorCode::Red)) << "a colour the picture lacks has no point";
    EXPECT_FALSE(keys->Press(KeyAction::Red));
    EXPECT_EQ(st.ColorWait, 5);
}

TEST_F(KeyboardPlayTest, NothingWhileTheComputerPlays) {
    BottomSeatToMove({Red(2), Green(5), Blue(1)});
    PaintPickers();
    st.AutoBusy = true;
    const GameState before = st;
    const Board boardBefore = tb;
    for (KeyAction action :
         {KeyAction::Left, KeyAction::Right, KeyAction::Activate, KeyAction::Toggle,
          KeyAction::Pile, KeyAction::Hint, KeyAction::ComputerMove, KeyAction::Red,
          KeyAction::Escape, KeyAction::Last}) {
        keys->Press(action);
    }
    EXPECT_EQ(st.Hand, before.Hand);
    EXPECT_EQ(st.HoverCard, before.HoverCard);
    EXPECT_EQ(st.CurrentSeat, before.CurrentSeat);
    EXPECT_TRUE(sv.Sounds.empty());
    EXPECT_TRUE(sv.Messages.empty());
    EXPECT_TRUE(sv.LogHistory.empty());
    EXPECT_EQ(tb.CardImage[HandOf(3)[2]].Top, boardBefore.CardImage[HandOf(3)[2]].Top);
    EXPECT_EQ(keys->FocusItem(), std::nullopt) << "no focus ring while the computer plays";
}

TEST_F(KeyboardPlayTest, EnterIsTheClickTheTableWaitsFor) {
    CountingAutoPlayer driver;
    eng.SetAutoPlayer(&driver);
    BottomSeatToMove({Red(2), Green(5)});
    SetSeat(1, true, true);
    SetTurn(1);
    keys->Sync();
    EXPECT_EQ(keys->FocusCard(), -1);
    EXPECT_EQ(keys->FocusItem(), (ItemRef{ItemKind::Message, 1}));
    EXPECT_TRUE(keys->Press(KeyAction::Activate));
    EXPECT_EQ(driver.Runs, 1);

    // At the end of a deal Enter redeals, as the click on the table.
    st.BoardWait = true;
    tb.GameStartClick.Visible = true;
    EXPECT_EQ(keys->FocusItem(), (ItemRef{ItemKind::GameStartClick, 0}));
    const auto serial = st.DealSerial;
    EXPECT_TRUE(keys->Press(KeyAction::Toggle));
    EXPECT_NE(st.DealSerial, serial);
    eng.SetAutoPlayer(nullptr);
}

TEST_F(KeyboardPlayTest, FocusFollowsTheTurn) {
    NewPosition(4, Red(5));
    Give(1, {Red(1), Blue(2)});
    Give(2, {Red(7), Green(3), Yellow(3)});
    Give(3, {Yellow(8), Blue(8)});
    Give(4, {Green(8), Blue(9)});
    SetTurn(1);
    keys->Sync();
    EXPECT_EQ(keys->FocusCard(), Red(1));
    keys->Press(KeyAction::Activate);
    // Seat 2 moves next: its first card has the focus.
    ASSERT_EQ(st.CurrentSeat, 2);
    EXPECT_EQ(keys->FocusCard(), HandOf(2)[0]);
    // A pointer lifting a card takes the keyboard focus with it.
    eng.OnCardMouseMove(HandOf(2)[2], 0, 0, 3, 3);
    keys->Sync();
    EXPECT_EQ(keys->FocusCard(), HandOf(2)[2]);
}

TEST_F(KeyboardPlayTest, SeatOptionBoxFromTheKeyboard) {
    NewPosition(4, Red(5));
    for (int seat = 1; seat <= 4; ++seat)
        Give(seat, {CardOf(PlayColors[seat - 1], 1), CardOf(PlayColors[seat - 1], 2)});
    SetSeat(2, true, false, true);
    keys->Sync();

    EXPECT_TRUE(keys->Press(KeyAction::SeatOptions, 2));
    EXPECT_EQ(st.OptionsOpen, 2);
    EXPECT_EQ(keys->Area(), KeyArea::OptionBox);
    EXPECT_FALSE(tb.Menu.AbortEnabled);
    // Down to the pause setting, toggle it with Space, the show setting with Right, then OK.
    keys->Press(KeyAction::Down);
    keys->Press(KeyAction::Toggle);
    EXPECT_EQ(tb.Optionframe.OptBoxCaption[1], QStringLiteral("Pause"));
    keys->Press(KeyAction::Down);
    keys->Press(KeyAction::Down);
    EXPECT_EQ(keys->OptionRow(), 2);
    keys->Press(KeyAction::Right);
    EXPECT_EQ(tb.Optionframe.OptBoxCaption[2], QStringLiteral("ShowCards"));
    // Tab goes to the table and back; the table's arrows do not touch the box.
    keys->Press(KeyAction::SwitchArea);
    EXPECT_EQ(keys->Area(), KeyArea::Table);
    keys->Press(KeyAction::SwitchArea);
    EXPECT_EQ(keys->Area(), KeyArea::OptionBox);
    ForgetRecords();
    keys->Press(KeyAction::Activate);
    EXPECT_EQ(st.OptionsOpen, OptionsClosed);
    EXPECT_EQ(keys->Area(), KeyArea::Table);
    EXPECT_EQ(LogLines(), (std::vector<QString>{QStringLiteral("p2: set Pause"),
                                                QStringLiteral("p2: set ShowCards")}));
    EXPECT_EQ(Caption(2), QStringLiteral("p2: Auto/Pause"));

    // Esc is Cancel: the toggle stays, nothing is logged; Ctrl+n again closes the box too.
    keys->Press(KeyAction::SeatOptions, 2);
    keys->Press(KeyAction::Toggle);
    ForgetRecords();
    keys->Press(KeyAction::Escape);
    EXPECT_EQ(st.OptionsOpen, OptionsClosed);
    EXPECT_TRUE(sv.LogHistory.empty());
    EXPECT_FALSE(st.Seats[2].Auto) << "Auto became Human and stays so";
    keys->Press(KeyAction::SeatOptions, 3);
    keys->Press(KeyAction::SeatOptions, 3);
    EXPECT_EQ(st.OptionsOpen, OptionsClosed);
    EXPECT_EQ(keys->Area(), KeyArea::Table);

    // A seat out of the deal has nothing on the table to right-click.
    NewPosition(2, Red(5));
    Give(1, {Red(1)});
    Give(3, {Red(2)});
    EXPECT_FALSE(keys->Press(KeyAction::SeatOptions, 2));
    EXPECT_EQ(st.OptionsOpen, OptionsClosed);
}

}  // namespace
}  // namespace tolvanis::testing
