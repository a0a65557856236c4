#pragma once
#include "ZelmoGame.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

// What the simulator learns of every state step: before the variant runs it and after.
class TStateObserver {
public:
    virtual ~TStateObserver() = default;
    virtual void BeforeState(TZelmoGame& game, int state) = 0;
    virtual void AfterState(TZelmoGame& game, int state) = 0;
};

// A variant game under observation, with the names its piles carry in the trace.
struct TSimGame {
    std::unique_ptr<TZelmoGame> Game;
    std::vector<std::pair<const TPile*, std::string>> PileNames;
    const TPile* Deck = nullptr;
};

// Creates and initialises a game of the named variant on a board of the main window's
// game size; an empty Game with the reason in error when that variant is not built.
TSimGame CreateSimGame(const std::string& variant, QObject* owner, TStateObserver& observer,
                       std::string& error);
