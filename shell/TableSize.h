#pragma once
#include <QString>
#include <array>

// The table sizes the preferences offer, in per cent of the classic size; FitToWindow
// makes the window resizable and fits the table to it.
inline constexpr int FitToWindow = 0;
inline constexpr std::array<int, 4> TableSizes{100, 150, 200, FitToWindow};

// Makes the whole program show at `zoom` per cent, on top of any scale factor the
// environment already asks for, by the scale factor Qt reads when the application is
// made; so it must run before. Menus, toolbar and dialogs keep that size until the next
// start; the table follows a new size at once (TableScale). The pictures come from the
// high-DPI artwork, so the larger table stays sharp.
void ApplyTableSize(int zoom);

// How much larger than the rest of the window the table shows at `zoom`, given what
// the start applied; TBoard::FitTable for FitToWindow.
qreal TableScale(int zoom);

// The choice as the preferences list it.
QString TableSizeName(int zoom);
