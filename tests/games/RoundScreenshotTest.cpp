// Pictures of a Round game: the first circle round the face-up deck, and the attack phase.
#include "RoundFixture.h"
#include "ShotFixture.h"

#include "Random.h"

namespace {

using RoundScreenshot = TShotFixture<TRoundFixture>;

TEST_F(RoundScreenshot, TheFirstCircleRoundTheDeck)
{
    SetRandSeed(2024);
    ASSERT_EQ(Run(stNewGame), TPosted{stDeal});
    Run(stDeal);
    const QImage image = Shot(QStringLiteral("round-first-circle.png"));
    ASSERT_EQ(game.Circle->Count(), 9);
    // The deck's top card lies whole and on top: no circle card reaches it.
    const TCard* top = game.Deck->TopCard();
    const QRect topArea(top->X(), top->Y(), 71, 96);
    for (const TCard* card : game.Circle->Cards()) {
        EXPECT_TRUE(Shows(image, card)) << Name(card);
        EXPECT_FALSE(topArea.intersects({card->X(), card->Y(), 71, 96})) << Name(card);
    }
    const QPoint inset(2, 2);
    for (const QPoint corner : {topArea.topLeft() + inset, topArea.bottomRight() - inset})
        EXPECT_EQ(game.Board->CardAt(corner.x(), corner.y()), top);
}

TEST_F(RoundScreenshot, TheAttackPhaseInLayoutB)
{
    Lay({{"6C", "7C", "8C", "TC", "JC", "QC", "KC", "AH", "6S"},
         {"QD", "AD", "8S", "TS", "KH", "7D", "9H", "JD"},
         {},
         {},
         {{"9D", "JH"}, {"9S", ""}}});
    EXPECT_EQ(Run(stRoundCpuCircle), TPosted{stCpuAttacks}) << "the Six of Spades is lowest";
    Arm(stHumanDefends);
    const QImage image = Shot(QStringLiteral("round-attack-phase.png"));
    EXPECT_EQ(game.Table->Count(), 4);
    EXPECT_TRUE(Shows(image, C("JH")));
    EXPECT_TRUE(C("TS")->Marked());
    EXPECT_EQ(C("JD")->X() - C("7D")->X(), 73) << "the hand is spread again";
}

} // namespace
