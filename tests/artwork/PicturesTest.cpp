// The shell's pictures: icons, chooser labels and scene, game-over pictures.
#include "ArtworkTestSupport.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace artwork_test;

namespace {

struct Stats {
    double meanLuma = 0;
    double lumaSpread = 0; // standard deviation
};

Stats stats(const QImage &img, const QRect &r)
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
    return {mean, std::sqrt(std::max(0.0, sq / n - mean * mean))};
}

int saturation(QRgb c)
{
    return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
}

TEST(ToolbarIcons, EachIconIsDrawnOnATransparentGround)
{
    for (const char *file : {"icons/normal.png", "icons/disabled.png", "icons/hot.png"}) {
        const QImage strip = loadResource(QLatin1String(file)).convertToFormat(QImage::Format_ARGB32);
        for (int i = 0; i < 5; ++i) {
            int opaque = 0;
            for (int y = 0; y < 18; ++y)
                for (int x = 0; x < 18; ++x)
                    opaque += qAlpha(strip.pixel(i * 18 + x, y)) > 100;
            EXPECT_EQ(qAlpha(strip.pixel(i * 18, 0)), 0) << file << " icon " << i;
            EXPECT_GT(opaque, 40) << file << " icon " << i << " is nearly empty";
        }
    }
}

TEST(ToolbarIcons, DisabledIsGreyAndHotIsBrighterThanNormal)
{
    const auto load = [](const char *f) { return loadResource(QLatin1String(f)).convertToFormat(QImage::Format_ARGB32); };
    const QImage normal = load("icons/normal.png"), disabled = load("icons/disabled.png"), hot = load("icons/hot.png");
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

TEST(ChooserLabels, WordsAreBlackOnWhiteAndNotClipped)
{
    for (const char *word : {"MOVER", "HEAP", "ROUND"}) {
        const QImage label = loadResource(QStringLiteral("chooser/LABEL_%1.png").arg(QLatin1String(word)));
        int black = 0;
        for (int y = 0; y < label.height(); ++y)
            for (int x = 0; x < label.width(); ++x) {
                const int g = qGray(label.pixel(x, y));
                black += g < 60;
                const bool edge = x == 0 || y == 0 || x == label.width() - 1 || y == label.height() - 1;
                if (edge) {
                    EXPECT_GT(g, 240) << word << " touches the edge at " << x << "," << y;
                }
            }
        EXPECT_GT(black, 80) << word;
    }
}

TEST(ChooserLabels, HoverFacesAreColouredButtons)
{
    for (const char *word : {"MOVER", "HEAP", "ROUND"}) {
        const QImage hover = loadResource(QStringLiteral("chooser/HOVER_%1.png").arg(QLatin1String(word)));
        EXPECT_GT(saturation(hover.pixel(3, 15)), 60) << word;
        EXPECT_GT(stats(hover, QRect(12, 8, 48, 15)).lumaSpread, 30) << word << " shows no word";
    }
}

TEST(ChooserScene, FiguresFillTheirHotAreasAndTheCaptionCornerIsCalm)
{
    const QImage scene = loadResource(QStringLiteral("chooser/CHOOSER.jpg"));
    // Hot areas are given on the panel, one pixel further out than the picture.
    for (QRect hot : {QRect(152, 168, 89, 114), QRect(272, 248, 113, 89), QRect(400, 184, 65, 76)})
        EXPECT_GT(stats(scene, hot.translated(-1, -1)).lumaSpread, 35) << "empty hot area at " << hot.x();
    EXPECT_LT(stats(scene, QRect(7, 7, 330, 16)).lumaSpread, 12);
}

TEST(GameOverPictures, TwelveDifferentPictures)
{
    std::vector<QImage> all;
    for (const char *mood : {"WIN", "LOOSE", "DRAW"})
        for (int n = 1; n <= 4; ++n)
            all.push_back(loadResource(QStringLiteral("gameover/%1%2.png").arg(QLatin1String(mood)).arg(n)));
    for (size_t a = 0; a < all.size(); ++a)
        for (size_t b = a + 1; b < all.size(); ++b) {
            qint64 diff = 0;
            for (int y = 0; y < 128; ++y)
                for (int x = 0; x < 128; ++x)
                    diff += colourDistance(all[a].pixel(x, y), all[b].pixel(x, y));
            EXPECT_GT(diff / (128 * 128), 20) << "pictures " << a << " and " << b << " look alike";
        }
}

TEST(DialogWallpaper, FirstSnowflakePictureIsLightAndQuietUnderText)
{
    const Stats s = stats(loadResource(QStringLiteral("backgrounds/SNOWFLAKES1.png")), QRect(0, 0, 200, 200));
    EXPECT_GT(s.meanLuma, 200);
    EXPECT_LT(s.lumaSpread, 25);
}

TEST(AboutPicture, FaceAndCardsOnATransparentGround)
{
    const QImage about = loadResource(QStringLiteral("about/ABOUT.png")).convertToFormat(QImage::Format_ARGB32);
    for (QPoint corner : {QPoint(0, 0), QPoint(127, 0), QPoint(0, 127), QPoint(127, 127)})
        EXPECT_EQ(qAlpha(about.pixel(corner)), 0);
    EXPECT_EQ(qAlpha(about.pixel(64, 80)), 255);
}

} // namespace
