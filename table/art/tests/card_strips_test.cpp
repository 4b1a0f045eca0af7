// Checks the generated card strips the way the table uses them: cut into 13 equal cells,
// the colour pick reading exact pixel colours from the wild cards, and every picture
// telling itself apart from the others.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <array>
#include <cstdlib>
#include <string>

namespace {

constexpr int kCells = 13;
const std::array<const char*, 4> kSuitStrips = {"Red3.bmp", "Green3.bmp", "Blue3.bmp",
                                                "Yellow3.bmp"};
const std::array<QRgb, 4> kPickColours = {qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 128),
                                          qRgb(128, 128, 0)};

QString stripPath(const char* file) {
    return QStringLiteral(TOLVANIS_STRIP_DIR "/") + QString::fromLatin1(file);
}

QImage loadStrip(const char* file) {
    QImage image(stripPath(file));
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

std::array<QImage, 5> allStrips() {
    return {loadStrip(kSuitStrips[0]), loadStrip(kSuitStrips[1]), loadStrip(kSuitStrips[2]),
            loadStrip(kSuitStrips[3]), loadStrip("Backs4.bmp")};
}

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

TEST(CardStrips, AreStoredAsTwentyFourBitBitmaps) {
    for (const char* file : {"Red3.bmp", "Green3.bmp", "Blue3.bmp", "Yellow3.bmp", "Backs4.bmp"}) {
        QFile f(stripPath(file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file;
        const QByteArray head = f.read(30);
        ASSERT_EQ(head.size(), 30);
        EXPECT_EQ(head.left(2), QByteArray("BM")) << file;
        const int bitsPerPixel =
            static_cast<unsigned char>(head[28]) | (static_cast<unsigned char>(head[29]) << 8);
        EXPECT_EQ(bitsPerPixel, 24) << file;
    }
}

TEST(CardStrips, WildCardsCarryTheFourPickColoursOverTheirMiddle) {
    const QImage backs = loadStrip("Backs4.bmp");
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
        EXPECT_EQ(pickColourAt(wild, 2, 2), -1);
        EXPECT_EQ(pickColourAt(wild, wild.width() / 2, 3), -1);
        EXPECT_EQ(pickColourAt(wild, 3, wild.height() / 2), -1);
    }
}

TEST(CardStrips, NoOtherPictureUsesAPickColour) {
    const auto strips = allStrips();
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

TEST(CardStrips, EveryCellIsACardOnFeltCorners) {
    const auto strips = allStrips();
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
                    const bool inCorner = (x < 10 || x > r - 10) && (y < 10 || y > b - 10);
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
