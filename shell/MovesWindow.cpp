#include "MovesWindow.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

#include "Engine.h"
#include "ImageList.h"
#include "OleColour.h"
#include "PictureListError.h"
#include "UserControl1.h"

namespace tolvanis {

namespace {

QFont ArialFont(double points, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, QColor back,
                  QColor fore, Qt::Alignment align) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(ArialFont(7.5, true));
    label->setAlignment(align | Qt::AlignVCenter);
    QPalette palette = label->palette();
    if (back.isValid()) {
        label->setAutoFillBackground(true);
        palette.setColor(QPalette::Window, back);
    }
    palette.setColor(QPalette::WindowText, fore);
    label->setPalette(palette);
    return label;
}

// Entry 1 of the log's image list: a small card, the picture every line of the log carries.
QImage LogPicture() {
    QImage image(12, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.drawRect(1, 1, 9, 13);
    p.fillRect(3, 3, 6, 10, QColor(128, 0, 0));
    return image;
}

}  // namespace

int MovesWindow::Tw(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QString MovesWindow::TotalCaption(int n) {
    return n == 0 ? QStringLiteral("0") : CachedTexts::BuildNumber(n);
}

MovesWindow::MovesWindow(Engine& engine, QWidget* parent)
    : QWidget(parent, Qt::Window), engine_(engine) {
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(QStringLiteral("Moves"));
    // The table's window ends the program; this one only hides when closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The designed size is the least; a larger window gives the log the room.
    setMinimumSize(Tw(DesignWidth), Tw(DesignHeight));
    resize(minimumSize());
    BuildMovesFrame();
    BuildSpeedFrame();
    BuildScoreFrame();
    Refresh();
}

void MovesWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!movesframe_ || !speedFrame_ || !scoreframe_) return;
    // The log grows with the window; the speed slider and the score table stay beside it at the
    // top right, as designed.
    const int extraW = std::max(0, width() - Tw(DesignWidth));
    const int extraH = std::max(0, height() - Tw(DesignHeight));
    movesframe_->setGeometry(Tw(60), Tw(30), Tw(4575) + extraW, Tw(5415) + extraH);
    movesList_->setGeometry(Tw(120), Tw(240), Tw(4575 - 240) + extraW, Tw(5415 - 360) + extraH);
    speedFrame_->move(Tw(4710) + extraW, Tw(30));
    scoreframe_->move(Tw(4710) + extraW, Tw(930));
}

void MovesWindow::BuildMovesFrame() {
    movesframe_ = new QGroupBox(QStringLiteral("Moves log"), this);
    movesframe_->setObjectName(QStringLiteral("Movesframe"));
    movesframe_->setFont(ArialFont(8.25, false));
    movesframe_->setGeometry(Tw(60), Tw(30), Tw(4575), Tw(5415));

    images_ = new picturelist::ImageList(this);
    images_->add(LogPicture());

    movesList_ = new UserControl1(movesframe_);
    movesList_->setObjectName(QStringLiteral("MovesList"));
    movesList_->setGeometry(Tw(120), Tw(240), Tw(4575 - 240), Tw(5415 - 360));
    movesList_->setEnabledFlag(true);
    movesList_->setPictureList(images_);
    movesList_->setMode(0);
    movesList_->setGridLines(true);
    movesList_->setDropDownHeight(5000);
}

void MovesWindow::BuildSpeedFrame() {
    speedFrame_ = new QGroupBox(QStringLiteral("Play speed"), this);
    speedFrame_->setObjectName(QStringLiteral("SpeedFrame"));
    speedFrame_->setFont(ArialFont(8.25, false));
    speedFrame_->setGeometry(Tw(4710), Tw(30), Tw(2415), Tw(825));

    speedRange_ = new QScrollBar(Qt::Horizontal, speedFrame_);
    speedRange_->setObjectName(QStringLiteral("SpeedRange"));
    speedRange_->setGeometry(Tw(90), Tw(480), Tw(2190), Tw(240));
    speedRange_->setToolTip(QStringLiteral("Incease/decrease monster speed"));
    speedRange_->setRange(SpeedMin, SpeedMax);
    speedRange_->setSingleStep(50);
    speedRange_->setPageStep(500);
    speedRange_->setValue(static_cast<int>(std::nearbyint(SpeedMax * 0.9)));
    connect(speedRange_, &QScrollBar::valueChanged, this, &MovesWindow::ApplySpeed);

    const QColor silver(192, 192, 192);
    QLabel* slow = MakeLabel(speedFrame_, QStringLiteral("Label3_1"), QStringLiteral("SLOW"),
                             QColor(), silver, Qt::AlignLeft);
    slow->setGeometry(Tw(120), Tw(240), Tw(600), Tw(195));
    QLabel* fast = MakeLabel(speedFrame_, QStringLiteral("Label4_1"), QStringLiteral("FAST"),
                             QColor(), silver, Qt::AlignRight);
    fast->setGeometry(Tw(1680), Tw(240), Tw(600), Tw(195));
}

