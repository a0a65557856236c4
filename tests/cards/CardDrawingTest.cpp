// What a composed card looks like, its mark in a partial repaint, and which card lies
// under the pointer.
#include "BoardFixture.h"

namespace {

class CardDrawingTest : public BoardTest {
protected:
    static constexpr QRgb Bg = 0x204080;
    void SetUp() override
    {
        board.SetColor(QColor::fromRgb(Bg));
        SizeBoard(300, 250);
    }
    // The prepared face picture of a card at (x, y) inside its cell.
    QRgb Picture(const TCard& c, int x, int y) const
    {
        return Px(board.CardImages().Face(c.Suit()), c.Value() * 71 + x, y);
    }
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
