// The table size turned into the scale factor the next start uses.
#include "TableSize.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {

TEST(TableSize, TheNextStartScalesOnTopOfWhatTheEnvironmentAsks)
{
    const QByteArray before = qgetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCALE_FACTOR");
    ApplyTableSize(100);
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        << "the classic size touches nothing";
    ApplyTableSize(150);
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), QByteArray("1.5"));
    qputenv("QT_SCALE_FACTOR", "2");
    ApplyTableSize(150);
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), QByteArray("3"));
    qputenv("QT_SCALE_FACTOR", "nonsense");
    ApplyTableSize(200);
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
    if (before.isNull())
        qunsetenv("QT_SCALE_FACTOR");
    else
        qputenv("QT_SCALE_FACTOR", before);
}

} // namespace
