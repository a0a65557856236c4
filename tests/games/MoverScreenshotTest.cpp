// Pictures of a Mover game for a person to look at: the table mid-bout and after it has
// slid over to the CPU.
#include "Artifacts.h"
#include "MoverFixture.h"

namespace {

const QColor Felt(0, 96, 48);

class MoverScreenshot : public TMoverFixture {
protected:
    MoverScreenshot()
    {
        game.Board->SetColor(Felt);
        game.Board->RebuildBackground();
        Trumps(Hearts);
    }
    // Saves the picture; true when the card is drawn where its pile put it.
    bool ShotShows(const QString& name, const char* card)
    {
        const QImage image = game.grab().toImage();
        EXPECT_FALSE(SaveArtifact(image, name).isEmpty() &&
                     !qEnvironmentVariableIsEmpty("ZELMO_ARTIFACTS_DIR"));
        EXPECT_EQ(image.pixelColor(300, 140), Felt) << "the empty middle shows the felt";
        return image.pixelColor(C(card)->X() + 36, C(card)->Y() + 50) != Felt;
    }
};

TEST_F(MoverScreenshot, CpuAttackPartlyCoveredWithTheHandMarked)
{
    Lay({{"6C", "7C", "8C", "TC"},
         {"QD", "AD", "8S", "TS", "KH", "7D"},
         {{"9D", "JD"}, {"9S", ""}}});
    game.HumanHand->SetSort(psTrumpsLast);
    Arm(stMoverHumanDefends); // marks the Ten of Spades and the trump
    EXPECT_TRUE(ShotShows(QStringLiteral("mover-in-progress.png"), "JD"));
}

TEST_F(MoverScreenshot, TableAfterSlidingToTheCpu)
{
    Lay({{"6C", "7C", "8C", "TC"}, {"QD", "AD", "9C", "9S", "KH", "7D"}, {{"9D", ""}}});
    Arm(stMoverHumanDefends);
    ASSERT_EQ(Click(C("9C")), TPosted{stMoverHumanMovesTable});
    ASSERT_EQ(Run(stMoverHumanMovesTable), TPosted{stMoverSlideTable});
    ASSERT_EQ(Run(stMoverSlideTable), TPosted{stMoverCpuDefends});
    EXPECT_EQ(game.Table->Y(), 113);
    EXPECT_TRUE(ShotShows(QStringLiteral("mover-table-moved.png"), "9C"));
}

} // namespace
