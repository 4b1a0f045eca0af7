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
int PickedColor(Rgb pixel) {
    if (pixel == RgbOf(128, 0, 0)) return ColorRed;
    if (pixel == RgbOf(0, 128, 0)) return ColorGreen;
    if (pixel == RgbOf(0, 0, 128)) return ColorBlue;
    if (pixel == RgbOf(128, 128, 0)) return ColorYellow;
    return 0;
}

bool IsWild(int value) {
    return value == ValuePlus4 || value == ValueColorChange;
}

const QString ClickOnColor = QStringLiteral("Click on a color first");

}  // namespace

void Engine::OnCardMouseUp(int index, int button, int shift, double x, double y) {
    GameState& s = State;
    const bool shiftAlone = shift == ShiftMask;
    const bool ctrlAlone = shift == CtrlMask;
    const bool seatOptions = button == ButtonRight && !shiftAlone && !ctrlAlone;
    // While the computer plays, only the seat option box answers: anything else could make a
    // move behind the driver's back or start it a second time.
    if (s.AutoBusy == FlagOn && !seatOptions) return;

    Table.Optionframe.Visible = false;
    if (s.BoardWait == FlagOn) return;
    if (index < 0 || index >= CardSlots) return;

    if (shiftAlone) {
        if (s.CardOwner[index] != s.CurrentSeat) return;
        ChooseCard(s.CurrentSeat);
        // The computer's choice may be one of its own allowances, which the table would refuse
        // this person: a hint never points at a card that cannot be played.
        if (s.PickedCard > 0 && CanPlay(s, s.CurrentSeat, s.PickedCard))
            OnCardMouseMove(s.PickedCard, 0, 0, 0, 0);
        services_.ShowMessage(QStringLiteral("hint !"));
        return;
    }
    if (ctrlAlone) return;

    if (button == ButtonRight) {
        PlaySound(SndMup);
        const int owner = s.CardOwner[index];
        if (owner < 1 || owner > 4) return;
        if (s.OptionsOpen == FlagOff) {
            OpenSeatOptions(owner);
        } else {
            s.OptionsOpen = FlagOff;
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
        const int picker = s.ColorWait == -ValuePlus4 ? 1 : 0;
        Table.ColorPickers[picker].Visible = true;
        const int color = PickedColor(services_.ColorAt(picker, x, y));
        Table.ColorPickers[picker].Visible = false;
        if (color == 0) {
            services_.ShowMessage(ClickOnColor);
            PlaySound(SndErr2);
            return;
        }
        s.TableColor = color;
        if (s.ColorWait == -ValueColorChange) {
            Table.CardImage[s.TableCard].Picture = color + MarkerImageBase;
        }
        s.ColorWait = 0;
        PlaySound(SndMup);
        LogMove(QStringLiteral("selected color"), s.CurrentSeat, color);
        AfterCard();
        return;
    }

    s.ColorWait = 0;
    s.PlayedCard = index;
    const int owner = s.CardOwner[index];
    const int value = s.CardValue[index];
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
        return;
    }

    const int played = s.PlayedCard;
    Table.CardImage[s.TableCard].Picture = Table.CardImage[played].Picture;
    s.PendingDraw[owner] = 0;
    if (IsWild(value)) {
        PlaySound(SndMenu);
        LogMove(MoveText(value), s.CurrentSeat, s.CardColor[played]);
        Table.Message[owner].Caption = SeatCaption(owner, QLatin1String(MsgSelectColor));
        s.ColorWait = -value;
        return;  // the move goes on once the colour is clicked
    }
    LogMove(MoveText(s.CardValue[played]), s.CurrentSeat, s.CardColor[played]);
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

    HideHandPictures(seat);
    s.HandCount[seat] -= 1;
    int to = 1;
    for (int from = 1; from <= s.HandCount[seat] + 1; ++from) {
        if (s.Hand[seat][from] != card) s.Hand[seat][to++] = s.Hand[seat][from];
    }
    for (; to <= s.HandCount[seat] + 1; ++to)
        s.Hand[seat][to] = -1;

    s.Hand[0][++s.HandCount[0]] = card;
    s.CardOwner[card] = 0;
    s.CardSeen[card] = true;

    s.CardColor[s.TableCard] = s.CardColor[card];
    s.CardValue[s.TableCard] = s.CardValue[card];
    if (s.CardColor[card] != ColorAny) s.TableColor = s.CardColor[card];

    HideHandPictures(seat);
    SetTotalInDeck();
    ArrangeHand(seat);
    services_.Repaint();
}

