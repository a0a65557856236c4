// The deal, the start of a bout (clearing, refilling, the end check), attacking, and the
// steps that take no input.
#include "MoverFixture.h"

#include "Random.h"

namespace {

using MoverBout = TMoverFixture;

TEST_F(MoverBout, NewGameGathersEveryCardAndTakesTrumpsFromANonAceBottom)
{
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        Lay({{"6H", "7H"}, {"8C", "KS"}, {{"9D", "TD"}, {"9C", ""}}, 10});
        game.Board->OnMouseDown = [](TBoard&, int, Qt::KeyboardModifiers, int, int) {};
        SetRandSeed(seed);
        ASSERT_EQ(Run(stNewGame), TPosted{stDeal});
        EXPECT_EQ(game.Deck->Count(), 36);
        EXPECT_EQ(game.Board->CardCount(), 36) << "placeholders are destroyed, not gathered";
        EXPECT_NE(game.Deck->BottomCard()->Value(), Ace) << "seed " << seed;
        EXPECT_EQ(game.Board->Trumps(), game.Deck->BottomCard()->Suit());
        EXPECT_FALSE(game.Board->OnMouseDown) << "no click may reach a game being gathered";
    }
}

// Twelve cards dealt from a stacked deck, the CPU's first: the lower trump starts, the
// table lies before the defender, and the human's trumps sort last. Who starts in every
// other case, and dealing again, is HeapDeal's (the deal is shared).
TEST_F(MoverBout, SixEachAlternatelyAndTheLowerTrumpStarts)
{
    for (const auto& [cpu, human, next] : {std::tuple{"7S", "9S", stMoverCpuAttacks},
                                           std::tuple{"9S", "7S", stMoverHumanAttacks}}) {
        StackDeck({cpu, human, "6C", "6D", "7C", "7D", "8C", "8D", "9C", "9D", "TC", "TD"});
        game.TableAtCpu = next != stMoverCpuAttacks;
        EXPECT_EQ(Run(stDeal), TPosted{next});
        EXPECT_EQ(Names(*game.CpuHand), (TNames{cpu, "6C", "7C", "8C", "9C", "TC"}));
        EXPECT_EQ(game.Deck->Count(), 24);
        EXPECT_EQ(game.TableAtCpu, next == stMoverCpuAttacks);
        EXPECT_EQ(Name(game.HumanHand->TopCard()), human);
    }
}

TEST_F(MoverBout, ABeatenTableGoesToTheDiscardAndTheDefenderDrawsFirst)
{
    Lay({{"6C", "7C"}, {"8C", "9C", "TC"}, {{"6D", "7D"}, {"8D", "9D"}}, 5});
    const int discarded = game.Discard->Count();
    Arm(stMoverHumanAttacks);
    EXPECT_EQ(game.Table->Count(), 0);
    EXPECT_EQ(game.Discard->Count(), discarded + 4);
    EXPECT_EQ(game.CpuHand->Count(), 6) << "the CPU defends next and draws first";
    EXPECT_EQ(game.HumanHand->Count(), 4) << "the deck ran out";
    EXPECT_EQ(Marked(*game.HumanHand), Names(*game.HumanHand)) << "every card may attack";
    EXPECT_EQ(game.Board->Hint(), "Click your card to move");
    // Only the human's own card attacks, with either button.
    EXPECT_EQ(Click(game.CpuHand->Card(2)), TPosted{});
    EXPECT_EQ(Click(game.Discard->TopCard()), TPosted{});
    EXPECT_EQ(Click(C("9C"), mbRight), TPosted{stMoverCpuDefends});
    EXPECT_EQ(Names(*game.Table), (TNames{"9C", "--"}));
    EXPECT_TRUE(game.TableAtCpu);
    EXPECT_EQ(game.Table->Y(), game.CpuHand->Y() + 105);
    EXPECT_FALSE(C("9C")->Marked()) << "a played card loses its mark";
}

// A step that takes no input: what it posts and the table after it.
TEST_F(MoverBout, StepsWithoutInput)
{
    const struct {
        TLayout layout;
        int state;
        TPosted next;
        TNames table;
        int limit = 0;
    } rows[] = {
        // The CPU covers the first open attack.
        {{{"TH", "KH", "6S"}, {"9C", "6D"}, {{"9H", ""}}}, stMoverCpuDefends, {stMoverHumanThrows},
         {"9H", "TH"}},
        {{{"KH", "6S"}, {"8C", "6D"}, {{"9H", "TH"}, {"JH", ""}}}, stMoverCpuDefends,
         {stMoverCpuAttacks}, {"9H", "TH", "JH", "KH"}},
        // Its trump Nine moves the table once the human can face two attacks, else covers.
        {{{"7H", "9S", "KS", "8C"}, {"6C", "7C"}, {{"9H", ""}}, 10}, stMoverCpuDefends,
         {stMoverCpuMovesTable}, {"9H", "--", "9S", "--"}},
        // Throwing more after a full defence; a trump is kept while the deck can refill.
        {{{"7C", "TD"}, {"6C"}, {{"9H", "TH"}}}, stMoverCpuThrows, {stMoverHumanDefends},
         {"9H", "TH", "TD", "--"}},
        {{{"7C", "TS"}, {"6C"}, {{"9H", "TH"}}, 5}, stMoverCpuThrows, {stMoverHumanAttacks},
         {"9H", "TH"}},
        // Nobody throws into an empty hand, nor from one.
        {{{}, {"9D"}, {{"9H", "TH"}}}, stMoverHumanThrows, {stMoverCpuAttacks}, {"9H", "TH"}},
        // Throwing to a taker ends with nothing of a table rank, or at the limit.
        {{{"6D"}, {"7H", "8H"}, {{"9H", ""}}}, stMoverCpuAddsToTaker, {stMoverCpuAttacks}, {}, 1},
        // The end: the deck and a hand are empty once the table is cleared and refilled (the
        // other outcomes of the shared check are HeapBout's).
        {{{"6C", "7C"}, {}, {{"8D", "9D"}}, 0}, stMoverHumanAttacks, {stHumanWins}, {}},
        {{{}, {"6C"}, {}, 1}, stMoverHumanAttacks, {}, {}}, // the empty hand draws the last card
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        Lay(row.layout);
        game.ThrowLimit = row.limit;
        EXPECT_EQ(Run(row.state), row.next);
        EXPECT_EQ(Names(*game.Table), row.table);
    }
}

} // namespace
