// How often the threads of an idle card table wake up: a board with 36 cards plays one
// move, then sits still; the context switches of every thread over the idle time are
// read from /proc. Prints one line per thread and the total per second.
#include "Board.h"
#include "GameArea.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <map>

namespace {

struct ThreadSample {
    QString name;
    long switches = 0;
};

long ReadSwitches(const QString& statusPath)
{
    QFile f(statusPath);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    long total = 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.contains("ctxt_switches:"))
            total += line.split(':').last().trimmed().toLong();
    return total;
}

std::map<QString, ThreadSample> SampleThreads()
{
    std::map<QString, ThreadSample> threads;
    for (const QString& tid : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm("/proc/self/task/" + tid + "/comm");
        comm.open(QIODevice::ReadOnly);
        threads[tid] = {QString::fromUtf8(comm.readAll()).trimmed(),
                        ReadSwitches("/proc/self/task/" + tid + "/status")};
    }
    return threads;
}

void RunFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;

    TBoard board;
    board.resize(GameAreaWidth, GameAreaHeight);
    TPile* from = board.NewPile(poLine, 8, 8, 16, 0, 1, 0, 0);
    TPile* to = board.NewPile(poLine, 8, 200, 16, 0, 1, 0, 0);
    for (int i = 0; i < 36; ++i)
        board.NewCard(from, TCardValue(i % 13), TCardSuit(i % 4), true);
    board.show();
    board.MoveCard(from->TopCard(), to, 0, false, 250, 0);
    RunFor(500); // the move ends and the pacing thread falls asleep

    const auto before = SampleThreads();
    RunFor(seconds * 1000);
    const auto after = SampleThreads();

    long total = 0;
    for (const auto& [tid, sample] : after) {
        const auto it = before.find(tid);
        const long woke = sample.switches - (it == before.end() ? 0 : it->second.switches);
        std::printf("thread %-16s %ld wake-ups\n", qPrintable(sample.name), woke);
        total += woke;
    }
    // The main thread wakes once for the timer that ends the measurement.
    std::printf("idle for %d s: %ld wake-ups in all, %.2f per second\n", seconds, total,
                double(total) / seconds);
    return 0;
}
