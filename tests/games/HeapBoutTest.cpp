// Attacking onto the heap, beating its top card, taking three or five, the end checks,
// and the computer's choice as hint and autoplay.
#include "HeapFixture.h"

namespace {

using HeapBout = THeapFixture;

TEST_F(HeapBout, TheHumanAttacksWithAnyOwnCardOnly)
{
    Lay({{"6H", "7H"}, {"KC", "9S"}, {}, 10});
    game.HumanHand->SetSort(psTrumpsLast);
    Arm(stHumanAttacks);
    EXPECT_TRUE(C("KC")->Marked() && C("9S")->Marked());
    EXPECT_EQ(ClickAt(300, 5), TPosted{}) << "a CPU card is no move";
    EXPECT_TRUE(game.Waiting);
    EXPECT_EQ(Click(C("9S")), TPosted{stCpuDefends});
    EXPECT_EQ(Names(*game.Table), (TNames{"9S"}));
}

TEST_F(HeapBout, TheCpuBeatsWithItsCheapestCardAndAttacksNext)
{
    Lay({{"KH", "7H", "6S"}, {"6C"}, {"9C", "6H"}, 10});
    EXPECT_EQ(Run(stCpuDefends), TPosted{stCpuAttacks});
    EXPECT_EQ(Names(*game.Table), (TNames{"9C", "6H", "7H"}));
    Lay({{"KC", "6S", "7S"}, {"6C"}, {"TH"}, 10});
    EXPECT_EQ(Run(stCpuDefends), TPosted{stCpuAttacks});
    EXPECT_EQ(Name(game.Table->TopCard()), "6S") << "no Heart above the Ten: lowest trump";
}

TEST_F(HeapBout, ACardThatDoesNotBeatIsDroppedAndTheStateKeepsWaiting)
{
    Lay({{"6H"}, {"8D", "7D", "TC"}, {"9D"}, 10});
    Arm(stHumanDefends);
    EXPECT_FALSE(C("8D")->Marked());
    EXPECT_FALSE(C("TC")->Marked());
    EXPECT_EQ(Click(C("8D")), TPosted{});
    EXPECT_EQ(Click(C("TC")), TPosted{});
    EXPECT_EQ(ClickAt(300, 5), TPosted{}) << "the CPU's hand";
    EXPECT_TRUE(game.Waiting);
    EXPECT_EQ(Names(*game.Table), (TNames{"9D"}));
}

TEST_F(HeapBout, BeatingPassesTheAttackToTheHuman)
{
    Lay({{"6H"}, {"8D", "TD"}, {"9D"}, 10});
    Arm(stHumanDefends);
    EXPECT_TRUE(C("TD")->Marked());
    EXPECT_EQ(Click(C("TD")), TPosted{stHumanAttacks});
    EXPECT_EQ(Name(game.Table->TopCard()), "TD");
}

TEST_F(HeapBout, APressOnAnyHeapCardTakes)
{
    Lay({{"6H"}, {"6C"}, {"7D", "8D", "9D", "TD"}, 10});
    Arm(stHumanDefends);
    // The bottom card lies under the others but still shows at its own offset.
    TCard* bottom = C("7D");
    const QPoint p(bottom->X() + 2, bottom->Y() + 2);
    ASSERT_NE(game.Board->CardAt(p.x(), p.y()), nullptr);
    ASSERT_EQ(game.Board->CardAt(p.x(), p.y())->Pile(), game.Table);
    EXPECT_EQ(ClickAt(p.x(), p.y()), TPosted{stCpuDefends}) << "cards remain: defend";
    EXPECT_EQ(Names(*game.Table), (TNames{"7D"}));
    EXPECT_EQ(game.HumanHand->Count(), 4);
}

TEST_F(HeapBout, TakingThreeOrFiveAndWhatFollows)
{
    const struct {
        std::vector<const char*> heap;
        int state;
        int taken;
        int next;
    } rows[] = {
        // Two plain cards: both taken, the heap is empty, the other side attacks.
        {{"7D", "8D"}, stCpuDefends, 2, stHumanAttacks},
        {{"7D", "8D"}, stHumanDefends, 2, stCpuAttacks},
        // Seven with a trump on top: five taken, the other side answers the new top.
        {{"6C", "7C", "8C", "9C", "TC", "JC", "AS"}, stCpuDefends, 5, stHumanDefends},
        {{"6C", "7C", "8C", "9C", "TC", "JC", "AS"}, stHumanDefends, 5, stCpuDefends},
        // Four plain cards: three taken.
        {{"6C", "7C", "8C", "9C"}, stCpuDefends, 3, stHumanDefends},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.state);
        Lay({{"6H"}, {"7H"}, row.heap, 10});
        TPile* taker = row.state == stCpuDefends ? game.CpuHand : game.HumanHand;
        if (row.state == stCpuDefends) {
            EXPECT_EQ(Run(row.state), TPosted{row.next});
        } else {
            Arm(row.state);
            EXPECT_EQ(Click(game.Table->TopCard()), TPosted{row.next});
        }
        EXPECT_EQ(taker->Count(), 1 + row.taken);
        EXPECT_EQ(game.Table->Count(), int(row.heap.size()) - row.taken);
        EXPECT_EQ(game.Board->MovingCount(), 0);
    }
}

