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
        // A CPU that cannot beat takes; a human holding a rank is asked even at limit 0.
        {{{"6C"}, {"9D"}, {}, {}, {{"9S", ""}}}, stCpuDefends, 0, {stHumanAddsToTaker},
         {"9S", "--"}, 1},
        // Trumps are thrown like any card.
        {{{"9S", "6C"}, {"7D"}, {}, {}, {{"9H", "TH"}}}, stCpuThrows, 0, {stHumanDefends},
         {"9H", "TH", "9S", "--"}, 1},
        // The CPU gives the taking human no more than the limit, then the table; a human
        // who took with one card gets nothing more.
        {{{"9C", "9D", "TC", "6D"}, {"7S"}, {}, {}, {{"9H", ""}}}, stCpuAddsToTaker, 2,
         {stCpuAttacks}, {}, 2},
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

} // namespace
