#pragma once
#include "ZelmoGame.h"

// States 97 (the human has won), 98 (the CPU has won) and 99 (draw), the same in every
// variant: ask the game-over question; "Play again!" starts a new game on the same
// board, "Close" stops the game, which the frame then reports to its owner.
void RunGameOverState(TZelmoGame& game, int state);

// The result code shown for a game-over state.
int GameResultOf(int state);
