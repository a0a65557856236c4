#pragma once

// The main window's game area between toolbar and status bar, in logical pixels: the
// size the chooser has and every game starts with.
constexpr int GameAreaWidth = 607;
constexpr int GameAreaHeight = 375;
