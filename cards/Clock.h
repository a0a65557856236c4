#pragma once
#include <cstdint>

// The program's time source. Games and animation read ticks only through here so
// that tests and the simulator can replace wall time with a clock that moves on demand.
namespace Clock {

// Milliseconds since an arbitrary start, 32 bits, wrapping like a system tick counter.
uint32_t TickCount();

// Sleep on the real clock; on the manual clock just move the clock forward.
void Sleep(int ms);

void SetManual(bool manual);
bool IsManual();
// Manual clock only: move time forward, or put it at a given tick.
void Advance(uint32_t ms);
void SetTick(uint32_t tick);

} // namespace Clock
