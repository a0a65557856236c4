#pragma once
#include "VariantGame.h"

#include <memory>
#include <string>
#include <vector>

// A variant game under simulation, with the names its piles carry in the trace.
struct TSimGame {
    std::unique_ptr<TVariantGame> Game;
    TVariantGame::TPileNames PileNames;
    const TPile* Deck = nullptr;
};

// Creates and initialises a game of the named variant ("mover", "heap", "round") on a
// board of the main window's game size; an empty Game with the reason in error when
// the program has no such variant.
TSimGame CreateSimGame(const std::string& variant, QObject* owner, std::string& error);
// The names of the variants this program is built with, in kind order.
std::vector<std::string> SimVariantNames();
