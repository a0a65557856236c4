// The start of a bout (clearing, refilling, the end check), attacking, and game over.
#include "MoverFixture.h"

#include "Messages.h"

#include <QCoreApplication>

namespace {

class MoverBout : public TMoverFixture {
protected:
    MoverBout() { Trumps(Hearts); }
};

TEST_F(MoverBout, ABeatenTableGoesToTheDiscardAndTheDefenderDrawsFirst)
{
    Lay({"6C", "7C"}, {"8C", "9C", "TC"}, 5);
    TableUp({{"6D", "7D"}, {"8D", "9D"}});
    const int discarded = game.Discard->Count();
    EXPECT_TRUE(Run(stMoverHumanAttacks).empty()); // armed for the human's attack
    EXPECT_EQ(game.Table->Count(), 0);
    EXPECT_EQ(game.Discard->Count(), discarded + 4);
    EXPECT_EQ(game.CpuHand->Count(), 6) << "the CPU defends next and draws first";
    EXPECT_EQ(game.HumanHand->Count(), 4) << "the deck ran out";
    EXPECT_EQ(game.Deck->Count(), 0);
    for (TCard* card : game.HumanHand->Cards())
        EXPECT_TRUE(card->Marked());
    EXPECT_EQ(game.Board->Hint(), "Click your card to move");
}

TEST_F(MoverBout, BeforeTheCpuAttacksTheHumanDrawsFirst)
{
    Lay({"6C", "7C"}, {"8C", "9C", "TC"}, 3);
    EXPECT_EQ(Run(stMoverCpuAttacks), std::vector<int>{stMoverHumanDefends});
    EXPECT_EQ(game.HumanHand->Count(), 6);
    EXPECT_EQ(game.CpuHand->Count(), 1) << "the human drew the deck; the CPU attacked with one";
    EXPECT_EQ(game.Board->Hint(), "Waiting until CPU moves");
}

TEST_F(MoverBout, HumanAttacksWithAnyHandCardAndNothingElse)
{
    Lay({"6C", "7C", "8C", "9C", "TC", "JC"}, {"6D", "7D", "8D", "9D", "TD", "JD"});
    EXPECT_TRUE(Run(stMoverHumanAttacks).empty());
    EXPECT_TRUE(Click(game.CpuHand->Card(2)).empty());
    EXPECT_TRUE(Click(game.Deck->TopCard()).empty());
    EXPECT_EQ(Click(C("9D"), mbRight), std::vector<int>{stMoverCpuDefends});
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"9D", "--"}));
    EXPECT_TRUE(game.TableAtCpu);
    EXPECT_EQ(game.Table->Y(), game.CpuHand->Y() + 105);
    EXPECT_FALSE(C("9D")->Marked()) << "a moved card loses its mark";
}

TEST_F(MoverBout, CpuLeadsItsLowestPlainCard)
{
    Lay({"6H", "8C", "7D", "6S", "TC", "JC"}, {"6D", "7S", "8D", "9D", "TD", "JD"});
    game.TableAtCpu = true;
    EXPECT_EQ(Run(stMoverCpuAttacks), std::vector<int>{stMoverHumanDefends});
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"6S", "--"}));
    EXPECT_FALSE(game.TableAtCpu);
    EXPECT_EQ(game.Table->Y(), game.HumanHand->Y() - 105);
}

TEST_F(MoverBout, EndOfGameWhenTheDeckIsEmpty)
{
    Lay({"6C"}, {}, 0);
    EXPECT_EQ(Run(stMoverHumanAttacks), std::vector<int>{stHumanWins});
    Lay({}, {}, 0);
    EXPECT_EQ(Run(stMoverCpuAttacks), std::vector<int>{stDraw});
    Lay({}, {"6C"}, 0);
    EXPECT_EQ(Run(stMoverHumanAttacks), std::vector<int>{stCpuWins});
    Lay({}, {"6C"}, 1);
    EXPECT_TRUE(Run(stMoverHumanAttacks).empty()) << "an empty hand is refilled first";
    EXPECT_EQ(game.CpuHand->Count(), 1);
}

TEST_F(MoverBout, CoveringTheLastAttackWithTheLastCardWinsTheNextBout)
{
    Lay({"6C", "7C"}, {"9D"}, 0);
    TableUp({{"8D", ""}});
    ASSERT_TRUE(Run(stMoverHumanDefends).empty());
    EXPECT_EQ(Click(C("9D")), std::vector<int>{stMoverHumanAttacks});
    EXPECT_EQ(Run(stMoverHumanAttacks), std::vector<int>{stHumanWins});

    Lay({}, {"9D"}, 0);
    TableUp({{"8D", ""}});
    ASSERT_TRUE(Run(stMoverHumanDefends).empty());
    EXPECT_EQ(Click(C("9D")), std::vector<int>{stMoverHumanAttacks});
    EXPECT_EQ(Run(stMoverHumanAttacks), std::vector<int>{stDraw});
}

TEST_F(MoverBout, GameOverAsksAndPlaysAgainOrStops)
{
    EXPECT_EQ(Run(stCpuWins), std::vector<int>{stNewGame});
    EXPECT_EQ(Run(stDraw), std::vector<int>{stNewGame});
    answers.Answer = [](int) { return goClose; };
    EXPECT_TRUE(Run(stHumanWins).empty());
    EXPECT_EQ(answers.Results, (std::vector<int>{grCpuWins, grDraw, grHumanWins}));
    EXPECT_TRUE(game.Stopped);
    EXPECT_EQ(game.Board->AnimateThread(), nullptr);
}

TEST_F(MoverBout, AStopDuringAMoveAbandonsTheStateSilently)
{
    Lay({"6C", "7C"}, {"9D"});
    TableUp({{"8D", ""}});
    ASSERT_TRUE(Run(stMoverHumanDefends).empty());
    game.BoardMouseDown(*game.Board, mbLeft, {}, C("9D")->X() + 2, C("9D")->Y() + 2);
    QCoreApplication::sendPostedEvents(&game, WM_GAMESTATE);
    posted.clear();
    // The first pump during the cover's flight ends the game.
    QMetaObject::invokeMethod(
        &game, [this] { game.StopGame(); }, Qt::QueuedConnection);
    game.RunState(stMoverHumanDefends);
    QCoreApplication::sendPostedEvents(&game, WM_GAMESTATE);
    EXPECT_TRUE(posted.empty());
    EXPECT_TRUE(game.Stopped);
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"8D", "9D"})) << "the data is final";
}

} // namespace
