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
    QString Err;
    QStringList Trace;
};

TSimRun RunSim(const QStringList& args, bool trace = true)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("trace.jsonl");
    QProcess sim;
    sim.start(ZELMO_SIM, trace ? args + QStringList{"--trace", path} : args);
    EXPECT_TRUE(sim.waitForFinished(120000));
    TSimRun run;
    run.ExitCode = sim.exitCode();
    run.Out = QString::fromUtf8(sim.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    run.Err = QString::fromUtf8(sim.readAllStandardError());
    QFile file(path);
    if (trace && file.open(QIODevice::ReadOnly))
        run.Trace = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    return run;
}

QStringList Mover(int games, uint32_t seed)
{
    return {"--variant",          "mover", "--games", QString::number(games), "--seed",
            QString::number(seed)};
}

TEST(SimTrace, LinesFollowTheFormatWithKeysInOrder)
{
    const TSimRun run = RunSim(Mover(3, 305419896));
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const std::map<QString, QRegularExpression> shapes{
        {"game",
         QRegularExpression(R"re(^\{"ev":"game","n":\d+,"variant":"mover","rng":\d+\}$)re")},
        {"deck",
         QRegularExpression(
             R"re(^\{"ev":"deck","trumps":"[CDHS]","cards":\[("[A2-9TJQK][CDHS]",){35}"[A2-9TJQK][CDHS]"\]\}$)re")},
        {"move",
         QRegularExpression(
             R"re(^\{"ev":"move","s":\d+,"card":"[A2-9TJQK][CDHS]","from":"(CpuHand|HumanHand|Deck|Discard|Table|)","to":"(CpuHand|HumanHand|Deck|Discard|Table)","index":\d+\}$)re")},
        {"movepile", QRegularExpression(
                         R"re(^\{"ev":"movepile","s":19,"pile":"Table","x":8,"y":(113|164)\}$)re")},
        {"result", QRegularExpression(R"re(^\{"ev":"result","s":(97|98|99),"result":[012]\}$)re")},
    };
    ASSERT_FALSE(run.Trace.isEmpty());
    EXPECT_EQ(run.Trace.first(), R"({"ev":"game","n":1,"variant":"mover","rng":305419896})");
    std::set<QString> seen;
    for (const QString& line : run.Trace) {
        const QString ev = QJsonDocument::fromJson(line.toUtf8()).object()["ev"].toString();
        ASSERT_TRUE(shapes.count(ev)) << line.toStdString();
        EXPECT_TRUE(shapes.at(ev).match(line).hasMatch()) << line.toStdString();
        seen.insert(ev);
    }
    EXPECT_EQ(seen, (std::set<QString>{"game", "deck", "move", "movepile", "result"}));
    EXPECT_TRUE(run.Trace.last().startsWith(R"({"ev":"result")"));
}

// Follows every card through the trace: each move must take it from where it lies.
TEST(SimTrace, EveryMoveTakesTheCardFromWhereItLies)
{
    const TSimRun run = RunSim(Mover(4, 77));
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    std::map<QString, QString> where; // card -> pile
    int games = 0, decks = 0;
    std::vector<int> results;
    for (const QString& line : run.Trace) {
        const QJsonObject ev = QJsonDocument::fromJson(line.toUtf8()).object();
        const QString kind = ev["ev"].toString();
        if (kind == "game") {
            EXPECT_EQ(ev["n"].toInt(), ++games);
        } else if (kind == "deck") {
            ++decks;
            const QJsonArray cards = ev["cards"].toArray();
            std::set<QString> distinct;
            const bool dealtBefore = !where.empty();
            for (const auto& c : cards) {
                distinct.insert(c.toString());
                if (dealtBefore) {
                    EXPECT_EQ(where[c.toString()], "Deck") << "gathered before the deck is shown";
                }
                where[c.toString()] = "Deck";
            }
            EXPECT_EQ(distinct.size(), 36u);
            EXPECT_NE(cards.first().toString()[0], 'A') << "the bottom card is never an Ace";
            EXPECT_EQ(cards.first().toString()[1], ev["trumps"].toString()[0]);
        } else if (kind == "move") {
            const QString card = ev["card"].toString();
            EXPECT_EQ(where[card], ev["from"].toString()) << line.toStdString();
            where[card] = ev["to"].toString();
        } else if (kind == "result") {
            const std::map<int, int> codes{{97, 1}, {98, 2}, {99, 0}};
            EXPECT_EQ(ev["result"].toInt(), codes.at(ev["s"].toInt()));
            results.push_back(ev["result"].toInt());
            // A game ends on a bout's start: the table has been cleared.
            for (const auto& [card, pile] : where)
                EXPECT_NE(pile, "Table") << card.toStdString();
        }
    }
    EXPECT_EQ(games, 4);
    EXPECT_GE(decks, 4);
    EXPECT_EQ(where.size(), 36u);

    // Standard output: one line per game, then the summary.
    ASSERT_EQ(run.Out.size(), 5);
    int won = 0, lost = 0, drawn = 0;
    for (int i = 0; i < 4; ++i) {
        const auto m = QRegularExpression(R"re(^game (\d+) mover result ([012]) moves (\d+)$)re")
                           .match(run.Out[i]);
        ASSERT_TRUE(m.hasMatch()) << run.Out[i].toStdString();
        EXPECT_EQ(m.captured(1).toInt(), i + 1);
        EXPECT_EQ(m.captured(2).toInt(), results.at(size_t(i)));
        const int r = m.captured(2).toInt();
        (r == 1 ? won : r == 2 ? lost : drawn)++;
    }
    const auto last =
        QRegularExpression(
            R"re(^4 games: (\d+) won, (\d+) lost, (\d+) drawn in [\d.]+ s \([\d.]+ games/s\)$)re")
            .match(run.Out[4]);
    ASSERT_TRUE(last.hasMatch()) << run.Out[4].toStdString();
    EXPECT_EQ(last.captured(1).toInt(), won);
    EXPECT_EQ(last.captured(2).toInt(), lost);
    EXPECT_EQ(last.captured(3).toInt(), drawn);
}

TEST(SimTrace, TheSameSeedPlaysTheSameGames)
{
    const TSimRun a = RunSim(Mover(2, 42));
    const TSimRun b = RunSim(Mover(2, 42));
    const TSimRun c = RunSim(Mover(2, 43));
    EXPECT_EQ(a.Trace, b.Trace);
    EXPECT_NE(a.Trace, c.Trace);
    // The animation time changes how long moves take, not what is played.
    const TSimRun fast = RunSim(Mover(2, 42) + QStringList{"--animate-time", "10"});
    EXPECT_EQ(a.Trace, fast.Trace);
}

TEST(SimTrace, BadCommandLinesAreRefused)
{
    EXPECT_EQ(RunSim({"--variant", "mover", "--games", "2"}, false).ExitCode, 2);
    EXPECT_EQ(RunSim({"--variant", "poker", "--games", "2", "--seed", "1"}, false).ExitCode, 2);
    EXPECT_EQ(RunSim({"--variant", "mover", "--games", "x", "--seed", "1"}, false).ExitCode, 2);
}

} // namespace
