// Shared ground for the table window tests: the real window on a seeded engine, the card
// pictures from the data folder, services whose colour pick reads the window's pictures, and
// helpers that set up a position and find where things are drawn.
#pragma once

#include <QDir>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QtTest>

#include <memory>

#include "AutoTurns.h"
#include "Engine.h"
#include "FakeServices.h"
#include "PictureSet.h"
#include "TableWidget.h"
#include "TableWindow.h"

namespace tolvanis::testing {

// The fake services, except that a colour pick reads the pixel of the real picture and a
// repaint request reaches the window, as the game's own services do.
class WindowServices : public FakeServices {
  public:
    using FakeServices::FakeServices;
    TableWindow* Window = nullptr;
    // Where the last colour pick read its picture, in millimetres.
    QPointF LastPickMm{-1, -1};
    Rgb ColorAt(int picker, double x, double y) override {
        LastPickMm = QPointF(x, y);
        return Window ? Window->ColorAt(picker, x, y) : FakeServices::ColorAt(picker, x, y);
    }
    void Repaint() override {
        if (Window) Window->Refresh();
    }
};

// The first pixel of `image` whose whole 5 x 5 neighbourhood has exactly `rgb`.
inline QPoint InsideArea(const QImage& image, QRgb rgb) {
    for (int y = 2; y < image.height() - 2; ++y) {
        for (int x = 2; x < image.width() - 2; ++x) {
            bool all = true;
            for (int dy = -2; dy <= 2 && all; ++dy)
                for (int dx = -2; dx <= 2 && all; ++dx)
                    all = (image.pixel(x + dx, y + dy) | 0xFF000000u) == (rgb | 0xFF000000u);
            if (all) return QPoint(x, y);
        }
    }
    return QPoint(-1, -1);
}

struct TableRig {
    explicit TableRig(const PictureSet& pictures, std::uint64_t seed = 7)
        : services(seed), engine(services), driver(engine) {
        engine.SetAutoPlayer(&driver);
        services.RecordSounds = false;
        engine.Load(pictures.CardWidthMm(), pictures.CardHeightMm());
        window = std::make_unique<TableWindow>(engine, pictures);
        services.Window = window.get();
    }
    ~TableRig() { services.Window = nullptr; }

    TableWidget* Table() const { return window->Table(); }
    QRect RectOf(int card) const { return Table()->ItemRect({ItemKind::CardImage, card}); }
    QRect LayoutRectOf(int card) const { return Table()->LayoutRect({ItemKind::CardImage, card}); }
    QImage Grab() const { return Table()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Seat 1 (a person, cards face up) is to move, owing nothing.
    void GiveTurnToSeat1() {
        GameState& s = engine.State;
        s.CurrentSeat = 1;
        s.PendingDraw.fill(0);
        s.ColorWait = 0;
        s.BoardWait = false;
        s.AutoBusy = false;
        s.HoverCard = -1;
        s.LiftDX = s.LiftDY = 0;
    }

    // Makes `card` playable on the table card: the colour to follow and the value match it.
    void MatchTableTo(int card) {
        GameState& s = engine.State;
        if (s.CardColor[card] != ColorCode::Any) s.TableColor = s.CardColor[card];
        s.CardColor[s.TableCard] = s.CardColor[card];
        s.CardValue[s.TableCard] = s.CardValue[card];
    }

    // Puts `card` into the hand of `seat` in exchange for the card at its first position, and
    // lays both hands out again.
    void GiveCard(int seat, int card) {
        GameState& s = engine.State;
        const int from = s.CardOwner[card];
        if (from == seat) return;
        int pos = 1;
        while (s.Hand[from][pos] != card)
            ++pos;
        const int mine = s.Hand[seat][1];
        s.Hand[from][pos] = mine;
        s.CardOwner[mine] = from;
        s.Hand[seat][1] = card;
        s.CardOwner[card] = seat;
        engine.Table.CardImage[mine].Visible = false;
        engine.Table.CardImage[card].Visible = false;
        if (from >= 1) engine.ArrangeHand(from);
        engine.ArrangeHand(seat);
        window->Refresh();
    }

    // A point over the part of the card that shows in a fanned top or bottom hand.
    QPoint ShowingPartOf(int card) const {
        const QRect r = RectOf(card);
        return QPoint(r.left() + 4, r.center().y());
    }
    // The same at 100 %, in layout pixels.
    QPoint LayoutShowingPartOf(int card) const {
        const QRect r = LayoutRectOf(card);
        return QPoint(r.left() + 4, r.center().y());
    }

    // Seat 1 plays the wild card `wild` with the mouse at 100 %, which leaves a colour to choose.
    void PlayWild(int wild) {
        GiveCard(1, wild);
        GiveTurnToSeat1();
        // A +4 may always follow a +4.
        if (engine.State.CardValue[wild] == ValueCode::Plus4)
            engine.State.CardValue[engine.State.TableCard] = ValueCode::Plus4;
        QTest::mouseClick(Table(), Qt::LeftButton, {}, ShowingPartOf(wild));
    }

    WindowServices services;
    Engine engine;
    AutoTurns driver;
    std::unique_ptr<TableWindow> window;
};

}  // namespace tolvanis::testing
