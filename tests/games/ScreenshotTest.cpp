// Pictures of games for a person to look at, each checked for what it must show.
#include "HeapFixture.h"
#include "MoverFixture.h"
#include "RoundFixture.h"

#include "Artifacts.h"
#include "Random.h"

#include <QImage>

namespace {

// Pictures of a game for a person to look at (saved with the build's artifacts), on a
// plain felt so that a check can tell a drawn card from the table.
template <class TFixture> class TShotFixture : public TFixture {
protected:
    TShotFixture()
    {
        this->game.Board->SetColor(Felt);
        this->game.Board->RebuildBackground();
    }
    QImage Shot(const QString& name)
    {
        const QImage image = this->game.grab().toImage();
        SaveArtifact(image, name);
        return image;
    }
    // True when the picture shows something other than the felt at the card's middle.
    static bool Shows(const QImage& image, const TCard* card)
    {
        return image.pixelColor(card->X() + 35, card->Y() + 48) != Felt;
    }

    static inline const QColor Felt{0, 96, 48};
};

// A picture of a Mover game after the table has slid over to the CPU.
using MoverScreenshot = TShotFixture<TMoverFixture>;

TEST_F(MoverScreenshot, TableAfterSlidingToTheCpu)
{
    game.Board->SetTrumps(Hearts);
    Lay({{"6C", "7C", "8C", "TC"}, {"QD", "AD", "9C", "9S", "KH", "7D"}, {{"9D", ""}}});
    Arm(stMoverHumanDefends);
    ASSERT_EQ(Click(C("9C")), TPosted{stMoverHumanMovesTable});
    ASSERT_EQ(Run(stMoverHumanMovesTable), TPosted{stMoverSlideTable});
    ASSERT_EQ(Run(stMoverSlideTable), TPosted{stMoverCpuDefends});
    EXPECT_EQ(game.Table->Y(), 113);
    const QImage image = Shot(QStringLiteral("mover-table-moved.png"));
    EXPECT_EQ(image.pixelColor(300, 140), Felt) << "the empty middle shows the felt";
    EXPECT_TRUE(Shows(image, C("9C"))) << "drawn where the slid table put it";
}

// A picture of a Heap game: the heap scattered, its top card drawn last and hit there.
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

// A picture of a Round game: the first circle round the face-up deck.
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
