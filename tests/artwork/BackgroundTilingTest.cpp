// Board pictures are tiled, so the wrap edge must look like any other seam.
#include "ArtworkTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

using namespace artwork_test;

namespace {

constexpr int kTile = 200;

// Mean colour distance between column a and column b (or rows, transposed).
double lineDifference(const QImage &img, int a, int b, bool columns)
{
    double sum = 0;
    for (int i = 0; i < kTile; ++i)
        sum += columns ? colourDistance(img.pixel(a, i), img.pixel(b, i))
                       : colourDistance(img.pixel(i, a), img.pixel(i, b));
    return sum / kTile;
}

// Neighbouring lines of a picture are alike, lines far apart are not. The wrap seam of
// a seamless tile must be nearer the first than the second: below the midpoint between
// the median neighbour difference and the mean difference of lines half a tile apart.
bool wrapsSeamlessly(const QImage &img, bool columns, std::string *why)
{
    std::vector<double> neighbours;
    double farApart = 0;
    for (int i = 0; i < kTile; ++i) {
        if (i + 1 < kTile)
            neighbours.push_back(lineDifference(img, i, i + 1, columns));
        farApart += lineDifference(img, i, (i + kTile / 2) % kTile, columns) / kTile;
    }
    std::nth_element(neighbours.begin(), neighbours.begin() + long(neighbours.size() / 2), neighbours.end());
    const double typical = neighbours[neighbours.size() / 2];
    const double wrap = lineDifference(img, kTile - 1, 0, columns);
    *why = "wrap " + std::to_string(wrap) + ", neighbours " + std::to_string(typical) +
           ", far apart " + std::to_string(farApart);
    return wrap < (typical + farApart) / 2;
}

// The same picture with its motifs left cut at one edge: turned round so the busiest
// column is the left edge, then the last columns painted over with the ground colour,
// as if the motifs there had not been wrapped.
QImage withCutMotifs(const QImage &img)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            ++counts[img.pixel(x, y)];
    const QRgb ground = std::max_element(counts.begin(), counts.end(),
                                         [](auto a, auto b) { return a.second < b.second; })->first;
    int busiest = 0, most = -1;
    for (int x = 0; x < kTile; ++x) {
        int busy = 0;
        for (int y = 0; y < kTile; ++y)
            busy += img.pixel(x, y) != ground;
        if (busy > most)
            most = busy, busiest = x;
    }
    QImage out(img.size(), QImage::Format_RGB32);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            out.setPixel(x, y, x >= kTile - 15 ? ground : img.pixel((x + busiest) % kTile, y));
    return out;
}

// The criterion has to notice cut motifs too, or it proves nothing.
TEST(Background, TilesWithoutASeamAcrossBothEdgesAndTheCriterionSeesCutMotifs)
{
    for (const char *name : {"BELLS", "CANDYCANES", "GIFTS", "SNOWFLAKES1", "SNOW", "SNOWFLAKES2"}) {
        SCOPED_TRACE(name);
        const QImage img = loadResource(QStringLiteral("backgrounds/%1.png").arg(name))
                               .convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(img.size(), QSize(kTile, kTile));
        std::string why;
        EXPECT_TRUE(wrapsSeamlessly(img, true, &why)) << "left/right: " << why;
        EXPECT_TRUE(wrapsSeamlessly(img, false, &why)) << "top/bottom: " << why;
        EXPECT_FALSE(wrapsSeamlessly(withCutMotifs(img), true, &why)) << "cut motifs: " << why;
    }
}

} // namespace
