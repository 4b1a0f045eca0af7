// Colour values as the control stores them: &H00BBGGRR for a plain colour, or &H80000000 + n for
// the host's system colour n. The numbers are what the property store keeps; the palette decides
// what a system colour looks like on screen at paint time.
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

#include "pavrel_export.h"

namespace pavrel {

// The system colours the control uses for its defaults.
inline constexpr uint32_t kSysWindowFrame = 0x80000006u;
inline constexpr uint32_t kSysWindowText = 0x80000008u;
inline constexpr uint32_t kSysCaptionText = 0x80000009u;
inline constexpr uint32_t kSysButtonFace = 0x8000000Fu;
inline constexpr uint32_t kSysButtonShadow = 0x80000010u;
inline constexpr uint32_t kSysButtonText = 0x80000012u;
inline constexpr uint32_t kSys3DHighlight = 0x80000014u;

inline constexpr bool isSystemColor(uint32_t code) {
    return (code & 0x80000000u) != 0;
}

// Turns a stored colour value into what to paint with, looking system colours up in `palette`.
PAVREL_EXPORT QColor resolveColor(uint32_t code, const QPalette& palette);

// The stored value of an RGB colour (alpha is dropped).
PAVREL_EXPORT uint32_t colorCode(const QColor& color);

}  // namespace pavrel
