// Whether a bitmap file holds all the pixel rows its own header promises. Qt's reader hands back
// whatever rows a cut-off bitmap still holds; a strip with missing rows would give half-blank
// cards. Header forms other than the old 12-byte one and the 40-byte family, and compressed
// bitmaps, are left to Qt's own checks.
#pragma once

#include <QString>

namespace tolvanis {

bool BitmapCutShort(const QString& path);

}  // namespace tolvanis
