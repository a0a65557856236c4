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

TEST_F(BackgroundTest, SolidFillsEverythingWithTheFirstColour)
{
    Paint(btSolid, QColor(12, 34, 56));
    const QImage& img = board.BackdropImage();
    ASSERT_EQ(img.size(), QSize(607, 375));
    for (QPoint p : {QPoint(0, 0), QPoint(606, 374), QPoint(300, 200), QPoint(606, 0)})
        EXPECT_EQ(Px(img, p.x(), p.y()), Rgb(12, 34, 56));
}

TEST_F(BackgroundTest, HorizontalBandsCoverTheWidthAndStopOneStepShortOfWhite)
{
    // Band i spans x = i*607/256 .. (i+1)*607/256 and has grey i*255/256 (truncated).
    Paint(btHGradient);
    EXPECT_EQ(Grey(0, 100), 0);
    EXPECT_EQ(Grey(302, 100), 126); // band 127: x 301..302
    EXPECT_EQ(Grey(303, 100), 127); // band 128: x 303..305
    EXPECT_EQ(Grey(603, 100), 253); // band 254: x 602..603
    EXPECT_EQ(Grey(604, 100), 254); // band 255: x 604..606
    EXPECT_EQ(Grey(606, 0), 254);
    EXPECT_EQ(Grey(606, 374), 254);
    // Bands run the full height.
    EXPECT_EQ(At(303, 0), At(303, 374));
}

TEST_F(BackgroundTest, VerticalBandsMixEachChannelOnItsOwnTruncatingTowardZero)
{
    // Channels rise (red), fall (green) and stay (blue). Band 1 covers y = 1 only
    // (375/256 = 1.46, 750/256 = 2.93); its green is 200 + trunc(-180/256) = 200, not 199.
    Paint(btVGradient, QColor(10, 200, 40), QColor(250, 20, 40));
    EXPECT_EQ(At(300, 0), Rgb(10, 200, 40));
    EXPECT_EQ(At(300, 1), Rgb(10, 200, 40));
    EXPECT_EQ(At(300, 2), Rgb(11, 199, 40)); // band 2: 480/256 = 1.9, -360/256 = -1.4
    // Band 128 holds y = 187 (186.03 .. 187.5): 10 + 120, 200 - 90.
    EXPECT_EQ(At(0, 187), Rgb(130, 110, 40));
    // Band 255 holds y = 373..374: 10 + 239, 200 - 179.
    EXPECT_EQ(At(606, 374), Rgb(249, 21, 40));
}

TEST_F(BackgroundTest, EqualColoursGiveAFlatGradient)
{
    Paint(btHGradient, QColor(90, 60, 30), QColor(90, 60, 30));
    for (int x = 0; x < 607; x += 37)
        EXPECT_EQ(At(x, 50), Rgb(90, 60, 30)) << x;
}

TEST_F(BackgroundTest, EllipticGradientRunsFromTheCentreToTheCorners)
{
    // a = 303, b = 187; s = 1.5821, A = 479, B = 295. The corner lies inside
    // ellipse i from i = 230 on, so its grey is about 230 * 255 / 256 = 229.
    Paint(btEGradient);
    EXPECT_LE(Grey(303, 187), 2);
    for (QPoint p : {QPoint(0, 0), QPoint(606, 0), QPoint(0, 374), QPoint(606, 374)})
        EXPECT_NEAR(Grey(p.x(), p.y()), 229, 3) << p.x() << "," << p.y();
    // Along the axes the rim lies far outside: the edge midpoints are darker.
    EXPECT_NEAR(Grey(0, 187), 161, 3);  // 303 / 479 * 256 = 161.9
    EXPECT_NEAR(Grey(303, 0), 161, 3);  // 187 / 295 * 256 = 162.3
}

TEST_F(BackgroundTest, RectangularGradientLeavesTheOuterStripUnpainted)
{
    // Band i covers a +- i*303/256 by b +- i*187/256; band 255: x 2..603, y 1..372.
    // The smallest non-empty band is 2 (band 1 is 2 x 0 pixels): grey 1.
    Paint(btRGradient);
    EXPECT_EQ(Grey(303, 187), 1);
    EXPECT_EQ(Grey(2, 1), 254);
    EXPECT_EQ(Grey(603, 372), 254);
    EXPECT_EQ(Grey(1, 1), 0);   // fresh image shows: black
    EXPECT_EQ(Grey(604, 100), 0);
    EXPECT_EQ(Grey(300, 373), 0);
    EXPECT_EQ(Grey(300, 0), 0);
}

QImage Pattern(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, Rgb(x * 5, y * 6, ((x / 5 + y / 5) % 2) * 255));
    return img;
}

TEST_F(BackgroundTest, TileRepeatsThePictureUnscaledFromTheOrigin)
{
    const QImage tile = Pattern(50, 40);
    board.SetPicture(tile);
    Paint(btTile, Qt::red);
    for (QPoint p : {QPoint(0, 0), QPoint(49, 39), QPoint(50, 40), QPoint(123, 77), QPoint(606, 374)})
        EXPECT_EQ(At(p.x(), p.y()), Px(tile, p.x() % 50, p.y() % 40)) << p.x() << "," << p.y();
}

QImage Quadrants()
{
    QImage img(2, 2, QImage::Format_RGB32);
    img.setPixel(0, 0, Rgb(255, 0, 0));
    img.setPixel(1, 0, Rgb(0, 255, 0));
    img.setPixel(0, 1, Rgb(0, 0, 255));
    img.setPixel(1, 1, Rgb(255, 255, 0));
    return img;
}

