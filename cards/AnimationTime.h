#pragma once

// Duration of one card move in milliseconds, shared by every game: used whole for
// play, halved for clearing the table, a third for gathering the deck.
int AnimationTime();
void SetAnimationTime(int ms);
