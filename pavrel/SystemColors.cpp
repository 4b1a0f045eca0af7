#include "SystemColors.h"

namespace pavrel {

namespace {

// Which palette role stands in for each system colour index. Indices the control never uses
// still get a sensible role so that any value a host stores paints as something.
QPalette::ColorRole roleFor(uint32_t index) {
    switch (index) {
        case 0:   // scroll bars
        case 15:  // button face
            return QPalette::Button;
        case 1:  // desktop
        case 2:  // active caption
            return QPalette::Highlight;
        case 4:  // menu
        case 5:  // window background
        case 9:  // caption text
            return QPalette::Window;
        case 6:   // window frame
        case 21:  // 3D dark shadow
            return QPalette::Shadow;
        case 7:  // menu text
        case 8:  // window text
            return QPalette::WindowText;
        case 13:
            return QPalette::Highlight;
        case 14:
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
        case 23:
            return QPalette::ToolTipText;
        case 24:
            return QPalette::ToolTipBase;
        default:
            return QPalette::WindowText;
    }
}

}  // namespace

QColor resolveColor(uint32_t code, const QPalette& palette) {
    if (isSystemColor(code)) return palette.color(QPalette::Active, roleFor(code & 0xFFu));
    return QColor(int(code & 0xFFu), int((code >> 8) & 0xFFu), int((code >> 16) & 0xFFu));
}

uint32_t colorCode(const QColor& color) {
    return uint32_t(color.red()) | (uint32_t(color.green()) << 8) | (uint32_t(color.blue()) << 16);
}

}  // namespace pavrel
