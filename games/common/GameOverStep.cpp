#include "GameOverStep.h"

#include "GameOverQuestion.h"

void RunGameOverState(TZelmoGame& game, int state)
{
    TGameOverQuestion* question = CurrentGameOverQuestion();
    // Without anyone to ask, the game can only end.
    const int answer = question ? question->ShowResult(GameResultOf(state)) : goClose;
    if (answer == goPlayAgain)
        game.PostState(stNewGame);
    else
        game.StopGame();
}
