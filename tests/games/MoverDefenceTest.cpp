// Defending: covering (and which attack the human's card covers), moving the table and
// its refusals, the table's slide, and clicks that break the rules.
#include "MoverFixture.h"

namespace {

class MoverDefence : public TMoverFixture {
protected:
    MoverDefence() { Trumps(Spades); }
    // The human defends: the first pass arms input.
    void HumanDefends()
    {
        ASSERT_TRUE(Run(stMoverHumanDefends).empty());
        ASSERT_TRUE(game.Waiting);
    }
};

TEST_F(MoverDefence, HumanCoverTakesTheTrumpAttackOverAPlainOne)
{
    Lay({"6C", "7C", "8C"}, {"JS", "QH", "6D"});
    TableUp({{"TH", ""}, {"TS", ""}});
    HumanDefends();
    EXPECT_EQ(Click(C("JS")), std::vector<int>{stMoverHumanDefends}) << "Ten of Hearts still open";
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"TH", "--", "TS", "JS"}));
    HumanDefends();
    EXPECT_EQ(Click(C("QH")), std::vector<int>{stMoverHumanAttacks});
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"TH", "QH", "TS", "JS"}));
}

TEST_F(MoverDefence, HumanCoverKeepsTheEarlierOfTwoPlainSuits)
{
    Lay({"6C", "7C", "8C"}, {"6S", "6D"});
    TableUp({{"TH", ""}, {"TC", ""}});
    HumanDefends();
    EXPECT_EQ(Click(C("6S")), std::vector<int>{stMoverHumanDefends});
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"TH", "6S", "TC", "--"}));
}

TEST_F(MoverDefence, HumanCoverTakesTheHigherAttackOfTheSameSuit)
{
    Lay({"6C", "7C", "8C"}, {"AH", "6D"});
    TableUp({{"7H", "8H"}, {"9H", ""}, {"JH", ""}});
    HumanDefends();
    Click(C("AH"));
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"7H", "8H", "9H", "--", "JH", "AH"}));
}

TEST_F(MoverDefence, CoveringTheLastAttackLetsTheCpuThrowOnlyWithATableRank)
{
    Lay({"8C", "7D"}, {"9H"});
    TableUp({{"7H", ""}});
    HumanDefends();
    EXPECT_EQ(Click(C("9H")), std::vector<int>{stMoverCpuThrows});

    Lay({"8C", "6D"}, {"9H"});
    TableUp({{"7H", ""}});
    HumanDefends();
    EXPECT_EQ(Click(C("9H")), std::vector<int>{stMoverHumanAttacks});
}

TEST_F(MoverDefence, LeftClickOfTheAttackRankMovesTheTableToTheCpu)
{
    Lay({"6C", "7C"}, {"9C", "6D"});
    TableUp({{"9H", ""}});
    HumanDefends();
    EXPECT_EQ(Click(C("9C")), std::vector<int>{stMoverHumanMovesTable});
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"9H", "--", "9C", "--"}));
    EXPECT_TRUE(game.TableAtCpu);
    EXPECT_EQ(game.PickedCard, nullptr);
    EXPECT_EQ(game.PickedButton, mbMiddle);

    EXPECT_EQ(Run(stMoverHumanMovesTable), std::vector<int>{stMoverSlideTable});
    EXPECT_EQ(game.Board->Hint(), "You are moving the table");
    EXPECT_EQ(Run(stMoverSlideTable), std::vector<int>{stMoverCpuDefends});
    EXPECT_EQ(QPoint(game.Table->X(), game.Table->Y()), QPoint(8, game.CpuHand->Y() + 105));
    EXPECT_EQ(game.Table->Card(0)->Y(), game.Table->Y()) << "the cards came along";
}

TEST_F(MoverDefence, RightClickOfTheAttackRankCoversWhenItBeatsAndIsDroppedOtherwise)
{
    Lay({"6C", "7C"}, {"9S", "9C"});
    TableUp({{"9H", ""}});
    HumanDefends();
    EXPECT_TRUE(Click(C("9C"), mbRight).empty());
    EXPECT_TRUE(game.Waiting) << "dropped: still waiting";
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"9H", "--"}));
    EXPECT_EQ(Click(C("9S"), mbRight), std::vector<int>{stMoverHumanAttacks});
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"9H", "9S"}));
}

