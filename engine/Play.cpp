// Playing a card and passing the turn: the click on a card (hint, seat options, the colour of a
// wild card, a play), the legality test, moving the card onto the table, and the bookkeeping of
// the turn order with the "LAST CARD" label and the seat labels.
#include <QLatin1String>

#include "Contract.h"
#include "Engine.h"
#include "Rules.h"
#include "Texts.h"

namespace tolvanis {

namespace {

// The colour areas of a wild card's picture; any other pixel names no colour.
ColorCode PickedColor(Rgb pixel) {
    if (pixel == RgbOf(128, 0, 0)) return ColorCode::Red;
    if (pixel == RgbOf(0, 128, 0)) return ColorCode::Green;
    if (pixel == RgbOf(0, 0, 128)) return ColorCode::Blue;
    if (pixel == RgbOf(128, 128, 0)) return ColorCode::Yellow;
    return ColorCode::None;
}

const QString ClickOnColor = QStringLiteral("Click on a color first");

// The hint when nothing can be lifted says so, and what to do instead.
QString NoCardHint(int owed) {
    if (owed > 1)
        return QStringLiteral("hint ! No card to play: take the %1 cards owed from the deck.")
            .arg(owed);
    return QStringLiteral("hint ! No card to play: take a card from the deck.");
}

}  // namespace

void Engine::OnCardMouseUp(int index, int button, int shift, double x, double y) {
    GameState& s = State;
    const bool shiftAlone = shift == ShiftMask;
    const bool ctrlAlone = shift == CtrlMask;
    const bool seatOptions = button == ButtonRight && !shiftAlone && !ctrlAlone;
    // While the computer plays, only the seat option box answers: anything else could make a
    // move behind the driver's back or start it a second time.
    if (s.AutoBusy && !seatOptions) return;

    Table.Optionframe.Visible = false;
    if (s.BoardWait) return;
    if (index < 0 || index >= CardSlots) return;

    if (shiftAlone) {
        if (s.CardOwner[index] != s.CurrentSeat) return;
        ChooseCard(s.CurrentSeat);
        // The computer's choice may be one of its own allowances, which the table would refuse
        // this person: a hint never points at a card that cannot be played.
        const bool lifted = s.PickedCard > 0 && CanPlay(s, s.CurrentSeat, s.PickedCard);
        if (lifted) OnCardMouseMove(s.PickedCard, 0, 0, 0, 0);
        services_.ShowMessage(lifted ? QStringLiteral("hint !")
                                     : NoCardHint(s.PendingDraw[s.CurrentSeat]));
        return;
    }
    if (ctrlAlone) return;

    if (button == ButtonRight) {
        PlaySound(SndMup);
        const int owner = s.CardOwner[index];
        if (owner < 1 || owner > 4) return;
        if (s.OptionsOpen == OptionsClosed) {
            OpenSeatOptions(owner);
        } else {
            s.OptionsOpen = OptionsClosed;
            Table.Optionframe.Visible = false;
            Table.Menu.AbortEnabled = true;
            Table.Menu.OptsEnabled = true;
        }
        return;
    }

    if (s.ColorWait >= 1) {
        if (index != s.TableCard) {
            services_.ShowMessage(ClickOnColor);
            PlaySound(SndErr2);
            return;
        }
        // Read the picture of the wild card that lies on the table: picker 0 holds the colour
        // change, picker 1 the +4.
        const int picker = s.ColorWait == -Rank(ValueCode::Plus4) ? 1 : 0;
        Table.ColorPickers[picker].Visible = true;
        const ColorCode color = PickedColor(services_.ColorAt(picker, x, y));
        Table.ColorPickers[picker].Visible = false;
        if (color == ColorCode::None) {
            services_.ShowMessage(ClickOnColor);
            PlaySound(SndErr2);
            return;
        }
        s.ColorWait = 0;
        NameColor(s.CurrentSeat, color, Mover::Person);
        AfterCard();
        return;
    }

    s.ColorWait = 0;
    s.PlayedCard = index;
    const int owner = s.CardOwner[index];
    const ValueCode value = s.CardValue[index];
    if (owner == 0) {
        TakeFromPile(s.CurrentSeat);
        return;
    }
    if (owner != s.CurrentSeat) return;
    // Owed cards not answered by a card of the same kind: ignored, without the refusal sound.
    const Verdict verdict = JudgeCard(s, owner, index);
    if (verdict == Verdict::NotYourTurn || verdict == Verdict::OwedCardsFirst) return;
    if (s.PendingDraw[owner] == 0 && s.IsAuto(owner)) {
        RunAutoTurns();
        return;
    }

    CheckAndPlay(owner);
    if (s.PlayedCard == -1) {
        PlaySound(SndErr2);
        ++Table.Refused.Serial;
        Table.Refused.Card = index;
        return;
    }

    s.PendingDraw[owner] = 0;
    // A person's play is logged the moment the card is down; the computer's with its effect.
    Report({.Kind = EventKind::CardPlayed, .Seat = s.CurrentSeat, .Card = s.PlayedCard});
    if (IsWild(value)) {
        Report({.Kind = EventKind::ColorToChoose, .Seat = owner});
        s.ColorWait = -Rank(value);
        return;  // the move goes on once the colour is clicked
    }
    AfterCard();
}

void Engine::CheckAndPlay(int seat) {
    if (CanPlay(State, seat, State.PlayedCard)) {
        PlayCard();
    } else {
        State.PlayedCard = -1;
    }
}

void Engine::PlayCard() {
    GameState& s = State;
    const int seat = s.CurrentSeat;
    const int card = s.PlayedCard;
    TOLVANIS_EXPECT(seat >= 1 && seat <= 4);
    TOLVANIS_EXPECT(card >= 1 && card <= DeckSize && s.CardOwner[card] == seat);

    Table.CardImage[s.TableCard].Picture = Table.CardImage[card].Picture;
    HideHandPictures(seat);
    MoveCardToTable(s, seat, card);
    s.NotePlay(seat, card);
    HideHandPictures(seat);
    SetTotalInDeck();
    ArrangeHand(seat);
    services_.Repaint();
}

void Engine::AdvanceTurn() {
    GameState& s = State;
    ScoreDeal();
    if (s.DealOver) {
        EndOfDealWait();
        return;
    }
    const int current = s.CurrentSeat;
    if (current > 0)
        Report({.Kind = EventKind::MoveEnded, .Seat = current, .Count = s.HandCount[current]});
    s.NextSeat = s.SeatAfter(current);
    Report({.Kind = EventKind::TurnPassed, .Seat = s.NextSeat});
}

bool Engine::PassTurn() {
    AdvanceTurn();
    if (State.DealOver) return false;
    State.CurrentSeat = State.NextSeat;
    return true;
}

void Engine::EndOfDealWait(int finisher, Mover by) {
    Report({.Kind = EventKind::DealEnded, .Seat = finisher, .By = by});
    State.BoardWait = true;
}

bool Engine::DealEndsAfterCard(int seat, int card, Mover by) {
    // The computer's last card is logged before the deal is scored; its other cards with their
    // effect.
    if (by == Mover::Computer && State.HandCount[seat] == 0)
        Report({.Kind = EventKind::CardPlayed, .Seat = seat, .By = by, .Card = card});
    ScoreDeal();
    if (!State.DealOver) return false;
    EndOfDealWait(seat, by);
    return true;
}

void Engine::CardTakesEffect(int seat, int card, Mover by, const ColorChooser& chooseColor) {
    GameState& s = State;
    const CardKind kind = KindOf(s.CardValue[card]);
    const MoveEvent played{.Kind = EventKind::CardPlayed, .Seat = seat, .By = by, .Card = card};
    if (kind.Owes > 0) {
        // The victim owes the cards and is the next to move; the turn passes to it after this.
        AdvanceTurn();
        s.PendingDraw[s.NextSeat] = kind.Owes;
        Report({.Kind = EventKind::OwesCards, .Seat = s.NextSeat, .Count = kind.Owes});
        if (by == Mover::Computer) Report(played);
    } else {
        if (by == Mover::Computer) Report(played);
        if (kind.Reverses) s.ReverseDirection();
        if (kind.Skips) {
            AdvanceTurn();
            s.CurrentSeat = s.NextSeat;
        }
    }
    if (kind.NamesColor && chooseColor) NameColor(seat, chooseColor(seat), by);
}

void Engine::NameColor(int seat, ColorCode color, Mover by) {
    TOLVANIS_EXPECT(IsPlayColor(color));
    State.TableColor = color;
    Report({.Kind = EventKind::ColorNamed, .Seat = seat, .By = by, .Color = color});
}

void Engine::AfterCard() {
    GameState& s = State;
    const int seat = s.CurrentSeat;
    Report({.Kind = EventKind::CardEffectDue, .Seat = seat});
    if (DealEndsAfterCard(seat, s.PlayedCard, Mover::Person)) return;
    CardTakesEffect(seat, s.PlayedCard, Mover::Person, {});
    if (!PassTurn()) return;
    StartTurnOfCurrentSeat();
}

bool Engine::PlayForComputer(int seat, int card, const ColorChooser& chooseColor) {
    State.PlayedCard = card;
    PlayCard();
    if (DealEndsAfterCard(seat, card, Mover::Computer)) return false;
    CardTakesEffect(seat, card, Mover::Computer, chooseColor);
    return true;
}

void Engine::TakeForComputer(int seat, int n) {
    Report({.Kind = EventKind::CardsTaken, .Seat = seat, .By = Mover::Computer, .Count = n});
    TakeCards(seat, n);
}

void Engine::AnnounceIfNothingToPlay(int seat) {
    GameState& s = State;
    ChooseCard(seat);
    if (s.PendingDraw[seat] == 0 && s.PickedCard == -1) {
        s.PendingDraw[seat] = 1;
        Report({.Kind = EventKind::OwesCards, .Seat = seat, .Count = 1});
    }
}

void Engine::StartTurnOfCurrentSeat() {
    GameState& s = State;
    const int seat = s.CurrentSeat;
    if (s.IsAuto(seat)) {
        // A pausing computer seat waits for a click; its label already says so.
        if (!s.Pauses(seat)) RunAutoTurns();
        return;
    }
    AnnounceIfNothingToPlay(seat);
}

}  // namespace tolvanis