void MovesWindow::BuildScoreFrame() {
    scoreframe_ = new QGroupBox(QStringLiteral("Scores"), this);
    scoreframe_->setObjectName(QStringLiteral("Scoreframe"));
    scoreframe_->setFont(ArialFont(8.25, false));
    scoreframe_->setGeometry(Tw(4710), Tw(930), Tw(2415), Tw(1575));

    const QColor window = palette().color(QPalette::Window);
    const struct {
        const char* name;
        const char* caption;
        int left;
    } heads[] = {{"Label2", "player", 180}, {"Label6", "points", 840}, {"Label7", "games", 1560}};
    for (const auto& head : heads) {
        QLabel* label = MakeLabel(scoreframe_, QLatin1String(head.name),
                                  QLatin1String(head.caption), window, Qt::black, Qt::AlignHCenter);
        label->setGeometry(Tw(head.left), Tw(240), Tw(600), Tw(195));
    }

    const char* rowNames[4] = {"Label1", "Label3_0", "Label4_0", "Label5"};
    const int tops[4] = {450, 705, 960, 1215};
    for (int r = 0; r < 4; ++r) {
        const auto i = static_cast<std::size_t>(r);
        rowHeads_[i] =
            MakeLabel(scoreframe_, QLatin1String(rowNames[r]), QStringLiteral(" #%1").arg(r + 1),
                      Qt::black, Qt::white, Qt::AlignRight);
        rowHeads_[i]->setGeometry(Tw(180), Tw(tops[r]), Tw(600), Tw(195));
        totPoints_[i] = MakeLabel(scoreframe_, QStringLiteral("TotPoints%1").arg(r),
                                  QStringLiteral("0"), QColor(), Qt::black, Qt::AlignHCenter);
        totPoints_[i]->setGeometry(Tw(840), Tw(tops[r]), Tw(600), Tw(195));
        totGames_[i] = MakeLabel(scoreframe_, QStringLiteral("TotGames%1").arg(r),
                                 QStringLiteral("0"), QColor(), Qt::black, Qt::AlignHCenter);
        totGames_[i]->setGeometry(Tw(1560), Tw(tops[r]), Tw(600), Tw(195));
    }
}

void MovesWindow::ApplySpeed() {
    engine_.SpeedChanged(speedRange_->value(), speedRange_->maximum());
}

void MovesWindow::Refresh() {
    const GameState& s = engine_.State;
    for (std::size_t r = 0; r < 4; ++r) {
        const QString points = TotalCaption(s.TotPoints[r]);
        const QString games = TotalCaption(s.TotGames[r]);
        if (totPoints_[r]->text() != points) totPoints_[r]->setText(points);
        if (totGames_[r]->text() != games) totGames_[r]->setText(games);
        const bool shown = engine_.Table.ScoreRowVisible[r];
        // Hidden explicitly, so that a row stays hidden while the window itself is hidden.
        for (QLabel* label : {rowHeads_[r], totPoints_[r], totGames_[r]})
            label->setVisible(shown);
    }
}

void MovesWindow::ClearLog() {
    movesList_->Clear();
}

void MovesWindow::AddLogLine(const QString& line, Rgb color) {
    const qint64 colour =
        color == NoColor ? -1 : picturelist::fromRgb(static_cast<std::uint32_t>(color));
    try {
        movesList_->AddItem(line, -1, -1, QString(), colour);
    } catch (const picturelist::PictureListError&) {
        // A log past the list's limit loses its newest lines; the game goes on.
    }
}

}  // namespace tolvanis
