// Where a pile lays its cards, which faces it shows, the order a sorted hand keeps,
// and the generator that shuffles decks and scatters heaps.
#include "BoardFixture.h"
#include "Random.h"

namespace {

using LayoutTest = BoardTest;
using Points = std::vector<QPoint>;

TEST_F(LayoutTest, LineStepsByGroupThenWithinGroup)
{
    // X 10, Y 20, PileW 30, PileH 5, AllocBy 3, AllocW 4, AllocH 2.
    TPile* pile = Fill(board.NewPile(poLine, 10, 20, 30, 5, 3, 4, 2), 7);
    const Points expected{{10, 20}, {14, 22}, {18, 24}, {40, 25}, {44, 27}, {48, 29}, {70, 30}};
    EXPECT_EQ(Positions(*pile), expected);
}

TEST_F(LayoutTest, ShowBottomPutsTheBottomCardFaceUpAtTheAnchor)
{
    TPile* deck = NewLine(100, 50, 20);
    deck->SetShowBottom(true);
    Fill(deck, 4, false);
    // A line puts the rest 16 pixels further.
    EXPECT_EQ(Positions(*deck), (Points{{100, 50}, {116, 50}, {136, 50}, {156, 50}}));
    EXPECT_TRUE(deck->BottomCard()->ShowCard());
    EXPECT_FALSE(deck->Card(1)->ShowCard());
}

TEST_F(LayoutTest, AutoTightSqueezesTheLastCardToTheBoxEdgeRoundingHalvesToEven)
{
    const auto squeezed = [&](int x, int count, int width, bool showBottom) {
        TPile* hand = Fill(NewLine(x, 0, 20), count);
        hand->SetShowBottom(showBottom);
        hand->SetWidth(width);
        hand->SetAutoTight(true);
        std::vector<int> xs;
        for (const TCard* card : hand->Cards())
            xs.push_back(card->X());
        return xs;
    };
    EXPECT_EQ(squeezed(0, 3, 320, false), (std::vector<int>{0, 20, 40})) << "fits: left alone";
    // Exact values 7 + 0, 12.5, 25, 37.5, 50: 19.5 and 44.5 go to the even side.
    EXPECT_EQ(squeezed(7, 5, 121, false), (std::vector<int>{7, 20, 32, 44, 57}));
    // Reference is index Count - 1 with the offset: factor 29 / 96.
    EXPECT_EQ(squeezed(0, 5, 100, true), (std::vector<int>{0, 5, 11, 17, 23}));
}

TEST_F(LayoutTest, EllipseGoesBottomLeftTopRightInEqualAngles)
{
    TPile* ring = Fill(NewPile(poEllipse, 300, 200, 100, 80), 4);
    EXPECT_EQ(Positions(*ring), (Points{{265, 232}, {165, 152}, {265, 72}, {365, 152}}));
    Fill(ring, 5);
    // Nine cards, card 1 at 130 degrees: cos = -0.6428, sin = 0.7660.
    EXPECT_EQ(Pos(ring->Card(1)), QPoint(300 - 64 - 35, 200 + 61 - 48));
}

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

TEST_F(LayoutTest, FaceRulesApplyToEveryCardButThoseInFlight)
{
    TPile* pile = Fill(NewLine(0, 0, 20), 3, true);
    TCard* flying = pile->Card(1);
    flying->Moving = true;
    pile->SetShowCards(scBack);
    pile->SetShowTop(true);
    EXPECT_FALSE(pile->Card(0)->ShowCard());
    EXPECT_TRUE(flying->ShowCard());
    EXPECT_TRUE(pile->TopCard()->ShowCard());
    flying->Moving = false;
}

TEST_F(LayoutTest, SortOrderForEveryTrumpSuit)
{
    TPile* sorted = NewLine(0, 0, 10);
    TPile* unsorted = NewLine(0, 200, 10);
    sorted->SetSort(psTrumpsLast);
    for (TCardValue v : {Ace, Six, Ten}) // scrambled on purpose
        for (TCardSuit s : {Hearts, Spades, Clubs, Diamonds}) {
            NewCard(v, s, sorted);
            NewCard(v, s, unsorted);
        }
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
    EXPECT_EQ(Letters(*unsorted, true).substr(0, 5), "HSCDH");
    EXPECT_EQ(sorted->Card(11)->X(), 110) << "laid out in sorted order";
}

// seed := seed * 134775813 + 1 (mod 2^32); Random(n) = (seed * n) >> 32.
TEST(RandomTest, DrawsFollowTheLinearCongruentialSequence)
{
    SetRandSeed(1);
    EXPECT_EQ(Random(100), 3); // 134775814 * 100 / 2^32 = 3.14
    EXPECT_EQ(Random(100), 86); // 3698175007 * 100 / 2^32 = 86.1
    // 0xFFFFFFFF * 134775813 + 1 wraps to 0xF7F77BFC; 36 * that / 2^32 = 34.87.
    SetRandSeed(0xFFFFFFFFu);
    EXPECT_EQ(Random(36), 34);
    EXPECT_EQ(RandSeed(), 0xF7F77BFCu);
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

TEST_F(ShuffleTest, OnlyShufflesOfTwoOrMoreAndHeapArrivalsDraw)
{
    SetRandSeed(99);
    Fill(NewLine(0, 0, 10), 1)->Shuffle();
    NewCard(Six, Clubs, NewPile(poEllipse, 100, 100, 50, 50));
    EXPECT_EQ(RandSeed(), 99u);

    // Seed 7, PileW 40, PileH 30, each card draws direction, reach X, reach Y, and lies
    // that far from the pile's point:
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
