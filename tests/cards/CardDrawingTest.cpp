// The prepared card pictures and what a composed card looks like.
#include "BoardFixture.h"

#include <array>

namespace {

const std::array<QPoint, 12> Corners{{{0, 0}, {1, 0}, {0, 1}, {69, 0}, {70, 0}, {70, 1},
                                      {0, 94}, {0, 95}, {1, 95}, {70, 94}, {69, 95}, {70, 95}}};

bool IsCorner(int x, int y)
{
    for (QPoint p : Corners)
        if (p == QPoint(x, y))
            return true;
    return false;
}

bool IsFrameLine(int x, int y)
{
    if (y == 1 || y == 94)
        return x >= 2 && x <= 68;
    if (y == 2 || y == 93)
        return x >= 1 && x <= 69;
    if (y >= 3 && y <= 92)
        return x == 1 || x == 2 || x == 68 || x == 69;
    return false;
}

constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Black = 0x000000;

using CardImagesTest = BoardTest;

TEST_F(CardImagesTest, WorkingMaskIsWhiteInsideAndBlackInTheTwelveCorners)
{
    const QImage& mask = board.CardImages().WorkingMask();
    ASSERT_EQ(mask.size(), QSize(71, 96));
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x)
            ASSERT_EQ(Px(mask, x, y), IsCorner(x, y) ? Black : White) << x << "," << y;
}

TEST_F(CardImagesTest, FrameIsATwoPixelRoundedLineOneIn)
{
    const QImage& frame = board.CardImages().Frame();
    ASSERT_EQ(frame.size(), QSize(71, 96));
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x)
            ASSERT_EQ(Px(frame, x, y), IsFrameLine(x, y) ? White : Black) << x << "," << y;
}

TEST_F(CardImagesTest, MarkIsASmallPointer)
{
    const char* rows[] = {".###.", "#####", ".###.", "..#.."};
    const QImage& mark = board.CardImages().Mark();
    ASSERT_EQ(mark.size(), QSize(5, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(Px(mark, x, y), rows[y][x] == '#' ? White : Black) << x << "," << y;
}

TEST_F(CardImagesTest, FaceAndBackCornersAreWhitened)
{
    const TCardImages& images = board.CardImages();
    for (int suit = 0; suit < 4; ++suit) {
        ASSERT_EQ(images.Face(TCardSuit(suit)).size(), QSize(994, 96));
        for (int cell = 0; cell < 13; ++cell)
            for (QPoint p : Corners)
                ASSERT_EQ(Px(images.Face(TCardSuit(suit)), cell * 71 + p.x(), p.y()), White)
                    << "suit " << suit << " cell " << cell;
    }
    for (int cell = 0; cell < 14; ++cell)
        for (QPoint p : Corners)
            ASSERT_EQ(Px(images.Backs(), cell * 71 + p.x(), p.y()), White) << "back " << cell;
}

TEST_F(CardImagesTest, BacksAreFramedOnlyWithDrawBackFrame)
{
    const QImage plain = board.CardImages().Backs();
    board.SetDrawBackFrame(true);
    const QImage framed = board.CardImages().Backs();
    const QImage& frame = board.CardImages().Frame();
    ASSERT_EQ(framed.size(), plain.size());
    int changed = 0;
    for (int cell = 0; cell < 14; ++cell)
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x) {
                const int sx = cell * 71 + x;
                ASSERT_EQ(Px(framed, sx, y), Px(plain, sx, y) | Px(frame, x, y))
                    << "back " << cell << " at " << x << "," << y;
                changed += Px(framed, sx, y) != Px(plain, sx, y);
            }
    // Otherwise the frame could not be told apart from the artwork.
    EXPECT_GT(changed, 0);
    board.SetDrawBackFrame(false);
    EXPECT_EQ(board.CardImages().Backs(), plain);
}

class CardDrawingTest : public BoardTest {
protected:
    static constexpr QRgb Bg = 0x204080;
    void SetUp() override
    {
        board.SetColor(QColor::fromRgb(Bg));
        SizeBoard(300, 250);
    }
    // The prepared picture pixel of a card at (x, y) inside its cell.
    QRgb Picture(const TCard& c, int x, int y) const
    {
        const TCardImages& images = board.CardImages();
        if (c.ShowCard())
            return Px(images.Face(c.Suit()), c.Value() * 71 + x, y);
        return Px(images.Backs(), c.Back() * 71 + x, y);
    }
};

TEST_F(CardDrawingTest, PlainCardIsOpaqueWithTransparentCorners)
{
    TCard* card = NewCard(Queen, Hearts);
    card->SetPos(10, 20);
    const QImage img = ComposeAll();
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x)
            ASSERT_EQ(Px(img, 10 + x, 20 + y), IsCorner(x, y) ? Bg : Picture(*card, x, y))
                << x << "," << y;
    EXPECT_EQ(Px(img, 9, 60), Bg);
    EXPECT_EQ(Px(img, 81, 60), Bg);
    EXPECT_EQ(Px(img, 40, 116), Bg);

    // Face down it shows its own back.
    card->SetBack(7);
    card->SetShowCard(false);
    const QImage back = ComposeAll();
    for (int y = 2; y < 94; y += 7)
        for (int x = 2; x < 69; x += 5)
            ASSERT_EQ(Px(back, 10 + x, 20 + y), Px(board.CardImages().Backs(), 7 * 71 + x, y));
}

