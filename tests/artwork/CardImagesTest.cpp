// The card bitmaps: exact mask, frame and mark patterns, and faces and backs
// that carry what a player expects to see in each cell.
#include "ArtworkTestSupport.h"

#include <QSet>
#include <gtest/gtest.h>
#include <functional>

using namespace artwork_test;

namespace {

constexpr int kW = 71, kH = 96;
const QRgb kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;

void expectPattern(const QImage &img, const std::function<bool(int, int)> &isWhite)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_EQ(img.pixel(x, y), isWhite(x, y) ? kWhite : kBlack) << "at " << x << "," << y;
}

TEST(CardMonoBitmaps, MaskIsWhiteOnlyInTheThreeOutsidePixelsOfEachCorner)
{
    const QImage mask = loadResource(QStringLiteral("cards/CARDMASK.png"));
    ASSERT_EQ(mask.size(), QSize(kW, kH));
    expectPattern(mask, [](int x, int y) {
        // Fold every corner onto the top-left one.
        const int fx = std::min(x, kW - 1 - x), fy = std::min(y, kH - 1 - y);
        return fx + fy <= 1;
    });
}

TEST(CardMonoBitmaps, FrameIsATwoPixelRoundedLineOneInFromTheEdge)
{
    const QImage frame = loadResource(QStringLiteral("cards/CARDFRAME.png"));
    ASSERT_EQ(frame.size(), QSize(kW, kH));
    expectPattern(frame, [](int x, int y) {
        if (y == 1 || y == 94)
            return x >= 2 && x <= 68;
        if (y == 2 || y == 93)
            return x >= 1 && x <= 69;
        if (y >= 3 && y <= 92)
            return x == 1 || x == 2 || x == 68 || x == 69;
        return false;
    });
}

TEST(CardMonoBitmaps, MarkIsASmallDownwardPointer)
{
    const QImage mark = loadResource(QStringLiteral("cards/CARDMARK.png"));
    ASSERT_EQ(mark.size(), QSize(5, 4));
    const char *rows[] = {".###.", "#####", ".###.", "..#.."};
    expectPattern(mark, [&](int x, int y) { return rows[y][x] == '#'; });
}

QImage cell(const QImage &strip, int n)
{
    return strip.copy(n * kW, 0, kW, kH).convertToFormat(QImage::Format_RGB32);
}

bool isInk(QRgb c)
{
    return colourDistance(c, kWhite) > 150;
}

bool isStrongRed(QRgb c)
{
    return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90;
}

// Separate blobs of ink in the pip area (between the corner indices).
int pipCount(const QImage &face)
{
    const QRect area(14, 6, 44, 84);
    std::vector<char> seen(size_t(kW * kH), 0);
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[size_t(y * kW + x)] || !isInk(face.pixel(x, y)))
                continue;
            ++blobs;
            std::vector<QPoint> todo{{x, y}};
            seen[size_t(y * kW + x)] = 1;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (!area.contains(q) || seen[size_t(q.y() * kW + q.x())] || !isInk(face.pixel(q)))
                        continue;
                    seen[size_t(q.y() * kW + q.x())] = 1;
                    todo.push_back(q);
                }
            }
        }
    return blobs;
}

struct SuitStrip {
    const char *file;
    bool red;
};

class FaceStrip : public ::testing::TestWithParam<SuitStrip> {
protected:
    QImage strip = loadResource(QStringLiteral("cards/%1").arg(QLatin1String(GetParam().file)));
};

TEST_P(FaceStrip, NumberCardsCarryOnePipPerPointAndTheAceOneBigPip)
{
    for (int value = 0; value <= 9; ++value)
        EXPECT_EQ(pipCount(cell(strip, value)), value + 1) << "value " << value;
}

