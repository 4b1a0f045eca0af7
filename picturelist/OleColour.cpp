#include "OleColour.h"

namespace picturelist {

OleColor fromQColor(const QColor& c) {
    return oleRgb(c.red(), c.green(), c.blue());
}

QColor toQColor(OleColor c, const QPalette& palette) {
    if (!isSystemColor(c)) return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    switch (c & 0xFF) {
        case 0x08:
            return palette.color(QPalette::WindowText);
        case 0x09:
            return palette.color(QPalette::HighlightedText);
        case 0x0F:
            return palette.color(QPalette::Button);
        case 0x10:
            return palette.color(QPalette::Dark);
        case 0x12:
            return palette.color(QPalette::ButtonText);
        case 0x14:
            return palette.color(QPalette::Light);
        default:
            return palette.color(QPalette::WindowText);
    }
}

}  // namespace picturelist
