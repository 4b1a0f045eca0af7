#include "AutoTurns.h"

#include "CardChoice.h"
#include "StrongPlayer.h"

namespace tolvanis {

AutoTurns::AutoTurns(Engine& engine) : engine_(engine) {}

AutoTurns::~AutoTurns() = default;

Strength AutoTurns::StrengthOf(int seat) const {
    if (seat >= 0 && seat < SeatSlots && seatStrength_[seat]) return *seatStrength_[seat];
    return engine_.State.ComputerStrength;
}

void AutoTurns::SetSeatStrength(int seat, std::optional<Strength> strength) {
    if (seat >= 0 && seat < SeatSlots) seatStrength_[seat] = strength;
}

StrongPlayer& AutoTurns::Strong() {
    if (!strong_) strong_ = std::make_unique<StrongPlayer>(engine_.Sv());
    return *strong_;
}

std::optional<int> AutoTurns::ChosenElsewhere(int seat) {
    namedColor_ = ColorCode::None;
    std::optional<StrongMove> move;
    if (forced_) {
        move = forced_;
        forced_.reset();
    } else if (engine_.State.IsAuto(seat) && StrengthOf(seat) == Strength::Strong) {
        // A person's turn played by the computer (Shift and a click) keeps the rule list.
        move = Strong().Choose(engine_.State, seat);
    }
    if (!move) return std::nullopt;
    namedColor_ = move->Color;
    return move->Card;
}

void AutoTurns::RunAutoTurns() {
    GameState& s = engine_.State;
    if (s.AutoBusy) return;  // already playing: a click during a pause
    if (engine_.Table.GameStartClick.Visible) engine_.Table.GameStartClick.Visible = false;
    serial_ = s.DealSerial;
    sliceStart_ = -1;

    bool playOn = true;
    if (s.CurrentSeat < 1 || s.HandCount[s.CurrentSeat] <= 0) {
        // Nobody to move here: only pass the turn on.
        s.AutoBusy = true;
        engine_.Report({.Kind = EventKind::TurnDone, .Seat = s.CurrentSeat, .By = Mover::Computer});
        playOn = PassTurnOn();
    }
    while (playOn) {
        LetEventsRun();
        if (DealReplaced()) break;
        s.AutoBusy = true;
        playOn = PlayOneTurn();
    }
    s.AutoBusy = false;
}

bool AutoTurns::PlayOneTurn() {
    GameState& s = engine_.State;
    const int p = s.CurrentSeat;
    const int owed = s.PendingDraw[p];
    int card = -1;
    if (const std::optional<int> chosen = ChosenElsewhere(p)) {
        s.PickedCard = card = *chosen;
        if (owed == 0) s.PlayedCard = card;
    } else {
        if (owed > 0) {
            // Owed cards are answered only by a card of the same kind; a pending 1 finds nothing.
            FindFirstOfValue(s, p, AttackOwing(owed));
            if (s.PickedCard > 0) card = s.PickedCard;
        } else {
            ChooseCardFor(s, p);
            s.PlayedCard = card = s.PickedCard;
        }
        NoteListChoice(s, p, card);
    }

    if (card == -1) {
        const int n = owed > 0 ? owed : 1;
        if (BeforeMove) BeforeMove(p, -1, n);
        engine_.TakeForComputer(p, n);
    } else {
        if (BeforeMove) BeforeMove(p, card, 0);
        if (!engine_.PlayForComputer(p, card, [this](int seat) { return ColorFor(seat); })) {
            if (AfterMove) AfterMove();
            return false;  // the card ended the deal
        }
    }

    engine_.Report({.Kind = EventKind::TurnDone, .Seat = p, .By = Mover::Computer});
    if (AfterMove) AfterMove();
    return PassTurnOn();
}

bool AutoTurns::PassTurnOn() {
    GameState& s = engine_.State;
    WaitPlaySpeed();
    if (DealReplaced() || s.BoardWait) return false;
    if (!engine_.PassTurn()) return false;
    // Announce before the seat moves that it has nothing to play, person or computer alike.
    engine_.AnnounceIfNothingToPlay(s.CurrentSeat);
    return s.IsAuto(s.CurrentSeat) && !s.Pauses(s.CurrentSeat);
}

void AutoTurns::ChooseColor(int seat) {
    engine_.NameColor(seat, ColorFor(seat), Mover::Computer);
}

ColorCode AutoTurns::ColorFor(int seat) {
    GameState& s = engine_.State;
    // The colour chosen together with the card, when it was weighed with it.
    const ColorCode color = namedColor_;
    namedColor_ = ColorCode::None;
    if (IsPlayColor(color)) {
        s.FindFollowingSeat();
        return color;
    }
    const ColorCode named = ColorToName(s, seat);
    NoteListColor(s, seat, named);
    return named;
}

void AutoTurns::LetEventsRun() {
    const GameState& s = engine_.State;
    Services& sv = engine_.Sv();
    if (std::int64_t(s.DelayFactor) * s.DelayUnits > 0) {
        sliceStart_ = -1;
        sv.ProcessEvents();
        return;
    }
    if (sliceStart_ >= 0 && sv.SteadyMicroseconds() - sliceStart_ < FastSliceMicroseconds) return;
    sv.ProcessEvents();
    // The slice starts after the events: time spent repainting is not taken from play.
    sliceStart_ = sv.SteadyMicroseconds();
}

void AutoTurns::WaitPlaySpeed() {
    GameState& s = engine_.State;
    s.WaitCount = 0;
    LetEventsRun();
    const std::int64_t passes = std::int64_t(s.DelayFactor) * s.DelayUnits;
    if (passes > 0) {
        const std::int64_t done =
            engine_.Sv().Pause(passes, [this, &s] { return s.BoardWait || DealReplaced(); });
        s.WaitCount = static_cast<std::int32_t>(done);
        if (s.BoardWait) return;
    }
    s.WaitCount = 0;
}

}  // namespace tolvanis
