#include "StrongPlayer.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

void TStrongPlayer::NewGame(uint32_t seed)
{
    gameSeed = seed;
    decisions = 0;
}

std::optional<Model::TModelMove>
TStrongPlayer::Choose(TZelmoGame& game, std::unique_ptr<const Model::TRulesModel> position)
{
    const auto start = std::chrono::steady_clock::now();
    const uint32_t seed = gameSeed * 2654435761u + ++decisions;
    Model::TModelMove move;
    std::atomic<bool> done = false;
    std::jthread worker([&, seed](std::stop_token stop) {
        move = Model::SearchMove(*position, Budget, seed, stop);
        done = true;
    });
    while (!done) {
        // A short real wait, so that a manual clock does not make this a busy loop.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (!done && game.ProcessMessages())
            return std::nullopt; // the worker is stopped and joined on the way out
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ++Thinking.Moves;
    Thinking.TotalMs += ms;
    Thinking.LongestMs = std::max(Thinking.LongestMs, ms);
    return move;
}
