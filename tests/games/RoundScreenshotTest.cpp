// Pictures of a Round game for a person to look at: the first circle round the face-up
// deck, a capture in flight, a pass into a freed place, and the attack phase.
#include "Artifacts.h"
#include "RoundFixture.h"

#include "Random.h"

namespace {

const QColor Felt(0, 96, 48);

class RoundScreenshot : public TRoundFixture {
protected:
    RoundScreenshot()
    {
        game.Board->SetColor(Felt);
        game.Board->RebuildBackground();
    }
    QImage Shot(const QString& name)
    {
        const QImage image = game.grab().toImage();
        SaveArtifact(image, name);
        return image;
    }
    static QRect Area(const TCard* card) { return {card->X(), card->Y(), 71, 96}; }
    // The deck's top card lies whole and on top where it is drawn.
    void ExpectTopCardShows()
    {
        const TCard* top = game.Deck->TopCard();
        for (const TCard* card : game.Circle->Cards())
            EXPECT_FALSE(Area(card).intersects(Area(top))) << Name(card) << " covers the deck";
        for (const QPoint corner : {QPoint(2, 2), QPoint(68, 93)})
            EXPECT_EQ(Name(game.Board->CardAt(top->X() + corner.x(), top->Y() + corner.y())),
                      Name(top));
    }
};

TEST_F(RoundScreenshot, TheFirstCircleRoundTheDeck)
{
    SetRandSeed(2024);
    ASSERT_EQ(Run(stNewGame), TPosted{stDeal});
    Run(stDeal);
    const QImage image = Shot(QStringLiteral("round-first-circle.png"));
    ExpectTopCardShows();
    ASSERT_EQ(game.Circle->Count(), 9);
    for (const TCard* card : game.Circle->Cards())
        EXPECT_NE(image.pixelColor(card->X() + 35, card->Y() + 48), Felt) << Name(card);
}

// The human's Nine of Hearts can capture only the Seven, which any press takes.
TEST_F(RoundScreenshot, ACaptureInFlightAndAPassIntoTheFreedPlace)
{
    Lay({{"6S", "8C"},
         {"QD", "AD", "7S"},
         {"7H", "KC", "8D", "JH", "6D", "QC", "TS", "AC", "9C"},
         {"7D", "6C", "9H"}});
    QImage inFlight;
    game.Board->OnCardMoved = [&](const TCard& card, const TPile*) {
        if (Name(&card) == "7H")
            inFlight = Shot(QStringLiteral("round-capture-in-flight.png"));
    };
    Arm(stRoundHumanCircle);
    EXPECT_EQ(ClickAt(2, 200), TPosted{stRoundHumanCircle});
    ASSERT_FALSE(inFlight.isNull());
    const QPoint freed = game.Circle->FreePlaces.at(0);
    game.Board->OnCardMoved = nullptr;
    Arm(stRoundHumanCircle);
    EXPECT_EQ(ClickAt(2, 200), TPosted{stRoundCpuCircle}) << "the Six of Clubs passes";
    Shot(QStringLiteral("round-pass-into-freed-place.png"));
    EXPECT_EQ(QPoint(C("6C")->X(), C("6C")->Y()), freed);
    EXPECT_TRUE(game.Circle->FreePlaces.empty());
    ExpectTopCardShows();
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
    EXPECT_NE(image.pixelColor(C("JH")->X() + 36, C("JH")->Y() + 50), Felt);
    EXPECT_TRUE(C("TS")->Marked());
    EXPECT_EQ(C("JD")->X() - C("7D")->X(), 73) << "the hand is spread again";
}

} // namespace
