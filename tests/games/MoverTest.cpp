// Mover: the deal, the start of a bout (clearing, refilling in order, the end check),
// attacking, the steps that take no input, the computer's choice in each of its uses
// (leading, defending, throwing more, the hint); defending: covering (and which attack
// the human's card covers), moving the table and its refusals, its slide pictured, clicks
// that break the rules; taking, and throwing more to a taker.
#include "GameFixture.h"

#include "Random.h"

namespace {

using MoverBout = TMoverFixture;

TEST_F(MoverBout, NewGameGathersEveryCardAndTakesTrumpsFromANonAceBottom)
{
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        Lay({{"6H", "7H"}, {"8C", "KS"}, {{"9D", "TD"}, {"9C", ""}}, 10});
        game.Board->OnMouseDown = [](TBoard&, int, Qt::KeyboardModifiers, int, int) {};
        SetRandSeed(seed);
        ASSERT_EQ(Run(stNewGame), TPosted{stDeal});
        EXPECT_EQ(game.Deck->Count(), 36);
        EXPECT_EQ(game.Board->CardCount(), 36) << "placeholders are destroyed, not gathered";
        EXPECT_NE(game.Deck->BottomCard()->Value(), Ace) << "seed " << seed;
        EXPECT_EQ(game.Board->Trumps(), game.Deck->BottomCard()->Suit());
        EXPECT_FALSE(game.Board->OnMouseDown) << "no click may reach a game being gathered";
    }
}

// Twelve cards dealt from a stacked deck, the CPU's first: the lower trump starts, the
// table lies before the defender, and the human's trumps sort last. Who starts in every
// other case, and dealing again, is HeapDeal's (the deal is shared).
TEST_F(MoverBout, SixEachAlternatelyAndTheLowerTrumpStarts)
{
    for (const auto& [cpu, human, next] : {std::tuple{"7S", "9S", stCpuAttacks},
                                           std::tuple{"9S", "7S", stHumanAttacks}}) {
        StackDeck({cpu, human, "6C", "6D", "7C", "7D", "8C", "8D", "9C", "9D", "TC", "TD"});
        game.TableAtCpu = next != stCpuAttacks;
        EXPECT_EQ(Run(stDeal), TPosted{next});
        EXPECT_EQ(Names(*game.CpuHand), (TNames{cpu, "6C", "7C", "8C", "9C", "TC"}));
        EXPECT_EQ(game.Deck->Count(), 24);
        EXPECT_EQ(game.TableAtCpu, next == stCpuAttacks);
        EXPECT_EQ(Name(game.HumanHand->TopCard()), human);
    }
}

TEST_F(MoverBout, ABeatenTableGoesToTheDiscardAndTheDefenderDrawsFirst)
{
    Lay({{"6C", "7C"}, {"8C", "9C", "TC"}, {{"6D", "7D"}, {"8D", "9D"}}, 5});
    const int discarded = game.Discard->Count();
    std::vector<TPile*> drawers;
    game.Board->OnCardMoved = [&](const TCard& card, const TPile* from) {
        if (from == game.Deck)
            drawers.push_back(card.Pile());
    };
    Arm(stHumanAttacks);
    EXPECT_EQ(game.Table->Count(), 0);
    EXPECT_EQ(game.Discard->Count(), discarded + 4);
    // The CPU defends next and draws first, up to six; the deck runs out on the human.
    TPile* cpu = game.CpuHand;
    EXPECT_EQ(drawers, (std::vector<TPile*>{cpu, cpu, cpu, cpu, game.HumanHand}));
    EXPECT_EQ(Marked(*game.HumanHand), Names(*game.HumanHand)) << "every card may attack";
    EXPECT_EQ(game.Board->Hint(), "Click your card to move");
    // Only the human's own card attacks, with either button.
    EXPECT_EQ(Click(game.CpuHand->Card(2)), TPosted{});
    EXPECT_EQ(Click(game.Discard->TopCard()), TPosted{});
    EXPECT_EQ(Click(C("9C"), mbRight), TPosted{stCpuDefends});
    EXPECT_EQ(Names(*game.Table), (TNames{"9C", "--"}));
    EXPECT_TRUE(game.TableAtCpu);
    EXPECT_EQ(game.Table->Y(), game.CpuHand->Y() + 105);
    EXPECT_FALSE(C("9C")->Marked()) << "a played card loses its mark";
}