void Engine::AdvanceTurn() {
    GameState& s = State;
    ScoreDeal();
    if (s.DealOver == FlagOn) {
        EndOfDealWait();
        return;
    }

    const int current = s.CurrentSeat;
    if (current > 0) {
        LabelItem& lastCard = Table.LastCardLabel[current - 1];
        const ItemRef ref{ItemKind::LastCardLabel, current - 1};
        lastCard.Visible = false;
        Table.SendToBack(ref);
        // Shown for every seat that ends a move with one card; nobody has to call it.
        if (s.HandCount[current] == 1) {
            lastCard.Visible = true;
            Table.BringToFront(ref);
            PlaySound(SndSave);
            LogMove(QStringLiteral("last card"), current, 0);
        }
    }

    for (int seat = 1; seat <= 4; ++seat) {
        if (Table.Message[seat].Caption.startsWith(QLatin1Char('F'))) continue;
        SetMessage(seat, RestingCaption(seat), White, Black);
    }

    const int next = s.SeatAfter(current);
    s.NextSeat = next;

    QString caption = SeatCaption(next, QLatin1String(MsgYourTurn));
    if (s.PendingDraw[next] == 4) caption = SeatCaption(next, QLatin1String(MsgTake4));
    if (s.PendingDraw[next] == 2) caption = SeatCaption(next, QLatin1String(MsgTake2));
    if (s.IsAuto(next)) {
        caption = s.Pauses(next) ? SeatCaption(next, QLatin1String(MsgClickToPlay))
                                 : RestingCaption(next);
    }
    SetMessage(next, caption, Black, White);
}

void Engine::EndOfDealWait() {
    LogMove(QStringLiteral("CLICK ON BOARD TO CONTINUE"), -1, 0);
    Table.GameStartClick.Caption = QStringLiteral("click to redeal");
    Table.GameStartClick.Visible = true;
    State.BoardWait = FlagOn;
}

void Engine::AfterCard() {
    GameState& s = State;
    const int value = s.CardValue[s.PlayedCard];

    PlaySound(SndMenu);
    ScoreDeal();
    if (s.DealOver == FlagOn) {
        EndOfDealWait();
        return;
    }

    if (value == ValuePlus2 || value == ValuePlus4) {
        // The victim owes the cards and is the next to move; the turn passes to it below.
        const int player = s.CurrentSeat;
        AdvanceTurn();
        Table.Message[s.NextSeat].Caption =
            SeatCaption(s.NextSeat, QLatin1String(value == ValuePlus2 ? MsgTake2 : MsgTake4));
        s.PendingDraw[s.NextSeat] = -value;
        s.CurrentSeat = player;
    } else {
        if (value == ValueReverse) s.Direction = s.Direction == FlagOff ? FlagOn : FlagOff;
        if (value == ValueSkip) {
            AdvanceTurn();
            s.CurrentSeat = s.NextSeat;
        }
    }

    AdvanceTurn();
    if (s.DealOver == FlagOn) return;
    s.CurrentSeat = s.NextSeat;
    StartTurnOfCurrentSeat();
}

void Engine::StartTurnOfCurrentSeat() {
    GameState& s = State;
    const int seat = s.CurrentSeat;
    if (s.IsAuto(seat)) {
        // A pausing computer seat waits for a click; its label already says so.
        if (!s.Pauses(seat)) RunAutoTurns();
        return;
    }
    ChooseCard(seat);
    if (s.PendingDraw[seat] == 0 && s.PickedCard == -1) {
        s.PendingDraw[seat] = 1;
        Table.Message[seat].Caption = SeatCaption(seat, QLatin1String(MsgTake1));
    }
}

}  // namespace tolvanis
