// The old runtime's system colours by number (a stored colour value with the top bit set names
// one) and the palette role that paints each. Indices nothing here uses still get a sensible
// role, so that any value a host stores paints as something.
#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace runtimecodes {

constexpr QPalette::ColorRole SystemColourRole(std::uint32_t index) {
    switch (index) {
        case 0:   // scroll bars
        case 15:  // button face
            return QPalette::Button;
        case 1:   // desktop
        case 2:   // active caption
        case 13:  // selected item
            return QPalette::Highlight;
        case 4:  // menu
        case 5:  // window background
            return QPalette::Window;
        case 6:   // window frame
        case 21:  // 3D dark shadow
            return QPalette::Shadow;
        case 7:  // menu text
        case 8:  // window text
            return QPalette::WindowText;
        case 9:   // caption text: text drawn on the active caption
        case 14:  // selected item text
            return QPalette::HighlightedText;
        case 16:  // button shadow
            return QPalette::Dark;
        case 17:  // grey text
            return QPalette::PlaceholderText;
        case 18:  // button text
            return QPalette::ButtonText;
        case 20:  // 3D highlight
            return QPalette::Light;
        case 22:  // 3D light
            return QPalette::Midlight;
        case 23:  // tooltip text
            return QPalette::ToolTipText;
        case 24:  // tooltip background
            return QPalette::ToolTipBase;
        default:
            return QPalette::WindowText;
    }
}

constexpr bool IsSystemColour(std::uint32_t value) {
    return (value & 0x80000000u) != 0;
}

// What a stored colour value (&H00BBGGRR, or &H80000000 + n) paints with.
inline QColor ResolveColour(std::uint32_t value, const QPalette& palette) {
    if (IsSystemColour(value))
        return palette.color(QPalette::Active, SystemColourRole(value & 0xFFu));
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

}  // namespace runtimecodes
