// Defending: covering (and which attack the human's card covers), moving the table and
// its refusals, the table's slide, clicks that break the rules; taking, and throwing more
// to a taker or after a full defence.
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
        {{{"6C", "7C", "8C"}, {"QH", "6D"}, {{"TH", ""}, {"TS", "JS"}}},
         "QH", mbLeft, {stMoverHumanAttacks}, {"TH", "QH", "TS", "JS"}},
        {{{"6C", "7C", "8C"}, {"6S", "6D"}, {{"TH", ""}, {"TC", ""}}},
         "6S", mbLeft, {stMoverHumanDefends}, {"TH", "6S", "TC", "--"}},
        {{{"6C", "7C", "8C"}, {"AH", "6D"}, {{"7H", "8H"}, {"9H", ""}, {"JH", ""}}},
         "AH", mbLeft, {stMoverHumanDefends}, {"7H", "8H", "9H", "--", "JH", "AH"}},
        // All covered: the CPU throws more only holding a table rank.
        {{{"8C", "7D"}, {"9H"}, {{"7H", ""}}}, "9H", mbLeft, {stMoverCpuThrows}, {"7H", "9H"}},
        {{{"8C", "6D"}, {"9H"}, {{"7H", ""}}}, "9H", mbLeft, {stMoverHumanAttacks}, {"7H", "9H"}},
        {{{"6C", "7C"}, {"8H", "6D"}, {{"9H", ""}}}, "8H", mbLeft, {}, {"9H", "--"}}, // too low
        {{{"6C", "7C"}, {"8H", "6D"}, {{"9H", ""}}}, "7C", mbLeft, {}, {"9H", "--"}}, // the CPU's
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
        {{{"6C", "7C", "8C"}, {"9C", "6D"}, {{"9H", ""}, {"9D", ""}}},
         "9C", mbLeft, {stMoverHumanMovesTable}, {"9H", "--", "9D", "--", "9C", "--"}},
        {{{"6C", "7C", "8C", "TC"}, {"9C", "6D"}, {{"9H", "TH"}, {"9D", ""}}},
         "9C", mbLeft, {}, {"9H", "TH", "9D", "--"}},
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

TEST_F(MoverDefence, MarksShowWhatBeatsOrMovesTheTable)
{
    Lay({{"6C", "7C"}, {"8H", "TH", "9D", "6S", "7D"}, {{"9H", ""}}});
    Arm(stMoverHumanDefends);
    EXPECT_EQ(Marked(*game.HumanHand), (TNames{"TH", "9D", "6S"}));
}

// The table goes over to the CPU and, when it answers in kind, back.
TEST_F(MoverDefence, MovedTablesSlideToTheNewDefender)
{
    Lay({{"9D", "6C", "7C"}, {"9C", "6D", "8D", "7D"}, {{"9H", ""}}});
    Arm(stMoverHumanDefends);
    EXPECT_EQ(Click(C("9C")), TPosted{stMoverHumanMovesTable});
    EXPECT_EQ(Run(stMoverHumanMovesTable), TPosted{stMoverSlideTable});
    EXPECT_EQ(game.Board->Hint(), "You are moving the table");
    EXPECT_EQ(Run(stMoverSlideTable), TPosted{stMoverCpuDefends});
    EXPECT_EQ(QPoint(game.Table->X(), game.Table->Y()), QPoint(8, game.CpuHand->Y() + 105));
    EXPECT_EQ(game.Table->Card(0)->Y(), game.Table->Y()) << "the cards came along";

    EXPECT_EQ(Run(stMoverCpuDefends), TPosted{stMoverCpuMovesTable});
    EXPECT_FALSE(game.TableAtCpu);
    EXPECT_EQ(Run(stMoverCpuMovesTable), TPosted{stMoverSlideTable});
    EXPECT_EQ(Run(stMoverSlideTable), TPosted{stMoverHumanDefends});
    EXPECT_EQ(game.Table->Y(), game.HumanHand->Y() - 105);
    EXPECT_EQ(Names(*game.Table), (TNames{"9H", "--", "9C", "--", "9D", "--"}));
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

TEST_F(MoverDefence, CpuTakesAndTheHumanThrowsUntilTheRightClick)
{
    Lay({{"7C", "6D", "8D"}, {"TH", "TD", "TC", "6C"}, {{"TS", ""}}});
    EXPECT_EQ(Run(stMoverCpuDefends), TPosted{stMoverHumanAddsToTaker});
    EXPECT_EQ(game.ThrowLimit, 2);
    Arm(stMoverHumanAddsToTaker);
    EXPECT_EQ(Click(C("6C")), TPosted{}) << "not a table rank";
    EXPECT_EQ(Click(C("TD")), TPosted{stMoverHumanAddsToTaker});
    EXPECT_EQ(game.ThrowLimit, 1);
    Arm(stMoverHumanAddsToTaker);
    EXPECT_EQ(ClickAt(300, 5, mbRight), TPosted{stMoverHumanAttacks});
    EXPECT_EQ(game.CpuHand->Count(), 5);
    EXPECT_EQ(game.Table->Count(), 0);
}

TEST_F(MoverDefence, HumanThrowsMoreAfterTheCpuBeatEverything)
{
    Lay({{"7C", "6D"}, {"9D", "6C", "AH"}, {{"9H", "TH"}}});
    Arm(stMoverHumanThrows);
    EXPECT_TRUE(C("9D")->Marked());
    EXPECT_FALSE(C("6C")->Marked());
    EXPECT_EQ(Click(C("6C")), TPosted{});
    EXPECT_EQ(Click(C("9D")), TPosted{stMoverCpuDefends});
    EXPECT_EQ(Names(*game.Table), (TNames{"9H", "TH", "9D", "--"}));

    Lay({{"7C", "6D"}, {"9D", "6C"}, {{"9H", "TH"}}});
    Arm(stMoverHumanThrows);
    EXPECT_EQ(Click(C("9D"), mbRight), TPosted{stMoverCpuAttacks}) << "right ends it";
    EXPECT_EQ(game.Table->Count(), 2);

    // Under autoplay, having nothing to throw ends it the same way.
    Lay({{"7C", "6D"}, {"6C"}, {{"9H", "TH"}}});
    game.SetAutoplay(true);
    EXPECT_EQ(Run(stMoverHumanThrows), TPosted{stInput});
    EXPECT_EQ(Run(stInput), TPosted{stMoverHumanThrows});
    EXPECT_EQ(Run(stMoverHumanThrows), TPosted{stMoverCpuAttacks});
}

} // namespace
