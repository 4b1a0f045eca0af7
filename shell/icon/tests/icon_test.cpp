// The desktop's icon files and the icon the windows paint must be one picture: the SVG's
// shapes land where the painted icon has their colours, and every fixed size was written.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTransform>
#include <QXmlStreamReader>

#include <cmath>

#include "ProgramIcon.h"

using namespace tolvanis;

namespace {

struct SvgRect {
    QTransform Place;
    QRectF Rect;
    QString Fill;
};

// The rectangles of the SVG with the turn of the group each sits in.
std::vector<SvgRect> ReadRects(const QByteArray& svg, QString* error) {
    std::vector<SvgRect> rects;
    QXmlStreamReader xml(svg);
    QTransform group;
    const QRegularExpression place(
        QStringLiteral(R"(translate\(([-\d.]+) ([-\d.]+)\) rotate\(([-\d.]+)\))"));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("g")) {
            const auto m = place.match(xml.attributes().value(QLatin1String("transform")));
            if (!m.hasMatch()) break;
            group = QTransform()
                        .translate(m.captured(1).toDouble(), m.captured(2).toDouble())
                        .rotate(m.captured(3).toDouble());
        } else if (xml.isEndElement() && xml.name() == QLatin1String("g")) {
            group = QTransform();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("rect")) {
            const auto a = xml.attributes();
            rects.push_back({group,
                             QRectF(a.value(QLatin1String("x")).toDouble(),
                                    a.value(QLatin1String("y")).toDouble(),
                                    a.value(QLatin1String("width")).toDouble(),
                                    a.value(QLatin1String("height")).toDouble()),
                             a.value(QLatin1String("fill")).toString()});
        }
    }
    if (xml.hasError()) *error = xml.errorString();
    return rects;
}

}  // namespace

TEST(ProgramIcon, SvgShapesMatchThePaintedIcon) {
    QString error;
    const std::vector<SvgRect> rects = ReadRects(ProgramIconSvg(), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    // The felt, then a card and its face for each of the four colours.
    ASSERT_EQ(rects.size(), 9u);

    const QImage painted = DrawProgramIcon(256);
    const auto colourAt = [&painted](QPointF p) {
        return QColor(painted.pixel(int(std::floor(p.x())), int(std::floor(p.y())))).name();
    };
    // A point of the felt that no card covers, and the middle of the top card's face.
    EXPECT_EQ(colourAt(rects[0].Rect.topLeft() + QPointF(30, 30)).toStdString(),
              rects[0].Fill.toStdString());
    const SvgRect& topFace = rects.back();
    EXPECT_EQ(colourAt(topFace.Place.map(topFace.Rect.center())).toStdString(),
              topFace.Fill.toStdString());
    // Each card of the fan leaves its face's top left corner in sight.
    for (std::size_t i = 2; i < rects.size(); i += 2) {
        const SvgRect& face = rects[i];
        const QPointF corner = face.Rect.topLeft() + QPointF(4, 4);
        EXPECT_EQ(colourAt(face.Place.map(corner)).toStdString(), face.Fill.toStdString())
            << "face " << i / 2;
    }
}

TEST(ProgramIcon, EveryDesktopSizeWasWritten) {
    const QString root = QStringLiteral(TOLVANIS_HICOLOR_DIR);
    const QString name = QStringLiteral(TOLVANIS_APP_ID);
    QFile svg(root + QStringLiteral("/scalable/apps/") + name + QStringLiteral(".svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_EQ(svg.readAll(), ProgramIconSvg());
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage png(root + QStringLiteral("/%1x%1/apps/").arg(size) + name +
                         QStringLiteral(".png"));
        ASSERT_FALSE(png.isNull()) << size;
        EXPECT_EQ(png.size(), QSize(size, size));
        // Transparent outside the rounded felt, opaque inside it.
        EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(png.pixel(size / 2, size / 2)), 255) << size;
    }
}
