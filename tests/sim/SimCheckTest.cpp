// zelmo-sim --check from the outside: every variant of the program plays whole games
// with every invariant checked after every state step.
#include "GameKinds.h"
#include "ProgramGames.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

constexpr int Games = 300;

class SimCheck : public ::testing::TestWithParam<int> {};

TEST_P(SimCheck, EveryGameKeepsEveryInvariant)
{
    const QString variant = TGameKinds::Name(GetParam()).toLower();
    QProcess sim;
    sim.start(ZELMO_SIM, {"--variant", variant, "--games", QString::number(Games), "--seed", "1",
                          "--check"});
    ASSERT_TRUE(sim.waitForFinished(-1));
    const QString errors = QString::fromUtf8(sim.readAllStandardError());
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0) << errors.toStdString();
    const QStringList out =
        QString::fromUtf8(sim.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(out.size(), Games + 1) << errors.toStdString();
    EXPECT_TRUE(out.last().startsWith(QString::number(Games) + " games: ")) << out.last().toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryBuiltVariant, SimCheck, ::testing::ValuesIn(ProgramGames().Built()),
                         [](const auto& info) { return TGameKinds::Name(info.param).toStdString(); });

} // namespace
