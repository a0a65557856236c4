// Sort orders of a hand: suits by trumps and sort kind, alternating colours, then rank.
#include "BoardFixture.h"

#include <string>

namespace {

class PileSortTest : public BoardTest {
protected:
    // A hand holding Six, Ace and Ten of every suit, added in a scrambled order.
    TPile* DealHand(TPileSort sort)
    {
        TPile* hand = NewLine(0, 0, 10);
        hand->SetSort(sort);
        const TCardValue values[] = {Ace, Six, Ten};
        const TCardSuit suits[] = {Hearts, Spades, Clubs, Diamonds};
        for (TCardValue v : values)
            for (TCardSuit s : suits)
                NewCard(v, s, hand);
        return hand;
    }
};

// Suit letters of the hand from left to right, one letter per run of a suit.
std::string SuitRuns(const TPile& pile)
{
    std::string runs;
    for (const TCard* c : pile.Cards()) {
        const char letter = "CDHS"[c->Suit()];
        if (runs.empty() || runs.back() != letter)
            runs += letter;
    }
    return runs;
}

struct Order {
    TCardSuit trumps;
    const char* first;
    const char* last;
};

// The two orders for each trump suit; red (D, H) and black (C, S) always alternate.
const Order Orders[] = {
    {Clubs, "CDSH", "DSHC"},
    {Diamonds, "DCHS", "CHSD"},
    {Hearts, "HCDS", "CDSH"},
    {Spades, "SDCH", "DCHS"},
};

TEST_F(PileSortTest, SuitOrderForEveryTrumpSuit)
{
    TPile* first = DealHand(psTrumpsFirst);
    TPile* last = DealHand(psTrumpsLast);
    for (const Order& o : Orders) {
        // Start from another trump suit so that every case really re-sorts.
        board.SetTrumps(o.trumps == Clubs ? Hearts : Clubs);
        board.SetTrumps(o.trumps);
        EXPECT_EQ(SuitRuns(*first), o.first) << "trumps " << int(o.trumps);
        EXPECT_EQ(SuitRuns(*last), o.last) << "trumps " << int(o.trumps);
    }
}

TEST_F(PileSortTest, WithinASuitRanksRiseWithTheAceAtTheRightEnd)
{
    board.SetTrumps(Hearts);
    TPile* hand = DealHand(psTrumpsLast);
    ASSERT_EQ(hand->Count(), 12);
    const TCardValue perSuit[] = {Six, Ten, Ace};
    const TCardSuit suits[] = {Clubs, Diamonds, Spades, Hearts};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(hand->Card(i)->Suit(), suits[i / 3]) << i;
        EXPECT_EQ(hand->Card(i)->Value(), perSuit[i % 3]) << i;
        EXPECT_EQ(hand->Card(i)->X(), i * 10) << "laid out in sorted order";
    }
}

TEST_F(PileSortTest, UnsortedKeepsTheOrderOfArrival)
{
    TPile* hand = NewLine(0, 0, 10);
    TCard* a = NewCard(King, Spades, hand);
    TCard* b = NewCard(Six, Clubs, hand);
    TCard* c = NewCard(Ace, Hearts, hand);
    board.SetTrumps(Clubs);
    EXPECT_EQ(hand->Card(0), a);
    EXPECT_EQ(hand->Card(1), b);
    EXPECT_EQ(hand->Card(2), c);
    // Switching sorting on sorts at once; trumps Clubs first: C, D, S, H.
    hand->SetSort(psTrumpsFirst);
    EXPECT_EQ(hand->Card(0), b);
    EXPECT_EQ(hand->Card(1), a);
    EXPECT_EQ(hand->Card(2), c);
}

TEST_F(PileSortTest, InsertedCardsAreSortedToo)
{
    board.SetTrumps(Spades);
    TPile* hand = NewLine(0, 0, 10);
    hand->SetSort(psTrumpsFirst); // S, D, C, H
    NewCard(Six, Hearts, hand);
    NewCard(Six, Clubs, hand);
    TCard* trump = NewCard(Seven, Spades);
    hand->InsertCard(2, trump);
    EXPECT_EQ(hand->Card(0), trump);
}

} // namespace
