// Start-up: the card table, the settings a run starts with, and the table's layout.
#include "Engine.h"

#include <cmath>

namespace tolvanis {

namespace {

// Creation order of the table's items: the pile image first, then the designed labels and
// backs, then the card images, each above the ones before.
void StackAsCreated(Board& t) {
    t.BringToFront({ItemKind::CardImage, 0});
    for (int s = 0; s < SeatSlots; ++s)
        t.BringToFront({ItemKind::PlayerBack, s});
    for (int i = 0; i < 4; ++i)
        t.BringToFront({ItemKind::LastCardLabel, i});
    for (int s = 0; s < SeatSlots; ++s)
        t.BringToFront({ItemKind::Message, s});
    t.BringToFront({ItemKind::TotalInDeck, 0});
    t.BringToFront({ItemKind::GameStartClick, 0});
    for (int k = 1; k < CardSlots; ++k)
        t.BringToFront({ItemKind::CardImage, k});
}

void DesignLabels(Board& t) {
    for (LabelItem& label : t.LastCardLabel) {
        label.Caption = QString(29, QLatin1Char(' ')) + QStringLiteral("LAST CARD");
        label.Visible = false;
    }
    for (LabelItem& label : t.Message) {
        label.Caption = QStringLiteral("Message");
        label.Width = 25.0;
        label.Height = 4.0;
        label.Visible = true;
    }
    t.TotalInDeck = LabelItem{QStringLiteral("99"), Black, White, true, 95.9, 25.4, 9.3, 5.1, 0};
    t.GameStartClick =
        LabelItem{QStringLiteral("click to redeal"), Black, White, false, 0, 17.8, 37.0, 4.0, 0};
}

}  // namespace

void Engine::BuildCardTable() {
    GameState& s = State;
    int k = 0;
    auto card = [&](int value, int color) {
        ++k;
        s.CardValue[k] = value;
        s.CardColor[k] = color;
        Table.CardImage[k].Picture = k;
    };
    for (int c = ColorRed; c <= ColorYellow; ++c)
        card(0, c);
    for (int c = ColorRed; c <= ColorYellow; ++c) {
        for (int v = 1; v <= 9; ++v) {
            card(v, c);
            card(v, c);
        }
    }
    for (int twice = 0; twice < 2; ++twice) {
        for (int c = ColorRed; c <= ColorYellow; ++c)
            card(ValuePlus2, c);
    }
    for (int i = 0; i < 4; ++i)
        card(ValuePlus4, ColorAny);
    for (int twice = 0; twice < 2; ++twice) {
        for (int c = ColorRed; c <= ColorYellow; ++c)
            card(ValueReverse, c);
    }
    for (int twice = 0; twice < 2; ++twice) {
        for (int c = ColorRed; c <= ColorYellow; ++c)
            card(ValueSkip, c);
    }
    for (int i = 0; i < 4; ++i)
        card(ValueColorChange, ColorAny);
    for (int b = FirstBackImage; b < FirstBackImage + NumBacks; ++b)
        Table.CardImage[b].Picture = b;
    for (int c = ColorRed; c <= ColorYellow; ++c) {
        s.CardValue[c + MarkerImageBase] = ValueMarker;
        s.CardColor[c + MarkerImageBase] = c;
        Table.CardImage[c + MarkerImageBase].Picture = c + MarkerImageBase;
    }
    s.LastImageIndex = LastMarkerImage;
}

void Engine::Load(double cardWidthMm, double cardHeightMm) {
    GameState& s = State;
    Board& t = Table;
    t.CardWidth = cardWidthMm;
    t.CardHeight = cardHeightMm;

    // The settings every run starts with.
    s.NumPlayers = 4;
    s.Seats.fill(SeatSettings{});
    for (int seat = 2; seat <= 4; ++seat) {
        s.Seats[seat].Auto = true;
        s.Seats[seat].Pause = true;
        s.Seats[seat].Hidden = true;
    }
    s.StartMode = -1;
    s.SoundOn = true;
    s.Direction = TurnOrder::Forward;
    s.DealOver = false;
    s.ColorWait = 0;
    s.OptionsOpen = OptionsClosed;
    s.PendingDraw.fill(0);
    s.CurrentSeat = -1;
    s.DelayFactor = 35;
    s.DelayUnits = 500;  // the slider starts at 4500 of 5000
    t.Menu = MenuItems{};

    DesignLabels(t);
    StackAsCreated(t);
    t.GameStartClick.Visible = false;
    s.HandLeft = {77, 53, 133, 53, 3};
    s.HandTop = {47, 5, 40, 87, 40};
    t.Optionframe.Visible = false;

    for (int seat = 1; seat <= 4; ++seat) {
        t.PlayerBack[seat].Left = s.HandLeft[seat];
        t.PlayerBack[seat].Top = s.HandTop[seat];
    }
    t.PlayerBack[1].Left = t.PlayerBack[3].Left = s.HandLeft[0];
    t.PlayerBack[2].Top = t.PlayerBack[4].Top = s.HandTop[0];
    for (ImageItem& back : t.PlayerBack)
        back.Visible = false;

    for (PickerItem& picker : t.ColorPickers) {
        picker.Left = s.HandLeft[0];
        picker.Top = s.HandTop[0];
        picker.Visible = false;
    }
    t.ColorPickers[0].Picture = ColorChangePicture;
    t.ColorPickers[1].Picture = PlusFourPicture;

    // Seat lines around the message anchor (left 49, tops 35 and 75).
    const int anchorLeft = 49, anchorTop = 35, anchorTop2 = 75;
    t.Message[1].Left = anchorLeft + 15, t.Message[1].Top = anchorTop - 2;
    t.Message[2].Left = anchorLeft + 54, t.Message[2].Top = anchorTop + 20;
    t.Message[3].Left = anchorLeft + 15, t.Message[3].Top = anchorTop2 + 6;
    t.Message[4].Left = anchorLeft - 27, t.Message[4].Top = anchorTop + 20;
    t.Message[0].Visible = false;

    // The pictures: the card table, then a back drawn for the pile.
    BuildCardTable();
    t.CardImage[0].Picture = ColorChangePicture;
    services_.Randomize();
    int r = static_cast<int>(std::floor(NumBacks * services_.Rnd() + 1));
    if (r == NumBacks + 1) r = NumBacks;
    s.BackImageIndex = FirstBackImage - 1 + r;
    t.CardImage[0].Picture = t.CardImage[s.BackImageIndex].Picture;
    for (int k = 0; k <= s.LastImageIndex; ++k)
        t.CardImage[k].Visible = false;

    for (int c = ColorRed; c <= ColorYellow; ++c) {
        t.CardImage[c + MarkerImageBase].Left = s.HandLeft[0];
        t.CardImage[c + MarkerImageBase].Top = s.HandTop[0];
    }
    t.CardImage[s.BackImageIndex].Left = t.CardImage[0].Left;

    ApplyStartSettings(*this, Startup);
    StartNewDeal();

    for (int i = 0; i < 4; ++i) {
        LabelItem& label = t.LastCardLabel[i];
        label.Width = t.CardWidth;
        label.Height = t.CardHeight;
        label.Left = t.PlayerBack[i + 1].Left;
        label.Top = t.PlayerBack[i + 1].Top;
        label.Visible = false;
    }

    // The window is sized from the right and bottom backs, in twips.
    t.WindowWidthTwips = static_cast<int>(
        std::nearbyint((t.CardWidth * 1.2 + t.PlayerBack[2].Left) * DragScale + 200));
    t.WindowHeightTwips = static_cast<int>(
        std::nearbyint((t.CardHeight * 1.5 + t.PlayerBack[3].Top) * DragScale + 200));
    t.GameStartClick.Left = s.HandLeft[4];

    GiveFirstTurn();
}

}  // namespace tolvanis
