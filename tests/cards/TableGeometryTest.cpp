// The table fitted into windows of several sizes and aspect ratios, at several device
// pixel ratios: the largest uniform scale, centred, and points that map back.
#include "TableGeometry.h"
#include "GameArea.h"

#include <gtest/gtest.h>

namespace {

struct TFit {
    QSize Widget;
    qreal Dpr;
    qreal Scale;
};

class Fitted : public ::testing::TestWithParam<TFit> {};

TEST_P(Fitted, IsTheLargestUniformScaleCentredWithEqualBands)
{
    const auto [widget, dpr, scale] = GetParam();
    const QSize table(GameAreaWidth, GameAreaHeight);
    const TTableGeometry g = TTableGeometry::Fitted(table, widget, dpr);
    EXPECT_NEAR(g.Scale(), scale, 1e-9);
    EXPECT_EQ(g.TableSize(), table) << "the game's coordinates stay the classic ones";
    EXPECT_DOUBLE_EQ(g.Ratio(), g.Scale() * dpr);

    // The table touches two opposite edges; the bands on the other two are equal.
    const QRect shown = g.ToDevice(QRect({}, table));
    const QSize device = g.DeviceSize();
    const int left = shown.left(), right = device.width() - 1 - shown.right();
    const int top = shown.top(), bottom = device.height() - 1 - shown.bottom();
    EXPECT_LE(std::abs(left - right), 1);
    EXPECT_LE(std::abs(top - bottom), 1);
    EXPECT_TRUE(std::min(left, right) <= 1 || std::min(top, bottom) <= 1) << "not the largest fit";
    EXPECT_TRUE(QRect({}, device).contains(shown)) << "a part of the table is cut off";

    // The middle of a table pixel, pointed at, is that pixel; and the widget area that
    // shows it covers it. Corners included.
    for (const QPoint p : {QPoint(0, 0), QPoint(606, 374), QPoint(303, 187), QPoint(35, 370)}) {
        const QPointF middle =
            (QPointF(g.Origin()) + (QPointF(p) + QPointF(0.5, 0.5)) * g.Ratio()) / dpr;
        EXPECT_EQ(g.ToTable(middle), p) << p.x() << "," << p.y();
        EXPECT_TRUE(g.ToTable(g.ToWidget(QRect(p, QSize(1, 1)))).contains(QRect(p, QSize(1, 1))));
    }
}

INSTANTIATE_TEST_SUITE_P(
    WindowSizes, Fitted,
    ::testing::Values(TFit{{607, 375}, 1, 1.0},            // the classic size: nothing moves
                      TFit{{1214, 750}, 1, 2.0},           // exactly twice
                      TFit{{1920, 1011}, 1, 1011 / 375.0}, // wide: bands left and right
                      TFit{{800, 1200}, 1, 800 / 607.0},   // tall: bands above and below
                      TFit{{3840, 2160}, 1, 2160 / 375.0}, // a 4K screen, full
                      TFit{{1920, 1080}, 2, 1080 / 375.0}, // the same on a 2x screen
                      TFit{{1000, 700}, 1.5, 1000 / 607.0}));

// A scaled table spans the whole widget from its corner; the table is what fits in it.
TEST(Scaled, SpansTheWholeWidgetFromItsCorner)
{
    const TTableGeometry g = TTableGeometry::Scaled(1.5, {911, 563}, 2);
    EXPECT_EQ(g.TableSize(), QSize(607, 375));
    EXPECT_EQ(g.Origin(), QPoint());
    EXPECT_EQ(g.ToDevice(QRect(10, 20, 71, 96)), QRect(30, 60, 213, 288));
    EXPECT_EQ(g.ToWidget(QRect(10, 20, 71, 96)), QRect(15, 30, 107, 144));
    EXPECT_EQ(g.ToTable(QPointF(15.9, 30.1)), QPoint(10, 20));
}

} // namespace
