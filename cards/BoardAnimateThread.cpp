#include "BoardAnimateThread.h"

#include "Board.h"
#include "Messages.h"

#include <chrono>
#include <pthread.h>

TBoardAnimateThread::TBoardAnimateThread(TBoard& board)
    : Board(board), thread([this](std::stop_token stop) { Run(stop); })
{
}

TBoardAnimateThread::~TBoardAnimateThread()
{
    thread.request_stop();
    if (thread.joinable())
        thread.join();
}

void TBoardAnimateThread::Wake()
{
    // Taking the lock orders this wake after the thread's last look at the queues.
    { std::lock_guard lock(mutex); }
    wake.notify_all();
}

void TBoardAnimateThread::Run(std::stop_token stop)
{
    const auto busy = [this] {
        return Board.AnimationEnabled() &&
               (Board.QueuedCardCount() > 0 || Board.QueuedPileCount() > 0);
    };
    // Named so that it can be told apart in top -H and in the idle measurements.
    pthread_setname_np(pthread_self(), "zelmo-pacing");
    std::unique_lock lock(mutex);
    while (!stop.stop_requested()) {
        if (!busy()) {
            wake.wait(lock, stop, busy);
            continue;
        }
        lock.unlock();
        Board.PostAnimationTicks();
        lock.lock();
        wake.wait_for(lock, stop, std::chrono::milliseconds(5), [] { return false; });
    }
}
