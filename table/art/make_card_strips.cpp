// Draws the five card picture strips the table cuts its card pictures from: one strip per
// suit ("Red3.bmp" .. "Yellow3.bmp") and "Backs4.bmp" with the wild cards, the seven backs
// and the four colour markers. Each strip is one row of 13 equal cells.
//
// The art is drawn here, as code, so that it can be reviewed and changed like the rest of
// the game. Usage: make_card_strips <output folder>.
//
// The two wild cards carry four colour areas in the exact colours the colour pick reads back
// from the pixel under a click. Those areas are filled without antialiasing, and every other
// colour used anywhere in the strips keeps all three channels away from zero, so no blend
// elsewhere can land on one of the four pick colours by accident.
//
// Every strip is also written at two and three times the resolution ("Red3@2x.bmp",
// "Red3@3x.bmp"): the same drawing on a finer grid, so the table stays sharp on dense screens
// and in large windows while its layout keeps the 1x sizes.
//
// A card names itself in its top-left corner, inside the part a fanned hand leaves showing:
// about 14 pixels of its left edge in a row and 11 of its top edge in a column. Each suit also
// has its own pattern on the panel, so the suits tell apart without their colours.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>
#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

constexpr int kCellW = 71;
constexpr int kCellH = 96;
constexpr int kCells = 13;
constexpr qreal kCornerRadius = 6.0;
constexpr qreal kPanelInset = 2.0;
// The middle of the corner index: inside the top-left 14 x 11 pixels that a fan leaves showing.
const QPointF kIndexAt(7.5, 6.5);

// Outside the rounded corners the cell shows the table's felt, so a card lies flush on it.
// Only those corner pixels carry this exact colour, so a viewer may also key it out to let
// an overlapped card show through the corners of the card above.
const QColor kFelt(0, 100, 50);
const QColor kCardEdge(70, 70, 76);
const QColor kCardWhite(250, 250, 246);
const QColor kInk(36, 36, 40);  // outlines and the wild cards' face
const QColor kGold(214, 172, 72);

// The colour pick table: these four and nothing else may be painted at these exact values.
const std::array<QColor, 4> kPickColours = {QColor(128, 0, 0), QColor(0, 128, 0), QColor(0, 0, 128),
                                            QColor(128, 128, 0)};

// The panel's pattern, the suit's second sign beside its colour.
enum class Pattern { Plain, Diagonal, Rows, Dots };

struct Suit {
    QColor face;
    QColor dark;
    Pattern pattern;
    const char* file;
    const char* name;
};

// Order of the colour codes: RED, GREEN, BLUE, YELLOW. Their lightness differs too (blue the
// darkest, yellow the lightest), which a player who cannot tell red from green still sees.
const std::array<Suit, 4> kSuits = {{
    {QColor(214, 46, 52), QColor(110, 18, 24), Pattern::Plain, "Red3.bmp", "RED"},
    {QColor(56, 166, 86), QColor(14, 72, 34), Pattern::Diagonal, "Green3.bmp", "GREEN"},
    {QColor(30, 86, 190), QColor(12, 36, 96), Pattern::Rows, "Blue3.bmp", "BLUE"},
    {QColor(240, 186, 30), QColor(120, 84, 10), Pattern::Dots, "Yellow3.bmp", "YELLOW"},
}};

const QPointF kCentre(kCellW / 2.0, kCellH / 2.0);

