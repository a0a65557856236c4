// Card strength, the strength questions asked of a hand (ties, placeholders, cards in
// flight), and refused operations: exact messages, nothing changed.
#include "BoardFixture.h"
#include "Errors.h"

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

TEST_F(PileQueriesTest, BeatsBySuitRankAndTrumps)
{
    const auto beats = [&](TCardValue av, TCardSuit as, TCardValue bv, TCardSuit bs) {
        return board.Beats(*NewCard(av, as), *NewCard(bv, bs));
    };
    board.SetTrumps(Diamonds);
    EXPECT_TRUE(beats(Ace, Clubs, King, Clubs)) << "the Ace ranks 14";
    EXPECT_FALSE(beats(Ace, Clubs, Ace, Clubs)) << "equal cards: neither";
    EXPECT_FALSE(beats(Ace, Clubs, Six, Hearts)) << "only trumps cross suits";
    EXPECT_TRUE(beats(Six, Diamonds, Ace, Spades));
    EXPECT_TRUE(beats(Seven, Diamonds, Six, Diamonds));
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
    TCard* nineSpades = Add(Nine, Spades);
    TCard* sixSpades = Add(Six, Spades);
    sixSpades->Moving = true;
    EXPECT_EQ(hand->CheapestBeater(*aceHearts), sixSpades);
    // Only a higher trump beats a trump, and nothing stands in for one.
    EXPECT_EQ(hand->CheapestBeater(*NewCard(Nine, Spades)), nullptr);
    EXPECT_EQ(hand->CheapestBeater(*NewCard(Seven, Spades)), nineSpades);
}

using ErrorsTest = BoardTest;

TEST_F(ErrorsTest, BadValuesAndIndexesAreRefusedAndChangeNothing)
{
    TPile* pile = Fill(board.NewPile(poLine, 0, 0, 30, 0, 2, 5, 0), 3);
    TPile* to = NewLine(0, 200);
    board.Invalidated.clear();
    try {
        pile->SetAllocBy(-12);
        ADD_FAILURE() << "a negative AllocBy was taken";
    } catch (const EPile& e) {
        EXPECT_STREQ(e.what(), "TPile.SetAllocBy: Cannot allocate by -12");
    }
    EXPECT_EQ(pile->AllocBy(), 2);
    EXPECT_TRUE(board.Invalidated.empty());

    // The card stays in its pile when the target index is missing.
    TCard* card = pile->TopCard();
    EXPECT_THROW(to->InsertCard(1, card), std::out_of_range);
    EXPECT_THROW(board.MoveCard(card, to, 5, true, 100, 0), std::out_of_range);
    EXPECT_EQ(card->Pile(), pile);
    EXPECT_FALSE(card->Moving);
    EXPECT_EQ(Positions(*pile), (std::vector<QPoint>{{0, 0}, {5, 0}, {30, 0}}));
    EXPECT_EQ(board.CardCount(), 3);
}

} // namespace
