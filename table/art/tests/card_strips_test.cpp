// Checks the generated card strips the way the table uses them, at 1x and in the denser
// @2x and @3x strips: cut into 13 equal cells, the colour pick reading exact pixel colours
// from the wild cards, every picture telling itself apart from the others, and every face
// naming itself in the corner that a fanned hand leaves showing.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kCells = 13;
const std::array<const char*, 4> kSuitStrips = {"Red3.bmp", "Green3.bmp", "Blue3.bmp",
                                                "Yellow3.bmp"};
const std::array<QRgb, 4> kPickColours = {qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 128),
                                          qRgb(128, 128, 0)};

constexpr std::array<int, 3> kDensities = {1, 2, 3};

// "Red3.bmp" at density 2 is "Red3@2x.bmp".
QString stripPath(const char* file, int density = 1) {
    QString name = QString::fromLatin1(file);
    if (density > 1) name.replace(QStringLiteral(".bmp"), QStringLiteral("@%1x.bmp").arg(density));
    return QStringLiteral(TOLVANIS_STRIP_DIR "/") + name;
}

QImage loadStrip(const char* file, int density = 1) {
    QImage image(stripPath(file, density));
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage cell(const QImage& strip, int n) {
    const int w = strip.width() / kCells;
    return strip.copy(n * w, 0, w, strip.height());
}

int countColour(const QImage& img, QRgb colour) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if ((img.pixel(x, y) & 0xffffff) == (colour & 0xffffff)) ++n;
        }
    }
    return n;
}

int pickColourAt(const QImage& img, int x, int y) {
    const QRgb px = img.pixel(x, y) & 0xffffff;
    for (int c = 0; c < 4; ++c) {
        if (px == (kPickColours[c] & 0xffffff)) return c;
    }
    return -1;
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

std::array<QImage, 5> allStrips(int density = 1) {
    return {loadStrip(kSuitStrips[0], density), loadStrip(kSuitStrips[1], density),
            loadStrip(kSuitStrips[2], density), loadStrip(kSuitStrips[3], density),
            loadStrip("Backs4.bmp", density)};
}

class DenseStrips : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(AtEveryDensity, DenseStrips, ::testing::ValuesIn(kDensities),
                         [](const auto& info) { return std::to_string(info.param) + "x"; });

}  // namespace

TEST(CardStrips, AreOneRowOfThirteenEqualCellsOfOneCardSize) {
    const auto strips = allStrips();
    for (const QImage& strip : strips) {
        ASSERT_FALSE(strip.isNull());
        EXPECT_EQ(strip.width() % kCells, 0);
        EXPECT_EQ(strip.size(), strips[0].size()) << "every strip must give the same card size";
    }
    const int w = strips[0].width() / kCells, h = strips[0].height();
    EXPECT_GE(w, 60);
    EXPECT_LE(w, 90);
    EXPECT_GE(h, 80);
    EXPECT_LE(h, 110);
    EXPECT_GT(h, w) << "cards stand upright";
}