QFont cardFont(int pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Glyph outlines centred on the origin by their ink, not by the font's line box, so that
// a "1" sits in the middle of a circle as well as an "8" does.
QPainterPath centredText(const QString& text, int pixelSize, bool underline = false) {
    QPainterPath path;
    path.addText(0, 0, cardFont(pixelSize), text);
    QRectF ink = path.boundingRect();
    if (underline) {
        // 6 and 9 look alike upside down; a bar under the digit tells them apart.
        qreal barH = std::max(1.5, ink.height() * 0.09);
        path.addRect(QRectF(ink.left() + ink.width() * 0.1, ink.bottom() + barH * 0.9,
                            ink.width() * 0.8, barH));
        ink = path.boundingRect();
    }
    return path.translated(-ink.center());
}

void fillOutlined(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& outline,
                  qreal outlineWidth) {
    p.setRenderHint(QPainter::Antialiasing, true);
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

QRectF panelRect() {
    return QRectF(kPanelInset, kPanelInset, kCellW - 2 * kPanelInset, kCellH - 2 * kPanelInset);
}

// The card blank: felt in the corners, a white card with a fine edge, and the coloured
// panel inside a white margin. Returns the panel's shape for clipping patterns to it.
void drawPattern(QPainter& p, const QPainterPath& panel, const QColor& face, Pattern pattern) {
    if (pattern == Pattern::Plain) return;
    const QColor tone = face.lighter(122);
    p.save();
    p.setClipPath(panel, Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(tone);
    switch (pattern) {
        case Pattern::Diagonal:
            for (int d = -kCellH; d < kCellW; d += 6) {
                QPainterPath band;
                band.moveTo(d, kCellH);
                band.lineTo(d + 2.2, kCellH);
                band.lineTo(d + 2.2 + kCellH, 0);
                band.lineTo(d + kCellH, 0);
                band.closeSubpath();
                p.drawPath(band);
            }
            break;
        case Pattern::Rows:
            for (int y = 1; y < kCellH; y += 5)
                p.drawRect(QRectF(0, y, kCellW, 2));
            break;
        case Pattern::Dots:
            for (int y = 2; y < kCellH; y += 5)
                for (int x = (y / 5) % 2 ? 5 : 2; x < kCellW; x += 6)
                    p.drawEllipse(QPointF(x, y), 1.2, 1.2);
            break;
        case Pattern::Plain:
            break;
    }
    p.restore();
}

QPainterPath drawBlank(QPainter& p, const QColor& panel) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(QRect(0, 0, kCellW, kCellH), kFelt);
    p.setPen(QPen(kCardEdge, 1.0));
    p.setBrush(kCardWhite);
    p.drawRoundedRect(QRectF(0.5, 0.5, kCellW - 1.0, kCellH - 1.0), kCornerRadius, kCornerRadius);
    QPainterPath panelShape;
    panelShape.addRoundedRect(panelRect(), kCornerRadius - 3, kCornerRadius - 3);
    p.setPen(Qt::NoPen);
    p.setBrush(panel);
    p.drawPath(panelShape);
    return panelShape;
}

// A path drawn at the top-left index and again, turned half round, at the bottom-right,
// so the card reads the same from either side of the table. The index sits in the very
// corner: in a fanned hand only about 14 pixels of a card's left edge, or 11 of its top
// edge, show.
void drawIndex(QPainter& p, const QPainterPath& symbol, const QColor& fill, const QColor& outline,
               QPointF at = kIndexAt) {
    fillOutlined(p, symbol.translated(at), fill, outline, 0.9);
    QTransform turn;
    turn.translate(kCellW, kCellH);
    turn.rotate(180);
    fillOutlined(p, turn.map(symbol.translated(at)), fill, outline, 0.9);
}

void drawCentreDisc(QPainter& p, qreal radius) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(kCardWhite);
    p.drawEllipse(kCentre, radius, radius);
}

// Skip: a ring crossed by a bar.
QPainterPath skipSymbol(qreal r) {
    QPainterPath outer, inner, bar;
    outer.addEllipse(QPointF(0, 0), r, r);
    inner.addEllipse(QPointF(0, 0), r * 0.66, r * 0.66);
    QPainterPath ring = outer.subtracted(inner);
    bar.addRect(QRectF(-r * 0.8, -r * 0.17, r * 1.6, r * 0.34));
    bar = QTransform().rotate(-45).map(bar);
    return ring.united(bar.intersected(outer)).simplified();
}

// Reverse: two curved arrows chasing each other round a circle.
QPainterPath reverseSymbol(qreal r) {
    const qreal arcR = r * 0.68;
    const qreal thick = r * 0.3;
    QPainterPath arc;
    arc.arcMoveTo(QRectF(-arcR, -arcR, 2 * arcR, 2 * arcR), 200);
    arc.arcTo(QRectF(-arcR, -arcR, 2 * arcR, 2 * arcR), 200, 125);
    QPainterPathStroker stroker;
    stroker.setWidth(thick);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPath arrow = stroker.createStroke(arc);
    // Arrow head at the end of the arc (325 degrees), pointing along the turn.
    const qreal end = qDegreesToRadians(325.0);
    const QPointF tip(arcR * std::cos(end), -arcR * std::sin(end));
    const QPointF along(-std::sin(end), -std::cos(end));  // direction of travel (counter-clockwise)
    const QPointF across(std::cos(end), -std::sin(end));
    QPainterPath head;
    head.moveTo(tip + across * (thick * 1.15));
    head.lineTo(tip + along * (thick * 1.5));
    head.lineTo(tip - across * (thick * 1.15));
    head.closeSubpath();
    arrow = arrow.united(head);
    QPainterPath both = arrow.united(QTransform().rotate(180).map(arrow));
    return both.simplified();
}

// +2: two small cards, one lying over the other; returns the card under and the card over.
std::pair<QPainterPath, QPainterPath> plusTwoCards(qreal r) {
    QPainterPath card;
    const qreal w = r * 0.72, h = r * 1.02;
    card.addRoundedRect(QRectF(-w / 2, -h / 2, w, h), r * 0.14, r * 0.14);
    return {QTransform().translate(-r * 0.26, -r * 0.2).rotate(-14).map(card),
            QTransform().translate(r * 0.26, r * 0.2).rotate(-14).map(card)};
}

void drawSuitCard(QPainter& p, const Suit& suit, int cell) {
    drawPattern(p, drawBlank(p, suit.face), suit.face, suit.pattern);
    drawCentreDisc(p, 25.0);
    if (cell <= 9) {
        const int value = cell == 9 ? 0 : cell + 1;
        const bool bar = value == 6 || value == 9;
        const QString text = QString::number(value);
        fillOutlined(p, centredText(text, 44, bar).translated(kCentre), suit.face, suit.dark, 1.4);
        drawIndex(p, centredText(text, 11, bar), kCardWhite, suit.dark);
        return;
    }
    QPainterPath symbol, index;
    if (cell == 10) {
        const auto [under, over] = plusTwoCards(30.0);
        fillOutlined(p, under.translated(kCentre), suit.face, suit.dark, 1.3);
        fillOutlined(p, over.translated(kCentre), suit.face, suit.dark, 1.3);
        fillOutlined(p, centredText(QStringLiteral("+2"), 13).translated(kCentre + QPointF(8, 6)),
                     kCardWhite, suit.dark, 1.0);
        drawIndex(p, centredText(QStringLiteral("+2"), 10), kCardWhite, suit.dark,
                  kIndexAt + QPointF(0.5, 0));
        return;
    }
    if (cell == 11) {
        symbol = reverseSymbol(21.0);
        index = reverseSymbol(4.6);
    } else {
        symbol = skipSymbol(19.0);
        index = skipSymbol(4.4);
    }
    fillOutlined(p, symbol.translated(kCentre), suit.face, suit.dark, 1.3);
    drawIndex(p, index, kCardWhite, suit.dark);
}

// The four pick areas: quarters of a large oval over the middle of the card, filled without
// antialiasing so every pixel inside carries its exact pick colour. Quarter order round the
// oval: RED top-left, BLUE top-right, YELLOW bottom-right, GREEN bottom-left.
void drawPickOval(QPainter& p) {
    // Pixel columns 9..62 and rows 14..81: centred on the card, clear of the corner indexes.
    const QRect oval(9, 14, 54, 68);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    const int startAngles[4] = {90, 180, 0, 270};  // RED, GREEN, BLUE, YELLOW
    for (int c = 0; c < 4; ++c) {
        p.setBrush(kPickColours[c]);
        p.drawPie(oval, startAngles[c] * 16, 90 * 16);
    }
    // A dark cross between the quarters, so a click is never ambiguous.
    p.setBrush(kInk);
    const int cx = oval.center().x() + 1, cy = oval.center().y() + 1;
    p.drawRect(QRect(cx - 1, oval.top(), 2, oval.height()));
    p.drawRect(QRect(oval.left(), cy - 1, oval.width(), 2));
    // A white rim smooths the stepped edge of the unantialiased oval.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kCardWhite, 2.0));
    p.drawEllipse(QRectF(oval).adjusted(0, 0, 1, 1));
}

// The same quartered oval in the bright suit shades, for the corner index of the colour
// change; it must not use the pick colours, only the middle of the card answers a click.
QPainterPath quarterPath(qreal rx, qreal ry, int quarter) {
    QPainterPath path;
    path.moveTo(0, 0);
    path.arcTo(QRectF(-rx, -ry, 2 * rx, 2 * ry), quarter * 90, 90);
    path.closeSubpath();
    return path;
}

void drawMiniQuarters(QPainter& p, QPointF at, qreal rx, qreal ry) {
    // Same arrangement as the big oval: quarter 1 (top-left) RED, 2 GREEN, 0 BLUE, 3 YELLOW.
    const int suitOfQuarter[4] = {2, 0, 1, 3};
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kCardWhite, 1.0));
    for (int q = 0; q < 4; ++q) {
        p.setBrush(kSuits[suitOfQuarter[q]].face);
        p.drawPath(quarterPath(rx, ry, q).translated(at));
    }
}

