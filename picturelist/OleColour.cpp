#include "OleColour.h"

#include "SystemColours.h"

namespace picturelist {

OleColor fromQColor(const QColor& c) {
    return oleRgb(c.red(), c.green(), c.blue());
}

QColor toQColor(OleColor c, const QPalette& palette) {
    return runtimecodes::ResolveColour(static_cast<std::uint32_t>(c), palette);
}

}  // namespace picturelist
