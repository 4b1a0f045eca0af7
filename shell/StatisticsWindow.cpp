#include "StatisticsWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tolvanis {

StatisticsWindow::StatisticsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Statistics"));
    setWindowTitle(QStringLiteral("Statistics"));
    auto* layout = new QVBoxLayout(this);
    played_ = new QLabel(this);
    layout->addWidget(played_);

    const QStringList columns = StatisticsColumns();
    grid_ = new QTableWidget(0, static_cast<int>(columns.size()), this);
    grid_->setHorizontalHeaderLabels(columns);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(grid_);

    auto* buttons = new QDialogButtonBox(this);
    reset_ = buttons->addButton(QStringLiteral("&Reset"), QDialogButtonBox::ResetRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    layout->addWidget(buttons);
    connect(reset_, &QPushButton::clicked, this, [this] {
        if (ResetRequested) ResetRequested();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void StatisticsWindow::Show(const Statistics& statistics) {
    played_->setText(QStringLiteral("Deals played: %1").arg(statistics.DealsPlayed));
    const std::vector<QStringList> rows = StatisticsRows(statistics);
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const QStringList& cells = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(r, c, item);
        }
    }
    // Fitted to the rows the first time; after that it only grows when they need more room, so
    // a size the player chose (in this run or the last) stays.
    if (sized_) {
        resize(size().expandedTo(sizeHint()));
    } else {
        adjustSize();
        sized_ = true;
    }
}

void StatisticsWindow::RestorePlace(const QByteArray& geometry) {
    if (geometry.isEmpty() || !restoreGeometry(geometry)) return;
    sized_ = true;
    placed_ = true;
}

void StatisticsWindow::showEvent(QShowEvent* event) {
    placed_ = true;
    QDialog::showEvent(event);
}

}  // namespace tolvanis