// The denser strips are the same cards on a finer grid: exactly 2 or 3 times the size, and
// brought down to 1x they look like the 1x strips.
TEST_P(DenseStrips, AreTheOneXCardsOnAFinerGrid) {
    const int density = GetParam();
    const auto ones = allStrips(1), dense = allStrips(density);
    for (int s = 0; s < 5; ++s) {
        ASSERT_FALSE(dense[s].isNull()) << "strip " << s;
        EXPECT_EQ(dense[s].size(), ones[s].size() * density) << "strip " << s;
        const QImage down =
            dense[s].scaled(ones[s].size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (int n = 0; n < kCells; ++n) {
            EXPECT_LT(meanDifference(cell(down, n), cell(ones[s], n)), 8.0)
                << "strip " << s << " cell " << n;
        }
    }
}

TEST_P(DenseStrips, AreStoredAsTwentyFourBitBitmaps) {
    for (const char* file : {"Red3.bmp", "Green3.bmp", "Blue3.bmp", "Yellow3.bmp", "Backs4.bmp"}) {
        QFile f(stripPath(file, GetParam()));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file;
        const QByteArray head = f.read(30);
        ASSERT_EQ(head.size(), 30);
        EXPECT_EQ(head.left(2), QByteArray("BM")) << file;
        const int bitsPerPixel =
            static_cast<unsigned char>(head[28]) | (static_cast<unsigned char>(head[29]) << 8);
        EXPECT_EQ(bitsPerPixel, 24) << file;
    }
}

TEST_P(DenseStrips, WildCardsCarryTheFourPickColoursOverTheirMiddle) {
    const QImage backs = loadStrip("Backs4.bmp", GetParam());
    ASSERT_FALSE(backs.isNull());
    for (int n : {0, 12}) {
        const QImage wild = cell(backs, n);
        const int area = wild.width() * wild.height();
        for (QRgb colour : kPickColours) {
            EXPECT_GT(countColour(wild, colour), area / 14)
                << "cell " << n << ": a pick area too small to hit, colour " << std::hex << colour;
        }
        // A click a little off the middle towards each corner lands in four different areas.
        const int cx = wild.width() / 2, cy = wild.height() / 2;
        const int dx = wild.width() / 5, dy = wild.height() / 5;
        std::array<int, 4> seen = {
            pickColourAt(wild, cx - dx, cy - dy), pickColourAt(wild, cx + dx, cy - dy),
            pickColourAt(wild, cx - dx, cy + dy), pickColourAt(wild, cx + dx, cy + dy)};
        for (int i = 0; i < 4; ++i) {
            EXPECT_NE(seen[i], -1) << "cell " << n << " probe " << i;
            for (int j = 0; j < i; ++j)
                EXPECT_NE(seen[i], seen[j]) << "cell " << n;
        }
        // The card's rim and corners answer no colour.
        const int d = GetParam();
        EXPECT_EQ(pickColourAt(wild, 2 * d, 2 * d), -1);
        EXPECT_EQ(pickColourAt(wild, wild.width() / 2, 3 * d), -1);
        EXPECT_EQ(pickColourAt(wild, 3 * d, wild.height() / 2), -1);
    }
}

// The dense wild cards keep the areas of the 1x ones, filled edge to edge with the exact pick
// colour: wherever a 1x pixel lies inside an area, the whole block it becomes does too.
TEST_P(DenseStrips, WildCardAreasKeepTheirPlacesWithHardEdges) {
    const int d = GetParam();
    const QImage ones = loadStrip("Backs4.bmp", 1), dense = loadStrip("Backs4.bmp", d);
    for (int n : {0, 12}) {
        const QImage one = cell(ones, n), many = cell(dense, n);
        for (int y = 1; y + 1 < one.height(); ++y) {
            for (int x = 1; x + 1 < one.width(); ++x) {
                const int c = pickColourAt(one, x, y);
                if (c < 0) continue;
                bool inside = true;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        inside = inside && pickColourAt(one, x + dx, y + dy) == c;
                if (!inside) continue;
                for (int by = 0; by < d; ++by) {
                    for (int bx = 0; bx < d; ++bx) {
                        if (pickColourAt(many, x * d + bx, y * d + by) != c) {
                            ADD_FAILURE() << "cell " << n << " at " << x << "," << y;
                            return;
                        }
                    }
                }
            }
        }
        // As large as the 1x areas, to the rounding of their edges.
        for (QRgb colour : kPickColours) {
            const double want = countColour(one, colour) * d * d;
            EXPECT_NEAR(countColour(many, colour), want, want * 0.06) << "cell " << n;
        }
    }
}

TEST_P(DenseStrips, NoOtherPictureUsesAPickColour) {
    const auto strips = allStrips(GetParam());
    for (int s = 0; s < 5; ++s) {
        for (int n = 0; n < kCells; ++n) {
            if (s == 4 && (n == 0 || n == 12)) continue;  // the wild cards
            const QImage c = cell(strips[s], n);
            for (QRgb colour : kPickColours) {
                EXPECT_EQ(countColour(c, colour), 0)
                    << "strip " << s << " cell " << n << " colour " << std::hex << colour;
            }
        }
    }
}

TEST_P(DenseStrips, EveryCellIsACardOnFeltCorners) {
    const int d = GetParam();
    const auto strips = allStrips(d);
    const QRgb felt = strips[0].pixel(0, 0);
    for (int s = 0; s < 5; ++s) {
        for (int n = 0; n < kCells; ++n) {
            const QImage c = cell(strips[s], n);
            const int r = c.width() - 1, b = c.height() - 1;
            for (QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)}) {
                EXPECT_EQ(c.pixel(corner), felt) << "strip " << s << " cell " << n;
            }
            // The felt colour stays in the corners, so keying it out never cuts into a card.
            for (int y = 0; y < c.height(); ++y) {
                for (int x = 0; x < c.width(); ++x) {
                    const bool inCorner =
                        (x < 10 * d || x > r - 10 * d) && (y < 10 * d || y > b - 10 * d);
                    if (!inCorner && c.pixel(x, y) == felt) {
                        ADD_FAILURE() << "felt inside strip " << s << " cell " << n << " at " << x
                                      << "," << y;
                        return;
                    }
                }
            }
            // Not a blank cell: the middle is part of the card, not the felt.
            EXPECT_NE(c.pixel(c.width() / 2, c.height() / 2), felt)
                << "strip " << s << " cell " << n;
        }
    }
}

