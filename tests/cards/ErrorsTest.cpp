// Refused operations: exact messages, and nothing changed by the refusal.
#include "BoardFixture.h"
#include "Errors.h"

#include <string>

namespace {

using ErrorsTest = BoardTest;

template <typename E, typename F> std::string MessageOf(F&& f)
{
    try {
        f();
    } catch (const E& e) {
        return e.what();
    }
    return "<nothing thrown>";
}

TEST_F(ErrorsTest, AllocByBelowOneIsRefusedWithItsValue)
{
    TPile* pile = board.NewPile(poLine, 0, 0, 30, 0, 2, 5, 0);
    for (int v = 0; v < 3; ++v)
        NewCard(TCardValue(v), Clubs, pile);
    ASSERT_EQ(pile->TopCard()->X(), 30);
    board.Invalidated.clear();

    EXPECT_EQ(MessageOf<EPile>([&] { pile->SetAllocBy(0); }),
              "TPile.SetAllocBy: Cannot allocate by 0");
    EXPECT_EQ(MessageOf<EPile>([&] { pile->SetAllocBy(-12); }),
              "TPile.SetAllocBy: Cannot allocate by -12");
    EXPECT_EQ(pile->AllocBy(), 2);
    EXPECT_EQ(pile->Card(1)->X(), 5);
    EXPECT_EQ(pile->TopCard()->X(), 30);
    EXPECT_TRUE(board.Invalidated.empty());
}

TEST_F(ErrorsTest, NewPileKeepsThePileWhenAllocByIsRefused)
{
    EXPECT_THROW(board.NewPile(poLine, 10, 20, 30, 40, 0, 5, 6), EPile);
    ASSERT_EQ(board.PileCount(), 1);
    const TPile* pile = board.Pile(0);
    EXPECT_EQ(pile->AllocBy(), 1);
    // Everything before AllocBy was set, nothing after.
    EXPECT_EQ(pile->X(), 10);
    EXPECT_EQ(pile->PileH(), 40);
    EXPECT_EQ(pile->AllocW(), 0);
}

TEST_F(ErrorsTest, NewCardRefusesAPileOfAnotherBoard)
{
    TBoard other;
    TPile* foreign = other.NewPile(poLine, 0, 0, 16, 0, 1, 0, 0);
    EXPECT_EQ(MessageOf<EBoard>([&] { NewCard(Six, Clubs, foreign); }),
              "Cannot add card to pile from another board");
    EXPECT_EQ(board.CardCount(), 0);
    EXPECT_EQ(other.CardCount(), 0);
    EXPECT_EQ(foreign->Count(), 0);
}

TEST_F(ErrorsTest, IndexesOutsideTheListsThrowOutOfRange)
{
    TPile* pile = NewLine(0, 0);
    TCard* card = NewCard(Six, Clubs, pile);
    EXPECT_THROW(pile->Card(1), std::out_of_range);
    EXPECT_THROW(pile->Card(-1), std::out_of_range);
    EXPECT_THROW(pile->RemoveCard(1), std::out_of_range);
    EXPECT_THROW(board.Card(1), std::out_of_range);
    EXPECT_THROW(board.Pile(1), std::out_of_range);
    EXPECT_THROW(NewLine(0, 0)->BottomCard(), std::out_of_range);
    EXPECT_THROW(pile->InsertCard(3, NewCard(Seven, Clubs)), std::out_of_range);
    EXPECT_EQ(pile->Count(), 1);
    EXPECT_EQ(card->Pile(), pile);
}

TEST_F(ErrorsTest, InsertingAtAMissingIndexLeavesTheCardInItsPile)
{
    TPile* from = NewLine(0, 0, 20);
    TPile* to = NewLine(0, 200, 20);
    NewCard(Six, Clubs, from);
    TCard* card = NewCard(Seven, Clubs, from);
    EXPECT_THROW(to->InsertCard(2, card), std::out_of_range);
    EXPECT_EQ(card->Pile(), from);
    EXPECT_EQ(from->Count(), 2);
    EXPECT_EQ(card->X(), 20);
}

TEST_F(ErrorsTest, ReplacingAtAMissingIndexChangesNothing)
{
    TPile* from = NewLine(0, 0);
    TPile* to = NewLine(0, 200);
    TCard* card = NewCard(Six, Clubs, from);
    NewCard(Seven, Clubs, to);
    EXPECT_THROW(board.MoveCard(card, to, 5, true, 100, 0), std::out_of_range);
    EXPECT_EQ(card->Pile(), from);
    EXPECT_FALSE(card->Moving);
    EXPECT_EQ(board.MovingCount(), 0);
    EXPECT_EQ(to->Count(), 1);
    EXPECT_EQ(board.CardCount(), 2);
}

} // namespace
