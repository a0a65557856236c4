// The shell's pictures: icons, chooser scene, game-over pictures.
#include "ArtworkTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace artwork_test;

namespace {

// Standard deviation of the grey level over r.
double lumaSpread(const QImage &img, const QRect &r)
{
    double sum = 0, sq = 0;
    const int n = r.width() * r.height();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const int g = qGray(img.pixel(x, y));
            sum += g;
            sq += double(g) * g;
        }
    const double mean = sum / n;
    return std::sqrt(std::max(0.0, sq / n - mean * mean));
}

int saturation(QRgb c)
{
    return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
}

TEST(ToolbarIcons, DrawnOnATransparentGroundWithDisabledGreyAndHotBrighter)
{
    const auto load = [](const char *f) { return loadResource(QLatin1String(f)).convertToFormat(QImage::Format_ARGB32); };
    const QImage normal = load("icons/normal.png"), disabled = load("icons/disabled.png"), hot = load("icons/hot.png");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(qAlpha(normal.pixel(i * 18, 0)) + qAlpha(hot.pixel(i * 18, 0)), 0) << "icon " << i;
    long normalLuma = 0, hotLuma = 0;
    int colourful = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 90; ++x) {
            if (qAlpha(normal.pixel(x, y)) < 200)
                continue;
            normalLuma += qGray(normal.pixel(x, y));
            hotLuma += qGray(hot.pixel(x, y));
            colourful += saturation(normal.pixel(x, y)) > 60;
            EXPECT_LE(saturation(disabled.pixel(x, y)), 12) << "disabled pixel " << x << "," << y;
            EXPECT_LT(qAlpha(disabled.pixel(x, y)), qAlpha(normal.pixel(x, y)));
        }
    EXPECT_GT(colourful, 100);
    EXPECT_GT(hotLuma, normalLuma * 105 / 100);
}

TEST(ChooserScene, FiguresFillTheirHotAreas)
{
    const QImage scene = loadResource(QStringLiteral("chooser/CHOOSER.jpg"));
    // Hot areas are given on the panel, one pixel further out than the picture.
    for (QRect hot : {QRect(152, 168, 89, 114), QRect(272, 248, 113, 89), QRect(400, 184, 65, 76)})
        EXPECT_GT(lumaSpread(scene, hot.translated(-1, -1)), 35) << "empty hot area at " << hot.x();
    EXPECT_LT(lumaSpread(scene, QRect(7, 7, 330, 16)), 12) << "the caption corner is calm";
}

TEST(GameOverPictures, TwelveDifferentPictures)
{
    std::vector<QImage> all;
    for (const char *mood : {"WIN", "LOOSE", "DRAW"})
        for (int n = 1; n <= 4; ++n)
            all.push_back(loadResource(QStringLiteral("gameover/%1%2.png").arg(mood).arg(n)));
    expectAllDistinct(all, 20);
}

} // namespace