void drawWildCard(QPainter& p, bool plusFour) {
    drawBlank(p, kInk);
    drawPickOval(p);
    if (plusFour) {
        QPainterPath badge;
        badge.addRoundedRect(QRectF(-11, -8, 22, 16), 5, 5);
        fillOutlined(p, badge.translated(kCentre), kInk, kCardWhite, 0.8);
        fillOutlined(p, centredText(QStringLiteral("+4"), 12).translated(kCentre), kCardWhite, kInk,
                     0);
        // Tucked into the corner, outside the oval.
        drawIndex(p, centredText(QStringLiteral("+4"), 10), kCardWhite, kInk,
                  kIndexAt + QPointF(0.5, 0));
    } else {
        drawMiniQuarters(p, kIndexAt, 4.5, 4.2);
        drawMiniQuarters(p, QPointF(kCellW, kCellH) - kIndexAt, 4.5, 4.2);
    }
}

// Colour marker: shown on the table after a wild card or a served +2/+4, it names the colour
// to follow with one big disc of that colour and its name.
void drawMarker(QPainter& p, const Suit& suit) {
    drawBlank(p, kInk);
    QPainterPath dot;
    dot.addEllipse(QPointF(0, 0), 3.5, 3.5);
    drawIndex(p, dot, suit.face, kCardWhite);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kCardWhite, 2.5));
    p.setBrush(suit.face);
    p.drawEllipse(kCentre, 25.0, 25.0);
    const QString name = QString::fromLatin1(suit.name);
    fillOutlined(p, centredText(name, 10).translated(kCentre.x(), 14.5), kCardWhite, kInk, 0);
    QTransform turn;
    turn.translate(kCellW, kCellH);
    turn.rotate(180);
    fillOutlined(p, turn.map(centredText(name, 10).translated(kCentre.x(), 14.5)), kCardWhite, kInk,
                 0);
}

