// Defending: covering (and which attack the human's card covers), moving the table and
// its refusals, clicks that break the rules; taking, and throwing more to a taker.
#include "MoverFixture.h"

namespace {

using MoverDefence = TMoverFixture;

// One click of the defending human: what it posts and the table after it. Nothing posted:
// the click was dropped and input is armed again.
TEST_F(MoverDefence, HumanDefenceClicks)
{
    const struct {
        TLayout layout;
        const char* card;
        int button;
        TPosted next;
        TNames table;
    } rows[] = {
        // Which attack a cover takes: a trump one first, else the earlier, else the higher.
        {{{"6C", "7C", "8C"}, {"JS", "QH"}, {{"TH", ""}, {"TS", ""}}},
         "JS", mbLeft, {stMoverHumanDefends}, {"TH", "--", "TS", "JS"}},
        {{{"6C", "7C", "8C"}, {"6S", "6D"}, {{"TH", ""}, {"TC", ""}}},
         "6S", mbLeft, {stMoverHumanDefends}, {"TH", "6S", "TC", "--"}},
        // All covered: the CPU throws more only holding a table rank.
        {{{"8C", "7D"}, {"9H"}, {{"7H", ""}}}, "9H", mbLeft, {stMoverCpuThrows}, {"7H", "9H"}},
        // Taking: a taker with one card left gets the table at once.
        {{{"9C", "9D"}, {"7H"}, {{"9H", ""}}}, "9H", mbRight, {stMoverCpuAttacks}, {}},
        // The attack's rank: the left button moves the table, the right one only covers.
        {{{"6C", "7C"}, {"9C", "6D"}, {{"9H", ""}}},
         "9C", mbLeft, {stMoverHumanMovesTable}, {"9H", "--", "9C", "--"}},
        {{{"6C", "7C"}, {"9S", "9C"}, {{"9H", ""}}}, "9C", mbRight, {}, {"9H", "--"}},
        {{{"6C", "7C"}, {"9S", "9C"}, {{"9H", ""}}}, "9S", mbRight, {stMoverHumanAttacks},
         {"9H", "9S"}},
        // Moving needs a CPU card for every attack after the move, and nothing beaten.
        {{{"6C", "7C"}, {"9C", "6D"}, {{"9H", ""}, {"9D", ""}}},
         "9C", mbLeft, {}, {"9H", "--", "9D", "--"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        Lay(row.layout);
        game.TableAtCpu = false;
        Arm(stMoverHumanDefends);
        EXPECT_EQ(Click(C(row.card), row.button), row.next);
        EXPECT_EQ(Names(*game.Table), row.table);
        EXPECT_EQ(game.Waiting, row.next.empty());
        EXPECT_EQ(game.TableAtCpu, row.next == TPosted{stMoverHumanMovesTable});
    }
}

TEST_F(MoverDefence, HumanTakesAndTheCpuThrowsWhatItCanUpToTheLimit)
{
    Lay({{"9C", "9D", "TC", "6D"}, {"7H", "8H", "QD"}, {{"9H", ""}}});
    Arm(stMoverHumanDefends);
    EXPECT_EQ(Click(C("9H")), TPosted{stMoverCpuAddsToTaker});
    EXPECT_EQ(game.ThrowLimit, 2);
    EXPECT_EQ(Run(stMoverCpuAddsToTaker), TPosted{stMoverCpuAddsToTaker});
    EXPECT_EQ(Run(stMoverCpuAddsToTaker), TPosted{stMoverCpuAddsToTaker});
    EXPECT_EQ(game.ThrowLimit, 0);
    EXPECT_EQ(Names(*game.Table), (TNames{"9H", "--", "9D", "--", "9C", "--"}));
    EXPECT_EQ(Run(stMoverCpuAddsToTaker), TPosted{stMoverCpuAttacks}) << "limit used up";
    EXPECT_EQ(game.Table->Count(), 0);
    EXPECT_EQ(game.HumanHand->Count(), 6);
    EXPECT_EQ(game.Board->CardCount(), 36) << "placeholders destroyed";
}

} // namespace
