// A new Heap game: gathering, the deal of five each, who starts, and refilling before
// each attack with its order and its waits.
#include "HeapFixture.h"

#include "Random.h"

namespace {

using HeapDeal = THeapFixture;

TEST_F(HeapDeal, NewGameGathersTheHeapTooAndTakesTrumpsFromANonAceBottom)
{
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        Lay({{"6H", "7H"}, {"8C", "KS"}, {"9D", "TD", "9C"}, 10});
        game.Board->OnMouseDown = [](TBoard&, int, Qt::KeyboardModifiers, int, int) {};
        SetRandSeed(seed);
        ASSERT_EQ(Run(stNewGame), TPosted{stDeal});
        // Every card of the game's own piles is back; the fixture's aside pile is not one.
        EXPECT_EQ(game.Deck->Count() + aside->Count(), 36);
        EXPECT_EQ(game.Table->Count() + game.CpuHand->Count() + game.HumanHand->Count(), 0);
        EXPECT_NE(game.Deck->BottomCard()->Value(), Ace) << "seed " << seed;
        EXPECT_EQ(game.Board->Trumps(), game.Deck->BottomCard()->Suit());
        EXPECT_FALSE(game.Board->OnMouseDown);
    }
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

// Who draws, in which order, and how far each card has flown when the next one starts.
class HeapRefill : public THeapFixture {
protected:
    struct TDraw {
        std::string to;
        double previousProgress; // of the card drawn before, when this one set off
    };
    std::vector<TDraw> Draws(int state)
    {
        std::vector<TDraw> draws;
        const TCard* previous = nullptr;
        game.Board->OnCardMoved = [&](const TCard& card, const TPile* from) {
            if (from != game.Deck)
                return;
            draws.push_back({card.Pile() == game.CpuHand ? "cpu" : "human",
                             previous ? previous->Progress() : 0.0});
            previous = &card;
        };
        Run(state);
        game.Board->OnCardMoved = nullptr;
        return draws;
    }
};

TEST_F(HeapRefill, BeforeTheHumansAttackTheCpuDrawsFirstAndCardsOverlap)
{
    Lay({{"6H", "7H", "8H"}, {"6C", "7C", "8C", "9C"}, {}, 4});
    const auto draws = Draws(stHumanAttacks);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].to, "cpu");
    EXPECT_EQ(draws[1].to, "cpu");
    EXPECT_EQ(draws[2].to, "human");
    for (size_t i = 1; i < draws.size(); ++i) {
        EXPECT_GE(draws[i].previousProgress, 0.5);
        EXPECT_LT(draws[i].previousProgress, 1.0) << "half-way, not arrived";
    }
    EXPECT_EQ(game.Deck->Count(), 1);
    EXPECT_TRUE(game.Waiting);
}

TEST_F(HeapRefill, BeforeTheCpusAttackTheHumanDrawsFirstAndEachCardArrives)
{
    Lay({{"6H", "7H", "8H", "9H"}, {"6C", "7C", "8C"}, {}, 3});
    const auto draws = Draws(stCpuAttacks);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].to, "human");
    EXPECT_EQ(draws[1].to, "human");
    EXPECT_EQ(draws[2].to, "cpu");
    for (size_t i = 1; i < draws.size(); ++i)
        EXPECT_EQ(draws[i].previousProgress, 1.0);
}

TEST_F(HeapRefill, NobodyDrawsWhileDefending)
{
    Lay({{"6H"}, {"6C", "7C"}, {"8D"}, 10});
    EXPECT_TRUE(Draws(stCpuDefends).empty());
    Lay({{"6H"}, {"6C", "7C"}, {"8D"}, 10});
    EXPECT_TRUE(Draws(stHumanDefends).empty());
}

} // namespace
