// The pacing thread on the real clock: it drives queued moves to their end through
// the event loop, and falls silent when nothing moves.
#include "BoardFixture.h"
#include "Messages.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

// Counts the tick messages that reach the board.
class TickCounter : public QObject {
public:
    int Cards = 0;
    int Piles = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Type(WM_ANIMATECARDS))
            ++Cards;
        else if (e->type() == QEvent::Type(WM_ANIMATEPILES))
            ++Piles;
        return false;
    }
    void Reset() { Cards = Piles = 0; }
};

class AnimateThreadTest : public BoardTest {
protected:
    void SetUp() override
    {
        Clock::SetManual(false);
        board.installEventFilter(&ticks);
        QCoreApplication::processEvents(); // drop whatever was posted before
        ticks.Reset();
    }
    void TearDown() override { board.removeEventFilter(&ticks); }
    TickCounter ticks;
};

TEST_F(AnimateThreadTest, QueuedCardMoveCompletesOnItsOwnThenTicksStop)
{
    TPile* from = NewLine(0, 0);
    TPile* to = NewLine(300, 0);
    TCard* card = NewCard(Six, Clubs, from);
    QElapsedTimer timer;
    timer.start();
    board.MoveCard(card, to, 0, false, 100, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.MovingCount() == 0; }, 3000));
    EXPECT_GE(timer.elapsed(), 100);
    EXPECT_EQ(card->X(), 300);
    EXPECT_GT(ticks.Cards, 3) << "a 100 ms move at 5 ms ticks takes many steps";

    // A tick posted while the last step ran may still arrive; after that, silence.
    QTest::qWait(20);
    ticks.Reset();
    QTest::qWait(100);
    EXPECT_EQ(ticks.Cards, 0);
    EXPECT_EQ(ticks.Piles, 0);
}

TEST_F(AnimateThreadTest, QueuedPileMoveCompletesOnItsOwn)
{
    TPile* pile = NewLine(0, 0, 20);
    NewCard(Six, Clubs, pile);
    NewCard(Seven, Clubs, pile);
    board.MovePile(pile, 100, 50, 60, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pile->Moving; }, 3000));
    EXPECT_EQ(pile->TopCard()->X(), 120);
    EXPECT_EQ(pile->TopCard()->Y(), 50);
    EXPECT_GT(ticks.Piles, 0);
    EXPECT_EQ(ticks.Cards, 0) << "no card move was queued";
    QTest::qWait(20);
    ticks.Reset();
    QTest::qWait(100);
    EXPECT_EQ(ticks.Piles, 0);
}

TEST_F(AnimateThreadTest, DisabledAnimationPostsNothingUntilEnabledAgain)
{
    TPile* to = NewLine(300, 0);
    TCard* card = NewCard(Six, Clubs);
    board.SetAnimationEnabled(false);
    board.MoveCard(card, to, 0, false, 20, 0);
    QTest::qWait(80);
    EXPECT_EQ(ticks.Cards, 0);
    EXPECT_EQ(card->X(), 0);
    EXPECT_EQ(board.MovingCount(), 1);
    board.SetAnimationEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return board.MovingCount() == 0; }, 3000));
    EXPECT_EQ(card->X(), 300);
}

TEST_F(AnimateThreadTest, BoardWithMovesInFlightIsDestroyedPromptly)
{
    QElapsedTimer timer;
    {
        TBoard doomed;
        TPile* pile = doomed.NewPile(poLine, 0, 0, 16, 0, 1, 0, 0);
        TCard* card = doomed.NewCard(nullptr, Six, Clubs, true);
        doomed.MoveCard(card, pile, 0, false, 10000, 0);
        doomed.MovePile(pile, 300, 300, 10000, 0);
        QTest::qWait(20);
        timer.start();
    }
    EXPECT_LT(timer.elapsed(), 500);
    QCoreApplication::processEvents(); // ticks posted to the dead board are dropped
}

} // namespace
