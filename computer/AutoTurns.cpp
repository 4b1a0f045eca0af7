#include "AutoTurns.h"

#include "CardChoice.h"
#include "StrongPlayer.h"
#include "Texts.h"

namespace tolvanis {

namespace {

QString AutoText(int value) {
    return QStringLiteral("Auto: ") + Engine::MoveText(value);
}

}  // namespace

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
    namedColor_ = 0;
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
    if (s.AutoBusy == FlagOn) return;  // already playing: a click during a pause
    if (engine_.Table.GameStartClick.Visible) engine_.Table.GameStartClick.Visible = false;
    serial_ = s.DealSerial;

    bool playOn = true;
    if (s.CurrentSeat < 1 || s.HandCount[s.CurrentSeat] <= 0) {
        // Nobody to move here: only pass the turn on.
        s.AutoBusy = FlagOn;
        engine_.PlaySound(SndMenu);
        playOn = PassTurnOn();
    }
    while (playOn) {
        engine_.Sv().ProcessEvents();
        if (DealReplaced()) break;
        s.AutoBusy = FlagOn;
        playOn = PlayOneTurn();
    }
    s.AutoBusy = FlagOff;
}

bool AutoTurns::PlayOneTurn() {
    GameState& s = engine_.State;
    Board& t = engine_.Table;
    const int p = s.CurrentSeat;
    bool played = false;

    const std::optional<int> chosen = ChosenElsewhere(p);
    if (s.PendingDraw[p] > 0) {
        // Owed cards are answered only by a card of the same kind; a pending 1 finds nothing.
        const int n = s.PendingDraw[p];
        if (chosen) {
            s.PickedCard = *chosen;
        } else {
            FindFirstOfValue(s, p, -n);
        }
        if (s.PickedCard > 0) {
            s.PlayedCard = s.PickedCard;
            played = true;
        } else {
            if (engine_.Sv().LogWanted())
                engine_.LogMove(QStringLiteral("Auto: takes") + Engine::Str(n) +
                                    (n == 1 ? QStringLiteral(" card") : QStringLiteral(" cards")),
                                p, 0);
            if (BeforeMove) BeforeMove(p, -1, n);
            engine_.TakeCards(p, n);
        }
    } else {
        if (chosen) {
            s.PickedCard = *chosen;
        } else {
            ChooseCardFor(s, p);
        }
        s.PlayedCard = s.PickedCard;
        if (s.PlayedCard == -1) {
            if (BeforeMove) BeforeMove(p, -1, 1);
            engine_.TakeCards(p, 1);
            engine_.LogMove(QStringLiteral("Auto: takes 1 card"), p, 0);
        } else {
            played = true;
        }
    }

    if (played) {
        if (BeforeMove) BeforeMove(p, s.PlayedCard, 0);
        t.CardImage[s.TableCard].Picture = t.CardImage[s.PlayedCard].Picture;
        engine_.PlayCard();
        const int value = s.CardValue[s.PlayedCard];
        const int color = s.CardColor[s.PlayedCard];
        const bool logWanted = engine_.Sv().LogWanted();
        if (s.HandCount[p] == 0 && logWanted) engine_.LogMove(AutoText(value), p, color);
        engine_.ScoreDeal();
        if (s.DealOver == FlagOn) {
            engine_.SetMessage(p, QLatin1String(MsgFinished), Black, White);
            engine_.EndOfDealWait();
            if (AfterMove) AfterMove();
            return false;
        }
        auto logPlay = [&] {
            if (logWanted) engine_.LogMove(AutoText(value), p, color);
        };
        switch (value) {
            case ValuePlus2:
            case ValuePlus4:
                engine_.AdvanceTurn();
                s.PendingDraw[s.NextSeat] = -value;
                t.Message[s.NextSeat].Caption =
                    Engine::SeatCaption(s.NextSeat, QLatin1String(MsgTake2));
                logPlay();
                if (value == ValuePlus4) {
                    t.Message[s.NextSeat].Caption =
                        Engine::SeatCaption(s.NextSeat, QLatin1String(MsgTake4));
                    ChooseColor(p);
                }
                break;
            case ValueReverse:
                logPlay();
                s.Direction = s.Direction == FlagOn ? FlagOff : FlagOn;
                break;
            case ValueSkip:
                logPlay();
                engine_.AdvanceTurn();
                s.CurrentSeat = s.NextSeat;
                break;
            case ValueColorChange:
                logPlay();
                ChooseColor(s.CurrentSeat);
                break;
            default:
                logPlay();
                break;
        }
    }

    engine_.PlaySound(SndMenu);
    if (AfterMove) AfterMove();
    return PassTurnOn();
}

bool AutoTurns::PassTurnOn() {
    GameState& s = engine_.State;
    WaitPlaySpeed();
    if (DealReplaced() || s.BoardWait != FlagOff) return false;

    engine_.AdvanceTurn();
    if (s.DealOver == FlagOn) return false;
    s.CurrentSeat = s.NextSeat;
    // Announce before the seat moves that it has nothing to play, person or computer alike.
    engine_.ChooseCard(s.CurrentSeat);
    if (s.PendingDraw[s.CurrentSeat] == 0 && s.PickedCard == -1) {
        s.PendingDraw[s.CurrentSeat] = 1;
        engine_.Table.Message[s.CurrentSeat].Caption =
            Engine::SeatCaption(s.CurrentSeat, QLatin1String(MsgTake1));
    }
    return s.IsAuto(s.CurrentSeat) && !s.Pauses(s.CurrentSeat);
}

void AutoTurns::ChooseColor(int seat) {
    GameState& s = engine_.State;
    int color = namedColor_;
    namedColor_ = 0;
    if (color < ColorRed || color > ColorYellow) {
        color = PickColor(s, seat);
    } else {
        s.FindFollowingSeat();
    }
    s.TableColor = color;
    engine_.LogMove(QStringLiteral("Auto: new color selected"), s.CurrentSeat, color);
    if (s.CardValue[s.TableCard] == ValueColorChange) {
        engine_.Table.CardImage[s.TableCard].Picture =
            engine_.Table.CardImage[color + MarkerImageBase].Picture;
    }
}

void AutoTurns::WaitPlaySpeed() {
    GameState& s = engine_.State;
    s.WaitCount = 0;
    engine_.Sv().ProcessEvents();
    const std::int64_t passes = std::int64_t(s.DelayFactor) * s.DelayUnits;
    if (passes > 0) {
        const std::int64_t done = engine_.Sv().Pause(
            passes, [this, &s] { return s.BoardWait != FlagOff || DealReplaced(); });
        s.WaitCount = static_cast<std::int32_t>(done);
        if (s.BoardWait != FlagOff) return;
    }
    s.WaitCount = 0;
}

}  // namespace tolvanis