// --- the seven backs -------------------------------------------------------------------

void backLattice(QPainter& p) {
    p.fillRect(panelRect(), QColor(150, 26, 42));
    p.setPen(QPen(QColor(222, 112, 120), 1.3));
    for (int d = -kCellH; d < kCellW + kCellH; d += 8) {
        p.drawLine(QPointF(d, 0), QPointF(d + kCellH, kCellH));
        p.drawLine(QPointF(d, kCellH), QPointF(d + kCellH, 0));
    }
}

void backRings(QPainter& p) {
    p.fillRect(panelRect(), QColor(26, 44, 112));
    p.setBrush(Qt::NoBrush);
    for (int r = 4; r < 60; r += 6) {
        p.setPen(QPen(r % 12 == 4 ? QColor(120, 156, 226) : QColor(70, 100, 180), 2.0));
        p.drawEllipse(kCentre, r, r);
    }
}

void backDots(QPainter& p) {
    p.fillRect(panelRect(), QColor(14, 112, 122));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 220, 214));
    for (int row = 0; row * 9 < kCellH + 9; ++row) {
        for (int col = 0; col * 10 < kCellW + 10; ++col) {
            const qreal x = col * 10 + (row % 2 ? 5 : 0);
            p.drawEllipse(QPointF(x, row * 9 + 2), 2.3, 2.3);
        }
    }
}

void backSunburst(QPainter& p) {
    p.fillRect(panelRect(), QColor(86, 38, 132));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(136, 84, 186));
    for (int ray = 0; ray < 24; ray += 2) {
        QPainterPath wedge;
        wedge.moveTo(kCentre);
        wedge.arcTo(QRectF(kCentre.x() - 80, kCentre.y() - 80, 160, 160), ray * 15, 15);
        wedge.closeSubpath();
        p.drawPath(wedge);
    }
    p.setBrush(QColor(230, 200, 110));
    p.drawEllipse(kCentre, 7, 7);
}

