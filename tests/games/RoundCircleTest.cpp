// The circle phase: what the deck's top card can capture, the human's presses, the
// computer's choice, passing into a freed place or a re-spread ring, the ring and deck
// running out, and who opens the attack phase.
#include "RoundFixture.h"

namespace {

using RoundCircle = TRoundFixture;

TEST_F(RoundCircle, TheCardsTheTopCardBeatsAreMarked)
{
    const struct {
        const char* top;
        std::vector<const char*> circle;
        TNames marked;
    } rows[] = {
        {"9H", {"7H", "JH", "6S", "KC", "8H"}, {"7H", "8H"}}, // higher of the suit
        {"7S", {"6S", "8S", "AH", "KC"}, {"6S", "AH", "KC"}}, // a trump over any non-trump
        {"6D", {"7D", "AS", "TC"}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.top);
        Lay({{"6C"}, {"QC", "AD"}, row.circle, {"8D", row.top}});
        C("QC")->SetMarked(true);
        Arm(stRoundHumanCircle);
        EXPECT_EQ(Marked(*game.Circle), row.marked);
        EXPECT_FALSE(C("QC")->Marked()) << "the hand has nothing to play here";
        EXPECT_EQ(game.Board->Hint(), "Select a card in the circle and beat it with top card "
                                      "in the deck to get them");
    }
}

// Seven of Hearts is the only card the Nine of Hearts beats.
TEST_F(RoundCircle, ALoneCapturableCardIsTakenByAnyLeftOrRightPress)
{
    for (int press = 0; press < 3; ++press) {
        SCOPED_TRACE(press);
        Lay({{"6C"}, {"QC"}, {"JH", "7H", "KC"}, {"8D", "9H"}});
        const QPoint pickPlace(C("7H")->X(), C("7H")->Y());
        QPoint laidOver;
        game.Board->OnCardMoved = [&](const TCard& card, const TPile* from) {
            if (from == game.Circle && Name(&card) == "9H")
                laidOver = {card.StartX, card.StartY};
        };
        Arm(stRoundHumanCircle);
        if (press == 0)
            EXPECT_EQ(ClickAt(2, 200), TPosted{stRoundHumanCircle}) << "on the empty board";
        else if (press == 1)
            EXPECT_EQ(Click(C("KC"), mbRight), TPosted{stRoundHumanCircle});
        else
            EXPECT_EQ(Click(C("7H")), TPosted{stRoundHumanCircle});
        EXPECT_EQ(laidOver, pickPlace + QPoint(12, 6)) << "the top card lay on the pick";
        EXPECT_EQ(Names(*game.HumanHand), (TNames{"QC", "7H", "9H"}));
        EXPECT_EQ(Names(*game.Circle), (TNames{"JH", "KC"}));
        EXPECT_EQ(game.Circle->FreePlaces, std::vector<QPoint>{pickPlace});
    }
}

TEST_F(RoundCircle, TheMiddleButtonAndAMissWithSeveralChoicesAreIgnored)
{
    Lay({{"6C"}, {"QC"}, {"7H", "8H", "KC"}, {"8D", "9H"}});
    Arm(stRoundHumanCircle);
    EXPECT_EQ(Click(C("7H"), mbMiddle), TPosted{});
    EXPECT_TRUE(game.Waiting);
    EXPECT_EQ(Click(C("KC")), TPosted{stRoundHumanCircle}) << "asked again";
    EXPECT_EQ(game.Circle->Count(), 3);
    Arm(stRoundHumanCircle);
    EXPECT_EQ(Click(C("8H")), TPosted{stRoundHumanCircle});
    EXPECT_EQ(Names(*game.Circle), (TNames{"7H", "KC"}));
}

TEST_F(RoundCircle, TheComputerTakesTheBestTrumpElseTheBestOfTheFirstSuit)
{
    Trumps(Clubs);
    const struct {
        const char* top;
        std::vector<const char*> circle;
        const char* choice;
    } rows[] = {
        {"6C", {"7H", "KS", "TH", "8C"}, "TH"}, // the King of Spades is not the first suit
        {"9C", {"7H", "KS", "7C"}, "7C"},
        {"6D", {"7H", "KS"}, "none"},
    };
    for (const auto& row : rows) {
        Lay({{"6S"}, {"QD"}, row.circle, {"8D", row.top}});
        for (int state : {stRoundCpuCircle, stRoundHumanCircle}) {
            game.State = state;
            EXPECT_EQ(Name(game.ChooseCard()), row.choice) << row.top;
        }
    }
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

TEST_F(RoundCircle, APassWithNoPlaceFreeSpreadsTheRingAgain)
{
    Lay({{"6S"}, {"AD"}, {"JH", "KC", "QD"}, {"8D", "6C"}});
    Arm(stRoundHumanCircle);
    EXPECT_EQ(ClickAt(2, 200), TPosted{stRoundCpuCircle});
    ASSERT_EQ(Names(*game.Circle), (TNames{"JH", "KC", "QD", "6C"}));
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(Centre(game.Circle->Card(k)), RingPlace(k, 4));
    EXPECT_EQ(game.Circle->Orientation(), poNone);
}

TEST_F(RoundCircle, WhenTheDeckRunsOutThePlayerToMoveGetsTheRing)
{
    Lay({{"6S"}, {"QD"}, {"7H", "JH"}, {}});
    EXPECT_EQ(Run(stRoundHumanCircle), TPosted{stRoundHumanCircle});
    EXPECT_EQ(Names(*game.HumanHand), (TNames{"QD", "7H", "JH"}));
    EXPECT_EQ(game.Circle->Count(), 0);
    // An empty ring with cards left in the deck: a new, smaller circle.
    Lay({{"6S"}, {"QD"}, {}, {"7H", "8H", "9H", "TH"}});
    EXPECT_EQ(Run(stRoundCpuCircle), TPosted{stRoundCpuCircle});
    EXPECT_EQ(Names(*game.Circle), (TNames{"TH", "9H", "8H", "7H"}));
    EXPECT_EQ(game.Circle->Orientation(), poNone);
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
        EXPECT_EQ(game.HumanHand->PileW(), 73);
        EXPECT_EQ(game.CpuHand->PileW(), 73);
        EXPECT_EQ(game.Circle->PileW(), game.Circle->PileH());
    }
}

} // namespace
