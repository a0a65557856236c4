// Round. The circle phase: the staggered deal of the first circle onto evenly spaced
// places and the opener drawn from the generator, what the deck's top card can capture and
// which capture the CPU takes, the human's press, passing into a freed place, and who opens
// the attack phase (who gets the ring when the deck runs out is the rules model's, in
// every replayed game). The bout where its rules differ from Mover's: placing the table,
// the steps that take no input, giving more to a taker, and the end of the game.
#include "GameFixture.h"

#include "Random.h"

#include <set>

namespace {

using RoundCircle = TRoundFixture;

TEST_F(RoundCircle, TheCardsTheTopCardBeatsAreMarked)
{
    const struct {
        const char* top;
        std::vector<const char*> circle;
        TNames marked;
        const char* choice; // the capture the CPU and the hint choose
    } rows[] = {
        {"9H", {"7H", "JH", "6S", "KC", "8H"}, {"7H", "8H"}, "8H"}, // higher of the suit
        {"7S", {"KC", "8S", "AH", "6S"}, {"KC", "AH", "6S"}, "6S"}, // the trump first
        {"AS", {"7H", "KC", "TH"}, {"7H", "KC", "TH"}, "TH"},       // the first suit's best
        {"6D", {"7D", "AS", "TC"}, {}, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.top);
        Lay({{"6C"}, {"QC", "AD"}, row.circle, {"8D", row.top}});
        C("QC")->SetMarked(true);
        Arm(stRoundHumanCircle);
        EXPECT_EQ(Marked(*game.Circle), row.marked);
        EXPECT_EQ(game.ChooseCard(), row.choice ? C(row.choice) : nullptr);
        EXPECT_FALSE(C("QC")->Marked()) << "the hand has nothing to play here";
    }
}

// Seven of Hearts is the only card the Nine of Hearts beats: a right press on another
// card still takes it.
TEST_F(RoundCircle, ALoneCapturableCardIsTakenByAnyPress)
{
    Lay({{"6C"}, {"QC"}, {"JH", "7H", "KC"}, {"8D", "9H"}});
    const QPoint pickPlace(C("7H")->X(), C("7H")->Y());
    Arm(stRoundHumanCircle);
    EXPECT_EQ(Click(C("KC"), mbRight), TPosted{stRoundHumanCircle});
    EXPECT_EQ(Names(*game.HumanHand), (TNames{"QC", "7H", "9H"}));
    EXPECT_EQ(Names(*game.Circle), (TNames{"JH", "KC"}));
    EXPECT_EQ(game.Circle->FreePlaces, std::vector<QPoint>{pickPlace});
}

// Two captures free two places; the pass then takes the one freed last.
TEST_F(RoundCircle, APassFillsTheLatestFreedPlaceAndHandsTheTurnOver)
{
    Lay({{"6S"}, {"QD"}, {"7H", "8D", "JH", "KC"}, {"6C", "9D", "9H"}});
    const QPoint first(C("7H")->X(), C("7H")->Y());
    const QPoint second(C("8D")->X(), C("8D")->Y());
    EXPECT_EQ(Run(stRoundCpuCircle), TPosted{stRoundCpuCircle});
    EXPECT_EQ(Run(stRoundCpuCircle), TPosted{stRoundCpuCircle});
    EXPECT_EQ(Names(*game.CpuHand), (TNames{"6S", "9H", "7H", "9D", "8D"}));
    EXPECT_EQ(Run(stRoundCpuCircle), TPosted{stRoundHumanCircle});
    EXPECT_EQ(QPoint(C("6C")->X(), C("6C")->Y()), second);
    EXPECT_EQ(game.Circle->FreePlaces, std::vector<QPoint>{first});
}

// Who holds the lower trump is decided by the deal's shared rule, tested in HeapDeal.
TEST_F(RoundCircle, TheLowestTrumpOpensTheAttackPhaseInLayoutB)
{
    const struct {
        std::vector<const char*> cpu, human;
        int next;
    } rows[] = {
        {{"7S", "6C"}, {"9S", "6D"}, stCpuAttacks},
        {{"9S"}, {"7S", "AD"}, stHumanAttacks},
    };
    for (const auto& row : rows) {
        Lay({row.cpu, row.human});
        EXPECT_EQ(Run(stRoundCpuCircle), TPosted{row.next});
        EXPECT_EQ(game.TableAtCpu, row.next == stHumanAttacks);
        EXPECT_EQ(game.Table->Y(), row.next == stHumanAttacks ? game.CpuHand->Y() + 113
                                                              : game.HumanHand->Y() - 105);
    }
}

// Layout A on the usual board; a resize carries the ring's cards and free places along
// with the ring, and in the attack phase keeps Layout B.
TEST_F(RoundCircle, LayoutAAndAResizeCarryTheRingAlongOrKeepLayoutB)
{
    Lay({{"6S"}, {"QD"}, {"7H", "8H", "9H", "TH", "JH"}, {"6C"}});
    game.Board->resize(605, 373);
    game.ArrangePiles();
    const TPile& ring = *game.Circle;
    EXPECT_EQ(std::tuple(ring.X(), ring.Y(), ring.PileW(), ring.PileH()),
              std::tuple(349, 186, 212, 127));
    EXPECT_EQ(QPoint(game.Deck->X(), game.Deck->Y()), QPoint(296, 138));
    EXPECT_EQ(game.Discard->X(), 482);

    game.HumanHand->AddCard(C("9H"));
    game.Board->resize(665, 341);
    game.ArrangePiles();
    const int places[] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i)
        EXPECT_LE((Centre(ring.Card(i)) - RingPlace(places[i], 5)).manhattanLength(), 2) << i;
    ASSERT_EQ(ring.FreePlaces.size(), 1u);
    EXPECT_LE((ring.FreePlaces[0] + QPoint(35, 48) - RingPlace(2, 5)).manhattanLength(), 2);