// A step that takes no input: what it posts and the table after it.
TEST_F(MoverBout, StepsWithoutInput)
{
    const struct {
        TLayout layout;
        int state;
        TPosted next;
        TNames table;
        int limit = 0;
    } rows[] = {
        // The CPU covers the first open attack.
        {{{"TH", "KH", "6S"}, {"9C", "6D"}, {{"9H", ""}}}, stCpuDefends, {stHumanThrows},
         {"9H", "TH"}},
        {{{"KH", "6S"}, {"8C", "6D"}, {{"9H", "TH"}, {"JH", ""}}}, stCpuDefends,
         {stCpuAttacks}, {"9H", "TH", "JH", "KH"}},
        // Its trump Nine moves the table once the human can face two attacks, else covers.
        {{{"7H", "9S", "KS", "8C"}, {"6C", "7C"}, {{"9H", ""}}, 10}, stCpuDefends,
         {stMoverCpuMovesTable}, {"9H", "--", "9S", "--"}},
        // Throwing more after a full defence; a trump is kept while the deck can refill.
        {{{"7C", "TD"}, {"6C"}, {{"9H", "TH"}}}, stCpuThrows, {stHumanDefends},
         {"9H", "TH", "TD", "--"}},
        {{{"7C", "TS"}, {"6C"}, {{"9H", "TH"}}, 5}, stCpuThrows, {stHumanAttacks}, {"9H", "TH"}},
        // Nobody throws into an empty hand, nor from one.
        {{{}, {"9D"}, {{"9H", "TH"}}}, stHumanThrows, {stCpuAttacks}, {"9H", "TH"}},
        // Throwing to a taker ends with nothing of a table rank, or at the limit.
        {{{"6D"}, {"7H", "8H"}, {{"9H", ""}}}, stCpuAddsToTaker, {stCpuAttacks}, {}, 1},
        // The end: the deck and a hand are empty once the table is cleared and refilled (the
        // other outcomes of the shared check are HeapBout's).
        {{{"6C", "7C"}, {}, {{"8D", "9D"}}, 0}, stHumanAttacks, {stHumanWins}, {}},
        {{{}, {"6C"}, {}, 1}, stHumanAttacks, {}, {}}, // the empty hand draws the last card
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        Lay(row.layout);
        game.ThrowLimit = row.limit;
        EXPECT_EQ(Run(row.state), row.next);
        EXPECT_EQ(Names(*game.Table), row.table);
    }
}

using MoverStrategy = TMoverFixture;

TEST_F(MoverStrategy, ChooseCard)
{
    const struct {
        TLayout layout;
        int state;
        const char* choice;
        int button = mbLeft;
    } rows[] = {
        // Leading: the lowest plain card, earlier suit first; with only trumps the lowest.
        {{{"6H", "6C", "7D"}, {"8S", "KH"}}, stCpuAttacks, "6C"},
        // Covering: the cheapest of the suit, else the lowest trump; "--" takes.
        {{{"KH", "9H", "6S"}, {"8C"}, {{"7H", ""}}}, stCpuDefends, "9H"},
        {{{"AH", "7S"}, {"8C"}, {{"9S", ""}}}, stCpuDefends, "--"},
        // Moving the table rather than covering, while the human can face every attack and
        // nothing is beaten.
        {{{"9C", "JH"}, {"8C", "6C"}, {{"9H", ""}}}, stCpuDefends, "9C"},
        // A trump of the rank moves the table only when the deck is nearly out.
        {{{"7H", "8S", "9S"}, {"6C", "7C"}, {{"9H", ""}}, 10}, stCpuDefends, "8S"},
        {{{"7H", "8S", "9S"}, {"6C", "7C"}, {{"9H", ""}}, 1}, stCpuDefends, "9S"},
        // Throwing: plain cards of table ranks in table order; trumps when the deck is < 2.
        {{{"TS", "7C", "9D"}, {"6C"}, {{"7H", "TH"}}, 2}, stCpuThrows, "7C"},
        {{{"TS", "8C"}, {"6C"}, {{"7H", "TH"}}, 2}, stCpuThrows, "none", mbRight},
        {{{"TS", "8C"}, {"6C"}, {{"7H", "TH"}}, 1}, stCpuAddsToTaker, "TS"},
        // The hint when the human can neither move nor cover: the table top (a placeholder).
        {{{"6C"}, {"8C", "6D"}, {{"9H", ""}}}, stHumanDefends, "--"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        Lay(row.layout);
        game.State = row.state;
        game.PickedButton = mbMiddle;
        EXPECT_EQ(Name(game.ChooseCard()), row.choice);
        EXPECT_EQ(game.PickedButton, row.button);
    }
}

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
         "JS", mbLeft, {stHumanDefends}, {"TH", "--", "TS", "JS"}},
        {{{"6C", "7C", "8C"}, {"6S", "6D"}, {{"TH", ""}, {"TC", ""}}},
         "6S", mbLeft, {stHumanDefends}, {"TH", "6S", "TC", "--"}},
        // All covered: the CPU throws more only holding a table rank.
        {{{"8C", "7D"}, {"9H"}, {{"7H", ""}}}, "9H", mbLeft, {stCpuThrows}, {"7H", "9H"}},
        // Taking: a taker with one card left gets the table at once.
        {{{"9C", "9D"}, {"7H"}, {{"9H", ""}}}, "9H", mbRight, {stCpuAttacks}, {}},
        // The attack's rank: the right button only covers (the left one moves the table, as
        // TheTableSlidesOverToTheCpu shows).
        {{{"6C", "7C"}, {"9S", "9C"}, {{"9H", ""}}}, "9C", mbRight, {}, {"9H", "--"}},
        {{{"6C", "7C"}, {"9S", "9C"}, {{"9H", ""}}}, "9S", mbRight, {stHumanAttacks}, {"9H", "9S"}},
        // Moving needs a CPU card for every attack after the move, and nothing beaten.
        {{{"6C", "7C"}, {"9C", "6D"}, {{"9H", ""}, {"9D", ""}}},
         "9C", mbLeft, {}, {"9H", "--", "9D", "--"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        Lay(row.layout);
        game.TableAtCpu = false;
        Arm(stHumanDefends);
        EXPECT_EQ(Click(C(row.card), row.button), row.next);
        EXPECT_EQ(Names(*game.Table), row.table);
        EXPECT_EQ(game.Waiting, row.next.empty());
        EXPECT_FALSE(game.TableAtCpu);
    }
}