TEST_P(FaceStrip, FacesAreWhiteCardsWithADarkBorderAndTheSpareCellIsBlank)
{
    for (int value = 0; value <= 12; ++value) {
        const QImage face = cell(strip, value);
        for (QPoint edge : {QPoint(35, 0), QPoint(35, 95), QPoint(0, 48), QPoint(70, 48)})
            EXPECT_GT(colourDistance(face.pixel(edge), kWhite), 200) << "value " << value;
        EXPECT_EQ(face.pixel(6, 40), kWhite) << "face ground, value " << value;
    }
    const QImage spare = cell(strip, 13);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            ASSERT_EQ(spare.pixel(x, y), kWhite);
}

TEST_P(FaceStrip, CornerIndexIsRepeatedUpsideDownInTheOppositeCorner)
{
    for (int value = 0; value <= 12; ++value) {
        const QImage face = cell(strip, value);
        int ink = 0, mismatch = 0;
        for (int y = 3; y < 26; ++y)
            for (int x = 2; x < 13; ++x) {
                const QRgb a = face.pixel(x, y), b = face.pixel(kW - 1 - x, kH - 1 - y);
                ink += isInk(a);
                mismatch += colourDistance(a, b) > 120;
            }
        EXPECT_GT(ink, 25) << "value " << value;
        EXPECT_LT(mismatch, 6) << "value " << value;
    }
}

TEST_P(FaceStrip, SuitColourMatchesTheSuit)
{
    for (int value = 0; value <= 9; ++value) {
        const QImage face = cell(strip, value);
        int red = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                red += isStrongRed(face.pixel(x, y));
        if (GetParam().red)
            EXPECT_GT(red, 40) << "value " << value;
        else
            EXPECT_EQ(red, 0) << "value " << value;
    }
}

TEST_P(FaceStrip, CourtCardsShowAColourfulPictureMirroredTopToBottom)
{
    for (int value = 10; value <= 12; ++value) {
        const QImage face = cell(strip, value);
        QSet<QRgb> colours;
        int mismatch = 0, total = 0;
        for (int y = 10; y < 48; ++y)
            for (int x = 16; x < 56; ++x) {
                colours.insert(face.pixel(x, y));
                mismatch += colourDistance(face.pixel(x, y), face.pixel(kW - 1 - x, kH - 1 - y)) > 120;
                ++total;
            }
        EXPECT_GE(colours.size(), 20) << "value " << value;
        EXPECT_LT(mismatch, total / 20) << "value " << value;
    }
}

INSTANTIATE_TEST_SUITE_P(Suits, FaceStrip,
                         ::testing::Values(SuitStrip{"CLUBS.png", false}, SuitStrip{"DIAMONDS.png", true},
                                           SuitStrip{"HEARTS.png", true}, SuitStrip{"SPADES.png", false}),
                         [](const auto &info) { return std::string(info.param.file).substr(0, std::string(info.param.file).find('.')); });

TEST(CardBacks, FourteenDistinctPicturesOnColouredFields)
{
    const QImage strip = loadResource(QStringLiteral("cards/CARDBACK.png"));
    std::vector<QImage> backs;
    for (int n = 0; n < 14; ++n) {
        backs.push_back(cell(strip, n));
        int coloured = 0;
        for (int y = 4; y < kH - 4; ++y)
            for (int x = 4; x < kW - 4; ++x)
                coloured += isInk(backs.back().pixel(x, y));
        EXPECT_GT(coloured, (kW - 8) * (kH - 8) / 2) << "back " << n << " is mostly white";
        EXPECT_GT(colourDistance(backs.back().pixel(35, 0), kWhite), 200) << "back " << n << " border";
    }
    for (int a = 0; a < 14; ++a)
        for (int b = a + 1; b < 14; ++b) {
            qint64 diff = 0;
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x)
                    diff += colourDistance(backs[size_t(a)].pixel(x, y), backs[size_t(b)].pixel(x, y));
            EXPECT_GT(diff / (kW * kH), 30) << "backs " << a << " and " << b << " look alike";
        }
}

} // namespace
