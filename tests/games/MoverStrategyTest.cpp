// The computer's choice in each of its uses: leading, defending, throwing more.
#include "MoverFixture.h"

namespace {

class MoverStrategy : public TMoverFixture {
protected:
    MoverStrategy() { Trumps(Spades); }
    std::string Choice(int state)
    {
        game.State = state;
        return Name(game.ChooseCard());
    }
};

TEST_F(MoverStrategy, LeadsTheLowestPlainCardEarlierSuitFirst)
{
    Lay({"6H", "6C", "7D"}, {"8S", "KH"});
    EXPECT_EQ(Choice(stMoverCpuAttacks), "6C");
    EXPECT_EQ(Choice(stMoverHumanAttacks), "KH") << "for the human, from the human's hand";
    Lay({"9S", "7S", "AS"}, {"8S"});
    EXPECT_EQ(Choice(stMoverCpuAttacks), "7S") << "only trumps: the lowest";
    EXPECT_EQ(game.PickedButton, mbLeft);
}

TEST_F(MoverStrategy, CoversWithTheCheapestOfTheSuitElseTheLowestTrump)
{
    Lay({"KH", "9H", "6S"}, {"8C"});
    TableUp({{"7H", ""}});
    EXPECT_EQ(Choice(stMoverCpuDefends), "9H");
    Lay({"KC", "6S"}, {"8C"});
    TableUp({{"7H", ""}});
    EXPECT_EQ(Choice(stMoverCpuDefends), "6S");
}

TEST_F(MoverStrategy, ATrumpAttackNeedsAHigherTrumpOrIsTaken)
{
    Lay({"AH", "7S"}, {"8C"});
    TableUp({{"9S", ""}});
    EXPECT_EQ(Choice(stMoverCpuDefends), "--") << "the last placeholder: taking";
    Lay({"AH", "TS", "QS"}, {"8C"});
    TableUp({{"9S", ""}});
    EXPECT_EQ(Choice(stMoverCpuDefends), "TS");
}

TEST_F(MoverStrategy, CoversOnlyTheFirstOpenAttack)
{
    Lay({"AD"}, {"8C", "6C"});
    TableUp({{"7H", "8H"}, {"9C", ""}, {"TD", ""}});
    EXPECT_EQ(Choice(stMoverCpuDefends), "--") << "takes although it could beat the Ten";
}

TEST_F(MoverStrategy, MovesTheTableRatherThanCover)
{
    Lay({"9C", "JH"}, {"8C", "6C"});
    TableUp({{"9H", ""}});
    EXPECT_EQ(Choice(stMoverCpuDefends), "9C");
    Lay({"9C", "JH"}, {"8C"});
    TableUp({{"9H", ""}});
    EXPECT_EQ(Choice(stMoverCpuDefends), "JH") << "one human card cannot face two attacks";
    Lay({"9C", "JH"}, {"8C", "6C", "6D"});
    TableUp({{"9H", "TH"}, {"9D", ""}});
    EXPECT_EQ(Choice(stMoverCpuDefends), "--") << "something is beaten already";
}

TEST_F(MoverStrategy, KeepsTrumpsFromMovingTheTableWhileTheDeckLasts)
{
    // No heart above the Nine, no plain Nine, the Nine of trumps its lowest trump.
    Lay({"7H", "9S", "KS", "8C"}, {"6C", "7C"}, 10);
    TableUp({{"9H", ""}});
    EXPECT_EQ(Choice(stMoverCpuDefends), "9S") << "chosen as a cover";
    EXPECT_EQ(Run(stMoverCpuDefends), std::vector<int>{stMoverCpuMovesTable})
        << "but played as moving the table, since it has the attack's rank";

    Lay({"7H", "9S", "KS", "8C"}, {"6C"}, 10);
    TableUp({{"9H", ""}});
    EXPECT_EQ(Run(stMoverCpuDefends), std::vector<int>{stMoverCpuAttacks});
    EXPECT_EQ(Names(*game.Table), (std::vector<std::string>{"9H", "9S"})) << "a cover";

    Lay({"7H", "9S", "KS", "8C"}, {"6C", "7C"}, 1);
    TableUp({{"9H", ""}});
    EXPECT_EQ(Choice(stMoverCpuDefends), "9S") << "with one card left it moves with a trump";
}

TEST_F(MoverStrategy, ThrowsPlainCardsOfTableRanksAndTrumpsOnlyAtTheEnd)
{
    Lay({"TS", "7C", "9D"}, {"6C"}, 2);
    TableUp({{"7H", "TH"}});
    EXPECT_EQ(Choice(stMoverCpuThrows), "7C") << "table cards in order: the Seven first";
    Lay({"TS", "8C"}, {"6C"}, 2);
    TableUp({{"7H", "TH"}});
    EXPECT_EQ(Choice(stMoverCpuThrows), "none");
    EXPECT_EQ(game.PickedButton, mbRight);
    Lay({"TS", "8C"}, {"6C"}, 1);
    TableUp({{"7H", "TH"}});
    EXPECT_EQ(Choice(stMoverCpuAddsToTaker), "TS");
    EXPECT_EQ(game.PickedButton, mbLeft);
    Lay({"TS", "TC"}, {"6C"}, 0);
    TableUp({{"7H", "TH"}});
    EXPECT_EQ(Choice(stMoverCpuAddsToTaker), "TC") << "a plain card before a trump of the rank";
}

TEST_F(MoverStrategy, ThrowsForTheHumanFromTheHumansHand)
{
    Lay({"7C"}, {"7D", "8C"}, 5);
    TableUp({{"7H", ""}});
    EXPECT_EQ(Choice(stMoverHumanAddsToTaker), "7D");
    EXPECT_EQ(Choice(stMoverCpuAddsToTaker), "7C");
}

TEST_F(MoverStrategy, HintWhenTheHumanCanNeitherMoveNorCoverIsTheTableTop)
{
    Lay({"6C"}, {"8C", "6D"});
    TableUp({{"9H", ""}});
    game.State = stMoverHumanDefends;
    TCard* hint = game.ChooseCard();
    EXPECT_EQ(hint, game.Table->TopCard());
    EXPECT_TRUE(hint->Empty()) << "nothing visible is selected";
}

TEST_F(MoverStrategy, OtherStatesChooseNothing)
{
    Lay({"6C"}, {"8C"});
    for (int state : {0, stMoverHumanMovesTable, stMoverSlideTable, stNewGame, stHumanWins}) {
        game.PickedButton = mbMiddle;
        EXPECT_EQ(Choice(state), "none") << state;
        EXPECT_EQ(game.PickedButton, mbLeft);
    }
}

} // namespace
