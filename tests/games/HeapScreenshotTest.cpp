// Pictures of a Heap game for a person to look at: a scattered heap, and a take of five
// in flight.
#include "Artifacts.h"
#include "HeapFixture.h"

#include "Random.h"

#include <set>

namespace {

const QColor Felt(0, 96, 48);

class HeapScreenshot : public THeapFixture {
protected:
    HeapScreenshot()
    {
        game.Board->SetColor(Felt);
        game.Board->RebuildBackground();
        SetRandSeed(77);
    }
    QImage Shot(const QString& name)
    {
        const QImage image = game.grab().toImage();
        SaveArtifact(image, name);
        return image;
    }
    // Plays the cards onto the heap one at a time, as the game does, so each draws its
    // place.
    void PlayOntoHeap(const std::vector<const char*>& names)
    {
        for (const char* name : names)
            game.Board->MoveCard(C(name), game.Table, 0, false, 0, 0);
        while (game.Board->MovingCount() > 0)
            game.ProcessMessages();
    }
};

TEST_F(HeapScreenshot, AScatteredHeapKeepsItsTopCardWhole)
{
    Lay({{"6C", "7C", "8C", "TC"}, {"QD", "AD", "8S", "KH", "7D"}, {}, 12});
    PlayOntoHeap({"9D", "JD", "QH", "6S", "KS", "AH", "9C"});
    const QImage image = Shot(QStringLiteral("heap-scattered.png"));
    // Scattered, not squared up: the cards do not all share one corner.
    std::set<std::pair<int, int>> corners;
    for (const TCard* card : game.Table->Cards())
        corners.insert({card->X(), card->Y()});
    EXPECT_GT(corners.size(), 4u);
    // The top card is drawn last: its centre shows its face, not the felt.
    const TCard* top = game.Table->TopCard();
    EXPECT_NE(image.pixelColor(top->X() + 36, top->Y() + 48), Felt);
    EXPECT_EQ(game.Board->CardAt(top->X() + 36, top->Y() + 48), top);
}

TEST_F(HeapScreenshot, ATakeOfFiveInFlight)
{
    Lay({{"6H"}, {"QD", "AD", "8S", "KH", "7D"}, {}, 12});
    PlayOntoHeap({"9D", "JD", "QC", "6C", "KC", "AC", "TS"});
    int started = 0;
    QImage inFlight;
    game.Board->OnCardMoved = [&](const TCard&, const TPile* from) {
        if (from == game.Table && ++started == 4)
            inFlight = Shot(QStringLiteral("heap-take-five.png"));
    };
    EXPECT_EQ(Run(stCpuDefends), TPosted{stHumanDefends});
    EXPECT_FALSE(inFlight.isNull());
    EXPECT_EQ(game.CpuHand->Count(), 6);
    EXPECT_EQ(Names(*game.Table), (TNames{"9D", "JD"}));
}

} // namespace
