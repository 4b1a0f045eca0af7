// The seat option box: opening it beside a seat, its three toggles (each click changes the
// setting at once), OK which logs what changed and rewrites the seat lines, and Cancel which
// only closes it. While the box is open the "New Deal" and "Options" menus are disabled, so a
// deal cannot be replaced under a half-edited seat.
#include <QLatin1String>

#include "Engine.h"
#include "Texts.h"

namespace tolvanis {

namespace {

bool IsSeat(int seat) {
    return seat >= 1 && seat <= 4;
}

}  // namespace

void Engine::OnPlayerBackMouseUp(int seat, int button, int /*shift*/) {
    if (button != ButtonRight || !IsSeat(seat)) return;
    if (State.OptionsOpen == OptionsClosed) {
        OpenSeatOptions(seat);
    } else {
        OnOptCancel();
    }
}

void Engine::OpenSeatOptions(int seat) {
    if (!IsSeat(seat)) return;
    const GameState& s = State;
    OptionFrameItem& box = Table.Optionframe;

    box.OptBoxCaption[0] = QLatin1String(s.IsAuto(seat) ? TxtAuto : TxtHuman);
    box.OptBoxCaption[1] = QLatin1String(s.Pauses(seat) ? TxtPause : TxtNoPause);
    box.OptBoxCaption[2] = QLatin1String(s.IsHidden(seat) ? TxtHideCards : TxtShowCards);
    box.OptBoxTag = box.OptBoxCaption;

    // Beside the hand, on the side that faces the table.
    box.Left = s.HandLeft[seat];
    box.Top = s.HandTop[seat];
    switch (seat) {
        case 1:
            box.Top += Table.CardHeight;
            break;
        case 2:
            box.Left -= box.Width;
            break;
        case 3:
            box.Top -= box.Height;
            break;
        default:
            box.Left += Table.CardWidth;
            break;
    }

    box.Caption = PlayerName[seat];
    box.Visible = true;
    Table.Menu.AbortEnabled = false;
    Table.Menu.OptsEnabled = false;
    State.OptionsOpen = seat;
}

void Engine::OnOptBoxClick(int index) {
    GameState& s = State;
    const int seat = s.OptionsOpen;
    if (!IsSeat(seat) || index < 0 || index > 2) return;
    auto& caption = Table.Optionframe.OptBoxCaption;
    const bool human = caption[0] == QLatin1String(TxtHuman);

    switch (index) {
        case 0:
            if (human) {
                caption[0] = QLatin1String(TxtAuto);
                s.Seats[seat].Auto = true;
            } else {
                // A person neither pauses nor hides their own cards.
                caption[0] = QLatin1String(TxtHuman);
                s.Seats[seat].Auto = false;
                caption[1] = QLatin1String(TxtNoPause);
                s.Seats[seat].Pause = false;
                caption[2] = QLatin1String(TxtShowCards);
                s.Seats[seat].Hidden = false;
            }
            break;
        case 1:
            if (human) return;
            if (caption[1] == QLatin1String(TxtNoPause)) {
                caption[1] = QLatin1String(TxtPause);
                s.Seats[seat].Pause = true;
            } else {
                caption[1] = QLatin1String(TxtNoPause);
                s.Seats[seat].Pause = false;
            }
            break;
        default:
            if (human) return;
            if (caption[2] == QLatin1String(TxtHideCards)) {
                caption[2] = QLatin1String(TxtShowCards);
                s.Seats[seat].Hidden = false;
            } else {
                caption[2] = QLatin1String(TxtHideCards);
                s.Seats[seat].Hidden = true;
            }
            break;
    }
}

void Engine::OnOptOk() {
    const int seat = State.OptionsOpen;
    if (!IsSeat(seat)) {
        OnOptCancel();
        return;
    }
    PlaySound(SndMup);
    if (State.IsAuto(State.CurrentSeat)) DropLift();
    OptionFrameItem& box = Table.Optionframe;
    for (std::size_t i = 0; i < box.OptBoxCaption.size(); ++i) {
        if (box.OptBoxCaption[i] != box.OptBoxTag[i])
            LogMove(QStringLiteral("set ") + box.OptBoxCaption[i], seat);
    }
    box.OptBoxTag = box.OptBoxCaption;

    // ShowHand covers or uncovers the hand by the seat's show/hide setting.
    if (State.HandCount[seat] >= 1) ShowHand(seat);
    for (int s = 1; s <= 4; ++s)
        Table.Message[s].Caption = RestingCaption(s);
    OnOptCancel();
}

void Engine::OnOptCancel() {
    State.OptionsOpen = OptionsClosed;
    Table.Optionframe.Visible = false;
    Table.Menu.AbortEnabled = true;
    Table.Menu.OptsEnabled = true;
}

}  // namespace tolvanis
