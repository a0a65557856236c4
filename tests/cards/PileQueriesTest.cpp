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
    // Cards are flagged by hand here; the board must not see them as queued.
    void TearDown() override
    {
        for (TCard* c : board.Cards())
            c->Moving = false;
    }
    TCard* Add(TCardValue v, TCardSuit s) { return NewCard(v, s, hand); }
    TPile* hand = nullptr;
};

TEST_F(PileQueriesTest, LowestOfSuitPrefersTheUpperCardSkipsPlaceholdersCountsMovingCards)
{
    TCard* lowerSix = Add(Six, Clubs);
    Add(Nine, Clubs);
    TCard* upperSix = Add(Six, Clubs);
    TCard* king = Add(King, Clubs);
    Add(Ace, Clubs); // the Ace ranks highest
    EXPECT_EQ(hand->LowestOfSuit(Clubs), upperSix);
    upperSix->Moving = true;
    EXPECT_EQ(hand->LowestOfSuit(Clubs), upperSix);
    upperSix->SetEmpty(true);
    EXPECT_EQ(hand->LowestOfSuit(Clubs), lowerSix);
    lowerSix->SetEmpty(true);
    hand->RemoveCard(1);
    EXPECT_EQ(hand->LowestOfSuit(Clubs), king);
    EXPECT_EQ(hand->LowestOfSuit(Hearts), nullptr);
}

TEST_F(PileQueriesTest, LowestTrumpAndLowestNonTrump)
{
    EXPECT_EQ(hand->LowestNonTrump(), nullptr);
    Add(Nine, Spades);
    TCard* sixSpades = Add(Six, Spades);
    Add(Six, Diamonds)->SetEmpty(true);
    EXPECT_EQ(hand->LowestNonTrump(), sixSpades) << "falls back to the lowest trump";
    TCard* sevenHearts = Add(Seven, Hearts);
    TCard* sevenClubs = Add(Seven, Clubs);
    EXPECT_EQ(hand->LowestTrump(), sixSpades);
    // Equal ranks: the earlier suit wins wherever it lies.
    EXPECT_EQ(hand->LowestNonTrump(), sevenClubs);
    hand->InsertCard(0, sevenClubs);
    EXPECT_EQ(hand->LowestNonTrump(), sevenClubs);
    board.SetTrumps(Hearts);
    EXPECT_EQ(hand->LowestTrump(), sevenHearts);
    board.SetTrumps(Diamonds);
    EXPECT_EQ(hand->LowestTrump(), nullptr);
}

TEST_F(PileQueriesTest, CheapestBeater)
{
    TCard* nine = Add(Nine, Clubs);
    TCard* seven = Add(Seven, Clubs);
    TCard* eight = Add(Eight, Clubs);
    TCard* upperEight = Add(Eight, Clubs);
    // Never the card itself; on ties the upper card; never a card in flight.
    EXPECT_EQ(hand->CheapestBeater(*seven), upperEight);
    EXPECT_EQ(hand->CheapestBeater(*eight), nine);
    seven->Moving = true;
    upperEight->SetEmpty(true);
    EXPECT_EQ(hand->CheapestBeater(*NewCard(Six, Clubs)), eight);

    // Without one of the suit the lowest trump stands in, even if it is moving.
    TCard* aceHearts = NewCard(Ace, Hearts);
    Add(Six, Spades)->SetEmpty(true);
    EXPECT_EQ(hand->CheapestBeater(*aceHearts), nullptr);
    TCard* nineSpades = Add(Nine, Spades);
    TCard* sixSpades = Add(Six, Spades);
    sixSpades->Moving = true;
    EXPECT_EQ(hand->CheapestBeater(*aceHearts), sixSpades);
    // Only a higher trump beats a trump, and nothing stands in for one.
    EXPECT_EQ(hand->CheapestBeater(*NewCard(Nine, Spades)), nullptr);
    EXPECT_EQ(hand->CheapestBeater(*NewCard(Seven, Spades)), nineSpades);
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
    TCard* ace = Add(Ace, Hearts);
    EXPECT_EQ(hand->FindByRank(14), ace) << "ranks, not values";
    EXPECT_EQ(hand->FindByRank(1), nullptr);
}

} // namespace
