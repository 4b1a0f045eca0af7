// The driver of computer turns: plays one computer seat after another, with a pause between
// moves, until a person or a pausing computer seat is to move or the deal ends. It never runs
// twice at once, and a deal replaced during one of its pauses ends the sequence.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "CardChoice.h"
#include "Engine.h"
#include "StrongMove.h"

namespace tolvanis {

class StrongPlayer;

class AutoTurns : public AutoPlayer {
  public:
    explicit AutoTurns(Engine& engine);
    ~AutoTurns() override;

    void RunAutoTurns() override;
    // The colour a computer seat names after its +4 or colour change, and naming it.
    ColorCode ColorFor(int seat);
    void ChooseColor(int seat);
    // The pause between two turns: DelayFactor x DelayUnits event-processing passes.
    void WaitPlaySpeed();

    // At the fast end (no pause between turns) window events run once a slice of this length
    // rather than once a turn, so the table repaints once a frame instead of once a move, while
    // a click or a menu command still takes effect within a slice.
    static constexpr std::int64_t FastSliceMicroseconds = 8000;

    // The card choice for a computer seat, result in PickedCard; the fixed rule list unless a
    // different player is plugged in.
    std::function<void(GameState&, int seat)> ChooseCardFor = [](GameState& s, int seat) {
        ChooseCard(s, seat);
    };

    // Runs before every move the driver makes, with the seat and the card it is about to play
    // (or -1 and the number of cards it is about to take): the simulator judges it here.
    std::function<void(int seat, int card, int take)> BeforeMove;
    // Runs after every move the driver makes (the simulator checks its invariants here).
    std::function<void()> AfterMove;

    // The strength a computer seat plays at: the menu's choice, unless set for that seat here
    // (the simulator pits strengths against each other).
    Strength StrengthOf(int seat) const;
    void SetSeatStrength(int seat, std::optional<Strength> strength);
    // The Strong player, made when first asked for.
    StrongPlayer& Strong();
    // Makes the next turn this driver plays the given move, whoever's it is (look-ahead tables).
    void ForceNextMove(StrongMove move) { forced_ = move; }

  private:
    // Plays the current seat's turn; false when the sequence must stop.
    bool PlayOneTurn();
    // The pause, then the turn passes on; true when the next seat is a computer without pause.
    bool PassTurnOn();
    bool DealReplaced() const { return engine_.State.DealSerial != serial_; }
    // Lets window events run: once a turn while turns are paced, once a slice at the fast end.
    void LetEventsRun();
    // The card the seat to move plays (-1: it takes), when not the rule list's; the colour it
    // will name goes to namedColor_.
    std::optional<int> ChosenElsewhere(int seat);

    Engine& engine_;
    std::uint32_t serial_ = 0;
    std::array<std::optional<Strength>, SeatSlots> seatStrength_{};
    std::unique_ptr<StrongPlayer> strong_;
    std::optional<StrongMove> forced_;
    ColorCode namedColor_ = ColorCode::None;
    std::int64_t sliceStart_ = -1;  // when events last ran at the fast end; -1: run them now
};

}  // namespace tolvanis
