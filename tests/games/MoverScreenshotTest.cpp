// Pictures of a Mover game for a person to look at: the table mid-bout and after it
// has slid over to the CPU.
#include "Artifacts.h"
#include "MoverFixture.h"

namespace {

class MoverScreenshot : public TMoverFixture {
protected:
    MoverScreenshot()
    {
        game.Board->SetColor(QColor(0, 96, 48));
        game.Board->RebuildBackground();
        Trumps(Hearts);
    }
    QImage Shot(const QString& name)
    {
        const QImage image = game.grab().toImage();
        EXPECT_FALSE(SaveArtifact(image, name).isEmpty() &&
                     !qEnvironmentVariableIsEmpty("ZELMO_ARTIFACTS_DIR"));
        return image;
    }
    static bool SameColourAt(const QImage& image, QPoint p, const QColor& colour)
    {
        return image.pixelColor(p) == colour;
    }
};

TEST_F(MoverScreenshot, CpuAttackPartlyCoveredWithTheHandMarked)
{
    Lay({"6C", "7C", "8C", "TC"}, {"QD", "AD", "8S", "TS", "KH", "7D"});
    game.HumanHand->SetSort(psTrumpsLast);
    TableUp({{"9D", "JD"}, {"9S", ""}});
    ASSERT_TRUE(Run(stMoverHumanDefends).empty());
    int marked = 0;
    for (const TCard* card : game.HumanHand->Cards())
        marked += card->Marked() ? 1 : 0;
    EXPECT_EQ(marked, 2) << "something is beaten: only the Ten of Spades and the trump";
    const QImage image = Shot(QStringLiteral("mover-in-progress.png"));
    // Cards are drawn where the piles put them, and empty table shows the background.
    const TCard* cover = C("JD");
    EXPECT_FALSE(SameColourAt(image, QPoint(cover->X() + 36, cover->Y() + 50), QColor(0, 96, 48)));
    EXPECT_TRUE(SameColourAt(image, QPoint(300, 140), QColor(0, 96, 48)));
}

TEST_F(MoverScreenshot, TableAfterSlidingToTheCpu)
{
    Lay({"6C", "7C", "8C", "TC"}, {"QD", "AD", "9C", "9S", "KH", "7D"});
    TableUp({{"9D", ""}});
    ASSERT_TRUE(Run(stMoverHumanDefends).empty());
    ASSERT_EQ(Click(C("9C")), std::vector<int>{stMoverHumanMovesTable});
    ASSERT_EQ(Run(stMoverHumanMovesTable), std::vector<int>{stMoverSlideTable});
    ASSERT_EQ(Run(stMoverSlideTable), std::vector<int>{stMoverCpuDefends});
    const QImage image = Shot(QStringLiteral("mover-table-moved.png"));
    const TCard* attack = C("9C");
    EXPECT_EQ(game.Table->Y(), 113);
    EXPECT_FALSE(
        SameColourAt(image, QPoint(attack->X() + 36, attack->Y() + 50), QColor(0, 96, 48)));
}

} // namespace
