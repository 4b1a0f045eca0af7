// The status bar under the table: whose turn it is and what they must do, the seats' card
// counts, the colour to follow and the points, in words the engine worked out (StatusLine.h).
// It only displays them; the table above keeps its own size and captions. In a narrow window the
// turn and then the colour are cut short, so that the counts and the points stay whole.
#pragma once

#include <QStatusBar>

#include <array>

#include "StatusLine.h"

class QLabel;

namespace tolvanis {

class TableStatusBar : public QStatusBar {
    Q_OBJECT

  public:
    explicit TableStatusBar(QWidget* parent = nullptr);

    void Show(const StatusTexts& texts);

    // 0 whose turn, 1 cards, 2 colour, 3 points.
    QLabel* Part(int i) const { return parts_[static_cast<std::size_t>(i)]; }

  private:
    std::array<QLabel*, 4> parts_{};
};

}  // namespace tolvanis
