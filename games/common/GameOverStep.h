#pragma once
#include "GameOverQuestion.h"
#include "ZelmoGame.h"

// States 97 (the human has won), 98 (the CPU has won) and 99 (draw), the same in every
// variant: ask the game-over question; "Play again!" starts a new game on the same
// board, "Close" stops the game, which the frame then reports to its owner.
void RunGameOverState(TZelmoGame& game, int state);

// The result code shown for a game-over state. Inline, so the shell's statistics read
// it without linking the variants' library.
inline int GameResultOf(int state)
{
    switch (state) {
    case stHumanWins:
        return grHumanWins;
    case stCpuWins:
        return grCpuWins;
    default:
        return grDraw;
    }
}
