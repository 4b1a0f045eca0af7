// The second window, "Moves": the score table, the play-speed slider and the moves log. It is
// built when first shown and lives to the end of the run; closing it only hides it, so the log
// and the totals stay.
// It keeps no game state: the totals are read from the engine on every Refresh, the slider
// writes the engine's pause, and the log is the picture list fed through the log services.
//
// Laid out in twips as designed, 15 twips to a pixel. The designed size is the least; the window
// may be made larger, and the log then grows with it.
#pragma once

#include <QWidget>

#include <array>

#include "Board.h"

class QGroupBox;
class QLabel;
class QScrollBar;

namespace picturelist {
class ImageList;
class UserControl1;
}  // namespace picturelist

namespace tolvanis {

class Engine;
using picturelist::UserControl1;

class MovesWindow : public QWidget {
    Q_OBJECT

  public:
    static constexpr int SpeedMin = 100;
    static constexpr int SpeedMax = 5000;

    explicit MovesWindow(Engine& engine, QWidget* parent = nullptr);

    // The log feed, as the services call it.
    void ClearLog();
    void AddLogLine(const QString& line, Rgb color);

    // Brings the score table up to date with the engine (captions and rows shown).
    void Refresh();

    // Tells the engine the slider's position (start-up and every change).
    void ApplySpeed();

    UserControl1* MovesList() const { return movesList_; }
    QScrollBar* SpeedRange() const { return speedRange_; }
    QLabel* TotPoints(int r) const { return totPoints_[static_cast<std::size_t>(r)]; }
    QLabel* TotGames(int r) const { return totGames_[static_cast<std::size_t>(r)]; }
    QLabel* RowHead(int r) const { return rowHeads_[static_cast<std::size_t>(r)]; }

    // A total as the table shows it: "0", otherwise the number after a blank (" 137").
    static QString TotalCaption(int n);
    // Twips to pixels at 100 %.
    static int Tw(double twips);

    // The designed size of the window, in twips.
    static constexpr int DesignWidth = 7185;
    static constexpr int DesignHeight = 5520;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildMovesFrame();
    void BuildSpeedFrame();
    void BuildScoreFrame();

    Engine& engine_;
    QGroupBox* movesframe_ = nullptr;
    UserControl1* movesList_ = nullptr;
    picturelist::ImageList* images_ = nullptr;
    QGroupBox* speedFrame_ = nullptr;
    QScrollBar* speedRange_ = nullptr;
    QGroupBox* scoreframe_ = nullptr;
    std::array<QLabel*, 4> rowHeads_{};
    std::array<QLabel*, 4> totPoints_{};
    std::array<QLabel*, 4> totGames_{};
};

}  // namespace tolvanis
