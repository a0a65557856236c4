// Every committed picture has the size and pixel format the game loads it with.
#include "ArtworkTestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace artwork_test;

namespace {

enum class Kind { Palette256, Palette16, Mono, Rgb24, Argb, Jpeg };

struct Expected {
    std::string path;
    int width, height;
    Kind kind;
};

std::vector<Expected> allResources()
{
    std::vector<Expected> all = {
        {"cards/CARDMASK.png", 71, 96, Kind::Mono},
        {"cards/CARDFRAME.png", 71, 96, Kind::Mono},
        {"cards/CARDMARK.png", 5, 4, Kind::Mono},
        {"chooser/CHOOSER.jpg", 605, 373, Kind::Jpeg},
        {"about/ABOUT.png", 128, 128, Kind::Argb},
    };
    for (const std::string strip : {"CLUBS", "DIAMONDS", "HEARTS", "SPADES", "CARDBACK"})
        all.push_back({"cards/" + strip + ".png", 994, 96, Kind::Palette256});
    for (const char *word : {"MOVER", "HEAP", "ROUND"}) {
        all.push_back({(QStringLiteral("chooser/LABEL_%1.png").arg(QLatin1String(word)).toStdString()), 71, 29, Kind::Palette16});
        all.push_back({(QStringLiteral("chooser/HOVER_%1.png").arg(QLatin1String(word)).toStdString()), 72, 31, Kind::Rgb24});
    }
    for (const char *icons : {"icons/normal.png", "icons/disabled.png", "icons/hot.png"})
        all.push_back({icons, 90, 18, Kind::Argb});
    for (const char *bg : {"BELLS", "CANDYCANES", "GIFTS", "SNOWFLAKES1", "SNOW", "SNOWFLAKES2"})
        all.push_back({(QStringLiteral("backgrounds/%1.png").arg(QLatin1String(bg)).toStdString()), 200, 200, Kind::Palette16});
    for (const char *mood : {"WIN", "LOOSE", "DRAW"})
        for (int n = 1; n <= 4; ++n)
            all.push_back({(QStringLiteral("gameover/%1%2.png").arg(QLatin1String(mood)).arg(n)).toStdString(), 128, 128, Kind::Rgb24});
    // Every picture also for screens of two and three device pixels per pixel.
    const size_t classic = all.size();
    for (int scale : {2, 3})
        for (size_t i = 0; i < classic; ++i) {
            const Expected &e = all[i];
            const size_t dot = e.path.rfind('.');
            all.push_back({e.path.substr(0, dot) + "@" + std::to_string(scale) + "x" + e.path.substr(dot),
                           e.width * scale, e.height * scale, e.kind});
        }
    // The program icon has sizes of its own.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        all.push_back({(QStringLiteral("icons/mainicon-%1.png").arg(size)).toStdString(), size, size, Kind::Argb});
    return all;
}

class ResourceFormat : public ::testing::TestWithParam<Expected> {};

TEST_P(ResourceFormat, HasItsSizeAndPixelFormat)
{
    const Expected e = GetParam();
    const QString path = QString::fromStdString(e.path);
    const QImage img = loadResource(path);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(e.width, e.height));
    const PngHeader png = readPngHeader(resourcePath(path));
    switch (e.kind) {
    case Kind::Palette256:
    case Kind::Palette16:
        EXPECT_EQ(img.format(), QImage::Format_Indexed8);
        EXPECT_EQ(png.colourType, 3);
        EXPECT_LE(img.colorCount(), e.kind == Kind::Palette16 ? 16 : 256);
        // A palette of one or two colours would mean the picture was lost.
        EXPECT_GE(img.colorCount(), 2);
        break;
    case Kind::Mono:
        EXPECT_EQ(img.format(), QImage::Format_Mono);
        EXPECT_EQ(png.bitDepth, 1);
        break;
    case Kind::Rgb24:
        EXPECT_EQ(png.colourType, 2);
        EXPECT_EQ(png.bitDepth, 8);
        EXPECT_FALSE(img.hasAlphaChannel());
        break;
    case Kind::Argb:
        EXPECT_EQ(png.colourType, 6);
        EXPECT_TRUE(img.hasAlphaChannel());
        break;
    case Kind::Jpeg: {
        QFile f(resourcePath(path));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.read(2) == QByteArray("\xFF\xD8", 2)) << "not a JPEG stream";
        break;
    }
    }
}

INSTANTIATE_TEST_SUITE_P(Committed, ResourceFormat, ::testing::ValuesIn(allResources()),
                         [](const ::testing::TestParamInfo<Expected> &info) {
                             return QString::fromStdString(info.param.path)
                                 .replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"))
                                 .toStdString();
                         });

} // namespace
