// Free places a loose pile refills, the order a sorted hand keeps, and shuffling.
#include "BoardFixture.h"
#include "Random.h"

namespace {

using LayoutTest = BoardTest;

TEST_F(LayoutTest, NoneKeepsCardsWhereTheyAreAndRefillsFreePlacesLastInFirstOut)
{
    TPile* loose = NewPile(poNone, 500, 500);
    loose->SetFillFreePlaces(true);
    TCard* a = NewCard(Six, Clubs);
    TCard* b = NewCard(Seven, Clubs);
    a->SetPos(10, 10);
    b->SetPos(200, 30);
    a->SetPile(loose);
    b->SetPile(loose);
    loose->SetX(0);
    EXPECT_EQ(Pos(a), QPoint(10, 10));
    loose->RemoveCard(a->CardIndex());
    loose->RemoveCard(b->CardIndex());
    EXPECT_EQ(Pos(NewCard(Eight, Clubs, loose)), QPoint(200, 30));
    EXPECT_EQ(Pos(NewCard(Nine, Clubs, loose)), QPoint(10, 10));
    EXPECT_TRUE(loose->FreePlaces.empty());
}

TEST_F(LayoutTest, SortOrderForEveryTrumpSuit)
{
    TPile* sorted = NewLine(0, 0, 10);
    sorted->SetSort(psTrumpsLast);
    for (TCardValue v : {Ace, Six, Ten}) // scrambled on purpose
        for (TCardSuit s : {Hearts, Spades, Clubs, Diamonds})
            NewCard(v, s, sorted);
    // Trumps last; red (D, H) and black (C, S) always alternate.
    const std::pair<TCardSuit, std::string> orders[] = {
        {Clubs, "DSHC"}, {Diamonds, "CHSD"}, {Hearts, "CDSH"}, {Spades, "DCHS"}};
    for (const auto& [trumps, order] : orders) {
        // Start from another trump suit so that every case really re-sorts.
        board.SetTrumps(trumps == Clubs ? Hearts : Clubs);
        board.SetTrumps(trumps);
        std::string runs;
        for (char suit : order)
            runs += std::string(3, suit);
        EXPECT_EQ(Letters(*sorted, true), runs) << "trumps " << int(trumps);
    }
    EXPECT_EQ(Letters(*sorted), "6TA6TA6TA6TA") << "ranks rise, the Ace last";
    EXPECT_EQ(sorted->Card(11)->X(), 110) << "laid out in sorted order";
}

using ShuffleTest = BoardTest;

TEST_F(ShuffleTest, MovesCardsLikeAListNotBySwapping)
{
    // Five cards A..5, seed 1; j = Random(5) for i = 0..3:
    //   i 0: j 0, nothing;              A2345
    //   i 1: j 4, 2 out, in at 4:       A3452
    //   i 2: j 1, 4 out, in at 1:       A4352
    //   i 3: j 1, 5 out, in at 1:       A5432
    // (swapping instead would give A4532).
    TPile* deck = Fill(NewLine(0, 0, 10), 5);
    TPile* sorted = NewLine(0, 100, 10);
    sorted->SetSort(psTrumpsFirst);
    for (TCardValue v : {Six, Seven, Eight, Nine, Ten})
        NewCard(v, Clubs, sorted);
    SetRandSeed(1);
    deck->Shuffle();
    EXPECT_EQ(Letters(*deck), "A5432");
    EXPECT_EQ(RandSeed(), 1172187917u) << "exactly Count - 1 draws";
    EXPECT_EQ(deck->Card(1)->X(), 10) << "laid out again in the new order";
    // A sorted pile is not re-sorted after shuffling.
    SetRandSeed(1);
    sorted->Shuffle();
    EXPECT_EQ(Letters(*sorted), "6T987");
}

} // namespace
