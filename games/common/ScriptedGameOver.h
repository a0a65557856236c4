#pragma once
#include "GameOverQuestion.h"

#include <functional>
#include <vector>

// The game-over answerer of tests and tools: no window, the answer from a script, the
// picture still drawn from the generator exactly as the dialog draws it.
class TScriptedGameOver : public TGameOverQuestion {
public:
    // Decides the answer from the result; by default "Play again!".
    std::function<int(int result)> Answer = [](int) { return goPlayAgain; };

    int ShowResult(int result) override
    {
        LastPicture = pictures.Next(result);
        Results.push_back(result);
        return Answer(result);
    }

    std::vector<int> Results; // every result asked, in order
    int LastPicture = 0;

private:
    TGameOverPictureChoice pictures;
};

// Installs an answerer for the lifetime of a scope.
class TGameOverQuestionScope {
public:
    explicit TGameOverQuestionScope(TGameOverQuestion* question)
        : previous(CurrentGameOverQuestion())
    {
        SetGameOverQuestion(question);
    }
    ~TGameOverQuestionScope() { SetGameOverQuestion(previous); }
    TGameOverQuestionScope(const TGameOverQuestionScope&) = delete;
    TGameOverQuestionScope& operator=(const TGameOverQuestionScope&) = delete;

private:
    TGameOverQuestion* previous;
};
