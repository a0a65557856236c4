// Taking the table, throwing more to a taker, and throwing more after a full defence.
#include "MoverFixture.h"

namespace {

class MoverTaking : public TMoverFixture {
protected:
    MoverTaking() { Trumps(Spades); }
    void Arm(int state)
    {
        ASSERT_TRUE(Run(state).empty());
        ASSERT_TRUE(game.Waiting);
    }
};

TEST_F(MoverTaking, HumanTakesAndTheCpuThrowsWhatItCanUpToTheLimit)
{
    Lay({"9C", "9D", "TC", "6D"}, {"7H", "8H", "QD"});
    TableUp({{"9H", ""}});
    Arm(stMoverHumanDefends);
    EXPECT_EQ(Click(game.Table->Card(0)), std::vector<int>{stMoverCpuAddsToTaker});
    EXPECT_EQ(game.ThrowLimit, 2);
    EXPECT_EQ(Run(stMoverCpuAddsToTaker), std::vector<int>{stMoverCpuAddsToTaker});
    EXPECT_EQ(Run(stMoverCpuAddsToTaker), std::vector<int>{stMoverCpuAddsToTaker});
    EXPECT_EQ(game.ThrowLimit, 0);
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"9H", "--", "9D", "--", "9C", "--"}));
    EXPECT_EQ(Run(stMoverCpuAddsToTaker), std::vector<int>{stMoverCpuAttacks}) << "limit used up";
    EXPECT_EQ(game.Table->Count(), 0);
    EXPECT_EQ(game.HumanHand->Count(), 6);
    EXPECT_EQ(game.Board->CardCount(), 36) << "placeholders destroyed";
    EXPECT_EQ(game.CpuHand->Count(), 2);
}

TEST_F(MoverTaking, CpuStopsThrowingWhenItHoldsNothingOfATableRank)
{
    Lay({"9C", "6D"}, {"7H", "8H", "QD"});
    TableUp({{"9H", ""}});
    game.ThrowLimit = 2;
    game.State = stMoverCpuAddsToTaker;
    EXPECT_EQ(Run(stMoverCpuAddsToTaker), std::vector<int>{stMoverCpuAddsToTaker});
    EXPECT_EQ(Run(stMoverCpuAddsToTaker), std::vector<int>{stMoverCpuAttacks});
    EXPECT_EQ(game.HumanHand->Count(), 5);
    EXPECT_EQ(game.ThrowLimit, 1);
}

TEST_F(MoverTaking, ATakerWithOneCardGetsTheTableAtOnce)
{
    Lay({"9C", "9D"}, {"7H"});
    TableUp({{"9H", ""}});
    Arm(stMoverHumanDefends);
    EXPECT_EQ(Click(game.Table->Card(0), mbRight), std::vector<int>{stMoverCpuAttacks});
    EXPECT_EQ(game.ThrowLimit, 0);
    EXPECT_EQ(Names(*game.HumanHand), (std::vector<std::string>{"7H", "9H"}));
}

TEST_F(MoverTaking, CpuTakesAndTheHumanThrowsUntilTheRightClick)
{
    Lay({"7C", "6D", "8D"}, {"TH", "TD", "TC", "6C"});
    TableUp({{"TS", ""}});
    EXPECT_EQ(Run(stMoverCpuDefends), std::vector<int>{stMoverHumanAddsToTaker});
    EXPECT_EQ(game.ThrowLimit, 2);
    Arm(stMoverHumanAddsToTaker);
    EXPECT_TRUE(Click(C("6C")).empty()) << "not a table rank";
    EXPECT_EQ(Click(C("TD")), std::vector<int>{stMoverHumanAddsToTaker});
    EXPECT_EQ(game.ThrowLimit, 1);
    Arm(stMoverHumanAddsToTaker);
    EXPECT_TRUE(C("TH")->Marked());
    EXPECT_FALSE(C("6C")->Marked());
    EXPECT_EQ(ClickAt(300, 5, mbRight), std::vector<int>{stMoverHumanAttacks});
    EXPECT_EQ(game.CpuHand->Count(), 5);
    EXPECT_EQ(game.Table->Count(), 0);
}

TEST_F(MoverTaking, HumanThrowingEndsWithoutInputOnceTheLimitIsUsedUp)
{
    Lay({"7C", "6D"}, {"TH", "TD"});
    TableUp({{"TS", ""}, {"TC", ""}});
    game.ThrowLimit = 0;
    EXPECT_EQ(Run(stMoverHumanAddsToTaker), std::vector<int>{stMoverHumanAttacks});
    EXPECT_FALSE(game.Waiting);
    EXPECT_EQ(game.CpuHand->Count(), 4);
}

TEST_F(MoverTaking, HumanThrowsMoreAfterTheCpuBeatEverything)
{
    Lay({"7C", "6D"}, {"9D", "6C", "AH"});
    TableUp({{"9H", "TH"}});
    Arm(stMoverHumanThrows);
    EXPECT_TRUE(C("9D")->Marked());
    EXPECT_FALSE(C("6C")->Marked());
    EXPECT_TRUE(Click(C("6C")).empty());
    EXPECT_EQ(Click(C("9D")), std::vector<int>{stMoverCpuDefends});
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"9H", "TH", "9D", "--"}));

    Lay({"7C", "6D"}, {"9D", "6C"});
    TableUp({{"9H", "TH"}});
    Arm(stMoverHumanThrows);
    EXPECT_EQ(Click(C("9D"), mbRight), std::vector<int>{stMoverCpuAttacks}) << "right ends it";
    EXPECT_EQ(game.Table->Count(), 2);
    EXPECT_EQ(game.PickedButton, mbMiddle);
}

TEST_F(MoverTaking, NobodyThrowsIntoAnEmptyHand)
{
    Lay({}, {"9D"});
    TableUp({{"9H", "TH"}});
    EXPECT_EQ(Run(stMoverHumanThrows), std::vector<int>{stMoverCpuAttacks});
    Lay({"9D"}, {});
    TableUp({{"9H", "TH"}});
    EXPECT_EQ(Run(stMoverCpuThrows), std::vector<int>{stMoverHumanAttacks});
}

TEST_F(MoverTaking, CpuThrowsMoreWhenItCan)
{
    Lay({"7C", "TD"}, {"6C"});
    TableUp({{"9H", "TH"}});
    EXPECT_EQ(Run(stMoverCpuThrows), std::vector<int>{stMoverHumanDefends});
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"9H", "TH", "TD", "--"}));
    Lay({"7C", "TS"}, {"6C"}, 5);
    TableUp({{"9H", "TH"}});
    EXPECT_EQ(Run(stMoverCpuThrows), std::vector<int>{stMoverHumanAttacks})
        << "a trump is kept while the deck can refill";
}

TEST_F(MoverTaking, AutoplayWithNothingToThrowEndsLikeARightClick)
{
    Lay({"7C", "6D"}, {"6C"});
    TableUp({{"9H", "TH"}});
    game.SetAutoplay(true);
    EXPECT_EQ(Run(stMoverHumanThrows), std::vector<int>{stInput});
    EXPECT_EQ(game.PickedButton, mbRight);
    EXPECT_EQ(Run(stInput), std::vector<int>{stMoverHumanThrows});
    EXPECT_EQ(Run(stMoverHumanThrows), std::vector<int>{stMoverCpuAttacks});
}

} // namespace
