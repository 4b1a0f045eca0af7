#include "TableFonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace tolvanis {

// Pixel sizes keep the fonts the same on every screen whatever its reported resolution, and
// grow with the table's scale so that text is drawn at its size rather than enlarged as a
// picture.
QFont TableFont(double points, bool bold, double scale, bool windowFont) {
    QFont font = windowFont ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
                            : QFont(QStringLiteral("Liberation Sans"));
    if (!windowFont) font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0 * scale))));
    font.setBold(bold);
    return font;
}

FontWarmUp::FontWarmUp() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    // The font database guards itself; whatever the GUI thread asks meanwhile waits for the
    // list instead of reading it a second time.
    thread_ = std::jthread([] { QFontDatabase::families(); });
}

}  // namespace tolvanis
