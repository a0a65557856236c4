// The card strips: faces and backs that carry what a player expects to see in each
// cell. The one-bit mask, frame and mark are checked pixel by pixel as the board loads
// them, in the card-table tests.
#include "ArtworkTestSupport.h"

#include <gtest/gtest.h>

using namespace artwork_test;

namespace {

constexpr int kW = 71, kH = 96;
const QRgb kWhite = 0xFFFFFFFF;

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

TEST_P(FaceStrip, NumberCardsCarryOnePipPerPointInTheColourOfTheirSuit)
{
    for (int value = 0; value <= 9; ++value) {
        const QImage face = cell(strip, value);
        EXPECT_EQ(pipCount(face), value + 1) << "value " << value;
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
    expectAllDistinct(backs, 30);
}

} // namespace
