// Every committed picture has the size and pixel format the game loads it with.
#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// What a PNG file's header says (bit depth; colour type 2 RGB, 3 palette, 6 RGBA) and how
// many colours its palette may hold. A JPEG has no such header.
struct TFormat {
    int depth, colourType, maxColours;
};
constexpr TFormat Mono{1, 3, 2}, Palette16{8, 3, 16}, Palette256{8, 3, 256}, Rgb24{8, 2, 0},
    Argb{8, 6, 0}, Jpeg{-1, -1, 0};

struct Expected {
    QString path;
    int width, height;
    TFormat format;
};

std::vector<Expected> allResources()
{
    std::vector<Expected> all = {
        {"cards/CARDMASK.png", 71, 96, Mono}, {"cards/CARDFRAME.png", 71, 96, Mono},
        {"cards/CARDMARK.png", 5, 4, Mono},   {"chooser/CHOOSER.jpg", 605, 373, Jpeg},
        {"about/ABOUT.png", 128, 128, Argb},
    };
    for (const char* strip : {"CLUBS", "DIAMONDS", "HEARTS", "SPADES", "CARDBACK"})
        all.push_back({QStringLiteral("cards/%1.png").arg(strip), 994, 96, Palette256});
    for (const char* word : {"MOVER", "HEAP", "ROUND"}) {
        all.push_back({QStringLiteral("chooser/LABEL_%1.png").arg(word), 71, 29, Palette16});
        all.push_back({QStringLiteral("chooser/HOVER_%1.png").arg(word), 72, 31, Rgb24});
    }
    for (const char* icons : {"normal", "disabled", "hot"})
        all.push_back({QStringLiteral("icons/%1.png").arg(icons), 90, 18, Argb});
    for (const char* bg : {"BELLS", "CANDYCANES", "GIFTS", "SNOWFLAKES1", "SNOW", "SNOWFLAKES2"})
        all.push_back({QStringLiteral("backgrounds/%1.png").arg(bg), 200, 200, Palette16});
    for (const char* mood : {"WIN", "LOOSE", "DRAW"})
        for (int n = 1; n <= 4; ++n)
            all.push_back({QStringLiteral("gameover/%1%2.png").arg(mood).arg(n), 128, 128, Rgb24});
    // Every picture also for screens of two and three device pixels per pixel.
    for (size_t i = 0, classic = all.size(); i < classic; ++i)
        for (int scale : {2, 3}) {
            const Expected e = all[i];
            const QString at = QStringLiteral("@%1x").arg(scale);
            all.push_back({QString(e.path).insert(e.path.lastIndexOf('.'), at), e.width * scale,
                           e.height * scale, e.format});
        }
    // The program icon has sizes of its own.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        all.push_back({QStringLiteral("icons/mainicon-%1.png").arg(size), size, size, Argb});
    return all;
}

TEST(ResourceFormat, EveryPictureHasItsSizeAndPixelFormat)
{
    for (const Expected& e : allResources()) {
        SCOPED_TRACE(e.path.toStdString());
        const QString path = QDir(QStringLiteral(ZELMO_RESOURCES_DIR)).filePath(e.path);
        const QImage img(path);
        EXPECT_EQ(img.size(), QSize(e.width, e.height));
        QFile file(path);
        const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(26) : QByteArray();
        const bool png = head.size() == 26 && head.mid(12, 4) == "IHDR";
        EXPECT_EQ(png ? uchar(head[24]) : -1, e.format.depth);
        EXPECT_EQ(png ? uchar(head[25]) : -1, e.format.colourType);
        // A palette of one colour would mean the picture was lost.
        if (e.format.maxColours) {
            EXPECT_TRUE(img.colorCount() >= 2 && img.colorCount() <= e.format.maxColours)
                << img.colorCount() << " colours";
        }
        EXPECT_TRUE(png || head.startsWith("\xFF\xD8")) << "neither PNG nor JPEG";
    }
}

} // namespace
