#include "Random.h"

#include <QTime>

namespace {
uint32_t seed = 0;
}

uint32_t RandSeed() { return seed; }
void SetRandSeed(uint32_t s) { seed = s; }

int Random(int n)
{
    seed = seed * 134775813u + 1u;
    return static_cast<int>((static_cast<uint64_t>(seed) * static_cast<uint32_t>(n)) >> 32);
}

void RandomizeFromTimeOfDay()
{
    const QTime t = QTime::currentTime();
    seed = static_cast<uint32_t>(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}
