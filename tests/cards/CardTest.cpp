// Card strength and what a card's property changes repaint or re-sort.
#include "BoardFixture.h"

namespace {

using CardTest = BoardTest;

TEST_F(CardTest, RanksPutTheAceAboveTheKing)
{
    EXPECT_EQ(NewCard(Ace, Clubs)->Rank(), 14);
    EXPECT_EQ(NewCard(Deuce, Clubs)->Rank(), 2);
    EXPECT_EQ(NewCard(Six, Hearts)->Rank(), 6);
    EXPECT_EQ(NewCard(Ten, Hearts)->Rank(), 10);
    EXPECT_EQ(NewCard(King, Spades)->Rank(), 13);
}

TEST_F(CardTest, BeatsWithinASuitByRank)
{
    board.SetTrumps(Hearts);
    TCard* ace = NewCard(Ace, Clubs);
    TCard* king = NewCard(King, Clubs);
    TCard* six = NewCard(Six, Clubs);
    EXPECT_TRUE(board.Beats(*ace, *king));
    EXPECT_FALSE(board.Beats(*king, *ace));
    EXPECT_TRUE(board.Beats(*king, *six));
    // Same suit and rank: neither beats the other.
    TCard* ace2 = NewCard(Ace, Clubs);
    EXPECT_FALSE(board.Beats(*ace, *ace2));
    EXPECT_FALSE(board.Beats(*ace2, *ace));
}

TEST_F(CardTest, OnlyTrumpsCrossSuits)
{
    board.SetTrumps(Diamonds);
    TCard* aceClubs = NewCard(Ace, Clubs);
    TCard* sixHearts = NewCard(Six, Hearts);
    EXPECT_FALSE(board.Beats(*aceClubs, *sixHearts));
    EXPECT_FALSE(board.Beats(*sixHearts, *aceClubs));
    TCard* sixTrump = NewCard(Six, Diamonds);
    TCard* sevenTrump = NewCard(Seven, Diamonds);
    TCard* aceSpades = NewCard(Ace, Spades);
    EXPECT_TRUE(board.Beats(*sixTrump, *aceSpades));
    EXPECT_FALSE(board.Beats(*aceSpades, *sixTrump));
    EXPECT_TRUE(board.Beats(*sevenTrump, *sixTrump));
    EXPECT_FALSE(board.Beats(*sixTrump, *sevenTrump));
    // The rule follows the board's trump suit when it changes.
    board.SetTrumps(Spades);
    EXPECT_TRUE(board.Beats(*aceSpades, *sixTrump));
    EXPECT_FALSE(board.Beats(*sixTrump, *aceSpades));
}

TEST_F(CardTest, StrengthReadsTheRankTableNotTheValue)
{
    board.SetTrumps(Hearts);
    TCard* ace = NewCard(Ace, Clubs);
    TCard* king = NewCard(King, Clubs);
    board.SetRanks({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    EXPECT_EQ(ace->Rank(), 1);
    EXPECT_TRUE(board.Beats(*king, *ace));
    EXPECT_FALSE(board.Beats(*ace, *king));
}

TEST_F(CardTest, RepaintAreaCoversTheCardAndTheMarkStrip)
{
    TCard* card = NewCard(Seven, Clubs);
    card->SetPos(40, 60);
    board.Invalidated.clear();
    card->SetMarked(true);
    ASSERT_EQ(board.Invalidated.size(), 1u);
    EXPECT_EQ(board.Invalidated[0], MarkedRect(40, 60));

    // Switching the mark off must still repaint the strip above the card.
    board.Invalidated.clear();
    card->SetMarked(false);
    ASSERT_EQ(board.Invalidated.size(), 1u);
    EXPECT_EQ(board.Invalidated[0], MarkedRect(40, 60));

    board.Invalidated.clear();
    card->SetPos(50, 70);
    ASSERT_EQ(board.Invalidated.size(), 2u);
    EXPECT_EQ(board.Invalidated[0], CardRect(40, 60));
    EXPECT_EQ(board.Invalidated[1], CardRect(50, 70));
}

TEST_F(CardTest, SettersRepaintOnlyWhatCanBeSeen)
{
    TCard* card = NewCard(Seven, Clubs, nullptr, true);
    card->SetPos(10, 20);
    board.Invalidated.clear();

    // Face up: neither the back nor an unchanged value repaints.
    card->SetBack(3);
    card->SetShowCard(true);
    card->SetValue(Seven);
    card->SetSuit(Clubs);
    card->SetPos(10, 20);
    card->SetX(10);
    card->SetMarked(false);
    card->SetEmpty(false);
    EXPECT_TRUE(board.Invalidated.empty());
    EXPECT_EQ(card->Back(), 3);

    card->SetSelectedCard(true);
    card->SetValue(Eight);
    card->SetSuit(Hearts);
    EXPECT_EQ(board.Invalidated.size(), 3u);

    // Face down: the highlight, value and suit do not show, the back does.
    card->SetShowCard(false);
    board.Invalidated.clear();
    card->SetSelectedCard(false);
    card->SetValue(Nine);
    card->SetSuit(Spades);
    EXPECT_TRUE(board.Invalidated.empty());
    card->SetBack(4);
    ASSERT_EQ(board.Invalidated.size(), 1u);
    EXPECT_EQ(board.Invalidated[0], CardRect(10, 20));
}

TEST_F(CardTest, NewCardTakesTheAutoCardBackAndApplyingItChangesEveryCard)
{
    TCard* before = NewCard(Six, Clubs);
    EXPECT_EQ(before->Back(), 0);
    board.SetAutoCardBack(5);
    EXPECT_EQ(before->Back(), 5);
    TCard* after = NewCard(Seven, Clubs);
    EXPECT_EQ(after->Back(), 5);

    after->SetBack(9);
    board.SetAutoCardBack(-1);
    EXPECT_EQ(before->Back(), 5);
    EXPECT_EQ(after->Back(), 9);
    EXPECT_EQ(NewCard(Eight, Clubs)->Back(), 0);
}

TEST_F(CardTest, ChangingValueInASortedPileResorts)
{
    board.SetTrumps(Spades);
    TPile* hand = NewLine(0, 0, 20);
    hand->SetSort(psTrumpsLast);
    TCard* six = NewCard(Six, Hearts, hand);
    TCard* king = NewCard(King, Hearts, hand);
    ASSERT_EQ(hand->Card(0), six);
    six->SetValue(Ace);
    EXPECT_EQ(hand->Card(0), king);
    EXPECT_EQ(hand->Card(1), six);
    EXPECT_EQ(six->X(), 20);
    six->SetSuit(Spades);
    six->SetValue(Six);
    EXPECT_EQ(hand->Card(1), six);
    king->SetSuit(Spades);
    EXPECT_EQ(hand->Card(0), six);
}

TEST_F(CardTest, DestroyingACardRelaysItsPileAndForgetsIt)
{
    TPile* pile = NewLine(100, 0, 20);
    TCard* c0 = NewCard(Six, Clubs, pile);
    TCard* c1 = NewCard(Seven, Clubs, pile);
    TCard* c2 = NewCard(Eight, Clubs, pile);
    ASSERT_EQ(c2->X(), 140);
    board.DestroyCard(c1);
    EXPECT_EQ(pile->Count(), 2);
    EXPECT_EQ(c2->X(), 120);
    EXPECT_EQ(board.CardCount(), 2);
    EXPECT_EQ(board.Card(0), c0);
    EXPECT_EQ(board.Card(1), c2);
}

TEST_F(CardTest, AnEmptyPlaceholderKeepsItsSlot)
{
    TPile* table = NewLine(0, 0, 30);
    NewCard(Six, Clubs, table);
    NewCard(Ace, Clubs, table)->SetEmpty(true);
    TCard* third = NewCard(Seven, Clubs, table);
    EXPECT_EQ(third->X(), 60);
}

} // namespace
