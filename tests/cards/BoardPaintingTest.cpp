// The background of every type, as drawn into the board's backdrop image.
#include "BoardFixture.h"

#include <QCoreApplication>

namespace {

class BackgroundTest : public BoardTest {
protected:
    // 607 x 375 with black to white unless a test says otherwise.
    void Paint(TBoardBackType type, QColor c1 = Qt::black, QColor c2 = Qt::white, int w = 607, int h = 375)
    {
        board.SetColor(c1);
        board.SetColor2(c2);
        board.SetBackType(type);
        SizeBoard(w, h);
    }
    QRgb At(int x, int y) const { return Px(board.BackdropImage(), x, y); }
    int Grey(int x, int y) const { return qRed(At(x, y)); }
};

TEST_F(BackgroundTest, SolidAndLinearGradientBands)
{
    Paint(btSolid, QColor(12, 34, 56));
    EXPECT_EQ(At(606, 374), Rgb(12, 34, 56));

    // Band i spans x = i*607/256 .. (i+1)*607/256 with grey i*255/256, stopping short of white.
    Paint(btHGradient);
    EXPECT_EQ(Grey(0, 100), 0);
    EXPECT_EQ(Grey(302, 100), 126); // band 127: x 301..302
    EXPECT_EQ(Grey(303, 374), 127); // band 128: x 303..305, full height
    EXPECT_EQ(Grey(604, 0), 254);   // band 255: x 604..606

    // Each channel on its own, truncating toward zero: red rises, green falls, blue stays.
    // Band 1 is y = 1 only; its green is 200 + trunc(-180/256) = 200, not 199.
    Paint(btVGradient, QColor(10, 200, 40), QColor(250, 20, 40));
    EXPECT_EQ(At(300, 1), Rgb(10, 200, 40));
    EXPECT_EQ(At(300, 2), Rgb(11, 199, 40));   // band 2: 480/256 = 1.9, -360/256 = -1.4
    EXPECT_EQ(At(0, 187), Rgb(130, 110, 40));  // band 128 holds y = 187
    EXPECT_EQ(At(606, 374), Rgb(249, 21, 40)); // band 255 holds y = 373..374

    // The second colour rebuilds a linear gradient at once.
    board.SetColor2(Qt::white);
    EXPECT_EQ(At(606, 374), Rgb(254, 254, 254));
}

TEST_F(BackgroundTest, EllipticAndRectangularGradientsRunFromTheCentreOut)
{
    // a = 303, b = 187; s = 1.5821, A = 479, B = 295. The corner lies inside
    // ellipse i from i = 230 on, so its grey is about 230 * 255 / 256 = 229.
    Paint(btEGradient);
    EXPECT_LE(Grey(303, 187), 2);
    EXPECT_NEAR(Grey(0, 0), 229, 3);
    EXPECT_NEAR(Grey(606, 374), 229, 3);
    EXPECT_NEAR(Grey(0, 187), 161, 3); // 303 / 479 * 256 = 161.9
    EXPECT_NEAR(Grey(303, 0), 161, 3); // 187 / 295 * 256 = 162.3
    // The second colour shows only after the next rebuild here.
    board.SetColor2(Qt::black);
    EXPECT_GT(Grey(0, 0), 200);
    board.RebuildBackground();
    EXPECT_EQ(Grey(0, 0), 0);

    // Band i covers a +- i*303/256 by b +- i*187/256; band 255: x 2..603, y 1..372.
    // The smallest non-empty band is 2 (band 1 is 2 x 0 pixels): grey 1.
    Paint(btRGradient);
    EXPECT_EQ(Grey(303, 187), 1);
    EXPECT_EQ(Grey(2, 1), 254);
    EXPECT_EQ(Grey(603, 372), 254);
    EXPECT_EQ(Grey(1, 1), 0); // the fresh black image shows in the outer strip
    EXPECT_EQ(Grey(604, 100), 0);
    EXPECT_EQ(Grey(300, 373), 0);
}

QImage Pattern(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, Rgb(x * 5, y * 6, ((x / 5 + y / 5) % 2) * 255));
    return img;
}

