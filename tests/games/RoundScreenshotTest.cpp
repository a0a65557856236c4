// A picture of a Round game: the first circle round the face-up deck.
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
    // The deck's top card lies whole: no circle card reaches it.
    const TCard* top = game.Deck->TopCard();
    const QRect topArea(top->X(), top->Y(), 71, 96);
    for (const TCard* card : game.Circle->Cards()) {
        EXPECT_TRUE(Shows(image, card)) << Name(card);
        EXPECT_FALSE(topArea.intersects({card->X(), card->Y(), 71, 96})) << Name(card);
    }
}

} // namespace
