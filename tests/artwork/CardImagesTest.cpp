// The card bitmaps: exact mask, frame and mark patterns, and faces and backs
// that carry what a player expects to see in each cell.
#include "ArtworkTestSupport.h"

#include <gtest/gtest.h>
#include <functional>

using namespace artwork_test;

namespace {

constexpr int kW = 71, kH = 96;
const QRgb kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;

// Loads a one-bit card bitmap and compares every pixel with the pattern.
void expectPattern(const char *file, QSize size, const std::function<bool(int, int)> &isWhite)
{
    const QImage img = loadResource(QStringLiteral("cards/%1").arg(QLatin1String(file)));
    ASSERT_EQ(img.size(), size) << file;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_EQ(img.pixel(x, y), isWhite(x, y) ? kWhite : kBlack) << file << " at " << x << "," << y;
}

TEST(CardMonoBitmaps, MaskFrameAndMarkMatchTheirExactPatterns)
{
    // The mask is white only in the three outside pixels of each corner.
    expectPattern("CARDMASK.png", {kW, kH}, [](int x, int y) {
        return std::min(x, kW - 1 - x) + std::min(y, kH - 1 - y) <= 1;
    });
    // The frame is a two-pixel rounded line one in from the edge.
    expectPattern("CARDFRAME.png", {kW, kH}, [](int x, int y) {
        if (y == 1 || y == 94)
            return x >= 2 && x <= 68;
        if (y == 2 || y == 93)
            return x >= 1 && x <= 69;
        return y >= 3 && y <= 92 && (x == 1 || x == 2 || x == 68 || x == 69);
    });
    const char *rows[] = {".###.", "#####", ".###.", "..#.."};
    expectPattern("CARDMARK.png", {5, 4}, [&](int x, int y) { return rows[y][x] == '#'; });
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

INSTANTIATE_TEST_SUITE_P(Suits, FaceStrip,
                         ::testing::Values(SuitStrip{"CLUBS.png", false}, SuitStrip{"DIAMONDS.png", true},
                                           SuitStrip{"HEARTS.png", true}, SuitStrip{"SPADES.png", false}),
                         [](const auto &info) { return std::string(info.param.file).substr(0, std::string(info.param.file).find('.')); });

TEST(CardBacks, FourteenDistinctPictures)
{
    const QImage strip = loadResource(QStringLiteral("cards/CARDBACK.png"));
    std::vector<QImage> backs;
    for (int n = 0; n < 14; ++n)
        backs.push_back(cell(strip, n));
    for (size_t a = 0; a < backs.size(); ++a)
        for (size_t b = a + 1; b < backs.size(); ++b)
            EXPECT_GT(meanDistance(backs[a], backs[b]), 30) << "backs " << a << " and " << b << " look alike";
}

} // namespace