void backChecker(QPainter& p) {
    p.fillRect(panelRect(), QColor(212, 104, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 176, 84));
    const qreal s = 8;
    for (int row = -1; row * s < kCellH + s; ++row) {
        for (int col = -1; col * s < kCellW + s; ++col) {
            if ((row + col) % 2 != 0) continue;
            QPainterPath diamond;
            const QPointF c(col * s, row * s);
            diamond.moveTo(c + QPointF(0, -s / 2));
            diamond.lineTo(c + QPointF(s / 2, 0));
            diamond.lineTo(c + QPointF(0, s / 2));
            diamond.lineTo(c + QPointF(-s / 2, 0));
            diamond.closeSubpath();
            p.drawPath(diamond);
        }
    }
}

void backChevrons(QPainter& p) {
    p.fillRect(panelRect(), QColor(44, 46, 56));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 2.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    for (int y = -6; y < kCellH + 6; y += 9) {
        QPainterPath zig;
        zig.moveTo(0, y);
        for (int x = 0; x <= kCellW; x += 12) {
            zig.lineTo(x + 6, y - 5);
            zig.lineTo(x + 12, y);
        }
        p.drawPath(zig);
    }
}

void backEmblem(QPainter& p) {
    p.fillRect(panelRect(), QColor(20, 58, 44));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 1.2));
    p.drawRoundedRect(panelRect().adjusted(4, 4, -4, -4), 4, 4);
    p.drawEllipse(kCentre, 20, 20);
    // A four-pointed star inside the ring.
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(i * 45.0 - 90);
        const qreal r = i % 2 ? 5.5 : 17.0;
        const QPointF pt = kCentre + QPointF(r * std::cos(a), r * std::sin(a));
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawPath(star);
    for (QPointF corner : {QPointF(15, 17), QPointF(kCellW - 15, 17), QPointF(15, kCellH - 17),
                           QPointF(kCellW - 15, kCellH - 17)}) {
        p.drawEllipse(corner, 2.5, 2.5);
    }
}

void drawBack(QPainter& p, int design) {
    const QPainterPath panel = drawBlank(p, kCardWhite);
    p.save();
    p.setClipPath(panel);
    p.setRenderHint(QPainter::Antialiasing, true);
    switch (design) {
        case 0:
            backLattice(p);
            break;
        case 1:
            backRings(p);
            break;
        case 2:
            backDots(p);
            break;
        case 3:
            backSunburst(p);
            break;
        case 4:
            backChecker(p);
            break;
        case 5:
            backChevrons(p);
            break;
        default:
            backEmblem(p);
            break;
    }
    p.restore();
}

// --- strips ----------------------------------------------------------------------------

template <typename DrawCell>
bool writeStrip(const QDir& dir, const char* file, int density, DrawCell drawCell) {
    QImage strip(kCellW * kCells * density, kCellH * density, QImage::Format_RGB32);
    strip.fill(kFelt);
    for (int cell = 0; cell < kCells; ++cell) {
        QPainter p(&strip);
        p.scale(density, density);
        p.translate(cell * kCellW, 0);
        p.setClipRect(QRect(0, 0, kCellW, kCellH));
        drawCell(p, cell);
    }
    QString name = QString::fromLatin1(file);
    if (density > 1) name.replace(QStringLiteral(".bmp"), QStringLiteral("@%1x.bmp").arg(density));
    const QString path = dir.filePath(name);
    // Stored as 24-bit colour: the pick colours must come back from the file unchanged.
    if (!strip.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
        std::fprintf(stderr, "make_card_strips: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_card_strips <output folder>\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_card_strips: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (int density : {1, 2, 3}) {
        for (const Suit& suit : kSuits) {
            ok = writeStrip(dir, suit.file, density,
                            [&](QPainter& p, int cell) { drawSuitCard(p, suit, cell); }) &&
                 ok;
        }
        // Backs4: +4, seven backs, markers GREEN, YELLOW, BLUE, RED, colour change.
        ok = writeStrip(dir, "Backs4.bmp", density,
                        [](QPainter& p, int cell) {
                            if (cell == 0 || cell == 12) {
                                drawWildCard(p, cell == 0);
                            } else if (cell <= 7) {
                                drawBack(p, cell - 1);
                            } else {
                                const int suitOfMarker[4] = {1, 3, 2, 0};
                                drawMarker(p, kSuits[suitOfMarker[cell - 8]]);
                            }
                        }) &&
             ok;
    }
    return ok ? 0 : 1;
}
