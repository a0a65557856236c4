// The program-wide generator and the two pile operations that draw from it.
#include "BoardFixture.h"
#include "Random.h"

#include <string>

namespace {

// seed := seed * 134775813 + 1 (mod 2^32); Random(n) = (seed * n) >> 32.
// From seed 1: 134775814, 3698175007, 870078620, 1172187917, ...
TEST(RandomTest, DrawsFollowTheLinearCongruentialSequence)
{
    SetRandSeed(1);
    EXPECT_EQ(Random(100), 3);  // 134775814 * 100 / 2^32 = 3.14
    EXPECT_EQ(RandSeed(), 134775814u);
    EXPECT_EQ(Random(100), 86); // 3698175007 * 100 / 2^32 = 86.1
    EXPECT_EQ(RandSeed(), 3698175007u);
    EXPECT_EQ(Random(100), 20);
    EXPECT_EQ(Random(100), 27);
    EXPECT_EQ(Random(100), 67);
    EXPECT_EQ(RandSeed(), 2884733762u);

    SetRandSeed(12345);
    EXPECT_EQ(Random(36), 13);
    EXPECT_EQ(Random(36), 10);
    EXPECT_EQ(Random(36), 2);
    EXPECT_EQ(RandSeed(), 342459380u);
}

TEST(RandomTest, ResultStaysBelowNForLargeSeeds)
{
    SetRandSeed(0xFFFFFFFFu);
    // 0xFFFFFFFF * 134775813 + 1 wraps to 0xF7F77BFC (-0x08088404 mod 2^32); 36 * that / 2^32 = 34.87.
    EXPECT_EQ(Random(36), 34);
    EXPECT_EQ(RandSeed(), 0xF7F77BFCu);
    for (int i = 0; i < 1000; ++i) {
        const int r = Random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
    }
}

class ShuffleTest : public BoardTest {
protected:
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
    TPile* deck = NewLine(0, 0, 10);
    for (int v = 0; v < 5; ++v)
        NewCard(TCardValue(v), Clubs, deck);
    SetRandSeed(1);
    deck->Shuffle();
    EXPECT_EQ(Letters(*deck), "AEDCB");
    EXPECT_EQ(RandSeed(), 1172187917u) << "exactly Count - 1 draws";
    // Laid out again in the new order.
    EXPECT_EQ(deck->Card(1)->X(), 10);
    EXPECT_EQ(deck->Card(1)->Value(), TCardValue(4));
}

TEST_F(ShuffleTest, ShufflingFewerThanTwoCardsDrawsNothing)
{
    TPile* deck = NewLine(0, 0, 10);
    SetRandSeed(99);
    deck->Shuffle();
    NewCard(Six, Clubs, deck);
    deck->Shuffle();
    EXPECT_EQ(RandSeed(), 99u);
}

TEST_F(ShuffleTest, ShuffleDoesNotResort)
{
    board.SetTrumps(Spades);
    TPile* deck = NewLine(0, 0, 10);
    deck->SetSort(psTrumpsFirst);
    for (int v = 0; v < 5; ++v)
        NewCard(TCardValue(v + 5), Clubs, deck); // Six..Ten, sorted rising
    SetRandSeed(1);
    deck->Shuffle();
    EXPECT_EQ(Letters(*deck), "FJIHG");
}

TEST_F(ShuffleTest, HeapScatterDrawsDirectionThenReachXThenReachY)
{
    // Seed 7, PileW 40, PileH 30:
    //   card 1: Random(720) = 158 (79 degrees), Random(40) = 33, Random(30) = 7:
    //           cos * 33 = 6.30 -> 6, sin * 7 = 6.87 -> 7;
    //   card 2: 500 (250 degrees), 2, 6: cos * 2 = -0.68 -> -1, sin * 6 = -5.64 -> -6.
    TPile* heap = board.NewPile(poHeap, 200, 100, 40, 30, 1, 0, 0);
    SetRandSeed(7);
    TCard* first = NewCard(Six, Clubs, heap);
    TCard* second = NewCard(Seven, Clubs, heap);
    EXPECT_EQ(first->HeapOffsetX, 6);
    EXPECT_EQ(first->HeapOffsetY, 7);
    EXPECT_EQ(second->HeapOffsetX, -1);
    EXPECT_EQ(second->HeapOffsetY, -6);
    EXPECT_EQ(QPoint(first->X(), first->Y()), QPoint(206, 107));
    EXPECT_EQ(QPoint(second->X(), second->Y()), QPoint(199, 94));
}

TEST_F(ShuffleTest, OtherLayoutsDrawNothingOnArrival)
{
    TPile* line = NewLine(0, 0);
    TPile* ring = board.NewPile(poEllipse, 100, 100, 50, 50, 1, 0, 0);
    TPile* loose = board.NewPile(poNone, 0, 0, 16, 0, 1, 0, 0);
    SetRandSeed(5);
    NewCard(Six, Clubs, line);
    NewCard(Six, Clubs, ring);
    NewCard(Six, Clubs, loose);
    EXPECT_EQ(RandSeed(), 5u);
}

} // namespace
