#pragma once
#include "Random.h"

#include <array>
#include <cstddef>
#include <cstdint>

// How a game ended, as the game-over question is asked.
enum TGameResult : int { grDraw = 0, grHumanWins = 1, grCpuWins = 2 };

// Answers of ShowResult.
constexpr int goPlayAgain = 0;
constexpr int goClose = 1;

// The one question a game asks the shell: "game over, what now?". The program answers
// it with its dialog; tests and tools with a script. Header-only, so that the variants
// reach it without linking the shell.
class TGameOverQuestion {
public:
    virtual ~TGameOverQuestion() = default;
    // Blocks until answered: goPlayAgain or goClose.
    virtual int ShowResult(int result) = 0;
};

// The answerer the variants ask; the program installs its dialog, tests their script.
inline TGameOverQuestion*& CurrentGameOverQuestion()
{
    static TGameOverQuestion* current = nullptr;
    return current;
}
inline void SetGameOverQuestion(TGameOverQuestion* question)
{
    CurrentGameOverQuestion() = question;
}

// Which of the four pictures (and slogans) to show: a fresh draw from the program's
// generator, never the same as the last one shown for that result. Every answerer
// draws through this, so the random sequence is the same with or without the dialog.
class TGameOverPictureChoice {
public:
    static constexpr int Count = 4;

    // 1..4.
    int Next(int result)
    {
        int& last = lastChoice.at(static_cast<std::size_t>(result));
        int n;
        do
            n = Random(Count) + 1;
        while (n == last);
        last = n;
        return n;
    }
    int Last(int result) const { return lastChoice.at(static_cast<std::size_t>(result)); }

private:
    std::array<int32_t, 3> lastChoice{0, 0, 0};
};
