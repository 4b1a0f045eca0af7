#include "ProgramIcon.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>

namespace tolvanis {

namespace {

// Everything in units of a 256-unit square.
constexpr double Canvas = 256.0;

struct Felt {
    double Inset = 16, Radius = 40, Border = 6;
    QColor Fill{0x1f, 0x6b, 0x3a}, Edge{0x0f, 0x3d, 0x20};
};

// Each card hangs from one pivot below the fan and is turned about it.
struct Fan {
    double PivotX = 128, PivotY = 218;
    double Width = 84, Height = 124, Lift = 12, Radius = 12, Outline = 5;
    // The coloured face inside the white border, as a share of the card.
    double FaceInsetX = 0.15, FaceInsetY = 0.12;
    std::array<double, 4> Angles{-30, -10, 10, 30};
    std::array<QColor, 4> Faces{QColor(0xc8, 0x1e, 0x1e), QColor(0x1e, 0x96, 0x28),
                                QColor(0x1e, 0x3c, 0xc8), QColor(0xe6, 0xbe, 0x14)};

    QRectF Card() const { return {-Width / 2, -Height - Lift, Width, Height}; }
    QRectF Face() const {
        return Card().adjusted(Width * FaceInsetX, Height * FaceInsetY, -Width * FaceInsetX,
                               -Height * FaceInsetY);
    }
};

QByteArray Num(double v) {
    return QByteArray::number(v, 'g', 6);
}

QByteArray Rect(const QRectF& r, double radius, const QColor& fill, const QColor* stroke,
                double strokeWidth) {
    QByteArray s = "<rect x=\"" + Num(r.x()) + "\" y=\"" + Num(r.y()) + "\" width=\"" +
                   Num(r.width()) + "\" height=\"" + Num(r.height()) + "\"";
    if (radius > 0) s += " rx=\"" + Num(radius) + "\"";
    s += " fill=\"" + fill.name().toLatin1() + "\"";
    if (stroke) {
        s += " stroke=\"" + stroke->name().toLatin1() + "\" stroke-width=\"" + Num(strokeWidth) +
             "\"";
    }
    return s + "/>\n";
}

}  // namespace

QImage DrawProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = size / Canvas;
    p.scale(scale, scale);
    // Lines never thinner than a pixel, or the small sizes lose their edges.
    const auto line = [scale](double units) { return std::max(units, 1.0 / scale); };

    const Felt felt;
    const QRectF table(felt.Inset, felt.Inset, Canvas - 2 * felt.Inset, Canvas - 2 * felt.Inset);
    p.setPen(QPen(felt.Edge, line(felt.Border)));
    p.setBrush(felt.Fill);
    p.drawRoundedRect(table, felt.Radius, felt.Radius);

    const Fan fan;
    for (std::size_t i = 0; i < fan.Angles.size(); ++i) {
        p.save();
        p.translate(fan.PivotX, fan.PivotY);
        p.rotate(fan.Angles[i]);
        p.setPen(QPen(Qt::black, line(fan.Outline)));
        p.setBrush(Qt::white);
        p.drawRoundedRect(fan.Card(), fan.Radius, fan.Radius);
        p.fillRect(fan.Face(), fan.Faces[i]);
        p.restore();
    }
    return image;
}

QByteArray ProgramIconSvg() {
    QByteArray svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 256 256\">\n";
    const Felt felt;
    svg += Rect(QRectF(felt.Inset, felt.Inset, Canvas - 2 * felt.Inset, Canvas - 2 * felt.Inset),
                felt.Radius, felt.Fill, &felt.Edge, felt.Border);
    const Fan fan;
    const QColor black(Qt::black), white(Qt::white);
    for (std::size_t i = 0; i < fan.Angles.size(); ++i) {
        svg += "<g transform=\"translate(" + Num(fan.PivotX) + " " + Num(fan.PivotY) + ") rotate(" +
               Num(fan.Angles[i]) + ")\">\n";
        svg += "  " + Rect(fan.Card(), fan.Radius, white, &black, fan.Outline);
        svg += "  " + Rect(fan.Face(), 0, fan.Faces[i], nullptr, 0);
        svg += "</g>\n";
    }
    return svg + "</svg>\n";
}

}  // namespace tolvanis
