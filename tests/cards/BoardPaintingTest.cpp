// The solid and the horizontal gradient backgrounds, as drawn into the backdrop image;
// a picture that can be made at any ratio is made at the table's, and tiles without a seam.
#include "BoardFixture.h"
#include "GameArea.h"

#include <vector>

namespace {

class BackgroundTest : public BoardTest {
protected:
    // The game area with black to white unless a test says otherwise.
    void Paint(TBoardBackType type, QColor c1 = Qt::black)
    {
        board.SetColor(c1);
        board.SetColor2(Qt::white);
        board.SetBackType(type);
        SizeBoard(GameAreaWidth, GameAreaHeight);
    }
    QRgb At(int x, int y) const { return Px(board.BackdropImage(), x, y); }
    int Grey(int x, int y) const { return qRed(At(x, y)); }
};

TEST_F(BackgroundTest, SolidAndGradientBands)
{
    Paint(btSolid, QColor(12, 34, 56));
    EXPECT_EQ(At(606, 374), Rgb(12, 34, 56));

    // Band i spans x = i*607/256 .. (i+1)*607/256 with grey i*255/256, stopping short of white.
    Paint(btHGradient);
    EXPECT_EQ(Grey(302, 100), 126); // band 127: x 301..302
    EXPECT_EQ(Grey(303, 374), 127); // band 128: x 303..305, full height
    EXPECT_EQ(Grey(604, 0), 254);   // band 255: x 604..606
}

TEST_F(BackgroundTest, AMadePictureFollowsTheTableRatio)
{
    std::vector<qreal> asked;
    board.SetPictureMaker([&](qreal ratio) {
        asked.push_back(ratio);
        QImage tile(QSize(8, 8) * ratio, QImage::Format_RGB32);
        tile.setDevicePixelRatio(ratio);
        return tile;
    });
    board.SetTableScale(TBoard::FitTable);
    Paint(btTile);
    board.resize(GameAreaWidth * 3, GameAreaHeight * 3);
    board.RebuildBackground();
    EXPECT_EQ(board.Picture().devicePixelRatio(), 3);
    const size_t made = asked.size();
    board.RebuildBackground();
    EXPECT_EQ(asked.size(), made) << "made once per ratio";
    EXPECT_EQ(asked.back(), 3);

    // At a ratio that makes a tile a fraction of a board pixel the tiles still meet: no
    // device pixel keeps the black a fresh backdrop starts with.
    board.SetPictureMaker([](qreal ratio) {
        QImage tile((QSizeF(200, 200) * ratio).toSize(), QImage::Format_RGB32);
        tile.fill(Qt::white);
        tile.setDevicePixelRatio(ratio);
        return tile;
    });
    board.resize(1564, 966); // fits the game area at 2.576: a tile is 515.2 pixels
    board.RebuildBackground();
    const QImage backdrop = board.BackdropImage();
    for (int x = 0; x < backdrop.width(); ++x)
        ASSERT_NE(backdrop.pixel(x, backdrop.height() / 2), qRgb(0, 0, 0)) << "a seam at " << x;
}

} // namespace
