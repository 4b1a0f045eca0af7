// The table's controls as plain data: every card image, seat back and label with its place in
// millimetres, visibility, picture and caption, plus one stacking order. The rules write here; the
// table widget only paints this and forwards the mouse, so everything a player sees can be
// asserted on without a window.
//
// Stacking: images and labels are lightweight items sharing one order. Bringing an item to the
// front gives it a higher stacking key than any other, sending it back a lower one. Windowed
// items (the colour pickers, the option frame) always lie above them.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "GameState.h"

namespace tolvanis {

// A colour as 0x00RRGGBB; NoColor means "the control's own default".
using Rgb = std::int32_t;
inline constexpr Rgb NoColor = -1;
constexpr Rgb RgbOf(int r, int g, int b) {
    return (r << 16) | (g << 8) | b;
}
inline constexpr Rgb Black = RgbOf(0, 0, 0);
inline constexpr Rgb White = RgbOf(255, 255, 255);

enum class ItemKind : std::uint8_t {
    CardImage,
    PlayerBack,
    LastCardLabel,
    Message,
    TotalInDeck,
    GameStartClick,
};

struct ItemRef {
    ItemKind Kind = ItemKind::CardImage;
    int Index = 0;
    bool operator==(const ItemRef&) const = default;
};

struct ImageItem {
    double Left = 0;
    double Top = 0;
    bool Visible = false;
    int Picture = -1;  // id of a loaded picture: the card number it was cut for; -1 none
    std::int64_t Z = 0;
};

struct LabelItem {
    QString Caption;
    Rgb BackColor = Black;
    Rgb ForeColor = White;
    bool Visible = false;
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    std::int64_t Z = 0;
};

// A colour picker: a windowed picture of a wild card, read where the player clicked.
struct PickerItem {
    bool Visible = false;
    double Left = 0;
    double Top = 0;
    int Picture = -1;
};

// The seat option box: three toggle labels, OK and Cancel.
struct OptionFrameItem {
    bool Visible = false;
    double Left = 0;
    double Top = 0;
    double Width = 38.4;
    double Height = 26.2;
    QString Caption = QStringLiteral("Options");
    std::array<QString, 3> OptBoxCaption{QStringLiteral("AUTOPLAY"), QStringLiteral("AUTOPLAY"),
                                         QStringLiteral("AUTOPLAY")};
    std::array<QString, 3> OptBoxTag{};
};

// Enabled and checked states of the menu commands that change.
struct MenuItems {
    bool AbortEnabled = true;  // "New Deal"
    bool OptsEnabled = true;   // the "Options" menu
    bool TwoPlayerChecked = false;
    bool ThreePlayerChecked = false;
    bool FourPlayerChecked = true;
    bool RandomStartChecked = true;
    bool FirstPlayerStartChecked = false;
    bool SoundOnChecked = true;
    bool StandardStrengthChecked = true;
    bool StrongStrengthChecked = false;
};

// A back flying from the pile to a seat when cards are taken. The widget animates each new
// serial; the state never waits for it.
struct TakeFlight {
    std::uint32_t Serial = 0;
    int Seat = 0;
    double X0 = 0;
    double Y0 = 0;
    int Picture = -1;
};

class Board {
  public:
    std::array<ImageItem, CardSlots> CardImage{};
    std::array<ImageItem, SeatSlots> PlayerBack{};
    std::array<LabelItem, 4> LastCardLabel{};
    std::array<LabelItem, SeatSlots> Message{};
    LabelItem TotalInDeck;
    LabelItem GameStartClick;
    std::array<PickerItem, 2> ColorPickers{};
    OptionFrameItem Optionframe;
    MenuItems Menu;
    std::array<bool, 4> ScoreRowVisible{true, true, true, true};
    TakeFlight Flight;

    // Size of every card picture in millimetres (all cells of the strips are equal).
    double CardWidth = 18.8;
    double CardHeight = 25.4;

    // Size of the window's client area in twips, as the layout computes it from the back picture.
    int WindowWidthTwips = 0;
    int WindowHeightTwips = 0;

    void BringToFront(ItemRef item);
    void SendToBack(ItemRef item);

    // Lightweight items from the bottom of the stack to the top.
    std::vector<ItemRef> StackingOrder() const;

    // The topmost visible lightweight item under a point in millimetres.
    std::optional<ItemRef> ItemAt(double x, double y) const;

    bool IsVisible(ItemRef item) const;
    double LeftOf(ItemRef item) const;
    double TopOf(ItemRef item) const;
    double WidthOf(ItemRef item) const;
    double HeightOf(ItemRef item) const;

  private:
    const ImageItem* ImageOf(ItemRef item) const;
    const LabelItem* LabelOf(ItemRef item) const;
    std::int64_t& ZOf(ItemRef item);
    std::int64_t ZOf(ItemRef item) const;

    std::int64_t front_ = 0;
    std::int64_t back_ = 0;
};

}  // namespace tolvanis