// The table slid over to the CPU, saved for a person to look at: the slid cards are drawn
// where they now lie and the middle shows the felt again.
TEST_F(MoverDefence, TheTableSlidesOverToTheCpu)
{
    game.Board->SetTrumps(Hearts);
    Lay({{"6C", "7C", "8C", "TC"}, {"QD", "AD", "9C", "9S", "KH", "7D"}, {{"9D", ""}}});
    Arm(stMoverHumanDefends);
    ASSERT_EQ(Click(C("9C")), TPosted{stMoverHumanMovesTable});
    EXPECT_EQ(Names(*game.Table), (TNames{"9D", "--", "9C", "--"}));
    ASSERT_EQ(Run(stMoverHumanMovesTable), TPosted{stMoverSlideTable});
    ASSERT_EQ(Run(stMoverSlideTable), TPosted{stMoverCpuDefends});
    EXPECT_EQ(game.Table->Y(), 113);
    const QImage image = game.grab().toImage();
    SaveArtifact(image, QStringLiteral("mover-table-moved.png"));
    EXPECT_EQ(image.pixelColor(300, 140), Felt);
    EXPECT_NE(image.pixelColor(Centre(C("9C"))), Felt);
}

TEST_F(MoverDefence, HumanTakesAndTheCpuThrowsWhatItCanUpToTheLimit)
{
    Lay({{"9C", "9D", "TC", "6D"}, {"7H", "8H", "QD"}, {{"9H", ""}}});
    Arm(stHumanDefends);
    EXPECT_EQ(Click(C("9H")), TPosted{stCpuAddsToTaker});
    EXPECT_EQ(game.ThrowLimit, 2);
    EXPECT_EQ(Run(stCpuAddsToTaker), TPosted{stCpuAddsToTaker});
    EXPECT_EQ(Run(stCpuAddsToTaker), TPosted{stCpuAddsToTaker});
    EXPECT_EQ(game.ThrowLimit, 0);
    EXPECT_EQ(Names(*game.Table), (TNames{"9H", "--", "9D", "--", "9C", "--"}));
    EXPECT_EQ(Run(stCpuAddsToTaker), TPosted{stCpuAttacks}) << "limit used up";
    EXPECT_EQ(game.Table->Count(), 0);
    EXPECT_EQ(game.HumanHand->Count(), 6);
    EXPECT_EQ(game.Board->CardCount(), 36) << "placeholders destroyed";
}

} // namespace
