// The game engine: owns the state record and the board for the life of the table window and
// holds every rule that decides what happens: dealing, hand order, a move, taking cards, the
// turn order, scoring, the hover lift on the board data, the seat option box and the menu
// commands. It knows no widget: the window forwards the mouse to the handlers below and
// repaints from `Table`; everything from outside comes through `Services`.
//
// The computer's turns plug in through AutoPlayer, so that the engine does not depend on the
// driver that drives it.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "Board.h"
#include "CachedTexts.h"
#include "GameState.h"
#include "InputCodes.h"
#include "MoveEvent.h"
#include "Rules.h"
#include "Services.h"
#include "StartSettings.h"
#include "TablePresenter.h"

namespace tolvanis {

// Mouse buttons and modifier bits as the handlers receive them: the table window's own codes.
using runtimecodes::AltMask;
using runtimecodes::ButtonLeft;
using runtimecodes::ButtonMiddle;
using runtimecodes::ButtonRight;
using runtimecodes::CtrlMask;
using runtimecodes::ShiftMask;

// Plays computer turns; the engine calls it where a computer seat is to move.
class AutoPlayer {
  public:
    virtual ~AutoPlayer() = default;
    virtual void RunAutoTurns() = 0;
};

class Engine {
  public:
    explicit Engine(Services& services);

    GameState State;
    Board Table;
    // "player# 1".."player# 4" at 1..4, "RED".."YELLOW", "ANY" at 1..5; entry 0 empty.
    std::array<QString, SeatSlots> PlayerName;
    std::array<QString, 6> ColorName;
    // What Load starts the run with: the game's own start-up values unless the shell remembered
    // others.
    StartSettings Startup;

    // Turns the events of a move into captions, label colours, sounds and log lines.
    TablePresenter Presenter{*this};

    Services& Sv() { return services_; }
    void SetAutoPlayer(AutoPlayer* player) { autoPlayer_ = player; }

    // --- Start-up -------------------------------------------------------------------------
    // Sets the start-up values, builds the card table and the layout for pictures of the given
    // size in millimetres, starts the first deal and gives the first turn.
    void Load(double cardWidthMm, double cardHeightMm);
    // The card table: colours, values and picture ids of cards 1..108 and the markers.
    void BuildCardTable();

    // --- Shared operations ----------------------------------------------------------------
    void RecountHand(int seat) { State.RecountHand(seat); }
    void FindFollowingSeat() { State.FindFollowingSeat(); }
    void LogMove(const QString& text, int seat, ColorCode color = ColorCode::None);
    // A number as captions and log lines show it: a leading blank unless negative (" 7", "-3").
    QString Str(int n) const { return texts_.Number(n); }
    // The colour of a moves-log line for a card colour 1..4; black otherwise.
    static Rgb LogColor(ColorCode color);
    void PlaySound(const char* name);
    // "p" + seat + ": " + text. Captions are rewritten on every move, so they are built once.
    QString SeatCaption(int seat, const QString& text) const {
        return texts_.SeatCaption(seat, text);
    }
    QString SeatCaption(int seat, QLatin1String text) const {
        return texts_.SeatCaption(seat, text);
    }
    // The label of a seat at rest: its player name, or Auto/Pause, Auto/NoPause.
    QString RestingCaption(int seat) const;
    void SetMessage(int seat, const QString& caption, Rgb back, Rgb fore);
    void SetTotalInDeck();

    // --- Starting a deal --------------------------------------------------------------------
    void StartNewDeal();
    void ShuffleDeck();
    void DealHands();
    void ComputeHandSpacing();
    void LayOutDeal();
    void ChooseStartingSeat();
    void SortHand(int seat);

    // --- Handlers the window calls ------------------------------------------------------------
    // x, y in millimetres from the item's top-left corner.
    void OnCardMouseUp(int index, int button, int shift, double x, double y);
    void OnCardMouseMove(int index, int button, int shift, double x, double y);
    void OnBoardMouseUp(int button, int shift);
    void OnBoardMouseMove();
    void OnMessageClick(int seat);
    void OnPlayerBackMouseUp(int seat, int button, int shift);

