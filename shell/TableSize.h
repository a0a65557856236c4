#pragma once
#include <array>

// The table sizes the preferences offer, in per cent of the classic size.
inline constexpr std::array<int, 3> TableSizes{100, 150, 200};

// Makes the whole program show at `zoom` per cent, on top of any scale factor the
// environment already asks for, by the scale factor Qt reads when the application is
// made; so it must run before, and a new size takes effect at the next start. The
// pictures come from the high-DPI artwork, so the larger table stays sharp.
void ApplyTableSize(int zoom);