TEST(CardStrips, PicturesTellThemselvesApart) {
    const auto strips = allStrips();
    // Every face of a suit differs from every other face of that suit.
    for (int s = 0; s < 4; ++s) {
        for (int i = 0; i < kCells; ++i) {
            for (int j = 0; j < i; ++j) {
                EXPECT_GT(meanDifference(cell(strips[s], i), cell(strips[s], j)), 2.0)
                    << kSuitStrips[s] << " cells " << i << " and " << j;
            }
        }
    }
    // The same face differs clearly between suits.
    for (int s = 0; s < 4; ++s) {
        for (int t = 0; t < s; ++t) {
            EXPECT_GT(meanDifference(cell(strips[s], 4), cell(strips[t], 4)), 15.0)
                << kSuitStrips[s] << " and " << kSuitStrips[t];
        }
    }
    // Seven backs that a player can tell apart at a glance, and four distinct markers.
    const QImage& backs = strips[4];
    for (int i = 1; i <= 7; ++i) {
        for (int j = 1; j < i; ++j) {
            EXPECT_GT(meanDifference(cell(backs, i), cell(backs, j)), 15.0)
                << "backs " << i << " and " << j;
        }
    }
    for (int i = 8; i <= 11; ++i) {
        for (int j = 8; j < i; ++j) {
            EXPECT_GT(meanDifference(cell(backs, i), cell(backs, j)), 8.0)
                << "markers " << i << " and " << j;
        }
    }
    EXPECT_GT(meanDifference(cell(backs, 0), cell(backs, 12)), 2.0) << "+4 and colour change";
}

// In a fanned hand only the top-left corner of a card is sure to show: about 14 pixels of its
// left edge in a row and 11 of its top edge in a column. That corner alone must tell every
// face from every other, and from the felt and the backs.
TEST_P(DenseStrips, EveryFaceNamesItselfInTheCornerAFanLeavesShowing) {
    const int d = GetParam();
    const auto strips = allStrips(d);
    const QRect corner(0, 0, 14 * d, 11 * d);
    struct Face {
        std::string name;
        QImage corner;
    };
    std::vector<Face> faces;
    for (int s = 0; s < 4; ++s)
        for (int n = 0; n < kCells; ++n)
            faces.push_back({std::string(kSuitStrips[s]) + " cell " + std::to_string(n),
                             cell(strips[s], n).copy(corner)});
    for (int n : {0, 8, 9, 10, 11, 12})
        faces.push_back({"Backs4 cell " + std::to_string(n), cell(strips[4], n).copy(corner)});

    for (std::size_t i = 0; i < faces.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_GT(meanDifference(faces[i].corner, faces[j].corner), 6.0)
                << faces[i].name << " and " << faces[j].name;
        }
    }
    QImage felt(corner.size(), QImage::Format_RGB32);
    felt.fill(strips[0].pixel(0, 0));
    for (const Face& face : faces) {
        EXPECT_GT(meanDifference(face.corner, felt), 30.0) << face.name;
        for (int back = 1; back <= 7; ++back) {
            EXPECT_GT(meanDifference(face.corner, cell(strips[4], back).copy(corner)), 10.0)
                << face.name << " and back " << back;
        }
    }
}