    // --- A move -------------------------------------------------------------------------------
    void CheckAndPlay(int seat);
    void PlayCard();
    void AdvanceTurn();
    // The end of the deal is announced and a click on the table awaited; `finisher` is the seat
    // whose own move emptied its hand, when the computer made it.
    void EndOfDealWait(int finisher = 0, Mover by = Mover::Person);
    void TakeCards(int seat, int n);
    void ScoreDeal();
    // Asks the computer player to play from CurrentSeat on (no-op without one).
    void RunAutoTurns();
    void ChooseCard(int seat);

    // --- The steps of a move, for a person's click and the computer's driver alike ----------
    // The colour a computer names after its wild card; a person's comes from a click.
    using ColorChooser = std::function<ColorCode(int seat)>;
    // The card is down: the deal may be over (true), then the table says so.
    bool DealEndsAfterCard(int seat, int card, Mover by);
    // What the card does: cards owed by the next seat, reverse, skip, the colour to name.
    void CardTakesEffect(int seat, int card, Mover by, const ColorChooser& chooseColor);
    void NameColor(int seat, ColorCode color, Mover by);
    // AdvanceTurn, and CurrentSeat moves on; false when the deal ended instead.
    bool PassTurn();
    // The seat about to move has nothing to play: it owes one card and its label says so.
    void AnnounceIfNothingToPlay(int seat);
    // The computer's move: the card chosen played, or the cards taken. False when the card
    // ended the deal.
    bool PlayForComputer(int seat, int card, const ColorChooser& chooseColor);
    void TakeForComputer(int seat, int n);
    void Report(const MoveEvent& e) {
        Presenter.Show(e);
        if (EventWatcher) EventWatcher(e);
    }
    // Told every event after the table has shown it (the statistics count finished deals).
    std::function<void(const MoveEvent&)> EventWatcher;

    // --- Hands on the table ---------------------------------------------------------------------
    void ArrangeHand(int seat);
    // Covers or uncovers a hand by its seat's setting; `layOpen` uncovers it whatever the setting.
    void ShowHand(int seat, bool layOpen = false);
    void AnimateTake(int seat);
    // Lowers the card the mouse lifted. A lift belongs to a person's hover on their own turn: it
    // goes with the hover, and when the seat is handed to the computer.
    void DropLift();

    // --- Seat option box and menu commands
    // ---------------------------------------------------------
    void OpenSeatOptions(int seat);
    void OnOptBoxClick(int index);
    void OnOptOk();
    void OnOptCancel();
    void CommandNewDeal();
    void CommandNumberOfPlayers(int n);
    void CommandRandomStart();
    void CommandFirstPlayerStart();
    void CommandAllHuman();
    void CommandAllAutoPause();
    void CommandAllAutoNoPause();
    void CommandSoundOn();
    // "Computer Strength": every computer seat plays at it from its next move on.
    void CommandComputerStrength(Strength strength);
    // The sound of Help, About and Exit; the shell opens the windows.
    void CommandHelp();
    void CommandAbout();
    void CommandExit();
    // The play-speed slider moved to `value` of 100..`max`.
    void SpeedChanged(int value, int max);

  private:
    // The steps after a card has been played or its colour named.
    void AfterCard();
    // After the turn passed: start a computer seat or announce "take 1 card".
    void StartTurnOfCurrentSeat();
    // After taking cards: the turn passes as after a played card.
    void PassTurnAfterTake();
    void TakeFromPile(int seat);
    void HideHandPictures(int seat);
    void GiveFirstTurn();
    // "All Auto Play" with or without pause.
    void SetAllAuto(bool pause);

    Services& services_;
    AutoPlayer* autoPlayer_ = nullptr;
    bool firstDealDone_ = false;
    // The sound names are a handful of constants: each QString is made once.
    std::vector<std::pair<const char*, QString>> soundNames_;
    // Counts and captions that moves rewrite all the time; const queries fill it too.
    mutable CachedTexts texts_;
};

}  // namespace tolvanis