TEST_F(MoverDefence, MovingIsRefusedWhenTheCpuCannotFaceEveryAttack)
{
    // Two open attacks, and after the move three: two CPU cards are too few.
    Lay({"6C", "7C"}, {"9C", "6D"});
    TableUp({{"9H", ""}, {"9D", ""}});
    HumanDefends();
    EXPECT_TRUE(Click(C("9C")).empty());
    EXPECT_EQ(game.Table->Count(), 4);

    Lay({"6C", "7C", "8C"}, {"9C", "6D"});
    TableUp({{"9H", ""}, {"9D", ""}});
    HumanDefends();
    EXPECT_EQ(Click(C("9C")), std::vector<int>{stMoverHumanMovesTable});
}

TEST_F(MoverDefence, MovingIsRefusedOnceAnythingIsBeaten)
{
    Lay({"6C", "7C", "8C", "TC"}, {"9C", "6D"});
    TableUp({{"9H", "TH"}, {"9D", ""}});
    HumanDefends();
    EXPECT_TRUE(Click(C("9C")).empty());
    EXPECT_EQ(game.Table->Count(), 4);
    EXPECT_TRUE(game.Waiting);
}

TEST_F(MoverDefence, ClicksThatBreakTheRulesAreDropped)
{
    Lay({"6C", "7C"}, {"8H", "6D"});
    TableUp({{"9H", ""}});
    HumanDefends();
    EXPECT_TRUE(Click(C("8H")).empty()) << "too low";
    EXPECT_TRUE(Click(game.CpuHand->Card(0)).empty()) << "a CPU card";
    EXPECT_TRUE(Click(game.Deck->TopCard()).empty()) << "the deck";
    EXPECT_TRUE(ClickAt(game.Board->width() - 5, game.Board->height() / 2 - 60).empty())
        << "beside the cards";
    EXPECT_TRUE(game.Waiting);
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"9H", "--"}));
    EXPECT_EQ(game.HumanHand->Count(), 2);
}

TEST_F(MoverDefence, MarksShowWhatBeatsAndWhatMovesTheTable)
{
    Lay({"6C", "7C"}, {"8H", "TH", "9D", "6S", "7D"});
    TableUp({{"9H", ""}});
    HumanDefends();
    std::vector<std::string> marked;
    for (TCard* card : game.HumanHand->Cards())
        if (card->Marked())
            marked.push_back(Name(card));
    EXPECT_EQ(marked, (std::vector<std::string>{"TH", "9D", "6S"}));
    EXPECT_EQ(game.Board->Hint(),
              "Click your card to defend, click table card to take, make move with right mouse "
              "button to avoid moving table");
}

TEST_F(MoverDefence, CpuCoversTheFirstOpenAttackAndLetsTheHumanThrow)
{
    Lay({"TH", "KH", "6S"}, {"9C", "6D"});
    TableUp({{"9H", ""}});
    EXPECT_EQ(Run(stMoverCpuDefends), std::vector<int>{stMoverHumanThrows});
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"9H", "TH"}));
    EXPECT_EQ(game.Board->Hint(), "Waiting until CPU defends");

    Lay({"TH", "KH", "6S"}, {"8C", "6D"});
    TableUp({{"9H", ""}, {"JH", ""}});
    EXPECT_EQ(Run(stMoverCpuDefends), std::vector<int>{stMoverCpuDefends});
    EXPECT_EQ(Run(stMoverCpuDefends), std::vector<int>{stMoverCpuAttacks});
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"9H", "TH", "JH", "KH"}));
}

TEST_F(MoverDefence, CpuMovesTheTableBackToTheHuman)
{
    Lay({"9C", "KH", "6S"}, {"8C", "6D", "7D"});
    TableUp({{"9H", ""}});
    game.TableAtCpu = true;
    EXPECT_EQ(Run(stMoverCpuDefends), std::vector<int>{stMoverCpuMovesTable});
    EXPECT_FALSE(game.TableAtCpu);
    EXPECT_EQ(Run(stMoverCpuMovesTable), std::vector<int>{stMoverSlideTable});
    EXPECT_EQ(Run(stMoverSlideTable), std::vector<int>{stMoverHumanDefends});
    EXPECT_EQ(game.Table->Y(), game.HumanHand->Y() - 105);
}

} // namespace
