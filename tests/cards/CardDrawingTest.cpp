// The prepared card pictures, what a composed card looks like, and which card lies
// on top, both drawn and under the pointer.
#include "BoardFixture.h"

#include <algorithm>

namespace {

// The twelve transparent corner pixels of a card.
bool IsCorner(int x, int y)
{
    const int cx = std::min(x, 70 - x);
    const int cy = std::min(y, 95 - y);
    return cx + cy <= 1;
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

// The prepared face picture of a card at (x, y) inside its cell.
QRgb FacePx(const TBoard& board, const TCard& c, int x, int y)
{
    return Px(board.CardImages().Face(c.Suit()), c.Value() * 71 + x, y);
}

constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Black = 0x000000;
const char* const MarkRows[] = {".###.", "#####", ".###.", "..#.."};

using CardImagesTest = BoardTest;

TEST_F(CardImagesTest, MaskFrameAndMarkPatterns)
{
    const TCardImages& images = board.CardImages();
    ASSERT_EQ(images.WorkingMask().size(), QSize(71, 96));
    ASSERT_EQ(images.Frame().size(), QSize(71, 96));
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x) {
            ASSERT_EQ(Px(images.WorkingMask(), x, y), IsCorner(x, y) ? Black : White) << x << "," << y;
            ASSERT_EQ(Px(images.Frame(), x, y), IsFrameLine(x, y) ? White : Black) << x << "," << y;
        }
    ASSERT_EQ(images.Mark().size(), QSize(5, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(Px(images.Mark(), x, y), MarkRows[y][x] == '#' ? White : Black) << x << "," << y;
}

class CardDrawingTest : public BoardTest {
protected:
    static constexpr QRgb Bg = 0x204080;
    void SetUp() override
    {
        board.SetColor(QColor::fromRgb(Bg));
        SizeBoard(300, 250);
    }
    QRgb Picture(const TCard& c, int x, int y) const { return FacePx(board, c, x, y); }
};

TEST_F(CardDrawingTest, CardsAreOpaqueWithTransparentCornersAndHighlightAndsTheBackground)
{
    TCard* card = NewCard(Queen, Hearts);
    card->SetPos(10, 20);
    QImage img = ComposeAll();
    EXPECT_EQ(Px(img, 10 + 70, 20 + 1), Bg);
    for (QPoint p : {QPoint(2, 0), QPoint(69, 94)})
        EXPECT_EQ(Px(img, 10 + p.x(), 20 + p.y()), Picture(*card, p.x(), p.y()));
    EXPECT_EQ(Px(img, 81, 60), Bg);

    card->SetSelectedCard(true);
    img = ComposeAll();
    EXPECT_EQ(Px(img, 10, 20), Inverted(Bg));
    EXPECT_EQ(Px(img, 45, 68), Picture(*card, 35, 48) & Bg);

    // Face down it shows its own back, corners transparent too.
    card->SetSelectedCard(false);
    card->SetBack(7);
    card->SetShowCard(false);
    img = ComposeAll();
    EXPECT_EQ(Px(img, 45, 68), Px(board.CardImages().Backs(), 7 * 71 + 35, 48));
    EXPECT_EQ(Px(img, 80, 115), Bg);

    // Placeholders are not drawn at all.
    card->SetEmpty(true);
    NewCard(Eight, Spades, NewLine(100, 100))->SetEmpty(true);
    EXPECT_EQ(ComposeAll(), board.BackdropImage());
}

TEST_F(CardDrawingTest, MarkIsXoredFourPixelsAboveTheTopLeftCornerAndCountsForRepaints)
{
    // A repaint rectangle ending above the card still gets its mark.
    TCard* card = NewCard(Seven, Spades);
    card->SetPos(10, 120);
    card->SetMarked(true);
    board.Compose(QRect(0, 0, 300, 119));
    const QImage& part = board.ComposeImage();
    EXPECT_EQ(Px(part, 12, 116), Inverted(Bg));

    card->SetPos(30, 40);
    const QImage img = ComposeAll();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(Px(img, 30 + x, 36 + y), Bg ^ Px(board.CardImages().Mark(), x, y));
    EXPECT_EQ(Px(img, 32, 40), Picture(*card, 2, 0)) << "the card itself is untouched";
}

class DrawingOrderTest : public ManualClockTest {
protected:
    void SetUp() override
    {
        ManualClockTest::SetUp();
        SizeBoard(400, 250);
    }
    // What the board shows at the probe point, and what a card would show there on top.
    QRgb Shown() { return Px(ComposeAll(), PX, PY); }
    QRgb Shows(const TCard* c) const { return FacePx(board, *c, PX - c->X(), PY - c->Y()); }
    static constexpr int PX = 150, PY = 100;
};

TEST_F(DrawingOrderTest, PilesInOrderThenFreeCardsThenCardsInFlight)
{
    TPile* first = NewLine(100, 50, 30);
    NewCard(Ace, Clubs, first); // under the King
    TCard* upper = NewCard(King, Hearts, first); // at 130
    TCard* other = NewCard(Queen, Diamonds, NewLine(120, 50));
    EXPECT_EQ(Shown(), Shows(other)) << "later piles on top";
    board.DestroyCard(other);
    EXPECT_EQ(Shown(), Shows(upper)) << "upper cards on top";

    TCard* free = NewCard(Jack, Spades);
    free->SetPos(110, 50);
    EXPECT_EQ(Shown(), Shows(free)) << "free cards above piled ones";
    // In flight (still at its start point) it is drawn last, above the free card.
    board.MoveCard(upper, NewLine(300, 150), 0, false, 1000, 0);
    ASSERT_EQ(upper->X(), 130);
    EXPECT_EQ(Shown(), Shows(upper));
}

using HitTestTest = ManualClockTest;

TEST_F(HitTestTest, FlightThenFreeCardsThenPilesTopDownAndPlaceholdersNeverHit)
{
    TCard* freeOld = NewCard(Six, Clubs);
    TCard* freeNew = NewCard(Seven, Clubs);
    freeNew->SetPos(20, 0);
    EXPECT_EQ(board.CardAt(15, 95), freeOld);
    EXPECT_EQ(board.CardAt(15, 96), nullptr);
    TPile* first = NewLine(60, 0, 30); // created after the free cards
    TCard* lower = NewCard(Eight, Clubs, first);
    TCard* upper = NewCard(Nine, Clubs, first);
    TCard* later = NewCard(Ten, Clubs, NewLine(120, 0));
    EXPECT_EQ(board.CardAt(65, 10), freeNew) << "the last created free card, above piles";
    EXPECT_EQ(board.CardAt(95, 10), upper);
    EXPECT_EQ(board.CardAt(125, 10), later);
    freeNew->SetEmpty(true);
    later->SetEmpty(true);
    upper->SetEmpty(true);
    EXPECT_EQ(board.CardAt(70, 10), freeOld);
    EXPECT_EQ(board.CardAt(71, 10), lower) << "the right edge is exclusive";
    EXPECT_EQ(board.CardAt(95, 10), lower);
    EXPECT_EQ(board.CardAt(140, 10), nullptr) << "covered only by placeholders";

    TPile* away = NewLine(500, 300);
    board.MoveCard(lower, away, 0, false, 1000, 0);
    EXPECT_EQ(board.CardAt(65, 10), lower) << "a moving card over a free one";
    board.MoveCard(freeOld, away, 0, false, 1000, 0);
    EXPECT_EQ(board.CardAt(65, 10), freeOld) << "the last queued wins";
    EXPECT_EQ(board.CardAt(75, 10), lower);
    // The landing place is not hit while the card is still on its way.
    EXPECT_EQ(board.CardAt(520, 320), nullptr);
}

} // namespace