// Stripes of 100 x 100: red, dark green, light green, blue.
QImage Stripes()
{
    QImage img(400, 100, QImage::Format_RGB32);
    const QRgb colours[] = {Rgb(255, 0, 0), Rgb(0, 100, 0), Rgb(0, 250, 0), Rgb(0, 0, 255)};
    for (int x = 0; x < 400; ++x)
        for (int y = 0; y < 100; ++y)
            img.setPixel(x, y, colours[x / 100]);
    return img;
}

TEST_F(BackgroundTest, PictureTypesTileStretchAndCutProportionally)
{
    const QImage tile = Pattern(50, 40); // unscaled from the origin
    board.SetPicture(tile);
    Paint(btTile, Qt::red);
    for (QPoint p : {QPoint(49, 39), QPoint(50, 40), QPoint(123, 77), QPoint(606, 374)})
        EXPECT_EQ(At(p.x(), p.y()), Px(tile, p.x() % 50, p.y() % 40)) << p.x() << "," << p.y();

    board.SetPicture(Stripes());
    board.SetBackType(btStretch);
    EXPECT_EQ(At(2, 2), Rgb(255, 0, 0));
    EXPECT_EQ(At(604, 372), Rgb(0, 0, 255));
    EXPECT_EQ(At(290, 180), Rgb(0, 100, 0));
    EXPECT_EQ(At(316, 194), Rgb(0, 250, 0));

    // 400 x 100 on 600 x 300: drawn at -300 .. 900, so the outer stripes are cut off
    // exactly and the two green ones share the board.
    Paint(btPropStretch, Qt::black, Qt::black, 600, 300);
    EXPECT_EQ(At(1, 150), Rgb(0, 100, 0));
    EXPECT_EQ(At(295, 0), Rgb(0, 100, 0));
    EXPECT_EQ(At(305, 299), Rgb(0, 250, 0));
    EXPECT_EQ(At(598, 150), Rgb(0, 250, 0));
    // The same turned: cut at top and bottom.
    board.SetPicture(Stripes().transformed(QTransform().rotate(90)));
    Paint(btPropStretch, Qt::black, Qt::black, 300, 600);
    EXPECT_EQ(At(150, 1), Rgb(0, 100, 0));
    EXPECT_EQ(At(0, 295), Rgb(0, 100, 0));
    EXPECT_EQ(At(299, 305), Rgb(0, 250, 0));
    EXPECT_EQ(At(150, 598), Rgb(0, 250, 0));

    // Without a picture these types leave the fresh black image.
    board.SetPicture(QImage());
    for (TBoardBackType type : {btTile, btStretch, btPropStretch}) {
        Paint(btSolid, Qt::red); // so that the next type really rebuilds
        Paint(type, Qt::red);
        EXPECT_EQ(At(0, 0), Rgb(0, 0, 0)) << int(type);
        EXPECT_EQ(At(150, 300), Rgb(0, 0, 0)) << int(type);
    }
}

TEST_F(BackgroundTest, ColourShowsAfterARebuildAndResizingTellsTheOwnerFirst)
{
    QSize seenBackdrop;
    board.OnResize = [&](TBoard&) { seenBackdrop = board.BackdropImage().size(); };
    Paint(btSolid, Qt::blue, Qt::black, 200, 100);
    EXPECT_EQ(seenBackdrop, QSize(640, 480)) << "fired before the images are replaced";
    board.SetColor(Qt::green);
    EXPECT_EQ(At(10, 10), Rgb(0, 0, 255));
    // A shown board rebuilds by itself when the toolkit resizes it.
    board.show();
    board.resize(150, 90);
    QCoreApplication::processEvents();
    EXPECT_EQ(seenBackdrop, QSize(200, 100));
    EXPECT_EQ(board.ComposeImage().size(), QSize(150, 90));
    EXPECT_EQ(At(149, 89), Rgb(0, 255, 0));
    board.hide();
}

} // namespace
