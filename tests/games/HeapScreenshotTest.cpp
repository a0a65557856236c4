// A picture of a Heap game: the heap scattered, its top card drawn last and hit there.
#include "HeapFixture.h"
#include "ShotFixture.h"

#include "Random.h"

namespace {

using HeapScreenshot = TShotFixture<THeapFixture>;

TEST_F(HeapScreenshot, AScatteredHeapKeepsItsTopCardWhole)
{
    SetRandSeed(77);
    Lay({{"6C", "7C", "8C", "TC"}, {"QD", "AD", "8S", "KH", "7D"}, {}, 12});
    // One at a time, as the game plays them, so that each draws its own place.
    for (const char* name : {"9D", "JD", "QH", "6S", "KS", "AH", "9C"})
        game.Board->MoveCard(C(name), game.Table, 0, false, 0, 0);
    while (game.Board->MovingCount() > 0)
        game.ProcessMessages();
    const QImage image = Shot(QStringLiteral("heap-scattered.png"));
    // The top card is drawn last: its middle shows its face and is hit there.
    const TCard* top = game.Table->TopCard();
    EXPECT_TRUE(Shows(image, top));
    EXPECT_EQ(game.Board->CardAt(top->X() + 35, top->Y() + 48), top);
}

} // namespace