TEST_F(BackgroundTest, StretchCoversTheWholeBoard)
{
    board.SetPicture(Quadrants());
    Paint(btStretch);
    EXPECT_EQ(At(2, 2), Rgb(255, 0, 0));
    EXPECT_EQ(At(604, 2), Rgb(0, 255, 0));
    EXPECT_EQ(At(2, 372), Rgb(0, 0, 255));
    EXPECT_EQ(At(604, 372), Rgb(255, 255, 0));
    EXPECT_EQ(At(290, 180), Rgb(255, 0, 0));
    EXPECT_EQ(At(316, 194), Rgb(255, 255, 0));
}

// Four vertical stripes: 100 red, 100 dark green, 100 light green, 100 blue.
QImage Stripes(bool tall)
{
    QImage img(400, 100, QImage::Format_RGB32);
    const QRgb colours[] = {Rgb(255, 0, 0), Rgb(0, 100, 0), Rgb(0, 250, 0), Rgb(0, 0, 255)};
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 400; ++x)
            img.setPixel(x, y, colours[x / 100]);
    if (tall)
        img = img.transformed(QTransform().rotate(90));
    return img;
}

TEST_F(BackgroundTest, PropStretchCutsAWidePictureEquallyLeftAndRight)
{
    // 400 x 100 on 600 x 300: sw = 1200, drawn at -300 .. 900, so the outer stripes
    // are cut off exactly and the two green ones share the board.
    board.SetPicture(Stripes(false));
    Paint(btPropStretch, Qt::black, Qt::black, 600, 300);
    EXPECT_EQ(At(1, 150), Rgb(0, 100, 0));
    EXPECT_EQ(At(295, 0), Rgb(0, 100, 0));
    EXPECT_EQ(At(305, 299), Rgb(0, 250, 0));
    EXPECT_EQ(At(598, 150), Rgb(0, 250, 0));
}

TEST_F(BackgroundTest, PropStretchCutsATallPictureEquallyTopAndBottom)
{
    // 100 x 400 on 300 x 600 (the same case turned): cut at top and bottom.
    board.SetPicture(Stripes(true));
    Paint(btPropStretch, Qt::black, Qt::black, 300, 600);
    const QRgb top = At(150, 1);
    const QRgb bottom = At(150, 598);
    EXPECT_TRUE(top == Rgb(0, 100, 0) || top == Rgb(0, 250, 0));
    EXPECT_TRUE(bottom == Rgb(0, 100, 0) || bottom == Rgb(0, 250, 0));
    EXPECT_NE(top, bottom);
    EXPECT_EQ(At(0, 295), top);
    EXPECT_EQ(At(299, 305), bottom);
}

TEST_F(BackgroundTest, PictureTypesWithoutAPictureLeaveTheFreshImage)
{
    for (TBoardBackType type : {btTile, btStretch, btPropStretch}) {
        Paint(type, Qt::red);
        EXPECT_EQ(At(0, 0), Rgb(0, 0, 0)) << int(type);
        EXPECT_EQ(At(300, 200), Rgb(0, 0, 0)) << int(type);
        Paint(btSolid, Qt::red); // so that the next type really rebuilds
    }
}

TEST_F(BackgroundTest, SecondColourRebuildsOnlyTheLinearGradients)
{
    Paint(btEGradient, Qt::black, Qt::black);
    board.SetColor2(Qt::white);
    EXPECT_EQ(Grey(0, 0), 0) << "not shown before the next rebuild";
    board.RebuildBackground();
    EXPECT_GT(Grey(0, 0), 200);

    Paint(btHGradient, Qt::black, Qt::black);
    board.SetColor2(Qt::white);
    EXPECT_EQ(Grey(606, 100), 254);
}

TEST_F(BackgroundTest, ColourAndPictureShowOnlyAfterARebuildOrATypeChange)
{
    Paint(btSolid, Qt::blue);
    board.SetColor(Qt::green);
    EXPECT_EQ(At(10, 10), Rgb(0, 0, 255));
    board.RebuildBackground();
    EXPECT_EQ(At(10, 10), Rgb(0, 255, 0));
    // Changing the type rebuilds at once.
    board.SetPicture(Quadrants());
    board.SetBackType(btStretch);
    EXPECT_EQ(At(2, 2), Rgb(255, 0, 0));
}

TEST_F(BackgroundTest, ResizingRebuildsAtTheNewSizeAndTellsTheOwnerFirst)
{
    int resizes = 0;
    QSize seenBackdrop;
    board.OnResize = [&](TBoard&) {
        ++resizes;
        seenBackdrop = board.BackdropImage().size();
    };
    Paint(btSolid, Qt::blue, Qt::black, 200, 100);
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(seenBackdrop, QSize(640, 480)) << "fired before the images are replaced";
    board.RebuildBackground();
    EXPECT_EQ(resizes, 1) << "same size: no resize notification";

    // A shown board rebuilds by itself when the toolkit resizes it.
    board.show();
    board.resize(150, 90);
    QCoreApplication::processEvents();
    EXPECT_EQ(resizes, 2);
    EXPECT_EQ(board.BackdropImage().size(), QSize(150, 90));
    EXPECT_EQ(board.ComposeImage().size(), QSize(150, 90));
    EXPECT_EQ(At(149, 89), Rgb(0, 0, 255));
    board.hide();
}

TEST_F(BackgroundTest, ComposingABoardWithoutCardsShowsTheBackgroundOnly)
{
    Paint(btHGradient, QColor(0, 0, 80), QColor(200, 100, 0));
    NewLine(10, 10);
    board.NewPile(poEllipse, 300, 200, 100, 80, 1, 0, 0);
    EXPECT_EQ(ComposeAll(), board.BackdropImage());
}

} // namespace
