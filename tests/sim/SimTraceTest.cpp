// zelmo-sim from the outside: its output lines, its exit status and its trace.
#include "SimRun.h"

#include <QRegularExpression>

namespace {

// Every line has its keys in order; stdout has a line per game and the summary. Round's
// Init and NewGame leave state 100: each of its games still opens with its game and deck
// lines. That the moves are the game's own is ModelReplayTest's.
TEST(SimTrace, LinesFollowTheFormatAndTheCards)
{
    const struct {
        const char* variant;
        uint32_t seed;
        QStringList piles;
    } cases[] = {{"mover", 305419896, {"CpuHand", "HumanHand", "Deck", "Discard", "Table"}},
                 {"round", 7, {"CpuHand", "HumanHand", "Deck", "Discard", "Table", "Circle"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variant);
        const TSimRun run = RunSim(Games(c.variant, 3, QString::number(c.seed)));
        ASSERT_EQ(run.ExitCode, 0);
        const QString card = R"("[A2-9TJQK][CDHS]")";
        const QString pile = "(" + c.piles.join('|') + ")";
        const QRegularExpression shape(
            R"(^\{"ev":("game","n":\d+,"variant":")" + QString(c.variant) + R"(","rng":\d+)"
            R"(|"deck","trumps":"[CDHS]","cards":\[()" + card + ",){35}" + card + "\\]" +
            R"(|"move","s":\d+,"card":)" + card + R"(,"from":")" + pile + R"(?","to":")" + pile +
            R"(","index":\d+)"
            R"(|"movepile","s":19,"pile":"Table","x":8,"y":(113|164))"
            R"(|"result","s":(97|98|99),"result":[012])\}$)");
        ASSERT_FALSE(run.Trace.isEmpty());
        EXPECT_EQ(run.Trace.first(),
                  QStringLiteral(R"({"ev":"game","n":1,"variant":"%1","rng":%2})").arg(c.variant).arg(c.seed));
        for (const QString& line : run.Trace)
            EXPECT_TRUE(shape.match(line).hasMatch()) << line.toStdString();
        // The deck and result lines are counted in every replayed game.
        EXPECT_EQ(run.Trace.filter(R"({"ev":"game")").size(), 3);
        EXPECT_TRUE(run.Trace.last().startsWith(R"({"ev":"result")"));
        ASSERT_EQ(run.Out.size(), 4);
        const QRegularExpression gameLine(QStringLiteral(R"(^game 3 %1 result [012] moves \d+$)").arg(c.variant));
        EXPECT_TRUE(gameLine.match(run.Out[2]).hasMatch()) << run.Out[2].toStdString();
        // The summary counts the results the game lines gave.
        int results[3] = {0, 0, 0};
        for (int game = 0; game < 3; ++game)
            ++results[run.Out[game].section(' ', 4, 4).toInt()];
        EXPECT_TRUE(run.Out[3].startsWith(QStringLiteral("3 games: %1 won, %2 lost, %3 drawn in ")
                                              .arg(results[1]).arg(results[2]).arg(results[0])))
            << run.Out[3].toStdString();
    }
}

// The animation time changes how long moves take, not what is played. The strong player
// thinks a fixed number of simulations, so its seed replays its games too; the classic
// player, named or not, plays as it always has.
TEST(SimTrace, TheSameSeedPlaysTheSameGames)
{
    const QStringList classic = Games("mover", 2, "42");
    const QStringList strong = classic + QStringList{"--cpu", "strong", "--simulations", "40"};
    const QStringList a = RunSim(classic).Trace;
    EXPECT_EQ(a, RunSim(classic + QStringList{"--animate-time", "10"}).Trace);
    EXPECT_EQ(a, RunSim(classic + QStringList{"--cpu", "classic"}).Trace);
    EXPECT_NE(a, RunSim(Games("mover", 2, "43")).Trace);
    const TSimRun b = RunSim(strong);
    ASSERT_EQ(b.ExitCode, 0);
    EXPECT_EQ(b.Trace, RunSim(strong).Trace);
    EXPECT_NE(b.Trace, a);
    EXPECT_TRUE(b.Out.last().startsWith("strong CPU: ")) << b.Out.last().toStdString();
}

} // namespace
