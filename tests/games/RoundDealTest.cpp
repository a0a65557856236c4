// A new Round game: the staggered deal of the first circle onto evenly spaced places, and
// the opener drawn from the generator.
#include "RoundFixture.h"

#include "Random.h"

#include <set>

namespace {

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
    }
    EXPECT_EQ(openers.size(), 2u) << "both sides open for some seed";
}

} // namespace
