// A new game and the deal: gathering, trumps, six cards each, who starts.
#include "MoverFixture.h"

#include "Random.h"

namespace {

class MoverDeal : public TMoverFixture {
protected:
    // Puts cards on top of the deck so that they are dealt in the order given: CPU,
    // human, CPU, human, ...
    void Stack(std::initializer_list<const char*> dealOrder)
    {
        Lay({}, {}, 36);
        std::vector<const char*> names(dealOrder);
        for (auto it = names.rbegin(); it != names.rend(); ++it)
            game.Deck->AddCard(C(*it));
    }
    int RealCardsOnBoard() const
    {
        int n = 0;
        for (const TCard* card : game.Board->Cards())
            n += card->Empty() ? 0 : 1;
        return n;
    }
};

TEST_F(MoverDeal, NewGameGathersEveryCardAndTakesTrumpsFromANonAceBottom)
{
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        Lay({"6H", "7H"}, {"8C", "KS"}, 10);
        TableUp({{"9D", "TD"}, {"9C", ""}});
        game.Board->OnMouseDown = [](TBoard&, int, Qt::KeyboardModifiers, int, int) {};
        SetRandSeed(seed);
        ASSERT_EQ(Run(stNewGame), std::vector<int>{stDeal});
        EXPECT_EQ(game.Deck->Count(), 36);
        EXPECT_EQ(game.Board->CardCount(), 36) << "placeholders are destroyed, not gathered";
        EXPECT_NE(game.Deck->BottomCard()->Value(), Ace) << "seed " << seed;
        EXPECT_EQ(game.Board->Trumps(), game.Deck->BottomCard()->Suit());
        EXPECT_FALSE(game.Board->OnMouseDown) << "no click may reach a game being gathered";
    }
}

TEST_F(MoverDeal, SixCardsEachAlternatelyCpuFirst)
{
    Trumps(Hearts);
    Stack({"7H", "9H", "6C", "6D", "7C", "7D", "8C", "8D", "9C", "9D", "TC", "TD"});
    EXPECT_EQ(Run(stDeal), std::vector<int>{stMoverCpuAttacks}); // Seven of trumps beats Nine
    EXPECT_EQ(Names(*game.CpuHand), (std::vector<std::string>{"7H", "6C", "7C", "8C", "9C", "TC"}));
    EXPECT_EQ(game.HumanHand->Count(), 6);
    EXPECT_EQ(game.Deck->Count(), 24);
    EXPECT_EQ(game.HumanHand->Sort(), psTrumpsLast);
    EXPECT_EQ(Name(game.HumanHand->TopCard()), "9H") << "trumps sort last";
    EXPECT_TRUE(game.TableAtCpu);
    EXPECT_TRUE(game.Board->OnMouseDown);
    EXPECT_EQ(RealCardsOnBoard(), 36);
}

TEST_F(MoverDeal, TheLowerTrumpStartsAndNoTrumpNeverStartsAgainstOne)
{
    Trumps(Hearts);
    Stack({"9H", "7H", "6C", "6D", "7C", "7D", "8C", "8D", "9C", "9D", "TC", "TD"});
    EXPECT_EQ(Run(stDeal), std::vector<int>{stMoverHumanAttacks});
    EXPECT_FALSE(game.TableAtCpu);

    Stack({"6C", "KH", "6D", "7C", "7D", "8C", "8D", "9C", "9D", "TC", "TD", "JC"});
    EXPECT_EQ(Run(stDeal), std::vector<int>{stMoverHumanAttacks}) << "only the human has a trump";

    Stack({"AH", "6C", "6D", "7C", "7D", "8C", "8D", "9C", "9D", "TC", "TD", "JC"});
    EXPECT_EQ(Run(stDeal), std::vector<int>{stMoverCpuAttacks}) << "only the CPU has a trump";
}

TEST_F(MoverDeal, NobodyHoldingATrumpDealsAgain)
{
    Trumps(Spades);
    Stack({"6C", "6D", "7C", "7D", "8C", "8D", "9C", "9D", "TC", "TD", "JC", "JD"});
    EXPECT_EQ(Run(stDeal), std::vector<int>{stNewGame});
    EXPECT_FALSE(game.Board->OnMouseDown);
    EXPECT_EQ(Run(stNewGame), std::vector<int>{stDeal});
    EXPECT_EQ(game.Deck->Count(), 36);
}

TEST_F(MoverDeal, PilesFollowTheBoardSize)
{
    game.Board->resize(705, 473);
    const int w = 705;
    const int h = 473;
    game.ArrangePiles();
    EXPECT_EQ(QPoint(game.CpuHand->X(), game.CpuHand->Y()), QPoint(8, 8));
    EXPECT_EQ(game.CpuHand->Width(), w - 16);
    EXPECT_EQ(QPoint(game.HumanHand->X(), game.HumanHand->Y()), QPoint(8, h - 104));
    EXPECT_EQ(QPoint(game.Discard->X(), game.Discard->Y()), QPoint(w - 123, (h - 96) / 2));
    EXPECT_EQ(QPoint(game.Deck->X(), game.Deck->Y()), QPoint(w - 246, (h - 96) / 2));
    EXPECT_EQ(QPoint(game.Table->X(), game.Table->Y()), QPoint(8, h - 209));
    EXPECT_EQ(game.Table->Width(), w - 262);
    EXPECT_EQ(game.Table->Height(), 110);
    game.TableAtCpu = true;
    game.ArrangePiles();
    EXPECT_EQ(game.Table->Y(), 113);
}

} // namespace
