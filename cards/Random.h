#pragma once
#include <cstdint>

// The program-wide pseudo-random generator. Its exact sequence matters: shuffles,
// heap scatter and picture choices must repeat for a given seed.
uint32_t RandSeed();
void SetRandSeed(uint32_t seed);

// A uniform integer in 0 .. n-1 (0 when n is 0).
int Random(int n);

// Seed from the time of day: ((hour*60 + minute)*60 + second)*1000 + millisecond.
void RandomizeFromTimeOfDay();
