// Round's bout where its rules differ from Mover's: placing the table, the steps that take
// no input, giving more to a taker, and the end of the game.
#include "RoundFixture.h"

namespace {

class RoundBout : public TRoundFixture {
protected:
    void LayBout(const TRoundLayout& layout)
    {
        Lay(layout);
        game.AttackPhase = true;
        game.ArrangePiles();
    }
};

TEST_F(RoundBout, TheHumansPressPlacesTheTableEvenWhenItPlaysNothing)
{
    LayBout({{"7C", "8C"}, {"9D", "TD"}});
    Arm(stHumanAttacks);
    EXPECT_TRUE(C("9D")->Marked() && C("TD")->Marked());
    EXPECT_EQ(ClickAt(2, 200), TPosted{});
    EXPECT_TRUE(game.Waiting);
    EXPECT_TRUE(game.TableAtCpu);
    EXPECT_EQ(game.Table->Y(), game.CpuHand->Y() + 113);
    EXPECT_EQ(game.Deck->X(), game.Discard->X() - 123);
    EXPECT_EQ(Click(C("9D")), TPosted{stCpuDefends});
    EXPECT_EQ(Names(*game.Table), (TNames{"9D", "--"}));
}

TEST_F(RoundBout, StepsWithoutInput)
{
    const struct {
        TRoundLayout layout;
        int state;
        int limit;
        TPosted next;
        TNames table;
        int cpuCards;
    } rows[] = {
        // The CPU covers; the human may throw more only with a rank on the table.
        {{{"TH", "6C"}, {"9D"}, {}, {}, {{"9H", ""}}}, stCpuDefends, 0, {stHumanThrows},
         {"9H", "TH"}, 1},
        {{{"TH", "6C"}, {"8D"}, {}, {}, {{"9H", ""}}}, stCpuDefends, 0, {stCpuAttacks},
         {"9H", "TH"}, 1},
        // A CPU that cannot beat takes; a human holding a rank is asked even at limit 0.
        {{{"6C"}, {"9D"}, {}, {}, {{"9S", ""}}}, stCpuDefends, 0, {stHumanAddsToTaker},
         {"9S", "--"}, 1},
        {{{"6C"}, {"8D"}, {}, {}, {{"9S", ""}}}, stCpuDefends, 0, {stHumanAttacks}, {}, 2},
        // Trumps are thrown like any card.
        {{{"9S", "6C"}, {"7D"}, {}, {}, {{"9H", "TH"}}}, stCpuThrows, 0, {stHumanDefends},
         {"9H", "TH", "9S", "--"}, 1},
        // The CPU gives the taking human no more than the limit, then the table; a human
        // who took with one card gets nothing more.
        {{{"9C", "9D", "TC", "6D"}, {"7S"}, {}, {}, {{"9H", ""}}}, stCpuAddsToTaker, 2,
         {stCpuAttacks}, {}, 2},
        {{{"9C", "6D"}, {"7S"}, {}, {}, {{"9H", ""}}}, stCpuAddsToTaker, 0, {stCpuAttacks}, {},
         2},
        // At limit 0 the CPU gets the table without a press.
        {{{"6C"}, {"9D"}, {}, {}, {{"9S", ""}}}, stHumanAddsToTaker, 0, {stHumanAttacks}, {}, 2},
        // A beaten table is cleared before the end check of an attack (the check's other
        // outcomes are HeapBout's and MoverBout's: it is shared).
        {{{"6C"}, {}, {}, {}, {{"9H", "TH"}}}, stHumanAttacks, 0, {stHumanWins}, {}, 1},
    };
    int n = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(++n);
        LayBout(row.layout);
        game.ThrowLimit = row.limit;
        EXPECT_EQ(Run(row.state), row.next);
        EXPECT_EQ(Names(*game.Table), row.table);
        EXPECT_EQ(game.CpuHand->Count(), row.cpuCards);
        EXPECT_FALSE(game.Waiting);
    }
}

TEST_F(RoundBout, WhileTheCpuGivesTheStateIsZeroSoNothingIsChosen)
{
    LayBout({{"9C", "9D", "6D"}, {"7S", "8S", "AD"}, {}, {}, {{"9H", ""}}});
    game.ThrowLimit = 2;
    std::vector<int> states;
    std::vector<std::string> choices;
    game.Board->OnCardMoved = [&](const TCard&, const TPile*) {
        states.push_back(game.State);
        choices.push_back(Name(game.ChooseCard()));
    };
    EXPECT_EQ(Run(stCpuAddsToTaker), TPosted{stCpuAttacks});
    EXPECT_EQ(game.Board->Hint(), "CPU gives you more");
    EXPECT_EQ(states, std::vector<int>(5, 0)) << "two given, three taken";
    EXPECT_EQ(choices, std::vector<std::string>(5, "none"));
}

// Giving more to the CPU within the limit; at 0 the table goes over without a press. The
// right button that ends throwing or giving is MoverDefence's: the routines are shared.
TEST_F(RoundBout, TheHumanGivesWithinTheLimit)
{
    LayBout({{"6C"}, {"9D", "9C", "7D"}, {}, {}, {{"9S", ""}}});
    game.ThrowLimit = 1;
    Arm(stHumanAddsToTaker);
    EXPECT_EQ(game.Board->Hint(), "CPU has taken, so throw him more, right click if ok");
    EXPECT_EQ(Click(C("7D")), TPosted{}) << "no Seven on the table";
    EXPECT_EQ(Click(C("9C")), TPosted{stHumanAddsToTaker});
    EXPECT_EQ(game.ThrowLimit, 0);
    EXPECT_EQ(Run(stHumanAddsToTaker), TPosted{stHumanAttacks}) << "no press awaited";
    EXPECT_EQ(Names(*game.CpuHand), (TNames{"6C", "9C", "9S"}));
}

} // namespace
