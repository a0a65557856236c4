// The background of every type, as drawn into the board's backdrop image.
#include "BoardFixture.h"
#include "GameArea.h"

namespace {

class BackgroundTest : public BoardTest {
protected:
    // The game area with black to white unless a test says otherwise.
    void Paint(TBoardBackType type, QColor c1 = Qt::black, QColor c2 = Qt::white,
               int w = GameAreaWidth, int h = GameAreaHeight)
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
    EXPECT_EQ(Grey(302, 100), 126); // band 127: x 301..302
    EXPECT_EQ(Grey(303, 374), 127); // band 128: x 303..305, full height
    EXPECT_EQ(Grey(604, 0), 254);   // band 255: x 604..606

    // Each channel on its own, truncating toward zero: red rises, green falls, blue stays.
    // Band 1 is y = 1 only; its green is 200 + trunc(-180/256) = 200, not 199.
    Paint(btVGradient, QColor(10, 200, 40), QColor(250, 20, 40));
    EXPECT_EQ(At(300, 1), Rgb(10, 200, 40));
    EXPECT_EQ(At(300, 2), Rgb(11, 199, 40));   // band 2: 480/256 = 1.9, -360/256 = -1.4
    EXPECT_EQ(At(606, 374), Rgb(249, 21, 40)); // band 255 holds y = 373..374
}

TEST_F(BackgroundTest, EllipticAndRectangularGradientsRunFromTheCentreOut)
{
    // a = 303, b = 187; s = 1.5821, A = 479, B = 295. The corner lies inside
    // ellipse i from i = 230 on, so its grey is about 230 * 255 / 256 = 229.
    Paint(btEGradient);
    EXPECT_LE(Grey(303, 187), 2);
    EXPECT_NEAR(Grey(606, 374), 229, 3);
    EXPECT_NEAR(Grey(303, 0), 161, 3); // 187 / 295 * 256 = 162.3

    // Band i covers a +- i*303/256 by b +- i*187/256; band 255: x 2..603, y 1..372.
    // The smallest non-empty band is 2 (band 1 is 2 x 0 pixels): grey 1.
    Paint(btRGradient);
    EXPECT_EQ(Grey(303, 187), 1);
    EXPECT_EQ(Grey(603, 372), 254);
    EXPECT_EQ(Grey(300, 373), 0); // the fresh black image shows in the outer strip
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
    // Tiled unscaled from the origin: x 400 starts the second copy.
    board.SetPicture(Stripes());
    Paint(btTile, Qt::red);
    EXPECT_EQ(At(399, 374), Rgb(0, 0, 255));
    EXPECT_EQ(At(400, 0), Rgb(255, 0, 0));
    EXPECT_EQ(At(606, 374), Rgb(0, 250, 0));

    board.SetBackType(btStretch);
    EXPECT_EQ(At(2, 2), Rgb(255, 0, 0));
    EXPECT_EQ(At(604, 372), Rgb(0, 0, 255));

    // 400 x 100 on 600 x 300: drawn at -300 .. 900, so the outer stripes are cut off
    // exactly and the two green ones share the board.
    Paint(btPropStretch, Qt::black, Qt::black, 600, 300);
    EXPECT_EQ(At(1, 150), Rgb(0, 100, 0));
    EXPECT_EQ(At(299, 0), Rgb(0, 100, 0));
    EXPECT_EQ(At(300, 299), Rgb(0, 250, 0));
    EXPECT_EQ(At(598, 150), Rgb(0, 250, 0));
    // The same turned: cut at top and bottom.
    board.SetPicture(Stripes().transformed(QTransform().rotate(90)));
    Paint(btPropStretch, Qt::black, Qt::black, 300, 600);
    EXPECT_EQ(At(150, 1), Rgb(0, 100, 0));
    EXPECT_EQ(At(0, 299), Rgb(0, 100, 0));
    EXPECT_EQ(At(299, 300), Rgb(0, 250, 0));

    // Without a picture these types leave the fresh black image.
    board.SetPicture(QImage());
    for (TBoardBackType type : {btTile, btStretch, btPropStretch}) {
        Paint(btSolid, Qt::red); // so that the next type really rebuilds
        Paint(type, Qt::red);
        EXPECT_EQ(At(150, 300), Rgb(0, 0, 0)) << int(type);
    }
}

} // namespace
