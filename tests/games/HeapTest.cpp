// Heap: the deal of five each and who starts (who draws first before an attack is
// MoverBout's, the refill being shared; how many, and when, the replayed games'); the
// scattered heap pictured, attacking onto it, beating its top card, taking three or
// five, the end checks, and the computer's choice.
#include "GameFixture.h"
#include "Random.h"

namespace {

class HeapBout : public THeapFixture {
protected:
    // Presses the card where it shows: the heap's cards lie over one another.
    TPosted Press(const TCard* card)
    {
        for (int y = 2; y < 94; ++y)
            for (int x = 2; x < 69; ++x)
                if (game.Board->CardAt(card->X() + x, card->Y() + y) == card)
                    return ClickAt(card->X() + x, card->Y() + y);
        ADD_FAILURE() << Name(card) << " is covered";
        return {};
    }
};

// A heap scattered as the game plays it, one card at a time, saved for a person to look
// at: its top card is hit at its middle, over the cards below.
TEST_F(HeapBout, AScatteredHeapKeepsItsTopCardOnTop)
{
    SetRandSeed(77);
    Lay({{"6C", "7C", "8C", "TC"}, {"QD", "AD", "8S", "KH", "7D"}, {}, 12});
    for (const char* name : {"9D", "JD", "QH", "6S", "KS", "AH", "9C"})
        game.Board->MoveCard(C(name), game.Table, 0, false, 0, 0);
    while (game.Board->MovingCount() > 0)
        game.ProcessMessages();
    SaveArtifact(game.grab().toImage(), QStringLiteral("heap-scattered.png"));
    const TCard* top = game.Table->TopCard();
    EXPECT_EQ(game.Board->CardAt(Centre(top).x(), Centre(top).y()), top);
}

// One press of the human: the cards marked before it, what it posts, the heap and the
// human's hand size after it. Nothing posted: the press was dropped, input armed again.
TEST_F(HeapBout, HumanPresses)
{
    const struct {
        THeapLayout layout;
        int state;
        const char* card;
        TNames marked;
        TPosted next;
        TNames heap;
        int hand;
    } rows[] = {
        // Any own card attacks; other presses are MoverBout's, the attack being shared.
        {{{"6H", "7H"}, {"KC", "9S"}, {}, 0}, stHumanAttacks, "9S", {"KC", "9S"}, {stCpuDefends},
         {"9S"}, 1},
        // Only a card that beats the top one defends, and then the human attacks.
        {{{"6H"}, {"8D", "TD", "TC"}, {"9D"}}, stHumanDefends, "8D", {"TD"}, {}, {"9D"}, 3},
        {{{"6H"}, {"8D", "TD", "TC"}, {"9D"}}, stHumanDefends, "TD", {"TD"}, {stHumanAttacks},
         {"9D", "TD"}, 2},
        // A press on any heap card, even the bottom one, takes the top three; the CPU must
        // then beat the new top card.
        {{{"6H"}, {"6C"}, {"7D", "8D", "9D", "TD"}}, stHumanDefends, "7D", {}, {stCpuDefends},
         {"7D"}, 4},
        // Two cards: both taken, and the CPU attacks; a trump on top: five taken.
        {{{"6H"}, {"7H"}, {"7D", "8D"}}, stHumanDefends, "8D", {}, {stCpuAttacks}, {}, 3},
        {{{"6H"}, {"7H"}, {"6C", "7C", "8C", "9C", "TC", "JC", "AS"}}, stHumanDefends, "AS", {},
         {stCpuDefends}, {"6C", "7C"}, 6},
        // With the deck out, the CPU attacked with its last card: beating with the human's
        // last card leads to the attack's end check, a draw (as in StepsWithoutInput).
        {{{}, {"AS"}, {"9D"}, 0}, stHumanDefends, "AS", {"AS"}, {stHumanAttacks}, {"9D", "AS"}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        Lay(row.layout);
        Arm(row.state);
        EXPECT_EQ(Marked(*game.HumanHand), row.marked);
        EXPECT_EQ(Press(C(row.card)), row.next);
        EXPECT_EQ(Names(*game.Table), row.heap);
        EXPECT_EQ(game.HumanHand->Count(), row.hand);
        EXPECT_EQ(game.Waiting, row.next.empty());
    }
}

// A step of the CPU's, or an end check: what it posts and the heap after it.
TEST_F(HeapBout, StepsWithoutInput)
{
    const struct {
        THeapLayout layout;
        int state;
        TPosted next;
        TNames heap;
        int cpu;
    } rows[] = {
        // It leads its lowest plain card.
        {{{"8H", "7C", "6S"}, {"9D"}, {}, 0}, stCpuAttacks, {stHumanDefends}, {"7C"}, 2},
        // It beats with the cheapest card of the suit, else the lowest trump, then attacks.
        {{{"KH", "7H", "6S"}, {"6C"}, {"9C", "6H"}}, stCpuDefends, {stCpuAttacks},
         {"9C", "6H", "7H"}, 2},
        // Taking: two plain cards, four plain (three taken), seven with a trump on top (five).
        {{{"6H"}, {"7H"}, {"6C", "7C", "8C", "9C", "TC", "JC", "AS"}}, stCpuDefends,
         {stHumanDefends}, {"6C", "7C"}, 6},
        // With the deck out, before an attack.
        {{{}, {}, {"9D"}, 0}, stHumanAttacks, {stDraw}, {"9D"}, 0},
        {{{"6H"}, {}, {"9D"}, 0}, stCpuAttacks, {stHumanWins}, {"9D"}, 1},
        // Before a defence: the CPU attacked with its last card, so the human loses though it
        // could beat; the human did, and the CPU's one card cannot beat it.
        {{{}, {"KD", "AS"}, {"9D"}, 0}, stHumanDefends, {stCpuWins}, {"9D"}, 0},
        {{{"6D"}, {}, {"9D"}, 0}, stCpuDefends, {stHumanWins}, {"9D"}, 1},
        // The CPU's only card beats it: the game goes on to the attack's check, a draw.
        {{{"KD"}, {}, {"9D"}, 0}, stCpuDefends, {stCpuAttacks}, {"9D", "KD"}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        Lay(row.layout);
        EXPECT_EQ(Run(row.state), row.next);
        EXPECT_EQ(Names(*game.Table), row.heap);
        EXPECT_EQ(game.CpuHand->Count(), row.cpu);
        EXPECT_FALSE(game.Waiting);
    }
}

using HeapDeal = THeapFixture;

// Ten cards dealt from a stacked deck, the CPU's first; only the first two may be Spades.
TEST_F(HeapDeal, FiveEachAlternatelyAndTheLowerTrumpStarts)
{
    const struct {
        const char *cpu, *human;
        int next;
    } rows[] = {
        {"7S", "9S", stCpuAttacks},   {"9S", "7S", stHumanAttacks},
        {"JC", "KS", stHumanAttacks}, {"AS", "JC", stCpuAttacks},
        {"JC", "JD", stNewGame}, // nobody holds a trump: gather and deal again
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.cpu);
        StackDeck({row.cpu, row.human, "6C", "6D", "7C", "7D", "8C", "8D", "9C", "9D"});
        game.Board->OnMouseDown = nullptr;
        EXPECT_EQ(Run(stDeal), TPosted{row.next});
        EXPECT_EQ(Names(*game.CpuHand), (TNames{row.cpu, "6C", "7C", "8C", "9C"}));
        EXPECT_EQ(game.Deck->Count(), 26);
        EXPECT_EQ(bool(game.Board->OnMouseDown), row.next != stNewGame);
        EXPECT_TRUE(row.next == stNewGame || game.HumanHand->Sort() == psTrumpsLast);
    }
}

} // namespace
