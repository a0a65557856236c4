// Card and pile flights under the manual clock: pacing curves, delays, ends and the
// state a move leaves behind.
#include "BoardFixture.h"

namespace {

class AnimationTest : public ManualClockTest {
protected:
    void SetUp() override
    {
        ManualClockTest::SetUp();
        from = NewLine(0, 0);
        to = NewLine(300, 0);
        card = NewCard(Seven, Hearts, from);
    }
    QPoint Pos() const { return {card->X(), card->Y()}; }
    TPile* from = nullptr;
    TPile* to = nullptr;
    TCard* card = nullptr;
};

TEST_F(AnimationTest, MoveCardPutsTheCardInItsPileButLeavesItsPictureAtTheStart)
{
    board.MoveCard(card, to, 0, false, 300, 0);
    EXPECT_EQ(card->Pile(), to);
    EXPECT_EQ(from->Count(), 0);
    EXPECT_EQ(Pos(), QPoint(0, 0));
    EXPECT_EQ(QPoint(card->TargetX, card->TargetY), QPoint(300, 0));
    EXPECT_TRUE(card->Moving);
    EXPECT_EQ(board.MovingCount(), 1);
    EXPECT_DOUBLE_EQ(card->Progress(), 0.0);
}

TEST_F(AnimationTest, PacingCurvesHalfWayThroughThreeHundredPixels)
{
    // f(0.5) * 300: t -> 150; t^2 -> 75; sqrt t -> 212.1; t^(1/4) -> 252.3; t^4 -> 18.75.
    const std::pair<TBoardAnimateType, int> cases[] = {
        {atUniform, 150}, {atFast, 75}, {atSlow, 212}, {atDoubleSlow, 252}, {atDoubleFast, 19}};
    uint32_t start = 0;
    for (auto [type, expected] : cases) {
        board.SetAnimateType(type);
        card->SetPile(from);
        StepAt(start);
        board.MoveCard(card, to, 0, false, 300, 0);
        StepAt(start + 150);
        EXPECT_EQ(Pos(), QPoint(expected, 0)) << "type " << int(type);
        StepAt(start + 301);
        ASSERT_EQ(board.MovingCount(), 0);
        start += 1000;
    }
}

TEST_F(AnimationTest, CurvesRoundHalvesToEven)
{
    // atFast at t = 0.5 covers a quarter: 10 -> 2.5 -> 2, 6 -> 1.5 -> 2.
    TPile* near = NewLine(10, 6);
    board.SetAnimateType(atFast);
    board.MoveCard(card, near, 0, false, 100, 0);
    StepAt(50);
    EXPECT_EQ(Pos(), QPoint(2, 2));
}

TEST_F(AnimationTest, UniformTruncatesTowardZeroGoingLeft)
{
    // From 300 to 200 in 300 ms: -100 * 1 / 300 -> 0, -100 * 4 / 300 -> -1.
    TPile* right = NewLine(300, 0);
    TPile* left = NewLine(200, 0);
    card->SetPile(right);
    board.MoveCard(card, left, 0, false, 300, 0);
    StepAt(1);
    EXPECT_EQ(card->X(), 300);
    StepAt(4);
    EXPECT_EQ(card->X(), 299);
}

TEST_F(AnimationTest, MoveEndsOnTheFirstTickAfterItsDuration)
{
    board.SetAnimateType(atSlow);
    board.MoveCard(card, to, 0, false, 300, 0);
    StepAt(300);
    EXPECT_EQ(Pos(), QPoint(300, 0));
    EXPECT_TRUE(card->Moving);
    EXPECT_EQ(board.MovingCount(), 1);
    EXPECT_DOUBLE_EQ(card->Progress(), 1.0) << "at the target while still queued";
    StepAt(301);
    EXPECT_FALSE(card->Moving);
    EXPECT_EQ(board.MovingCount(), 0);
    EXPECT_EQ(Pos(), QPoint(300, 0));
}

TEST_F(AnimationTest, DelayedMoveWaitsThenRunsItsFullDuration)
{
    board.MoveCard(card, to, 0, false, 300, 100);
    StepAt(50);
    StepAt(100);
    EXPECT_EQ(Pos(), QPoint(0, 0));
    EXPECT_DOUBLE_EQ(card->Progress(), 0.0);
    StepAt(101);
    EXPECT_EQ(card->X(), 1);
    StepAt(250);
    EXPECT_EQ(card->X(), 150);
    EXPECT_DOUBLE_EQ(card->Progress(), 0.5);
    StepAt(400);
    EXPECT_TRUE(card->Moving);
    StepAt(401);
    EXPECT_FALSE(card->Moving);
}

TEST_F(AnimationTest, ZeroDurationJumpsOnTheFirstTickAMillisecondLater)
{
    board.MoveCard(card, to, 0, false, 0, 0);
    StepAt(0);
    EXPECT_EQ(Pos(), QPoint(0, 0));
    EXPECT_TRUE(card->Moving);
    board.Invalidated.clear();
    StepAt(1);
    EXPECT_EQ(Pos(), QPoint(300, 0));
    EXPECT_FALSE(card->Moving);
    for (const QRect& r : board.Invalidated)
        EXPECT_TRUE(r == CardRect(0, 0) || r == CardRect(300, 0)) << "no point in between";
}

TEST_F(AnimationTest, ElapsedTimeSurvivesTheClockWrapping)
{
    Clock::SetTick(0xFFFFFF00u);
    board.MoveCard(card, to, 0, false, 300, 0);
    Clock::SetTick(0xFFFFFF00u + 150u); // wraps past zero
    board.AnimateCards();
    EXPECT_EQ(card->X(), 150);
}

TEST_F(AnimationTest, EachStepRepaintsTheOldAndTheNewArea)
{
    board.MoveCard(card, to, 0, false, 300, 0);
    StepAt(100);
    board.Invalidated.clear();
    StepAt(150);
    ASSERT_EQ(board.Invalidated.size(), 2u);
    EXPECT_EQ(board.Invalidated[0], CardRect(100, 0));
    EXPECT_EQ(board.Invalidated[1], CardRect(150, 0));
}

TEST_F(AnimationTest, MarkIsClearedWhenTheMoveIsQueued)
{
    card->SetMarked(true);
    board.MoveCard(card, to, 0, false, 300, 0);
    EXPECT_FALSE(card->Marked());

    StepAt(301);
    board.SetAutoClearMarks(false);
    card->SetMarked(true);
    board.MoveCard(card, from, 0, false, 300, 0);
    EXPECT_TRUE(card->Marked());
}

TEST_F(AnimationTest, CardMovedIntoAFaceDownPileTurnsAtOnce)
{
    to->SetShowCards(scBack);
    ASSERT_TRUE(card->ShowCard());
    board.MoveCard(card, to, 0, false, 300, 0);
    EXPECT_FALSE(card->ShowCard());
    EXPECT_EQ(Pos(), QPoint(0, 0));
}

TEST_F(AnimationTest, ProgressMeasuresDistanceVerticallyWhenThereIsNoHorizontalWay)
{
    TPile* below = NewLine(0, 200);
    board.MoveCard(card, below, 0, false, 300, 0);
    StepAt(75);
    EXPECT_EQ(Pos(), QPoint(0, 50));
    EXPECT_DOUBLE_EQ(card->Progress(), 0.25);
    StepAt(301);
    EXPECT_DOUBLE_EQ(card->Progress(), 1.0);
}

TEST_F(AnimationTest, LandingSettlesIntoTheCurrentLayout)
{
    board.MoveCard(card, to, 0, false, 300, 0);
    StepAt(150);
    to->SetX(400); // the flying card is left alone by the layout ...
    EXPECT_EQ(card->X(), 150);
    StepAt(301); // ... and finds its slot when it lands
    EXPECT_EQ(Pos(), QPoint(400, 0));
}

TEST_F(AnimationTest, MovingAQueuedCardAgainQueuesItOnceFromWhereItIs)
{
    board.MoveCard(card, to, 0, false, 300, 0);
    StepAt(100);
    ASSERT_EQ(card->X(), 100);
    TPile* other = NewLine(0, 200);
    board.MoveCard(card, other, 0, false, 300, 0);
    EXPECT_EQ(board.MovingCount(), 1);
    EXPECT_EQ(QPoint(card->StartX, card->StartY), QPoint(100, 0));
    EXPECT_EQ(QPoint(card->TargetX, card->TargetY), QPoint(0, 200));
    StepAt(250); // half way: 100 - 50, 0 + 100
    EXPECT_EQ(Pos(), QPoint(50, 100));
    StepAt(401);
    EXPECT_EQ(board.MovingCount(), 0);
    EXPECT_EQ(Pos(), QPoint(0, 200));
}

TEST_F(AnimationTest, ReplaceDestroysThePlaceholderAndTakesItsSlot)
{
    TPile* table = board.NewPile(poLine, 0, 300, 80, 0, 1, 0, 0);
    TCard* attack = NewCard(Six, Hearts, table);
    TCard* placeholder = NewCard(Ace, Clubs, table);
    placeholder->SetEmpty(true);
    NewCard(Eight, Hearts, table); // an attack after the pair
    ASSERT_EQ(board.CardCount(), 4);
    board.MoveCard(card, table, 1, true, 100, 0);
    EXPECT_EQ(board.CardCount(), 3);
    EXPECT_EQ(table->Count(), 3);
    EXPECT_EQ(table->Card(0), attack);
    EXPECT_EQ(table->Card(1), card);
    EXPECT_EQ(QPoint(card->TargetX, card->TargetY), QPoint(80, 300));
}

TEST_F(AnimationTest, DestroyingAFlyingCardTakesItOutOfTheQueue)
{
    board.MoveCard(card, to, 0, false, 300, 0);
    board.DestroyCard(card);
    EXPECT_EQ(board.MovingCount(), 0);
    StepAt(400); // nothing left to step
    EXPECT_EQ(to->Count(), 0);
}

class PileAnimationTest : public ManualClockTest {};

TEST_F(PileAnimationTest, CardsFollowThePileOneStepBehindAndLieAroundItsFinalPoint)
{
    TPile* pile = NewLine(0, 0, 20);
    for (int v = 0; v < 3; ++v)
        NewCard(TCardValue(v), Clubs, pile);
    board.MovePile(pile, 200, 100, 100, 0);
    EXPECT_TRUE(pile->Moving);
    EXPECT_DOUBLE_EQ(pile->Progress(), 0.0);

    StepAt(50);
    EXPECT_EQ(QPoint(pile->X(), pile->Y()), QPoint(100, 50));
    EXPECT_DOUBLE_EQ(pile->Progress(), 0.5);
    EXPECT_EQ(pile->Card(2)->X(), 40) << "laid out at the previous point";

    StepAt(75);
    EXPECT_EQ(QPoint(pile->X(), pile->Y()), QPoint(150, 75));
    EXPECT_EQ(QPoint(pile->Card(2)->X(), pile->Card(2)->Y()), QPoint(140, 50));

    StepAt(100);
    EXPECT_TRUE(pile->Moving);
    StepAt(101);
    EXPECT_FALSE(pile->Moving);
    EXPECT_TRUE(board.MovingPiles().empty());
    EXPECT_DOUBLE_EQ(pile->Progress(), 1.0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(QPoint(pile->Card(i)->X(), pile->Card(i)->Y()), QPoint(200 + 20 * i, 100));
}

TEST_F(PileAnimationTest, DelayedPileStaysUntilTheDelayHasPassed)
{
    TPile* pile = NewLine(0, 0, 20);
    NewCard(Six, Clubs, pile);
    board.SetAnimateType(atFast);
    board.MovePile(pile, 100, 0, 100, 50);
    StepAt(50);
    EXPECT_EQ(pile->X(), 0);
    StepAt(100); // t = 0.5 -> a quarter of the way
    EXPECT_EQ(pile->X(), 25);
    StepAt(151);
    EXPECT_EQ(pile->TopCard()->X(), 100);
}

} // namespace