    game.AttackPhase = true;
    game.Board->resize(665, 373);
    game.ArrangePiles();
    EXPECT_EQ(game.HumanHand->PileW(), 73);
    EXPECT_EQ(ring.PileW(), ring.PileH());
}

using RoundDeal = TRoundFixture;

// The nine cards set off half an animation time apart and land evenly round the ellipse;
// the generator's next draw, 0 or 1, lets the human or the CPU open.
TEST_F(RoundDeal, TheFirstCircleIsStaggeredAndEvenAndTheOpenerIsDrawn)
{
    std::set<int> openers;
    for (uint32_t seed : {1u, 20u, 2024u, 77777u, 3000000000u}) {
        GatherAll();
        SetRandSeed(seed);
        const int expected = Random(2) == 0 ? stRoundHumanCircle : stRoundCpuCircle;
        SetRandSeed(seed);
        std::vector<uint32_t> starts;
        game.Board->OnCardMoved = [&](const TCard& card, const TPile*) {
            starts.push_back(card.StartTick);
        };
        ASSERT_EQ(Run(stDeal), TPosted{expected});
        openers.insert(expected);
        ASSERT_EQ(starts.size(), 9u);
        for (size_t k = 0; k < starts.size(); ++k)
            EXPECT_EQ(starts[k] - starts[0], k * 125) << "card " << k;
        EXPECT_EQ(game.Circle->Orientation(), poNone);
        for (int k = 0; k < 9; ++k)
            EXPECT_EQ(Centre(game.Circle->Card(k)), RingPlace(k, 9)) << "card " << k;
        EXPECT_TRUE(game.Board->OnMouseDown);
        EXPECT_EQ(game.HumanHand->Sort(), psTrumpsLast);
        // No circle card reaches the deck's top card.
        const QRect top(game.Deck->TopCard()->X(), game.Deck->TopCard()->Y(), 71, 96);
        for (const TCard* card : game.Circle->Cards())
            EXPECT_FALSE(top.intersects({card->X(), card->Y(), 71, 96})) << Name(card);
        if (seed == 2024) // for a person to look at
            SaveArtifact(game.grab().toImage(), QStringLiteral("round-first-circle.png"));
    }
    EXPECT_EQ(openers.size(), 2u) << "both sides open for some seed";
}

using RoundBout = TRoundFixture;

TEST_F(RoundBout, TheHumansPressPlacesTheTableEvenWhenItPlaysNothing)
{
    Lay({{"7C", "8C"}, {"9D", "TD"}});
    game.AttackPhase = true;
    game.ArrangePiles();
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
        Lay(row.layout);
        game.AttackPhase = true;
        game.ArrangePiles();
        game.ThrowLimit = row.limit;
        EXPECT_EQ(Run(row.state), row.next);
        EXPECT_EQ(Names(*game.Table), row.table);
        EXPECT_EQ(game.CpuHand->Count(), row.cpuCards);
        EXPECT_FALSE(game.Waiting);
    }
}

} // namespace
