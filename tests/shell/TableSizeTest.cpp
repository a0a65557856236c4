// The table size turned into the scale factor the next start uses.
#include "TableSize.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {

TEST(TableSize, TheNextStartScalesOnTopOfWhatTheEnvironmentAsks)
{
    const QByteArray before = qgetenv("QT_SCALE_FACTOR");
    // The factor the next start gets from the size, over the one the environment asked.
    const auto next = [](const char* asked, int size) {
        asked ? qputenv("QT_SCALE_FACTOR", asked) : qunsetenv("QT_SCALE_FACTOR");
        ApplyTableSize(size);
        return qgetenv("QT_SCALE_FACTOR");
    };
    EXPECT_TRUE(next(nullptr, 100).isNull()) << "the classic size touches nothing";
    EXPECT_EQ(next(nullptr, 150), "1.5");
    EXPECT_EQ(next("2", 150), "3");
    EXPECT_EQ(next("nonsense", 200), "2");
    if (before.isNull())
        qunsetenv("QT_SCALE_FACTOR");
    else
        qputenv("QT_SCALE_FACTOR", before);
}

} // namespace
