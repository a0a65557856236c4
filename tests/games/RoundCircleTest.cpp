// The circle phase: what the deck's top card can capture and which capture the CPU takes,
// the human's press, passing into a freed place, the ring and deck running out, and who
// opens the attack phase.
#include "RoundFixture.h"

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

TEST_F(RoundCircle, WhenTheDeckRunsOutThePlayerToMoveGetsTheRing)
{
    Lay({{"6S"}, {"QD"}, {"7H", "JH"}, {}});
    EXPECT_EQ(Run(stRoundHumanCircle), TPosted{stRoundHumanCircle});
    EXPECT_EQ(Names(*game.HumanHand), (TNames{"QD", "7H", "JH"}));
    EXPECT_EQ(game.Circle->Count(), 0);
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

} // namespace
