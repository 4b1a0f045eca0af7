#include "TableWindow.h"

#include <QLayout>

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
    table_->setFixedSize(ClientSizeFor(engine_.Table));
    setCentralWidget(table_);
    keys_ = new TableKeys(engine_, table_);
    table_->setFocus();
    // The table does not stretch: the window is as large as the layout asks, with whatever
    // menu bar the shell gives it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The layout puts the window at the top-left corner of the screen.
    move(0, 0);
    connect(table_, &TableWidget::Forwarded, this, &TableWindow::BoardChanged);
}

QSize TableWindow::ClientSizeFor(const Board& board) {
    return QSize(static_cast<int>(std::lround(board.WindowWidthTwips / 15.0)),
                 static_cast<int>(std::lround(board.WindowHeightTwips / 15.0)));
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
