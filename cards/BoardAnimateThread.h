#pragma once
#include <condition_variable>
#include <mutex>
#include <thread>

class TBoard;

// Paces the board's moves: every 5 ms while a move queue is not empty it posts an
// animation tick to the board. While both queues are empty it sleeps until Wake(),
// so an idle board costs no wake-ups. It reads only atomics of the board.
class TBoardAnimateThread {
public:
    explicit TBoardAnimateThread(TBoard& board);
    // Asks the thread to end and waits for it.
    ~TBoardAnimateThread();
    TBoardAnimateThread(const TBoardAnimateThread&) = delete;
    TBoardAnimateThread& operator=(const TBoardAnimateThread&) = delete;

    // A move was queued: leave the idle sleep.
    void Wake();

    TBoard& Board;

private:
    void Run(std::stop_token stop);

    std::mutex mutex;
    std::condition_variable_any wake;
    std::jthread thread; // last: starts after the members above exist
};