TEST_F(HeapBout, TheTopCardsAreTakenTopFirstEachStartingHalfWay)
{
    Lay({{"6H"}, {"7H"}, {"6C", "7C", "8C", "9C"}, 10});
    std::vector<std::pair<std::string, double>> starts;
    const TCard* previous = nullptr;
    game.Board->OnCardMoved = [&](const TCard& card, const TPile*) {
        starts.push_back({Name(&card), previous ? previous->Progress() : 0.0});
        previous = &card;
    };
    Run(stCpuDefends);
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_EQ(starts[0].first, "9C");
    EXPECT_EQ(starts[1].first, "8C");
    EXPECT_EQ(starts[2].first, "7C");
    EXPECT_GE(starts[1].second, 0.5);
    EXPECT_LT(starts[1].second, 1.0);
}

TEST_F(HeapBout, HintAndAutoplayTakeWhenTheHumanCannotBeat)
{
    Lay({{"6H"}, {"7D", "7C"}, {"6D", "KH"}, 10});
    Arm(stHumanDefends);
    EXPECT_EQ(game.ChooseCard(), C("KH")) << "the hint shows the heap's top card";
    posted.clear();
    game.SetAutoplay(true);
    QCoreApplication::sendPostedEvents(&game, WM_GAMESTATE);
    ASSERT_EQ(posted, TPosted{stInput});
    EXPECT_EQ(Run(stInput), TPosted{stHumanDefends});
    EXPECT_EQ(Run(stHumanDefends), TPosted{stCpuAttacks}) << "the heap is empty";
    EXPECT_EQ(Names(*game.Table), TNames{}) << "autoplay took both cards";
    EXPECT_EQ(game.HumanHand->Count(), 4);
}

TEST_F(HeapBout, TheComputerLeadsItsLowestPlainCardForEitherSide)
{
    Lay({{"6S", "8H", "7C"}, {"9D", "6S"}, {}, 10});
    game.State = stCpuAttacks;
    EXPECT_EQ(game.ChooseCard(), C("7C"));
    Lay({{"8S", "6S"}, {"9D", "6H"}, {}, 10});
    EXPECT_EQ(game.ChooseCard(), C("6S")) << "only trumps: the lowest";
    game.State = stHumanAttacks;
    EXPECT_EQ(game.ChooseCard(), C("6H"));
    EXPECT_EQ(game.PickedButton, mbLeft);
}

// With the deck empty, the checks before an attack and before a defence.
TEST_F(HeapBout, GameEndsWhenADeckLessSideRunsOut)
{
    const struct {
        std::vector<const char*> cpu, human;
        int state, next;
    } rows[] = {
        // Before an attack.
        {{}, {}, stHumanAttacks, stDraw},
        {{"6H"}, {}, stCpuAttacks, stHumanWins},
        {{}, {"6H"}, stHumanAttacks, stCpuWins},
        // The CPU attacked with its last card: the human loses though it could beat.
        {{}, {"KD", "AS"}, stHumanDefends, stCpuWins},
        // The human attacked with its last card; the CPU's one card cannot beat it.
        {{"6D"}, {}, stCpuDefends, stHumanWins},
        {{"6D", "AS"}, {}, stCpuDefends, stHumanWins},
        {{}, {}, stCpuDefends, stDraw},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.state << " -> " << row.next);
        Lay({row.cpu, row.human, {"9D"}, 0});
        EXPECT_EQ(Run(row.state), TPosted{row.next});
        EXPECT_FALSE(game.Waiting);
    }
}

TEST_F(HeapBout, TheLastCardThatBeatsDrawsTheGame)
{
    // The human attacked with its last card; the CPU's only card beats it.
    Lay({{"KD"}, {}, {"9D"}, 0});
    EXPECT_EQ(Run(stCpuDefends), TPosted{stCpuAttacks});
    EXPECT_EQ(Run(stCpuAttacks), TPosted{stDraw});
    // The same for the human, by click.
    Lay({{}, {"AS"}, {"9D"}, 0});
    Arm(stHumanDefends);
    EXPECT_EQ(Click(C("AS")), TPosted{stHumanAttacks});
    EXPECT_EQ(Run(stHumanAttacks), TPosted{stDraw});
}

TEST_F(HeapBout, StatusTextsOfTheFourStates)
{
    Lay({{"6H", "7H"}, {"6C", "7C"}, {"9D"}, 10});
    Arm(stHumanDefends);
    EXPECT_EQ(game.Board->Hint(), "Click on your card to defend, click table card to take");
    Lay({{"6H", "7H"}, {"6C", "7C"}, {}, 10});
    Arm(stHumanAttacks);
    EXPECT_EQ(game.Board->Hint(), "Click on your card to make move");
    Run(stCpuAttacks);
    EXPECT_EQ(game.Board->Hint(), "Wait until CPU moves");
    Run(stCpuDefends);
    EXPECT_EQ(game.Board->Hint(), "Waiting until CPU defends");
}

} // namespace
