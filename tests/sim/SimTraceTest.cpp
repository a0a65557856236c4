// zelmo-sim from the outside: its output lines, its exit status and its trace.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

struct TSimRun {
    int ExitCode = -1;
    QStringList Out;
    QStringList Trace;
};

TSimRun RunSim(const QStringList& args)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("trace.jsonl");
    QProcess sim;
    sim.start(ZELMO_SIM, args + QStringList{"--trace", path});
    EXPECT_TRUE(sim.waitForFinished(120000));
    TSimRun run;
    run.ExitCode = sim.exitCode();
    run.Out = QString::fromUtf8(sim.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        run.Trace = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    return run;
}

QStringList Mover(int games, uint32_t seed)
{
    return {"--variant", "mover", "--games", QString::number(games), "--seed",
            QString::number(seed)};
}

// Every line has its keys in order; every move takes its card from where the trace last
// put it; stdout has a line per game and the summary.
TEST(SimTrace, LinesFollowTheFormatAndTheCards)
{
    const TSimRun run = RunSim(Mover(3, 305419896));
    ASSERT_EQ(run.ExitCode, 0);
    const QString card = R"("[A2-9TJQK][CDHS]")";
    const QString pile = "(CpuHand|HumanHand|Deck|Discard|Table)";
    const QRegularExpression shape(
        R"(^\{"ev":("game","n":\d+,"variant":"mover","rng":\d+)"
        R"(|"deck","trumps":"[CDHS]","cards":\[()" + card + ",){35}" + card + "\\]" +
        R"(|"move","s":\d+,"card":)" + card + R"(,"from":")" + pile + R"(?","to":")" + pile +
        R"(","index":\d+)"
        R"(|"movepile","s":19,"pile":"Table","x":8,"y":(113|164))"
        R"(|"result","s":(97|98|99),"result":[012])\}$)");
    ASSERT_FALSE(run.Trace.isEmpty());
    EXPECT_EQ(run.Trace.first(), R"({"ev":"game","n":1,"variant":"mover","rng":305419896})");
    std::map<QString, QString> where; // card -> pile
    for (const QString& line : run.Trace) {
        const QJsonObject ev = QJsonDocument::fromJson(line.toUtf8()).object();
        EXPECT_TRUE(shape.match(line).hasMatch()) << line.toStdString();
        for (const auto& c : ev["cards"].toArray()) // a new deal
            where[c.toString()] = "Deck";
        if (ev["ev"] == "move") {
            EXPECT_EQ(where[ev["card"].toString()], ev["from"].toString()) << line.toStdString();
            where[ev["card"].toString()] = ev["to"].toString();
        }
    }
    EXPECT_EQ(where.size(), 36u);
    EXPECT_TRUE(run.Trace.last().startsWith(R"({"ev":"result")"));
    ASSERT_EQ(run.Out.size(), 4);
    const QRegularExpression gameLine(R"(^game 3 mover result [012] moves \d+$)");
    EXPECT_TRUE(gameLine.match(run.Out[2]).hasMatch()) << run.Out[2].toStdString();
    EXPECT_TRUE(run.Out[3].startsWith("3 games: ")) << run.Out[3].toStdString();
}

// Round's Init and NewGame leave state 100: each game still opens with its game and deck
// lines, and every move, the circle's included, takes its card from where it lay.
TEST(SimTrace, ARoundTraceHasEachGameWithItsDeckAndResult)
{
    const TSimRun run = RunSim({"--variant", "round", "--games", "3", "--seed", "7"});
    ASSERT_EQ(run.ExitCode, 0);
    std::map<QString, int> events;
    std::map<QString, QString> where;
    std::set<QString> targets;
    for (const QString& line : run.Trace) {
        const QJsonObject ev = QJsonDocument::fromJson(line.toUtf8()).object();
        ++events[ev["ev"].toString()];
        for (const auto& c : ev["cards"].toArray())
            where[c.toString()] = "Deck";
        if (ev["ev"] == "move") {
            EXPECT_EQ(where[ev["card"].toString()], ev["from"].toString()) << line.toStdString();
            where[ev["card"].toString()] = ev["to"].toString();
            targets.insert(ev["to"].toString());
        }
    }
    EXPECT_EQ(run.Trace.first(), R"({"ev":"game","n":1,"variant":"round","rng":7})");
    EXPECT_EQ(events["game"], 3);
    EXPECT_EQ(events["deck"], 3);
    EXPECT_EQ(events["result"], 3);
    EXPECT_EQ(targets, (std::set<QString>{"Circle", "CpuHand", "HumanHand", "Deck", "Table",
                                           "Discard"}));
}

TEST(SimTrace, TheSameSeedPlaysTheSameGames)
{
    const TSimRun a = RunSim(Mover(2, 42));
    EXPECT_EQ(a.Trace, RunSim(Mover(2, 42)).Trace);
    EXPECT_NE(a.Trace, RunSim(Mover(2, 43)).Trace);
    // The animation time changes how long moves take, not what is played.
    EXPECT_EQ(a.Trace, RunSim(Mover(2, 42) + QStringList{"--animate-time", "10"}).Trace);
}

// The strong player thinks a fixed number of simulations: a seed replays its games too,
// and the classic player, named or not, plays as it always has.
TEST(SimTrace, AStrongCpuReplaysFromItsSeed)
{
    const QStringList strong = Mover(2, 42) + QStringList{"--cpu", "strong", "--simulations", "40"};
    const TSimRun a = RunSim(strong);
    ASSERT_EQ(a.ExitCode, 0);
    EXPECT_EQ(a.Trace, RunSim(strong).Trace);
    EXPECT_NE(a.Trace, RunSim(Mover(2, 42)).Trace);
    EXPECT_TRUE(a.Out.last().startsWith("strong CPU: ")) << a.Out.last().toStdString();
    EXPECT_EQ(RunSim(Mover(2, 42) + QStringList{"--cpu", "classic"}).Trace, RunSim(Mover(2, 42)).Trace);
}

TEST(SimTrace, BadCommandLinesAreRefused)
{
    EXPECT_EQ(RunSim({"--variant", "mover", "--games", "2"}).ExitCode, 2);
    EXPECT_EQ(RunSim({"--variant", "poker", "--games", "2", "--seed", "1"}).ExitCode, 2);
    EXPECT_EQ(RunSim({"--variant", "mover", "--games", "x", "--seed", "1"}).ExitCode, 2);
    EXPECT_EQ(RunSim(Mover(1, 1) + QStringList{"--cpu", "clever"}).ExitCode, 2);
    EXPECT_EQ(RunSim(Mover(1, 1) + QStringList{"--simulations", "0"}).ExitCode, 2);
}

} // namespace
