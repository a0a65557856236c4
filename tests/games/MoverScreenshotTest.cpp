// Pictures of a Mover game: the table mid-bout, and after it has slid over to the CPU.
#include "MoverFixture.h"
#include "ShotFixture.h"

namespace {

class MoverScreenshot : public TShotFixture<TMoverFixture> {
protected:
    MoverScreenshot() { Trumps(Hearts); }
    // True when the card is drawn where its pile put it, over a felt that shows.
    bool ShotShows(const QString& name, const char* card)
    {
        const QImage image = Shot(name);
        EXPECT_EQ(image.pixelColor(300, 140), Felt) << "the empty middle shows the felt";
        return Shows(image, C(card));
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
