// Layouts A and B, and what a resize does in either phase: the attack phase keeps
// Layout B, and the circle's cards and free places follow the ring.
#include "RoundFixture.h"

#include <cmath>

namespace {

using RoundLayout = TRoundFixture;

TEST_F(RoundLayout, LayoutAWidensTheRingAndLayoutBMakesItRound)
{
    const int w = game.Board->width();
    const int h = game.Board->height();
    const int radius = std::min(w - 99, h - 118) / 2;
    for (bool attack : {false, true}) {
        game.AttackPhase = attack;
        game.ArrangePiles();
        const TPile& ring = *game.Circle;
        EXPECT_EQ(QRect(ring.X(), ring.Y(), ring.PileW(), ring.PileH()),
                  QRect(w - ring.PileW() - 44, h / 2, attack ? radius : (w - 180) / 2, radius));
        EXPECT_EQ(QPoint(game.Deck->X(), game.Deck->Y()), QPoint(ring.X() - 53, (h - 96) / 2));
        EXPECT_EQ(game.HumanHand->PileW(), attack ? 73 : 2);
        EXPECT_EQ(game.Table->Width(), w - 123 - 16);
    }
}

TEST_F(RoundLayout, AResizeInTheAttackPhaseKeepsLayoutB)
{
    game.AttackPhase = true;
    game.Board->resize(game.Board->width(), game.Board->height() + 32);
    game.ArrangePiles();
    EXPECT_EQ(game.CpuHand->PileW(), 73);
    EXPECT_EQ(game.HumanHand->PileW(), 73);
    EXPECT_EQ(game.HumanHand->Y(), game.Board->height() - 104);
}

// Five cards spread on the ring, the third taken away: its place stays free.
TEST_F(RoundLayout, AResizeInTheCirclePhaseCarriesTheRingAlong)
{
    Lay({{"6S"}, {"QD"}, {"7H", "8H", "9H", "TH", "JH"}, {"6C"}});
    game.HumanHand->AddCard(C("9H"));
    game.Board->resize(game.Board->width() + 60, game.Board->height() - 32);
    game.ArrangePiles();
    const TPile& ring = *game.Circle;
    auto onRing = [&](int k) {
        const double angle = k * 2 * M_PI / 5 + M_PI / 2;
        return QPoint(int(std::lround(std::cos(angle) * ring.PileW())) + ring.X(),
                      int(std::lround(std::sin(angle) * ring.PileH())) + ring.Y());
    };
    const int places[] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i) {
        const QPoint offset = Centre(ring.Card(i)) - onRing(places[i]);
        EXPECT_LE(offset.manhattanLength(), 2) << Name(ring.Card(i));
    }
    ASSERT_EQ(ring.FreePlaces.size(), 1u);
    EXPECT_LE((ring.FreePlaces[0] + QPoint(35, 48) - onRing(2)).manhattanLength(), 2);
}

} // namespace
