// A new Heap game: the deal of five each, who starts, and the order of refilling before
// each attack.
#include "HeapFixture.h"

namespace {

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
        EXPECT_EQ(game.HumanHand->Count(), 5);
        EXPECT_EQ(game.Deck->Count(), 26);
        EXPECT_EQ(bool(game.Board->OnMouseDown), row.next != stNewGame);
        EXPECT_TRUE(row.next == stNewGame || game.HumanHand->Sort() == psTrumpsLast);
    }
}

// Before an attack the defender draws first, up to five each; nobody draws while
// defending.
TEST_F(HeapDeal, RefillingBeforeEachAttack)
{
    const struct {
        THeapLayout layout;
        int state;
        std::vector<TPile*> drawers;
    } rows[] = {
        {{{"6H", "7H", "8H"}, {"6C", "7C", "8C", "9C"}, {}, 4}, stHumanAttacks,
         {game.CpuHand, game.CpuHand, game.HumanHand}},
        {{{"6H", "7H", "8H", "9H"}, {"6C", "7C", "8C"}, {}, 3}, stCpuAttacks,
         {game.HumanHand, game.HumanHand, game.CpuHand}},
        {{{"6H"}, {"6C", "7C"}, {"8D"}, 10}, stHumanDefends, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.state);
        Lay(row.layout);
        std::vector<TPile*> drawers;
        game.Board->OnCardMoved = [&](const TCard& card, const TPile* from) {
            if (from == game.Deck)
                drawers.push_back(card.Pile());
        };
        Run(row.state);
        EXPECT_EQ(drawers, row.drawers);
    }
}

} // namespace
