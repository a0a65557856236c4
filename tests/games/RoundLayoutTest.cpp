// A resize keeps the phase's layout: Layout B in the attack phase; in the circle phase
// the ring's cards and free places follow the ring.
#include "RoundFixture.h"

namespace {

using RoundLayout = TRoundFixture;

// Five cards spread on the ring, the third taken away: its place stays free.
TEST_F(RoundLayout, AResizeCarriesTheRingAlongOrKeepsLayoutB)
{
    Lay({{"6S"}, {"QD"}, {"7H", "8H", "9H", "TH", "JH"}, {"6C"}});
    game.HumanHand->AddCard(C("9H"));
    game.Board->resize(game.Board->width() + 60, game.Board->height() - 32);
    game.ArrangePiles();
    const int places[] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i)
        EXPECT_LE((Centre(game.Circle->Card(i)) - RingPlace(places[i], 5)).manhattanLength(), 2);
    ASSERT_EQ(game.Circle->FreePlaces.size(), 1u);
    EXPECT_LE((game.Circle->FreePlaces[0] + QPoint(35, 48) - RingPlace(2, 5)).manhattanLength(), 2);

    game.AttackPhase = true;
    game.Board->resize(game.Board->width(), game.Board->height() + 32);
    game.ArrangePiles();
    EXPECT_EQ(game.HumanHand->PileW(), 73);
    EXPECT_EQ(game.Circle->PileW(), game.Circle->PileH());
}

} // namespace
