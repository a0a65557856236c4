// The program-wide generator and the two pile operations that draw from it.
#include "BoardFixture.h"
#include "Random.h"

#include <string>

namespace {

// seed := seed * 134775813 + 1 (mod 2^32); Random(n) = (seed * n) >> 32.
TEST(RandomTest, DrawsFollowTheLinearCongruentialSequence)
{
    SetRandSeed(1);
    EXPECT_EQ(Random(100), 3); // 134775814 * 100 / 2^32 = 3.14
    EXPECT_EQ(RandSeed(), 134775814u);
    EXPECT_EQ(Random(100), 86); // 3698175007 * 100 / 2^32 = 86.1
    // 0xFFFFFFFF * 134775813 + 1 wraps to 0xF7F77BFC; 36 * that / 2^32 = 34.87.
    SetRandSeed(0xFFFFFFFFu);
    EXPECT_EQ(Random(36), 34);
    EXPECT_EQ(RandSeed(), 0xF7F77BFCu);
}

class ShuffleTest : public BoardTest {
protected:
    TPile* Deck(int firstValue, TPileSort sort = psUnsorted)
    {
        TPile* deck = NewLine(0, 0, 10);
        deck->SetSort(sort);
        for (int v = 0; v < 5; ++v)
            NewCard(TCardValue(firstValue + v), Clubs, deck);
        return deck;
    }
    std::string Letters(const TPile& pile)
    {
        std::string s;
        for (const TCard* c : pile.Cards())
            s += char('A' + c->Value());
        return s;
    }
};

TEST_F(ShuffleTest, MovesCardsLikeAListNotBySwapping)
{
    // Five cards A..E, seed 1; j = Random(5) for i = 0..3:
    //   i 0: j 0, nothing;              ABCDE
    //   i 1: j 4, B out, in at 4:       ACDEB
    //   i 2: j 1, D out, in at 1:       ADCEB
    //   i 3: j 1, E out, in at 1:       AEDCB
    // (swapping instead would give ADECB).
    TPile* deck = Deck(0);
    SetRandSeed(1);
    deck->Shuffle();
    EXPECT_EQ(Letters(*deck), "AEDCB");
    EXPECT_EQ(RandSeed(), 1172187917u) << "exactly Count - 1 draws";
    EXPECT_EQ(deck->Card(1)->X(), 10) << "laid out again in the new order";

    // A sorted pile is not re-sorted after shuffling: Six..Ten the same way.
    TPile* sorted = Deck(5, psTrumpsFirst);
    SetRandSeed(1);
    sorted->Shuffle();
    EXPECT_EQ(Letters(*sorted), "FJIHG");
}

TEST_F(ShuffleTest, OnlyShufflesOfTwoOrMoreAndHeapArrivalsDraw)
{
    TPile* deck = NewLine(0, 0, 10);
    SetRandSeed(99);
    deck->Shuffle();
    NewCard(Six, Clubs, deck);
    deck->Shuffle();
    NewCard(Six, Clubs, NewPile(poEllipse, 100, 100, 50, 50));
    NewCard(Six, Clubs, NewPile(poNone, 0, 0));
    EXPECT_EQ(RandSeed(), 99u);

    // Seed 7, PileW 40, PileH 30, each card draws direction, reach X, reach Y:
    //   card 1: Random(720) = 158 (79 degrees), Random(40) = 33, Random(30) = 7:
    //           cos * 33 = 6.30 -> 6, sin * 7 = 6.87 -> 7;
    //   card 2: 500 (250 degrees), 2, 6: cos * 2 = -0.68 -> -1, sin * 6 = -5.64 -> -6.
    TPile* heap = NewPile(poHeap, 200, 100, 40, 30);
    SetRandSeed(7);
    TCard* first = NewCard(Six, Clubs, heap);
    TCard* second = NewCard(Seven, Clubs, heap);
    EXPECT_EQ(Pos(first), QPoint(206, 107));
    EXPECT_EQ(Pos(second), QPoint(199, 94));
}

} // namespace
