// Card and pile flights: pacing curves, delays and end states under the manual clock,
// and the pacing thread on the real one.
#include "BoardFixture.h"
#include "Messages.h"

#include <QTest>

namespace {

class AnimationTest : public ManualClockTest {
protected:
    TPile* from = NewLine(0, 0);
    TPile* to = NewLine(300, 0);
    TCard* card = NewCard(Seven, Hearts, from);
};

// 300 pixels right and 30 down in 300 ms, each pacing at a tenth and at half the time:
// t -> 30, 150; t^2 -> 3, 75; sqrt t -> 94.9, 212.1; t^(1/4) -> 168.7, 252.3;
// t^4 -> 0.03, 18.75. Steady cuts toward the start, the curves round. The first flight
// runs across the clock's wrap.
TEST_F(AnimationTest, EachPacingCurveAtATenthAndAtHalfTheFlight)
{
    const std::array<int, 5> cases[] = {{atUniform, 30, 3, 150, 15},
                                        {atFast, 3, 0, 75, 8},
                                        {atSlow, 95, 9, 212, 21},
                                        {atDoubleSlow, 169, 17, 252, 25},
                                        {atDoubleFast, 0, 0, 19, 2}};
    TPile* below = NewLine(300, 30);
    uint32_t start = 0u - T0 - 100; // the tick wraps to zero 100 ms in
    for (auto [type, x30, y30, x150, y150] : cases) {
        SCOPED_TRACE(type);
        board.SetAnimateType(TBoardAnimateType(type));
        card->SetPile(from);
        StepAt(start);
        board.MoveCard(card, below, 0, false, 300, 0);
        StepAt(start + 30);
        EXPECT_EQ(Pos(card), QPoint(x30, y30));
        StepAt(start + 150);
        EXPECT_EQ(Pos(card), QPoint(x150, y150));
        StepAt(start + 301);
        EXPECT_EQ(Pos(card), QPoint(300, 30));
        start += 1000;
    }
}

TEST_F(AnimationTest, QueuedMoveLeavesThePictureAtTheStartAndEndsAfterItsDuration)
{
    card->SetMarked(true);
    to->SetShowCards(scBack);
    board.MoveCard(card, to, 0, false, 300, 0);
    EXPECT_EQ(Pos(card), QPoint(0, 0));
    EXPECT_FALSE(card->Marked()) << "AutoClearMarks";
    EXPECT_FALSE(card->ShowCard()) << "turns at once in a face-down pile";

    StepAt(100);
    board.Invalidated.clear();
    StepAt(150);
    EXPECT_EQ(board.Invalidated, (std::vector<QRect>{CardRect(100, 0), CardRect(150, 0)}));
    to->SetX(400); // the flying card is left alone by the layout ...
    EXPECT_EQ(card->X(), 150);
    StepAt(300);
    EXPECT_EQ(Pos(card), QPoint(300, 0));
    EXPECT_TRUE(card->Moving) << "at the target while still queued";
    StepAt(301);
    EXPECT_EQ(board.MovingCount(), 0);
    EXPECT_EQ(Pos(card), QPoint(400, 0)) << "... and finds its slot when it lands";
}

TEST_F(AnimationTest, RequeuingReplacingAndDestroyingQueuedCards)
{
    board.MoveCard(card, to, 0, false, 300, 0);
    StepAt(100);
    board.MoveCard(card, NewLine(0, 200), 0, false, 300, 0);
    EXPECT_EQ(board.MovingCount(), 1) << "queued once, from where it is";
    StepAt(250); // half way: 100 - 50, 0 + 100
    EXPECT_EQ(Pos(card), QPoint(50, 100));
    StepAt(401);

    // Replace destroys the placeholder and takes its slot.
    TPile* table = NewLine(0, 300, 80);
    NewCard(Six, Hearts, table);
    NewCard(Ace, Clubs, table)->SetEmpty(true);
    NewCard(Eight, Hearts, table);
    board.MoveCard(card, table, 1, true, 100, 0);
    EXPECT_EQ(table->Card(1), card);
    EXPECT_EQ(QPoint(card->TargetX, card->TargetY), QPoint(80, 300));

    // A destroyed flying card leaves the queue.
    board.DestroyCard(card);
    EXPECT_EQ(board.MovingCount(), 0);
    StepAt(600);
    EXPECT_EQ(table->Count(), 2);
}

using PileAnimationTest = ManualClockTest;

TEST_F(PileAnimationTest, CardsFollowThePileOneStepBehindAndLieAroundItsFinalPoint)
{
    TPile* pile = Fill(NewLine(0, 0, 20), 3);
    board.MovePile(pile, 200, 100, 100, 50);
    StepAt(100);
    EXPECT_EQ(QPoint(pile->X(), pile->Y()), QPoint(100, 50));
    EXPECT_DOUBLE_EQ(pile->Progress(), 0.5);
    EXPECT_EQ(pile->Card(2)->X(), 40) << "laid out at the previous point";
    StepAt(150);
    EXPECT_EQ(Pos(pile->Card(2)), QPoint(140, 50));
    EXPECT_TRUE(pile->Moving);
    StepAt(151);
    EXPECT_TRUE(board.MovingPiles().empty());
    EXPECT_EQ(Positions(*pile), (std::vector<QPoint>{{200, 100}, {220, 100}, {240, 100}}));
}

// Counts the tick messages that reach the board.
class AnimateThreadTest : public BoardTest, public QObject {
protected:
    void SetUp() override { board.installEventFilter(this); }
    void TearDown() override { board.removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        ticks += e->type() == WM_ANIMATECARDS || e->type() == WM_ANIMATEPILES;
        return false;
    }
    int ticks = 0;
};

TEST_F(AnimateThreadTest, QueuedMovesCompleteOnTheirOwnThenTicksStop)
{
    TCard* card = NewCard(Six, Clubs, NewLine(0, 0));
    TPile* pile = Fill(NewLine(0, 200, 20), 2);
    board.MoveCard(card, NewLine(300, 0), 0, false, 100, 0);
    board.MovePile(pile, 100, 50, 60, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.MovingCount() == 0 && !pile->Moving; }, 3000));
    EXPECT_EQ(card->X(), 300);
    EXPECT_EQ(Pos(pile->TopCard()), QPoint(120, 50));
    EXPECT_GT(ticks, 3) << "a 100 ms move at 5 ms ticks takes many steps";
    // A tick posted while the last step ran may still arrive; after that, silence.
    QTest::qWait(20);
    ticks = 0;
    QTest::qWait(100);
    EXPECT_EQ(ticks, 0);
}

} // namespace
