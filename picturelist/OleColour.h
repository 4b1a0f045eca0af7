// Colours as the control and its property store hold them: a 32-bit value &H00BBGGRR, or, with the
// top bit set, a system colour by number. Hosts that think in 0x00RRGGBB convert with fromRgb.
#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace picturelist {

using OleColor = std::int32_t;

constexpr OleColor oleRgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

// 0x00RRGGBB (the game's own colour form) to &H00BBGGRR.
constexpr OleColor fromRgb(std::uint32_t rrggbb) {
    return oleRgb(static_cast<int>((rrggbb >> 16) & 0xFF), static_cast<int>((rrggbb >> 8) & 0xFF),
                  static_cast<int>(rrggbb & 0xFF));
}

constexpr OleColor systemColor(int n) {
    return static_cast<OleColor>(static_cast<std::uint32_t>(0x80000000u) +
                                 static_cast<std::uint32_t>(n));
}

inline constexpr OleColor SysWindowText = systemColor(0x08);
inline constexpr OleColor SysButtonFace = systemColor(0x0F);

constexpr bool isSystemColor(OleColor c) {
    return c < 0;
}

OleColor fromQColor(const QColor& c);

// Resolves system colours through the palette by the runtime's one table of system colours.
QColor toQColor(OleColor c, const QPalette& palette);

}  // namespace picturelist
