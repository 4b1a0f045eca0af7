// Start-up: the card table, the settings a run starts with, and the table's layout.
#include "Engine.h"

#include <array>
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

// The labels as designed, in millimetres.
struct LabelPlace {
    double Left;
    double Top;
    double Width;
    double Height;
};
// Blanks before "LAST CARD": the label wraps its words, so they push the words down the card.
constexpr int LastCardLeadingBlanks = 29;
constexpr double MessageWidth = 25.0;
constexpr double MessageHeight = 4.0;
constexpr LabelPlace PileCountPlace{95.9, 25.4, 9.3, 5.1};
constexpr LabelPlace RedealPlace{0, 17.8, 37.0, 4.0};

// Where each seat's label lies, beside its hand towards the table card; entry 0 (the pile)
// has none.
struct Spot {
    int Left;
    int Top;
};
constexpr int MessageAnchorLeft = 49, MessageAnchorTop = 35, MessageAnchorTopLow = 75;
constexpr std::array<Spot, SeatSlots> MessageSpots{
    {{0, 0},
     {MessageAnchorLeft + 15, MessageAnchorTop - 2},
     {MessageAnchorLeft + 54, MessageAnchorTop + 20},
     {MessageAnchorLeft + 15, MessageAnchorTopLow + 6},
     {MessageAnchorLeft - 27, MessageAnchorTop + 20}}};

// The window reaches past the right and bottom backs by part of a card and a margin.
constexpr double WindowRightCards = 1.2;
constexpr double WindowBottomCards = 1.5;
constexpr int WindowMarginTwips = 200;

LabelItem Placed(const QString& caption, bool visible, const LabelPlace& at) {
    return LabelItem{caption, Black, White, visible, at.Left, at.Top, at.Width, at.Height, 0};
}

void DesignLabels(Board& t) {
    for (LabelItem& label : t.LastCardLabel) {
        label.Caption =
            QString(LastCardLeadingBlanks, QLatin1Char(' ')) + QStringLiteral("LAST CARD");
        label.Visible = false;
    }
    for (LabelItem& label : t.Message) {
        label.Caption = QStringLiteral("Message");
        label.Width = MessageWidth;
        label.Height = MessageHeight;
        label.Visible = true;
    }
    t.TotalInDeck = Placed(QStringLiteral("99"), true, PileCountPlace);
    t.GameStartClick = Placed(QStringLiteral("click to redeal"), false, RedealPlace);
}

}  // namespace

void Engine::BuildCardTable() {
    GameState& s = State;
    int k = 0;
    auto card = [&](ValueCode value, ColorCode color) {
        ++k;
        s.CardValue[k] = value;
        s.CardColor[k] = color;
        Table.CardImage[k].Picture = k;
    };
    for (ColorCode c : PlayColors)
        card(ValueCode{0}, c);
    for (ColorCode c : PlayColors) {
        for (int v = 1; v <= 9; ++v) {
            card(ValueCode{v}, c);
            card(ValueCode{v}, c);
        }
    }
    for (int twice = 0; twice < 2; ++twice) {
        for (ColorCode c : PlayColors)
            card(ValueCode::Plus2, c);
    }
    for (int i = 0; i < 4; ++i)
        card(ValueCode::Plus4, ColorCode::Any);
    for (int twice = 0; twice < 2; ++twice) {
        for (ColorCode c : PlayColors)
            card(ValueCode::Reverse, c);
    }
    for (int twice = 0; twice < 2; ++twice) {
        for (ColorCode c : PlayColors)
            card(ValueCode::Skip, c);
    }
    for (int i = 0; i < 4; ++i)
        card(ValueCode::ColorChange, ColorCode::Any);
    for (int b = FirstBackImage; b < FirstBackImage + NumBacks; ++b)
        Table.CardImage[b].Picture = b;
    for (ColorCode c : PlayColors) {
        s.CardValue[MarkerImage(c)] = ValueCode::Marker;
        s.CardColor[MarkerImage(c)] = c;
        Table.CardImage[MarkerImage(c)].Picture = MarkerImage(c);
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
    s.StartMode = StartChoice::RandomSeat;
    s.SoundOn = true;
    s.Direction = TurnOrder::Forward;
    s.DealOver = false;
    s.ColorWait = 0;
    s.OptionsOpen = OptionsClosed;
    s.PendingDraw.fill(0);
    s.CurrentSeat = -1;
    s.DelayFactor = StartDelayFactor;
    s.DelayUnits = StartDelayUnits;
    t.Menu = MenuItems{};

    DesignLabels(t);
    StackAsCreated(t);
    t.GameStartClick.Visible = false;
    s.HandLeft = StartHandLeft;
    s.HandTop = StartHandTop;
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

    for (int seat = 1; seat <= 4; ++seat) {
        t.Message[seat].Left = MessageSpots[seat].Left;
        t.Message[seat].Top = MessageSpots[seat].Top;
    }
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

    for (ColorCode c : PlayColors) {
        t.CardImage[MarkerImage(c)].Left = s.HandLeft[0];
        t.CardImage[MarkerImage(c)].Top = s.HandTop[0];
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
    t.WindowWidthTwips = static_cast<int>(std::nearbyint(
        (t.CardWidth * WindowRightCards + t.PlayerBack[2].Left) * DragScale + WindowMarginTwips));
    t.WindowHeightTwips = static_cast<int>(std::nearbyint(
        (t.CardHeight * WindowBottomCards + t.PlayerBack[3].Top) * DragScale + WindowMarginTwips));
    t.GameStartClick.Left = s.HandLeft[4];

    GiveFirstTurn();
}

}  // namespace tolvanis
