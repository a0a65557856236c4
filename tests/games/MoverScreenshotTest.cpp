// A picture of a Mover game after the table has slid over to the CPU.
#include "MoverFixture.h"
#include "ShotFixture.h"

namespace {

class MoverScreenshot : public TShotFixture<TMoverFixture> {
protected:
    MoverScreenshot() { Trumps(Hearts); }
};

TEST_F(MoverScreenshot, TableAfterSlidingToTheCpu)
{
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

} // namespace
