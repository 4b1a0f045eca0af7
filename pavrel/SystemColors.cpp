#include "SystemColors.h"

#include "SystemColours.h"

namespace pavrel {

QColor resolveColor(uint32_t code, const QPalette& palette) {
    return runtimecodes::ResolveColour(code, palette);
}

uint32_t colorCode(const QColor& color) {
    return uint32_t(color.red()) | (uint32_t(color.green()) << 8) | (uint32_t(color.blue()) << 16);
}

}  // namespace pavrel
