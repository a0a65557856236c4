// Attacking onto the heap, beating its top card, taking three or five, the end checks,
// the status texts, and the computer's choice as hint and autoplay.
#include "HeapFixture.h"

#include <map>

namespace {

using HeapBout = THeapFixture;

const std::map<int, const char*> Hints{
    {stHumanAttacks, "Click on your card to make move"},
    {stCpuAttacks, "Wait until CPU moves"},
    {stHumanDefends, "Click on your card to defend, click table card to take"},
    {stCpuDefends, "Waiting until CPU defends"}};

// One press of the human: the cards marked before it, what it posts, the heap and the
// human's hand size after it. Nothing posted: the press was dropped, input armed again.
TEST_F(HeapBout, HumanPresses)
{
    const struct {
        THeapLayout layout;
        int state;
        const char* card; // "cpu": the CPU's hand
        TNames marked;
        TPosted next;
        TNames heap;
        int hand;
    } rows[] = {
        // Any own card attacks; other presses are MoverBout's, the attack being shared.
        {{{"6H", "7H"}, {"KC", "9S"}, {}, 0}, stHumanAttacks, "9S", {"KC", "9S"}, {stCpuDefends},
         {"9S"}, 1},
        // Only a card that beats the top one defends, and then the human attacks.
        {{{"6H"}, {"8D", "TD", "TC"}, {"9D"}}, stHumanDefends, "8D", {"TD"}, {}, {"9D"}, 3},
        {{{"6H"}, {"8D", "TD", "TC"}, {"9D"}}, stHumanDefends, "TC", {"TD"}, {}, {"9D"}, 3},
        {{{"6H"}, {"8D", "TD", "TC"}, {"9D"}}, stHumanDefends, "cpu", {"TD"}, {}, {"9D"}, 3},
        {{{"6H"}, {"8D", "TD", "TC"}, {"9D"}}, stHumanDefends, "TD", {"TD"}, {stHumanAttacks},
         {"9D", "TD"}, 2},
        // A press on any heap card, even the bottom one, takes the top three; the CPU must
        // then beat the new top card.
        {{{"6H"}, {"6C"}, {"7D", "8D", "9D", "TD"}}, stHumanDefends, "7D", {}, {stCpuDefends},
         {"7D"}, 4},
        // Two cards: both taken, and the CPU attacks; a trump on top: five taken.
        {{{"6H"}, {"7H"}, {"7D", "8D"}}, stHumanDefends, "8D", {}, {stCpuAttacks}, {}, 3},
        {{{"6H"}, {"7H"}, {"6C", "7C", "8C", "9C", "TC", "JC", "AS"}}, stHumanDefends, "AS", {},
         {stCpuDefends}, {"6C", "7C"}, 6},
        // With the deck out, the CPU attacked with its last card: beating with the human's
        // last card leads to the attack's end check, a draw.
        {{{}, {"AS"}, {"9D"}, 0}, stHumanDefends, "AS", {"AS"}, {stHumanAttacks}, {"9D", "AS"}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        Lay(row.layout);
        Arm(row.state);
        EXPECT_EQ(game.Board->Hint(), Hints.at(row.state));
        EXPECT_EQ(Marked(*game.HumanHand), row.marked);
        const bool cpu = std::string(row.card) == "cpu";
        EXPECT_EQ(cpu ? ClickAt(300, 5) : Click(C(row.card)), row.next);
        EXPECT_EQ(Names(*game.Table), row.heap);
        EXPECT_EQ(game.HumanHand->Count(), row.hand);
        EXPECT_EQ(game.Waiting, row.next.empty());
    }
    EXPECT_EQ(Run(stHumanAttacks), TPosted{stDraw});
}

// A step of the CPU's, or an end check: what it posts and the heap after it.
TEST_F(HeapBout, StepsWithoutInput)
{
    const struct {
        THeapLayout layout;
        int state;
        TPosted next;
        TNames heap;
        int cpu;
    } rows[] = {
        // It leads its lowest plain card.
        {{{"8H", "7C", "6S"}, {"9D"}, {}, 0}, stCpuAttacks, {stHumanDefends}, {"7C"}, 2},
        // It beats with the cheapest card of the suit, else the lowest trump, then attacks.
        {{{"KH", "7H", "6S"}, {"6C"}, {"9C", "6H"}}, stCpuDefends, {stCpuAttacks},
         {"9C", "6H", "7H"}, 2},
        {{{"KC", "6S", "7S"}, {"6C"}, {"TH"}}, stCpuDefends, {stCpuAttacks}, {"TH", "6S"}, 2},
        // Taking: two plain cards, four plain (three taken), seven with a trump on top (five).
        {{{"6H"}, {"7H"}, {"7D", "8D"}}, stCpuDefends, {stHumanAttacks}, {}, 3},
        {{{"6H"}, {"7H"}, {"6C", "7C", "8C", "9C"}}, stCpuDefends, {stHumanDefends}, {"6C"}, 4},
        {{{"6H"}, {"7H"}, {"6C", "7C", "8C", "9C", "TC", "JC", "AS"}}, stCpuDefends,
         {stHumanDefends}, {"6C", "7C"}, 6},
        // With the deck out, before an attack.
        {{{}, {}, {"9D"}, 0}, stHumanAttacks, {stDraw}, {"9D"}, 0},
        {{{"6H"}, {}, {"9D"}, 0}, stCpuAttacks, {stHumanWins}, {"9D"}, 1},
        {{{}, {"6H"}, {"9D"}, 0}, stHumanAttacks, {stCpuWins}, {"9D"}, 0},
        // Before a defence: the CPU attacked with its last card, so the human loses though it
        // could beat; the human did, and the CPU's one card cannot beat it.
        {{{}, {"KD", "AS"}, {"9D"}, 0}, stHumanDefends, {stCpuWins}, {"9D"}, 0},
        {{{"6D"}, {}, {"9D"}, 0}, stCpuDefends, {stHumanWins}, {"9D"}, 1},
        {{{"6D", "AS"}, {}, {"9D"}, 0}, stCpuDefends, {stHumanWins}, {"9D"}, 2},
        {{{}, {}, {"9D"}, 0}, stCpuDefends, {stDraw}, {"9D"}, 0},
        // The CPU's only card beats it: the game goes on to the attack's check, a draw.
        {{{"KD"}, {}, {"9D"}, 0}, stCpuDefends, {stCpuAttacks}, {"9D", "KD"}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        Lay(row.layout);
        EXPECT_EQ(Run(row.state), row.next);
        EXPECT_EQ(game.Board->Hint(), Hints.at(row.state));
        EXPECT_EQ(Names(*game.Table), row.heap);
        EXPECT_EQ(game.CpuHand->Count(), row.cpu);
        EXPECT_FALSE(game.Waiting);
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
    EXPECT_EQ(starts[0].first + starts[1].first + starts[2].first, "9C8C7C");
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
    EXPECT_EQ(game.HumanHand->Count(), 4) << "autoplay took both cards";
}

} // namespace
