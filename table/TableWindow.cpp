#include "TableWindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>

#include <cmath>

#include "Engine.h"
#include "PictureSet.h"
#include "TableKeys.h"
#include "TableWidget.h"
#include "TolvanisVersion.h"

namespace tolvanis {

TableWindow::TableWindow(Engine& engine, const PictureSet& pictures, QWidget* parent)
    : QMainWindow(parent), engine_(engine), pictures_(pictures) {
    setWindowTitle(QStringLiteral("Tolvanis v" TOLVANIS_VERSION));
    table_ = new TableWidget(engine_, pictures_, this);
    // The layout's own size is where the window starts and the least it shrinks to; any larger
    // size draws the whole table larger.
    table_->setMinimumSize(ClientSizeFor(engine_.Table));
    setCentralWidget(table_);
    keys_ = new TableKeys(engine_, table_);
    table_->setFocus();
    resize(sizeHint());

    auto* fullScreen = new QAction(tr("Full Screen"), this);
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::FullScreen);
    if (!keys.contains(QKeySequence(Qt::Key_F11))) keys.prepend(QKeySequence(Qt::Key_F11));
    fullScreen->setShortcuts(keys);
    fullScreen->setShortcutContext(Qt::WindowShortcut);
    connect(fullScreen, &QAction::triggered, this, &TableWindow::ToggleFullScreen);
    addAction(fullScreen);

    PlaceAtTopLeft();
    connect(table_, &TableWidget::Forwarded, this, &TableWindow::BoardChanged);
}

void TableWindow::ToggleFullScreen() {
    // Leaving full screen gives back a maximised window as it was.
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void TableWindow::PlaceAtTopLeft() {
    // The window's frame, not its inner area, goes to the corner of the screen area that the
    // desktop leaves free, so the title bar stays on screen and the window can be dragged.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint corner = screen ? screen->availableGeometry().topLeft() : QPoint(0, 0);
    move(corner);
}

QSize TableWindow::ClientSizeFor(const Board& board) {
    return TableWidget::LayoutSizeFor(board);
}

void TableWindow::Refresh() {
    table_->Refresh();
    keys_->Sync();
}

Rgb TableWindow::ColorAt(int picker, double xMm, double yMm) const {
    if (picker < 0 || picker > 1) return NoColor;
    const QImage image = pictures_.PictureImage(
        engine_.Table.ColorPickers[static_cast<std::size_t>(picker)].Picture);
    if (image.isNull()) return NoColor;
    const int x = static_cast<int>(std::floor(xMm * TableWidget::PxPerMm));
    const int y = static_cast<int>(std::floor(yMm * TableWidget::PxPerMm));
    if (!image.rect().contains(x, y)) return NoColor;
    const QRgb pixel = image.pixel(x, y);
    return RgbOf(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

}  // namespace tolvanis
