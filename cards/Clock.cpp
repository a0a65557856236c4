#include "Clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {
std::atomic<bool> manual{false};
std::atomic<uint32_t> manualTick{0};
} // namespace

namespace Clock {

uint32_t TickCount()
{
    if (manual.load())
        return manualTick.load();
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void Sleep(int ms)
{
    if (ms <= 0)
        return;
    if (manual.load())
        manualTick.fetch_add(static_cast<uint32_t>(ms));
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SetManual(bool on) { manual.store(on); }
bool IsManual() { return manual.load(); }
void Advance(uint32_t ms) { manualTick.fetch_add(ms); }
void SetTick(uint32_t tick) { manualTick.store(tick); }

} // namespace Clock
