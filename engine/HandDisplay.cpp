// Hands on the table: laying a hand out in hand order, covering and uncovering it, the back that
// flies from the pile when cards are taken, and the lift of the card under the mouse.
#include <cmath>

#include "Engine.h"
#include "Texts.h"

namespace tolvanis {

void Engine::HideHandPictures(int seat) {
    const GameState& s = State;
    for (int i = 1; i <= s.HandCount[seat]; ++i) {
        const int card = s.Hand[seat][i];
        if (card > 0) Table.CardImage[card].Visible = false;
    }
}

void Engine::ArrangeHand(int seat) {
    GameState& s = State;
    RecountHand(seat);
    const bool covered = s.IsHidden(seat);
    if (!covered && s.HandCount[seat] == 1) {
        Table.CardImage[s.Hand[seat][1]].Visible = true;
        return;
    }
    HideHandPictures(seat);
    SortHand(seat);
    for (int i = 1; i <= s.HandCount[seat]; ++i) {
        const int card = s.Hand[seat][i];
        if (card <= 0) continue;
        ImageItem& image = Table.CardImage[card];
        image.Top = s.HandTop[seat] + (i - 1) * s.HandStepY[seat] / double(LayoutScale);
        image.Left = s.HandLeft[seat] + (i - 1) * s.HandStepX[seat] / double(LayoutScale);
        image.Visible = !covered;
        // A lifted card laid out again has lost its lift; lowering it later would push it off
        // its place.
        if (card == s.HoverCard) s.HoverCard = -1;
    }
}

void Engine::ShowHand(int seat, bool layOpen) {
    const GameState& s = State;
    if (s.HandCount[seat] < 1) return;
    const bool covered = s.IsHidden(seat) && !layOpen;
    for (int i = 1; i <= s.HandCount[seat]; ++i) {
        const int card = s.Hand[seat][i];
        if (card > 0) Table.CardImage[card].Visible = !covered;
    }
    Table.PlayerBack[seat].Visible = covered;
}

void Engine::AnimateTake(int seat) {
    // The widget flies the back from the pile to the seat; the flying image ends hidden.
    TakeFlight& flight = Table.Flight;
    ++flight.Serial;
    flight.Seat = seat;
    flight.X0 = Table.CardImage[0].Left;
    flight.Y0 = Table.CardImage[0].Top;
    flight.Picture = Table.CardImage[State.BackImageIndex].Picture;
    Table.CardImage[State.BackImageIndex].Visible = false;
}

void Engine::OnCardMouseMove(int index, int /*button*/, int /*shift*/, double x, double y) {
    GameState& s = State;
    if (s.ColorWait >= 1) return;
    if (index <= 0 || index > DeckSize || index == s.TableCard) return;
    const int seat = s.CurrentSeat;
    if (seat < 1 || seat > 4 || s.CardOwner[index] != seat) return;
    if (s.IsAuto(seat) || s.PendingDraw[seat] >= 1) return;
    if (x == s.HoverX && y == s.HoverY) return;

    if (index != s.HoverCard) {
        PlaySound(SndPau);
        // Towards the middle of the table.
        int dx = 0, dy = 0;
        switch (seat) {
            case 1:
                dy = LiftStepSide;
                break;
            case 2:
                dx = -LiftStep;
                break;
            case 3:
                dy = -LiftStepSide;
                break;
            default:
                dx = LiftStep;
                break;
        }
        Table.CardImage[index].Left += dx;
        Table.CardImage[index].Top += dy;
        if (s.HoverCard != -1) {
            Table.CardImage[s.HoverCard].Left -= s.LiftDX;
            Table.CardImage[s.HoverCard].Top -= s.LiftDY;
        }
        s.LiftDX = dx;
        s.LiftDY = dy;
    }
    s.HoverCard = index;
    s.HoverX = static_cast<int>(std::lrint(x));
    s.HoverY = static_cast<int>(std::lrint(y));
}

void Engine::OnBoardMouseMove() {
    DropLift();
}

void Engine::DropLift() {
    GameState& s = State;
    if (s.HoverCard != -1) {
        Table.CardImage[s.HoverCard].Left -= s.LiftDX;
        Table.CardImage[s.HoverCard].Top -= s.LiftDY;
    }
    s.HoverCard = -1;
}

}  // namespace tolvanis
