// A new Heap game: gathering, the deal of five each, who starts, and refilling before
// each attack with its order and its waits.
#include "HeapFixture.h"

namespace {

using HeapDeal = THeapFixture;

// The shuffle and the trumps it leaves are shared, and MoverBout checks them for many seeds.
TEST_F(HeapDeal, NewGameGathersTheHeapToo)
{
    Lay({{"6H", "7H"}, {"8C", "KS"}, {"9D", "TD", "9C"}, 10});
    game.Board->OnMouseDown = [](TBoard&, int, Qt::KeyboardModifiers, int, int) {};
    ASSERT_EQ(Run(stNewGame), TPosted{stDeal});
    // Every card of the game's own piles is back; the fixture's aside pile is not one.
    EXPECT_EQ(game.Deck->Count() + aside->Count(), 36);
    EXPECT_EQ(game.Table->Count() + game.CpuHand->Count() + game.HumanHand->Count(), 0);
    EXPECT_FALSE(game.Board->OnMouseDown);
}

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
        if (row.next != stNewGame) {
            EXPECT_EQ(game.HumanHand->Sort(), psTrumpsLast);
        }
    }
}

// Before an attack the defender draws first, up to five each; before the human's attack
// each card sets off when the one before is half-way, before the CPU's when it has
// arrived. Nobody draws while defending.
TEST_F(HeapDeal, RefillingBeforeEachAttack)
{
    const struct {
        THeapLayout layout;
        int state;
        std::vector<TPile*> drawers;
        double previousDone; // how far the card drawn before had come
    } rows[] = {
        {{{"6H", "7H", "8H"}, {"6C", "7C", "8C", "9C"}, {}, 4}, stHumanAttacks,
         {game.CpuHand, game.CpuHand, game.HumanHand}, 0.5},
        {{{"6H", "7H", "8H", "9H"}, {"6C", "7C", "8C"}, {}, 3}, stCpuAttacks,
         {game.HumanHand, game.HumanHand, game.CpuHand}, 1.0},
        {{{"6H"}, {"6C", "7C"}, {"8D"}, 10}, stCpuDefends, {}, 0},
        {{{"6H"}, {"6C", "7C"}, {"8D"}, 10}, stHumanDefends, {}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.state);
        Lay(row.layout);
        std::vector<TPile*> drawers;
        std::vector<double> previousDone;
        const TCard* previous = nullptr;
        game.Board->OnCardMoved = [&](const TCard& card, const TPile* from) {
            if (from != game.Deck)
                return;
            drawers.push_back(card.Pile());
            if (previous)
                previousDone.push_back(previous->Progress());
            previous = &card;
        };
        Run(row.state);
        EXPECT_EQ(drawers, row.drawers);
        for (double done : previousDone) {
            EXPECT_GE(done, row.previousDone);
            EXPECT_TRUE(row.previousDone == 1.0 || done < 1.0) << "half-way, not arrived";
        }
    }
}

} // namespace
