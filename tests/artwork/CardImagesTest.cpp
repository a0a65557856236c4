// The card strips: faces and backs that carry what a player expects to see in each
// cell. The one-bit mask, frame and mark are checked pixel by pixel as the board loads
// them, in the card-table tests.
#include "ArtworkTestSupport.h"

#include <gtest/gtest.h>

using namespace artwork_test;

namespace {

constexpr int kW = 71, kH = 96;

QImage cell(const QImage &strip, int n)
{
    return strip.copy(n * kW, 0, kW, kH).convertToFormat(QImage::Format_RGB32);
}

bool isInk(QRgb c)
{
    return colourDistance(c, 0xFFFFFFFF) > 150;
}

// Separate blobs of ink in the pip area (between the corner indices).
int pipCount(const QImage &face)
{
    const QRect area(14, 6, 44, 84);
    std::vector<bool> seen(size_t(kW * kH));
    const auto visit = [&](QPoint p, std::vector<QPoint> &todo) {
        if (!area.contains(p) || seen[size_t(p.y() * kW + p.x())] || !isInk(face.pixel(p)))
            return false;
        seen[size_t(p.y() * kW + p.x())] = true;
        todo.push_back(p);
        return true;
    };
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            std::vector<QPoint> todo;
            blobs += visit({x, y}, todo);
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                    visit(p + d, todo);
            }
        }
    return blobs;
}

TEST(FaceStrip, NumberCardsCarryOnePipPerPointInTheColourOfTheirSuit)
{
    for (const auto &[file, red] : {std::pair{"CLUBS", false}, {"DIAMONDS", true}, {"HEARTS", true}, {"SPADES", false}}) {
        const QImage strip = loadResource(QStringLiteral("cards/%1.png").arg(file));
        for (int value = 0; value <= 9; ++value) {
            SCOPED_TRACE(std::string(file) + " value " + std::to_string(value));
            const QImage face = cell(strip, value);
            EXPECT_EQ(pipCount(face), value + 1);
            int strongRed = 0;
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x) {
                    const QRgb c = face.pixel(x, y);
                    strongRed += qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90;
                }
            if (red)
                EXPECT_GT(strongRed, 40);
            else
                EXPECT_EQ(strongRed, 0);
        }
    }
}

TEST(CardBacks, FourteenDistinctPictures)
{
    const QImage strip = loadResource(QStringLiteral("cards/CARDBACK.png"));
    std::vector<QImage> backs;
    for (int n = 0; n < 14; ++n)
        backs.push_back(cell(strip, n));
    expectAllDistinct(backs, 30);
}

} // namespace
