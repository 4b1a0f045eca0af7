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

    // Called by the Reset button; the application asks first and shows the outcome.
    std::function<void()> ResetRequested;

    QTableWidget* Grid() const { return grid_; }
    QLabel* Played() const { return played_; }
    QPushButton* ResetButton() const { return reset_; }

  private:
    QLabel* played_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPushButton* reset_ = nullptr;
};

}  // namespace tolvanis
