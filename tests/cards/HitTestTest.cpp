// Which card lies under a point: cards in flight, then free cards, then piles top-down.
#include "BoardFixture.h"

#include <QTest>
#include <tuple>

namespace {

using HitTestTest = ManualClockTest;

TEST_F(HitTestTest, CardCoversItsCellRightAndBottomExclusive)
{
    TCard* card = NewCard(Six, Clubs);
    card->SetPos(100, 50);
    EXPECT_EQ(board.CardAt(100, 50), card);
    EXPECT_EQ(board.CardAt(170, 145), card);
    EXPECT_EQ(board.CardAt(171, 50), nullptr);
    EXPECT_EQ(board.CardAt(100, 146), nullptr);
    EXPECT_EQ(board.CardAt(99, 50), nullptr);
    EXPECT_EQ(board.CardAt(100, 49), nullptr);
    card->SetMarked(true);
    EXPECT_EQ(board.CardAt(102, 47), nullptr) << "the mark strip is not part of the card";
}

TEST_F(HitTestTest, UpperCardOfAPileWinsAndPlaceholdersAreNeverHit)
{
    TPile* pile = NewLine(0, 0, 20);
    TCard* lower = NewCard(Six, Clubs, pile);
    TCard* upper = NewCard(Seven, Clubs, pile);
    EXPECT_EQ(board.CardAt(30, 10), upper);
    EXPECT_EQ(board.CardAt(5, 10), lower);
    upper->SetEmpty(true);
    EXPECT_EQ(board.CardAt(30, 10), lower) << "an empty card lets the click through";
    EXPECT_EQ(board.CardAt(80, 10), nullptr) << "covered only by the empty card";
}

TEST_F(HitTestTest, LaterPilesWin)
{
    TPile* first = NewLine(0, 0);
    TPile* second = NewLine(30, 0);
    NewCard(Six, Clubs, first);
    TCard* top = NewCard(Seven, Clubs, second);
    EXPECT_EQ(board.CardAt(40, 10), top);
}

TEST_F(HitTestTest, FreeCardsComeBeforePiledOnesAndTheLastCreatedWins)
{
    TCard* freeOld = NewCard(Six, Clubs);
    TCard* freeNew = NewCard(Seven, Clubs);
    freeOld->SetPos(0, 0);
    freeNew->SetPos(20, 0);
    TPile* pile = NewLine(10, 0); // created after the free cards
    NewCard(Eight, Clubs, pile);
    EXPECT_EQ(board.CardAt(15, 10), freeOld);
    EXPECT_EQ(board.CardAt(25, 10), freeNew);
    freeNew->SetEmpty(true);
    EXPECT_EQ(board.CardAt(25, 10), freeOld);
}

TEST_F(HitTestTest, CardsInFlightComeFirstTheLastQueuedWinning)
{
    TPile* home = NewLine(0, 0);
    TPile* away = NewLine(500, 300);
    TCard* a = NewCard(Six, Clubs, home);
    TCard* b = NewCard(Seven, Clubs, NewLine(10, 0));
    TCard* free = NewCard(Eight, Clubs);
    free->SetPos(5, 0);
    board.MoveCard(a, away, 0, false, 1000, 0);
    EXPECT_EQ(board.CardAt(8, 10), a) << "moving card over a free one";
    board.MoveCard(b, away, 0, false, 1000, 0);
    EXPECT_EQ(board.CardAt(12, 10), b);
    EXPECT_EQ(board.CardAt(5, 10), a);
    b->SetEmpty(true);
    EXPECT_EQ(board.CardAt(12, 10), a);
    // The landing place is not hit while the card is still on its way.
    EXPECT_EQ(board.CardAt(520, 320), nullptr);
}

TEST_F(HitTestTest, MouseDownReportsButtonAndBoardPoint)
{
    std::vector<std::tuple<int, int, int>> downs;
    board.OnMouseDown = [&](TBoard& sender, int button, Qt::KeyboardModifiers, int x, int y) {
        EXPECT_EQ(&sender, &board);
        downs.emplace_back(button, x, y);
    };
    QTest::mousePress(&board, Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mousePress(&board, Qt::RightButton, {}, QPoint(30, 40));
    QTest::mousePress(&board, Qt::MiddleButton, {}, QPoint(50, 60));
    const std::vector<std::tuple<int, int, int>> expected{{0, 10, 20}, {1, 30, 40}, {2, 50, 60}};
    EXPECT_EQ(downs, expected);
}

} // namespace
