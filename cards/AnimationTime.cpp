#include "AnimationTime.h"

namespace {
int animationTime = 250;
}

int AnimationTime() { return animationTime; }
void SetAnimationTime(int ms) { animationTime = ms; }
