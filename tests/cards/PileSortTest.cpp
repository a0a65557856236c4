// Sort orders of a hand: suits by trumps and sort kind, alternating colours, then rank.
#include "BoardFixture.h"

#include <string>

namespace {

using PileSortTest = BoardTest;

// One letter per card: its suit, or its value.
std::string Letters(const TPile& pile, bool suits)
{
    std::string s;
    for (const TCard* c : pile.Cards())
        s += suits ? "CDHS"[c->Suit()] : "A23456789TJQK"[c->Value()];
    return s;
}

TEST_F(PileSortTest, SuitOrderForEveryTrumpSuitAndSortKind)
{
    TPile* first = NewLine(0, 0, 10);
    TPile* last = NewLine(0, 100, 10);
    first->SetSort(psTrumpsFirst);
    last->SetSort(psTrumpsLast);
    for (TCardValue v : {Ace, Six, Ten}) // scrambled on purpose
        for (TCardSuit s : {Hearts, Spades, Clubs, Diamonds}) {
            NewCard(v, s, first);
            NewCard(v, s, last);
        }
    // Red (D, H) and black (C, S) always alternate.
    const std::tuple<TCardSuit, std::string, std::string> orders[] = {
        {Clubs, "CDSH", "DSHC"}, {Diamonds, "DCHS", "CHSD"},
        {Hearts, "HCDS", "CDSH"}, {Spades, "SDCH", "DCHS"}};
    const auto runs = [](const std::string& suits) {
        std::string s;
        for (char c : suits)
            s += std::string(3, c);
        return s;
    };
    for (const auto& [trumps, firstOrder, lastOrder] : orders) {
        // Start from another trump suit so that every case really re-sorts.
        board.SetTrumps(trumps == Clubs ? Hearts : Clubs);
        board.SetTrumps(trumps);
        EXPECT_EQ(Letters(*first, true), runs(firstOrder)) << "trumps " << int(trumps);
        EXPECT_EQ(Letters(*last, true), runs(lastOrder)) << "trumps " << int(trumps);
    }
    EXPECT_EQ(Letters(*last, false), "6TA6TA6TA6TA") << "ranks rise, the Ace last";
    EXPECT_EQ(last->Card(11)->X(), 110) << "laid out in sorted order";
}

TEST_F(PileSortTest, UnsortedKeepsArrivalOrderAndSortingStartsAtOnce)
{
    TPile* hand = NewLine(0, 0, 10);
    NewCard(King, Spades, hand);
    NewCard(Six, Clubs, hand);
    NewCard(Ace, Hearts, hand);
    board.SetTrumps(Clubs);
    EXPECT_EQ(Letters(*hand, true), "SCH");
    hand->SetSort(psTrumpsFirst);
    EXPECT_EQ(Letters(*hand, true), "CSH");
    hand->InsertCard(3, NewCard(Seven, Clubs));
    EXPECT_EQ(Letters(*hand, false), "67KA") << "inserted cards are sorted too";
}

} // namespace
