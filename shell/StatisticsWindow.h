// The Statistics window of the Tolvanis menu: what the game has counted over every run, one row
// for each seat, one for the people and one for the computer seats together, and a Reset button.
// It keeps no statistics itself: it shows what it is handed and asks the application to reset.
#pragma once

#include <QDialog>

#include <functional>

#include "Statistics.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tolvanis {

class StatisticsWindow : public QDialog {
    Q_OBJECT

  public:
    explicit StatisticsWindow(QWidget* parent = nullptr);

    // Shows these statistics.
    void Show(const Statistics& statistics);

    // Puts the window back where it was left, at the size it had (QWidget::saveGeometry());
    // what cannot be read leaves the window to open at its own size.
    void RestorePlace(const QByteArray& geometry);
    // Whether it has a place of its own to keep: opened in this run or brought back from the last.
    bool Placed() const { return placed_; }

    // Called by the Reset button; the application asks first and shows the outcome.
    std::function<void()> ResetRequested;

    QTableWidget* Grid() const { return grid_; }
    QLabel* Played() const { return played_; }
    QPushButton* ResetButton() const { return reset_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* played_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPushButton* reset_ = nullptr;
    // A size fitted to the rows or brought back from the last run.
    bool sized_ = false;
    bool placed_ = false;
};

}  // namespace tolvanis
