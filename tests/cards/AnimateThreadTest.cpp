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
    int Ticks = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        const int type = e->type();
        Ticks += type == WM_ANIMATECARDS || type == WM_ANIMATEPILES;
        return false;
    }
};

class AnimateThreadTest : public BoardTest {
protected:
    void SetUp() override
    {
        Clock::SetManual(false);
        board.installEventFilter(&ticks);
    }
    void TearDown() override { board.removeEventFilter(&ticks); }
    // A tick posted while the last step ran may still arrive; after that, silence.
    void ExpectSilence()
    {
        QTest::qWait(20);
        ticks.Ticks = 0;
        QTest::qWait(100);
        EXPECT_EQ(ticks.Ticks, 0);
    }
    TickCounter ticks;
};

TEST_F(AnimateThreadTest, QueuedMovesCompleteOnTheirOwnThenTicksStop)
{
    TCard* card = NewCard(Six, Clubs, NewLine(0, 0));
    QElapsedTimer timer;
    timer.start();
    board.MoveCard(card, NewLine(300, 0), 0, false, 100, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.MovingCount() == 0; }, 3000));
    EXPECT_GE(timer.elapsed(), 100);
    EXPECT_EQ(card->X(), 300);
    EXPECT_GT(ticks.Ticks, 3) << "a 100 ms move at 5 ms ticks takes many steps";
    ExpectSilence();

    TPile* pile = Fill(NewLine(0, 0, 20), 2);
    board.MovePile(pile, 100, 50, 60, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pile->Moving; }, 3000));
    EXPECT_EQ(Pos(pile->TopCard()), QPoint(120, 50));
    ExpectSilence();
}

TEST_F(AnimateThreadTest, DisabledAnimationPostsNothingAndDestroyingABoardInFlightIsPrompt)
{
    TCard* card = NewCard(Six, Clubs);
    board.SetAnimationEnabled(false);
    board.MoveCard(card, NewLine(300, 0), 0, false, 20, 0);
    QTest::qWait(80);
    EXPECT_EQ(card->X(), 0);
    board.SetAnimationEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return board.MovingCount() == 0; }, 3000));

    QElapsedTimer timer;
    {
        TBoard doomed;
        TPile* pile = doomed.NewPile(poLine, 0, 0, 16, 0, 1, 0, 0);
        doomed.MoveCard(doomed.NewCard(nullptr, Six, Clubs, true), pile, 0, false, 10000, 0);
        doomed.MovePile(pile, 300, 300, 10000, 0);
        QTest::qWait(20);
        timer.start();
    }
    EXPECT_LT(timer.elapsed(), 500);
    QCoreApplication::processEvents(); // ticks posted to the dead board are dropped
}

} // namespace
