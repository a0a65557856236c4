// Card strength and what a card's property changes repaint or re-sort.
#include "BoardFixture.h"

namespace {

using CardTest = BoardTest;

TEST_F(CardTest, BeatsBySuitRankAndTrumps)
{
    EXPECT_EQ(NewCard(Ace, Clubs)->Rank(), 14);
    EXPECT_EQ(NewCard(Deuce, Clubs)->Rank(), 2);
    EXPECT_EQ(NewCard(King, Spades)->Rank(), 13);
    const auto beats = [&](TCardValue av, TCardSuit as, TCardValue bv, TCardSuit bs) {
        return board.Beats(*NewCard(av, as), *NewCard(bv, bs));
    };
    board.SetTrumps(Diamonds);
    EXPECT_TRUE(beats(Ace, Clubs, King, Clubs));
    EXPECT_FALSE(beats(King, Clubs, Ace, Clubs));
    EXPECT_FALSE(beats(Ace, Clubs, Ace, Clubs)) << "equal cards: neither";
    EXPECT_FALSE(beats(Ace, Clubs, Six, Hearts)) << "only trumps cross suits";
    EXPECT_FALSE(beats(Six, Hearts, Ace, Clubs));
    EXPECT_TRUE(beats(Six, Diamonds, Ace, Spades));
    EXPECT_FALSE(beats(Ace, Spades, Six, Diamonds));
    EXPECT_TRUE(beats(Seven, Diamonds, Six, Diamonds));
    EXPECT_FALSE(beats(Six, Diamonds, Seven, Diamonds));
    board.SetTrumps(Spades);
    EXPECT_TRUE(beats(Six, Spades, Ace, Diamonds));
    // Strength reads the rank table, not the value.
    board.SetRanks({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    EXPECT_EQ(NewCard(Ace, Clubs)->Rank(), 1);
    EXPECT_TRUE(beats(King, Clubs, Ace, Clubs));
}

TEST_F(CardTest, RepaintsCoverTheMarkStripAndOnlyWhatCanBeSeen)
{
    TCard* card = NewCard(Seven, Clubs);
    card->SetPos(40, 60);
    board.Invalidated.clear();
    card->SetMarked(true);
    card->SetMarked(false); // must still repaint the strip above the card
    card->SetPos(50, 70);
    card->SetBack(3); // face up: neither the back nor unchanged values repaint
    card->SetValue(Seven);
    card->SetPos(50, 70);
    card->SetSelectedCard(true);
    card->SetSuit(Hearts);
    const std::vector<QRect> expected{MarkedRect(40, 60), MarkedRect(40, 60), CardRect(40, 60),
                                      CardRect(50, 70), CardRect(50, 70), CardRect(50, 70)};
    EXPECT_EQ(board.Invalidated, expected);

    // Face down: the highlight, value and suit do not show, the back does.
    card->SetShowCard(false);
    board.Invalidated.clear();
    card->SetSelectedCard(false);
    card->SetValue(Nine);
    card->SetSuit(Spades);
    EXPECT_TRUE(board.Invalidated.empty());
    card->SetBack(4);
    EXPECT_EQ(board.Invalidated, std::vector<QRect>{CardRect(50, 70)});
}

TEST_F(CardTest, AutoCardBackAppliesToEveryCardAndNewOnes)
{
    TCard* before = NewCard(Six, Clubs);
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

TEST_F(CardTest, ChangesReachThePile)
{
    board.SetTrumps(Spades);
    TPile* hand = NewLine(0, 0, 20);
    hand->SetSort(psTrumpsLast);
    TCard* six = NewCard(Six, Hearts, hand);
    TCard* king = NewCard(King, Hearts, hand);
    six->SetValue(Ace);
    EXPECT_EQ(six->X(), 20) << "re-sorted and laid out again";
    king->SetSuit(Spades); // trumps go last
    EXPECT_EQ(hand->Card(1), king);

    // A placeholder keeps its slot; a destroyed card gives it up.
    TCard* third = NewCard(Seven, Spades, hand);
    six->SetEmpty(true);
    EXPECT_EQ(third->X(), 20);
    board.DestroyCard(six);
    EXPECT_EQ(third->X(), 0);
    EXPECT_EQ(board.Cards(), (std::vector<TCard*>{king, third}));
}

} // namespace
