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

TEST_F(ErrorsTest, AllocByBelowOneIsRefusedWithItsValueAndChangesNothing)
{
    TPile* pile = Fill(board.NewPile(poLine, 0, 0, 30, 0, 2, 5, 0), 3);
    board.Invalidated.clear();
    EXPECT_EQ(MessageOf<EPile>([&] { pile->SetAllocBy(0); }),
              "TPile.SetAllocBy: Cannot allocate by 0");
    EXPECT_EQ(MessageOf<EPile>([&] { pile->SetAllocBy(-12); }),
              "TPile.SetAllocBy: Cannot allocate by -12");
    EXPECT_EQ(pile->AllocBy(), 2);
    EXPECT_EQ(Positions(*pile), (std::vector<QPoint>{{0, 0}, {5, 0}, {30, 0}}));
    EXPECT_TRUE(board.Invalidated.empty());

    // NewPile keeps the pile with everything set before AllocBy, nothing after.
    EXPECT_THROW(board.NewPile(poLine, 10, 20, 30, 40, 0, 5, 6), EPile);
    ASSERT_EQ(board.PileCount(), 2);
    const TPile* kept = board.Pile(1);
    EXPECT_EQ(kept->AllocBy(), 1);
    EXPECT_EQ(kept->PileH(), 40);
    EXPECT_EQ(kept->AllocW(), 0);
}

TEST_F(ErrorsTest, NewCardRefusesAPileOfAnotherBoard)
{
    TBoard other;
    TPile* foreign = other.NewPile(poLine, 0, 0, 16, 0, 1, 0, 0);
    EXPECT_EQ(MessageOf<EBoard>([&] { NewCard(Six, Clubs, foreign); }),
              "Cannot add card to pile from another board");
    EXPECT_EQ(board.CardCount(), 0);
    EXPECT_EQ(other.CardCount(), 0);
    TCard* card = NewCard(Six, Clubs);
    EXPECT_EQ(MessageOf<EBoard>([&] { board.MoveCard(card, foreign, 0, false, 0, 0); }),
              "Cannot move card to pile from another board");
    EXPECT_EQ(MessageOf<EBoard>([&] { board.MovePile(foreign, 0, 0, 0, 0); }),
              "Cannot move pile of another board");
    EXPECT_EQ(board.MovingCount(), 0);
    EXPECT_TRUE(board.MovingPiles().empty());
}

TEST_F(ErrorsTest, IndexesOutsideTheListsThrowOutOfRangeAndChangeNothing)
{
    TPile* from = NewLine(0, 0, 20);
    TPile* to = NewLine(0, 200);
    NewCard(Six, Clubs, from);
    TCard* card = NewCard(Seven, Clubs, from);
    EXPECT_THROW(from->Card(-1), std::out_of_range);
    EXPECT_THROW(from->RemoveCard(2), std::out_of_range);
    EXPECT_THROW(board.Pile(2), std::out_of_range);
    EXPECT_THROW(to->BottomCard(), std::out_of_range);
    // The card stays in its pile when the target index is missing.
    EXPECT_THROW(to->InsertCard(1, card), std::out_of_range);
    EXPECT_THROW(board.MoveCard(card, to, 5, true, 100, 0), std::out_of_range);
    EXPECT_EQ(card->Pile(), from);
    EXPECT_EQ(from->Count(), 2);
    EXPECT_EQ(card->X(), 20);
    EXPECT_FALSE(card->Moving);
    EXPECT_EQ(board.CardCount(), 2);
}

} // namespace