TEST_F(CardDrawingTest, HighlightAndsThePictureWithTheBackgroundAndInvertsTheCorners)
{
    TCard* card = NewCard(Seven, Spades);
    card->SetPos(10, 20);
    card->SetSelectedCard(true);
    const QImage img = ComposeAll();
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x) {
            const QRgb expected = IsCorner(x, y) ? Inverted(Bg) : (Picture(*card, x, y) & Bg);
            ASSERT_EQ(Px(img, 10 + x, 20 + y), expected) << x << "," << y;
        }
}

TEST_F(CardDrawingTest, MarkIsXoredFourPixelsAboveTheTopLeftCorner)
{
    const char* rows[] = {".###.", "#####", ".###.", "..#.."};
    TCard* card = NewCard(Seven, Spades);
    card->SetPos(30, 40);
    card->SetMarked(true);
    const QImage img = ComposeAll();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(Px(img, 30 + x, 36 + y), rows[y][x] == '#' ? Inverted(Bg) : Bg) << x << "," << y;
    EXPECT_EQ(Px(img, 35, 37), Bg);
    EXPECT_EQ(Px(img, 31, 35), Bg);
    EXPECT_EQ(Px(img, 32, 40), Picture(*card, 2, 0)) << "the card itself is untouched";
}

TEST_F(CardDrawingTest, EmptyCardsAreNotDrawn)
{
    NewCard(Seven, Spades)->SetEmpty(true);
    TPile* pile = NewLine(100, 100);
    NewCard(Eight, Spades, pile)->SetEmpty(true);
    EXPECT_EQ(ComposeAll(), board.BackdropImage());
}

TEST_F(CardDrawingTest, RepaintRectangleLimitsTheComposition)
{
    TCard* card = NewCard(Seven, Spades);
    card->SetPos(10, 20);
    board.Compose(QRect(40, 0, 100, 250));
    const QImage& img = board.ComposeImage();
    EXPECT_EQ(Px(img, 30, 60), Black) << "outside the repaint rectangle: untouched";
    EXPECT_EQ(Px(img, 50, 60), Picture(*card, 40, 40));
    EXPECT_EQ(Px(img, 150, 60), Black);
    EXPECT_EQ(Px(img, 139, 60), Bg);
}

TEST_F(CardDrawingTest, MarkStripCountsForTheRepaintRectangle)
{
    // The card starts below the rectangle's last row 118, its mark (rows 116..119) in it.
    TCard* card = NewCard(Seven, Spades);
    card->SetPos(10, 120);
    card->SetMarked(true);
    board.Compose(QRect(0, 0, 300, 119));
    const QImage& img = board.ComposeImage();
    EXPECT_EQ(Px(img, 12, 116), Inverted(Bg));
    EXPECT_EQ(Px(img, 10, 117), Inverted(Bg));
    EXPECT_EQ(Px(img, 12, 119), Black) << "below the rectangle nothing is composed";
}

class DrawingOrderTest : public ManualClockTest {
protected:
    void SetUp() override
    {
        ManualClockTest::SetUp();
        SizeBoard(400, 250);
    }
    // What a card shows at (x, y) of the board when it lies on top there.
    QRgb Shows(const TCard& c, int x, int y) const
    {
        const TCardImages& images = board.CardImages();
        return Px(images.Face(c.Suit()), c.Value() * 71 + x - c.X(), y - c.Y());
    }
    static constexpr int PX = 150, PY = 100;
};

TEST_F(DrawingOrderTest, LaterPilesAndUpperCardsLieOnTop)
{
    TPile* first = NewLine(100, 50, 30);
    TPile* second = NewLine(120, 50);
    TCard* lower = NewCard(Ace, Clubs, first);
    TCard* upper = NewCard(King, Hearts, first); // at 130
    TCard* other = NewCard(Queen, Diamonds, second);
    ASSERT_NE(Shows(*upper, PX, PY), Shows(*other, PX, PY));
    EXPECT_EQ(Px(ComposeAll(), PX, PY), Shows(*other, PX, PY));
    board.DestroyCard(other);
    ASSERT_NE(Shows(*upper, PX, PY), Shows(*lower, PX, PY));
    EXPECT_EQ(Px(ComposeAll(), PX, PY), Shows(*upper, PX, PY));
}

TEST_F(DrawingOrderTest, FreeCardsLieAbovePiledCardsAndMovingCardsAboveAll)
{
    TCard* free = NewCard(Jack, Spades);
    free->SetPos(110, 50);
    TPile* pile = NewLine(130, 50);
    TCard* piled = NewCard(Ace, Diamonds, pile);
    ASSERT_NE(Shows(*free, PX, PY), Shows(*piled, PX, PY));
    EXPECT_EQ(Px(ComposeAll(), PX, PY), Shows(*free, PX, PY));

    // In flight (still at its start point) it is drawn last, above the free card.
    TPile* target = NewLine(300, 150);
    board.MoveCard(piled, target, 0, false, 1000, 0);
    ASSERT_EQ(piled->X(), 130);
    EXPECT_EQ(Px(ComposeAll(), PX, PY), Shows(*piled, PX, PY));

    // A card taken out of the queue while still flagged as moving is not drawn at all.
    board.ClearMovingCards();
    EXPECT_EQ(Px(ComposeAll(), PX, PY), Shows(*free, PX, PY));
    EXPECT_EQ(Px(ComposeAll(), 185, 100), Px(board.BackdropImage(), 185, 100));
}

} // namespace
