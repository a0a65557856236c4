// Where a pile lays its cards, the free places a loose pile refills, the order a sorted
// hand keeps, and shuffling; card strength, the strength questions asked of a hand (ties,
// placeholders, cards in flight), and refused operations, which change nothing.
#include "BoardFixture.h"
#include "Errors.h"
#include "Random.h"

namespace {

using LayoutTest = BoardTest;
using Points = std::vector<QPoint>;

TEST_F(LayoutTest, LinesPairsRingsAndSqueezedRows)
{
    // Pairs as on a table: X 10, Y 20, PileW 30, PileH 5, AllocBy 2, AllocW 4, AllocH 2.
    TPile* pairs = Fill(board.NewPile(poLine, 10, 20, 30, 5, 2, 4, 2), 5);
    EXPECT_EQ(Positions(*pairs), (Points{{10, 20}, {14, 22}, {40, 25}, {44, 27}, {70, 30}}));
    // A deck shows its bottom card face up at the anchor, the rest 16 pixels on.
    TPile* deck = NewLine(100, 50, 20);
    deck->SetShowBottom(true);
    Fill(deck, 3, false);
    EXPECT_EQ(Positions(*deck), (Points{{100, 50}, {116, 50}, {136, 50}}));
    EXPECT_TRUE(deck->BottomCard()->ShowCard());
    EXPECT_FALSE(deck->TopCard()->ShowCard());
    // A ring starts at the bottom and goes round through the left, centres 35, 48 off.
    TPile* ring = Fill(NewPile(poEllipse, 300, 200, 100, 80), 4);
    EXPECT_EQ(Positions(*ring), (Points{{265, 232}, {165, 152}, {265, 72}, {365, 152}}));
    // A row too long for its box ends at the edge: 7 + 0, 12.5, 25, 37.5, 50, halves to
    // even; a row that fits is left alone.
    const auto squeezed = [&](int count, int width) {
        TPile* hand = Fill(NewLine(7, 300, 20), count);
        hand->SetWidth(width);
        hand->SetAutoTight(true);
        return Positions(*hand);
    };
    EXPECT_EQ(squeezed(5, 121), (Points{{7, 300}, {20, 300}, {32, 300}, {44, 300}, {57, 300}}));
    EXPECT_EQ(squeezed(3, 320), (Points{{7, 300}, {27, 300}, {47, 300}}));
}

TEST_F(LayoutTest, NoneKeepsCardsWhereTheyAreAndRefillsFreePlacesLastInFirstOut)
{
    TPile* loose = NewPile(poNone, 500, 500);
    loose->SetFillFreePlaces(true);
    for (const QPoint p : {QPoint(10, 10), QPoint(200, 30)}) {
        TCard* card = NewCard(Six, Clubs);
        card->SetPos(p.x(), p.y());
        card->SetPile(loose);
    }
    loose->SetX(0);
    EXPECT_EQ(Pos(loose->Card(0)), QPoint(10, 10));
    loose->RemoveCard(0); // the first place freed first
    loose->RemoveCard(0);
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
    const std::pair<TCardSuit, std::string> orders[] = {{Clubs, "DDDSSSHHHCCC"},
                                                        {Diamonds, "CCCHHHSSSDDD"},
                                                        {Hearts, "CCCDDDSSSHHH"},
                                                        {Spades, "DDDCCCHHHSSS"}};
    for (const auto& [trumps, order] : orders) {
        // Start from another trump suit so that every case really re-sorts.
        board.SetTrumps(trumps == Clubs ? Hearts : Clubs);
        board.SetTrumps(trumps);
        EXPECT_EQ(Letters(*sorted, true), order) << "trumps " << int(trumps);
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
    SetRandSeed(1);
    deck->Shuffle();
    EXPECT_EQ(Letters(*deck), "A5432");
    EXPECT_EQ(RandSeed(), 1172187917u) << "exactly Count - 1 draws";
    EXPECT_EQ(deck->Card(1)->X(), 10) << "laid out again in the new order";
}

using PileQueriesTest = BoardTest;

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
    board.SetTrumps(Spades);
    TPile* hand = NewLine(0, 0, 20);
    const auto add = [&](TCardValue v, TCardSuit s) { return NewCard(v, s, hand); };
    TCard* nine = add(Nine, Clubs);
    TCard* seven = add(Seven, Clubs);
    TCard* eight = add(Eight, Clubs);
    TCard* upperEight = add(Eight, Clubs);
    // Never the card itself; on ties the upper card; never a card in flight.
    EXPECT_EQ(hand->CheapestBeater(*seven), upperEight);
    EXPECT_EQ(hand->CheapestBeater(*eight), nine);
    seven->Moving = true;
    upperEight->SetEmpty(true);
    EXPECT_EQ(hand->CheapestBeater(*NewCard(Six, Clubs)), eight);

    // Without one of the suit the lowest trump stands in, even if it is moving.
    TCard* aceHearts = NewCard(Ace, Hearts);
    TCard* nineSpades = add(Nine, Spades);
    TCard* sixSpades = add(Six, Spades);
    sixSpades->Moving = true;
    EXPECT_EQ(hand->CheapestBeater(*aceHearts), sixSpades);
    // Only a higher trump beats a trump, and nothing stands in for one.
    EXPECT_EQ(hand->CheapestBeater(*NewCard(Nine, Spades)), nullptr);
    EXPECT_EQ(hand->CheapestBeater(*NewCard(Seven, Spades)), nineSpades);
    // Flagged by hand: the board must not see them as queued when it goes.
    seven->Moving = sixSpades->Moving = false;
}

using ErrorsTest = BoardTest;

TEST_F(ErrorsTest, BadValuesAndIndexesAreRefusedAndChangeNothing)
{
    TPile* pile = Fill(board.NewPile(poLine, 0, 0, 30, 0, 2, 5, 0), 3);
    TPile* to = NewLine(0, 200);
    board.Invalidated.clear();
    EXPECT_THROW(pile->SetAllocBy(-12), EPile);
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
