// The strength questions asked of a hand: ties, placeholders and cards in flight.
#include "BoardFixture.h"

namespace {

class PileQueriesTest : public BoardTest {
protected:
    void SetUp() override
    {
        board.SetTrumps(Spades);
        hand = NewLine(0, 0, 20);
    }
    TCard* Add(TCardValue v, TCardSuit s) { return NewCard(v, s, hand); }
    // Cards are flagged by hand here; the board must not try to draw or free them as queued.
    void TearDown() override
    {
        for (TCard* c : board.Cards())
            c->Moving = false;
    }
    TPile* hand = nullptr;
};

TEST_F(PileQueriesTest, LowestOfSuitPrefersTheUpperCardOnEqualRanks)
{
    TCard* lowerSix = Add(Six, Clubs);
    Add(Nine, Clubs);
    TCard* upperSix = Add(Six, Clubs);
    Add(King, Clubs);
    EXPECT_EQ(hand->LowestOfSuit(Clubs), upperSix);
    hand->RemoveCard(upperSix->CardIndex());
    EXPECT_EQ(hand->LowestOfSuit(Clubs), lowerSix);
    EXPECT_EQ(hand->LowestOfSuit(Hearts), nullptr);
}

TEST_F(PileQueriesTest, LowestOfSuitSkipsPlaceholdersButCountsMovingCards)
{
    TCard* six = Add(Six, Hearts);
    TCard* eight = Add(Eight, Hearts);
    TCard* seven = Add(Seven, Hearts);
    six->SetEmpty(true);
    EXPECT_EQ(hand->LowestOfSuit(Hearts), seven);
    seven->Moving = true;
    EXPECT_EQ(hand->LowestOfSuit(Hearts), seven);
    seven->SetEmpty(true);
    EXPECT_EQ(hand->LowestOfSuit(Hearts), eight);
}

TEST_F(PileQueriesTest, AceIsTheHighestCardOfItsSuit)
{
    Add(Ace, Diamonds);
    TCard* king = Add(King, Diamonds);
    EXPECT_EQ(hand->LowestOfSuit(Diamonds), king);
}

TEST_F(PileQueriesTest, LowestTrumpFollowsTheBoardsTrumps)
{
    Add(Nine, Spades);
    TCard* sixSpades = Add(Six, Spades);
    TCard* sevenHearts = Add(Seven, Hearts);
    EXPECT_EQ(hand->LowestTrump(), sixSpades);
    board.SetTrumps(Hearts);
    EXPECT_EQ(hand->LowestTrump(), sevenHearts);
    board.SetTrumps(Diamonds);
    EXPECT_EQ(hand->LowestTrump(), nullptr);
}

TEST_F(PileQueriesTest, LowestNonTrumpKeepsTheEarlierSuitOnEqualRanks)
{
    TCard* sixHearts = Add(Six, Hearts);
    TCard* sixClubs = Add(Six, Clubs);
    EXPECT_EQ(hand->LowestNonTrump(), sixClubs);
    // Below the Six of Hearts now: the suit order decides, not the place.
    hand->InsertCard(0, sixClubs);
    ASSERT_EQ(hand->Card(1), sixHearts);
    EXPECT_EQ(hand->LowestNonTrump(), sixClubs);
}

TEST_F(PileQueriesTest, LowestNonTrumpTakesTheLowerRankAcrossSuitsAndIgnoresTrumps)
{
    Add(Seven, Clubs);
    TCard* sixDiamonds = Add(Six, Diamonds);
    Add(Six, Spades); // trump: lower than nothing here, it does not compete
    Add(Ace, Hearts);
    EXPECT_EQ(hand->LowestNonTrump(), sixDiamonds);
}

TEST_F(PileQueriesTest, LowestNonTrumpFallsBackToTheLowestTrump)
{
    EXPECT_EQ(hand->LowestNonTrump(), nullptr);
    Add(Ten, Spades);
    TCard* sevenSpades = Add(Seven, Spades);
    EXPECT_EQ(hand->LowestNonTrump(), sevenSpades);
    TCard* placeholder = Add(Six, Clubs);
    placeholder->SetEmpty(true);
    EXPECT_EQ(hand->LowestNonTrump(), sevenSpades);
}

TEST_F(PileQueriesTest, CheapestBeaterTakesTheLowestHigherCardOfTheSuit)
{
    TCard* nine = Add(Nine, Clubs);
    TCard* seven = Add(Seven, Clubs);
    TCard* eight = Add(Eight, Clubs);
    Add(Six, Spades);
    TCard* six = NewCard(Six, Clubs);
    EXPECT_EQ(hand->CheapestBeater(*six), seven);
    // A card of the hand never beats itself.
    EXPECT_EQ(hand->CheapestBeater(*eight), nine);
    // Cards in flight are not offered as beaters.
    seven->Moving = true;
    EXPECT_EQ(hand->CheapestBeater(*six), eight);
}

TEST_F(PileQueriesTest, CheapestBeaterFallsBackToTheLowestTrumpEvenIfItIsMoving)
{
    Add(King, Hearts);
    Add(Nine, Spades);
    TCard* sixSpades = Add(Six, Spades);
    TCard* aceClubs = NewCard(Ace, Clubs);
    EXPECT_EQ(hand->CheapestBeater(*aceClubs), sixSpades);
    sixSpades->Moving = true;
    EXPECT_EQ(hand->CheapestBeater(*aceClubs), sixSpades);
    // Only a trump of higher rank beats a trump, and nothing stands in for one.
    TCard* nineSpadesAttack = NewCard(Nine, Spades);
    EXPECT_EQ(hand->CheapestBeater(*nineSpadesAttack), nullptr);
    TCard* sevenSpadesAttack = NewCard(Seven, Spades);
    EXPECT_NE(hand->CheapestBeater(*sevenSpadesAttack), nullptr);
    EXPECT_EQ(hand->CheapestBeater(*sevenSpadesAttack)->Value(), Nine);
}

TEST_F(PileQueriesTest, CheapestBeaterIsNilWithoutSuitOrTrumps)
{
    Add(King, Hearts);
    Add(Ace, Diamonds);
    TCard* attack = NewCard(Seven, Clubs);
    EXPECT_EQ(hand->CheapestBeater(*attack), nullptr);
    TCard* placeholderTrump = Add(Six, Spades);
    placeholderTrump->SetEmpty(true);
    EXPECT_EQ(hand->CheapestBeater(*attack), nullptr);
}

TEST_F(PileQueriesTest, CheapestBeaterPrefersTheUpperCardOnTies)
{
    Add(Eight, Diamonds);
    TCard* upper = Add(Eight, Diamonds);
    TCard* attack = NewCard(Seven, Diamonds);
    EXPECT_EQ(hand->CheapestBeater(*attack), upper);
}

TEST_F(PileQueriesTest, FindByRankPrefersNonTrumpsThenTheUpperCard)
{
    TCard* tenHearts = Add(Ten, Hearts);
    TCard* tenSpades = Add(Ten, Spades); // trump, nearer the top
    EXPECT_EQ(hand->FindByRank(10), tenHearts);
    TCard* tenClubs = Add(Ten, Clubs);
    EXPECT_EQ(hand->FindByRank(10), tenClubs);
    tenClubs->SetEmpty(true);
    tenHearts->SetEmpty(true);
    EXPECT_EQ(hand->FindByRank(10), tenSpades);
    EXPECT_EQ(hand->FindByRank(9), nullptr);
}

TEST_F(PileQueriesTest, FindByRankUsesRanksNotValues)
{
    TCard* ace = Add(Ace, Hearts);
    EXPECT_EQ(hand->FindByRank(14), ace);
    EXPECT_EQ(hand->FindByRank(1), nullptr);
    EXPECT_EQ(hand->FindByRank(0), nullptr);
}

TEST_F(PileQueriesTest, TopAndBottom)
{
    EXPECT_EQ(hand->TopCard(), nullptr);
    TCard* a = Add(Six, Clubs);
    TCard* b = Add(Seven, Clubs);
    EXPECT_EQ(hand->TopCard(), b);
    EXPECT_EQ(hand->BottomCard(), a);
    EXPECT_EQ(hand->IndexOf(b), 1);
    EXPECT_EQ(hand->IndexOf(NewCard(Six, Clubs)), -1);
}

} // namespace
