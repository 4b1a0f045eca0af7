// Starting a deal: shuffle, deal in blocks, lay out, turn up the table card and choose who starts;
// the first turn of a run and the board click that starts computer moves or the next deal.
#include "Engine.h"

#include <cmath>
#include <utility>

#include "Texts.h"

namespace tolvanis {

namespace {

int Int(double x) {
    return static_cast<int>(std::floor(x));
}

// A hand is spread over the room of its side of the table, its cards closer the more it holds.
// Steps in 1/75 millimetre: across for the top and bottom seats, down for the side seats.
constexpr int AcrossStep = 320;
constexpr int DownStep = 260;
constexpr int StepShrink = 3;  // per card held
// The room, in millimetres, that a hand is centred in.
constexpr int AcrossSpan = 145;
constexpr int DownSpan = 90;
// The pile lies this far left of the table card, in 1/75 millimetre.
constexpr int PileOffset = 1500;
// Rounds of swaps over the whole deck in a shuffle.
constexpr int ShufflePasses = 10;

// A random start draws the seat that the search for the starting seat begins at, in tenths of a
// seat: the uniform number spread over the four seats and shifted up by two tenths. So seat 0
// (which the search takes as seat 1) comes up a fifth of the time, seats 1 to 3 a quarter each
// and seat 4 a twentieth.
constexpr int TenthsPerSeat = 10;
constexpr int SeatsDrawn = 4;
constexpr int DrawShiftTenths = 2;

int DrawStartSearchSeat(double rnd) {
    const int seat = Int((rnd * (SeatsDrawn * TenthsPerSeat) + DrawShiftTenths) / TenthsPerSeat);
    return seat > 4 ? 4 : seat;
}

}  // namespace

void Engine::StartNewDeal() {
    GameState& s = State;
    Board& t = Table;
    ++s.DealSerial;

    // Every deal starts from the deck as it was made: the card that served as the table card
    // gets its own colour, value and picture back, or the deck would change from deal to deal.
    BuildCardTable();
    // Cards owed and a colour awaited belong to the deal that was abandoned.
    s.PendingDraw.fill(0);
    s.ColorWait = 0;
    // A lifted card of the old deal would otherwise be pushed back onto the new layout.
    s.HoverCard = -1;
    s.LiftDX = s.LiftDY = 0;
    t.GameStartClick.Visible = false;

    PlaySound(SndTrade);
    for (int k = 0; k <= s.LastImageIndex; ++k)
        t.CardImage[k].Visible = false;
    services_.Repaint();

    for (int seat = 1; seat <= 4; ++seat)
        SetMessage(seat, RestingCaption(seat), White, Black);
    SetMessage(1, t.Message[1].Caption, Black, White);

    ShuffleDeck();

    s.HandCount[1] = s.HandCount[2] = s.HandCount[3] = s.HandCount[4] = -1;
    for (int seat = 1; seat <= s.NumPlayers; ++seat)
        s.HandCount[seat] = HandSize;
    if (s.NumPlayers == 2) {
        s.HandCount[2] = -1;
        s.HandCount[3] = HandSize;
    } else if (s.NumPlayers == 3) {
        s.HandCount[1] = -1;
        s.HandCount[4] = HandSize;
    }

    ComputeHandSpacing();
    DealHands();
    for (int seat = 1; seat <= 4; ++seat)
        SortHand(seat);

    services_.Randomize();
    int r = Int(NumBacks * services_.Rnd() + 1);
    if (r == NumBacks + 1) r = NumBacks;
    const int back = t.CardImage[FirstBackImage - 1 + r].Picture;
    t.CardImage[0].Picture = back;
    for (int seat = 1; seat <= 4; ++seat) {
        t.PlayerBack[seat].Picture = back;
        t.PlayerBack[seat].Visible = false;
    }
    t.CardImage[s.BackImageIndex].Picture = back;

    LayOutDeal();

    for (int seat = 1; seat <= 4; ++seat) {
        RecountHand(seat);
        t.LastCardLabel[seat - 1].Visible = false;
        t.SendToBack({ItemKind::LastCardLabel, seat - 1});
    }
    for (int seat = 1; seat <= 4; ++seat)
        ShowHand(seat);
    SetTotalInDeck();

    services_.ClearLog();
    if (services_.LogWanted()) {
        services_.AddLogLine(QStringLiteral("RIDIV EVENTS"), NoColor);
        const QDateTime now = services_.Now();
        services_.AddLogLine(now.toString(QStringLiteral("MM-dd-yyyy")) + QLatin1Char('@') +
                                 now.toString(QStringLiteral("HH:mm:ss")),
                             NoColor);
    }

    s.BoardWait = false;
    ChooseStartingSeat();
}

void Engine::ShuffleDeck() {
    GameState& s = State;
    for (int i = 1; i <= DeckSize; ++i)
        s.ShuffleOrder[i] = i;
    services_.Randomize();
    for (int pass = 0; pass < ShufflePasses; ++pass) {
        for (int i = 1; i <= DeckSize; ++i) {
            const int j = Int(services_.Rnd() * DeckSize) + 1;
            std::swap(s.ShuffleOrder[i], s.ShuffleOrder[j]);
        }
    }
}

void Engine::DealHands() {
    GameState& s = State;
    for (int seat = 1; seat <= 4; ++seat) {
        for (int pos = 1; pos <= DeckSize; ++pos)
            s.Hand[seat][pos] = -1;
    }
    for (int card = 1; card <= DeckSize; ++card)
        s.CardOwner[card] = -1;
    s.CardSeen.fill(false);
    s.ForgetLacks();
    s.HandCount[0] = DeckSize - HandSize * s.NumPlayers;

    int next = 1;
    for (int seat = 1; seat <= 4; ++seat) {
        for (int pos = 1; pos <= s.HandCount[seat]; ++pos) {
            const int card = s.ShuffleOrder[next++];
            s.Hand[seat][pos] = card;
            s.CardOwner[card] = seat;
        }
    }
    for (int pos = 1; pos < CardSlots; ++pos) {
        if (next <= DeckSize) {
            const int card = s.ShuffleOrder[next++];
            s.Hand[0][pos] = card;
            s.CardOwner[card] = 0;
        } else {
            s.Hand[0][pos] = -1;
        }
    }
}

void Engine::ComputeHandSpacing() {
    GameState& s = State;
    for (int seat : {1, 3}) {
        const int n = s.HandCount[seat];
        if (n < 1) continue;
        s.HandStepX[seat] = AcrossStep - StepShrink * n;
        s.HandLeft[seat] =
            Int(Int(AcrossSpan - Int(s.HandStepX[seat] * n / double(LayoutScale))) / 2.0);
    }
    for (int seat : {2, 4}) {
        const int n = s.HandCount[seat];
        if (n < 1) continue;
        s.HandStepY[seat] = DownStep - StepShrink * n;
        s.HandTop[seat] =
            Int(Int(DownSpan - Int(s.HandStepY[seat] * n / double(LayoutScale))) / 2.0);
    }
}

void Engine::LayOutDeal() {
    GameState& s = State;
    Board& t = Table;
    for (int seat = 1; seat <= 4; ++seat) {
        for (int j = 0; j < s.HandCount[seat]; ++j) {
            ImageItem& image = t.CardImage[s.Hand[seat][j + 1]];
            image.Top = s.HandTop[seat] + j * s.HandStepY[seat] / double(LayoutScale);
            image.Left = s.HandLeft[seat] + j * s.HandStepX[seat] / double(LayoutScale);
            image.Visible = true;
        }
    }

    // The table card is the first number card 1..9 of the pile; it moves to the pile's front.
    int found = 1;
    for (int pos = 1; pos <= s.HandCount[0] - 1; ++pos) {
        if (Rank(s.CardValue[s.Hand[0][pos]]) > 0) {
            found = pos;
            break;
        }
    }
    s.TableCard = s.Hand[0][found];
    ImageItem& tableImage = t.CardImage[s.TableCard];
    tableImage.Left = s.HandLeft[0];
    tableImage.Top = s.HandTop[0];
    tableImage.Visible = true;
    s.TableColor = s.CardColor[s.TableCard];
    std::swap(s.Hand[0][found], s.Hand[0][1]);

    ImageItem& pile = t.CardImage[0];
    pile.Left = t.CardImage[s.TableCard].Left - PileOffset / double(LayoutScale);
    pile.Top = t.CardImage[s.TableCard].Top;
    pile.Visible = true;
    t.TotalInDeck.Left = pile.Left + t.CardWidth / 2 - 5;
    t.TotalInDeck.Top = pile.Top + t.CardHeight / 2 - 3;
}

void Engine::ChooseStartingSeat() {
    GameState& s = State;
    // The turn goes to the first seat in play at or after this one.
    int seat = 1;
    if (!firstDealDone_) {
        // The first turn of a run goes to the lowest seat in play; the announcement says so.
        seat = 0;
        firstDealDone_ = true;
    } else if (s.StartMode == StartChoice::RandomSeat) {
        services_.Randomize();
        do {
            seat = DrawStartSearchSeat(services_.Rnd());
        } while (seat == s.CurrentSeat);
    }
    for (int guard = 0; guard < 8; ++guard) {
        seat = seat - 1 <= 0 ? 4 : seat - 1;
        if (s.HandCount[seat] >= 1) break;
    }
    s.CurrentSeat = seat;
    s.Direction = TurnOrder::Forward;
    FindFollowingSeat();
    s.CurrentSeat = s.FollowingSeat;

    for (int i = 1; i <= 4; ++i) {
        Table.Message[i].BackColor = White;
        Table.Message[i].ForeColor = Black;
    }
    Table.Message[s.CurrentSeat].BackColor = Black;
    Table.Message[s.CurrentSeat].ForeColor = White;
    LogMove(QStringLiteral("STARTS"), s.CurrentSeat);
}

void Engine::GiveFirstTurn() {
    GameState& s = State;
    s.CurrentSeat = 0;
    FindFollowingSeat();
    const int seat = s.CurrentSeat = s.FollowingSeat;
    if (s.IsAuto(seat)) {
        Table.Message[seat].Caption = RestingCaption(seat);
        return;
    }
    Table.Message[seat].Caption = SeatCaption(seat, QLatin1String(MsgYourTurn));
    AnnounceIfNothingToPlay(seat);
}

void Engine::OnBoardMouseUp(int /*button*/, int shift) {
    GameState& s = State;
    if (s.AutoBusy) return;

    if (s.BoardWait) {
        s.BoardWait = false;
        if (s.GameOver) {
            s.GameOver = false;
            s.TotPoints.fill(0);
        }
        StartNewDeal();
        Table.GameStartClick.Visible = false;
        if (s.IsAuto(s.CurrentSeat)) {
            Table.GameStartClick.Caption = QStringLiteral("click to start game");
            Table.GameStartClick.Visible = true;
        }
        return;
    }

    // A click beside the open option box closes it as Cancel would; hiding it alone would leave
    // the menus disabled with no box to close.
    if (Table.Optionframe.Visible || s.OptionsOpen != OptionsClosed) OnOptCancel();
    if (s.ColorWait > 0) {
        services_.ShowMessage(QStringLiteral("Click on a color first"));
        return;
    }
    if ((s.IsAuto(s.CurrentSeat) && shift == 0) ||
        (!s.IsAuto(s.CurrentSeat) && shift == ShiftMask)) {
        RunAutoTurns();
    }
}

}  // namespace tolvanis
