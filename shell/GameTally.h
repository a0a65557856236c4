#pragma once
#include "PlayerRecord.h"
#include "StatisticsStore.h"

#include <QString>
#include <functional>

class TZelmoGame;

// Watches the running game for the player's record: a result counts when its game-over
// state starts, a game left before its result counts as abandoned, and a game in which
// the player never made a move of their own (all of it under autoplay, or ended before
// the first move) counts as nothing.
class TGameTally {
public:
    // Told of each counted result: the variant (with the strong player named) and its
    // record after it.
    using TCounted = std::function<void(const QString& variant, const TPlayerRecord& record)>;

    TGameTally(TStatisticsStore store, TCounted counted);

    // Starts watching a new game of the named variant.
    void Watch(TZelmoGame& game, const QString& variant);
    // The watched game has ended (it is about to be freed).
    void GameEnded();

    const TStatisticsStore& Store() const { return store; }
    void SetStore(TStatisticsStore newStore) { store = std::move(newStore); }

private:
    void BeforeState(const TZelmoGame& game, int state);
    void AfterState(const TZelmoGame& game, int state);
    void Count(const std::function<void(TPlayerRecord&)>& change);

    TStatisticsStore store;
    TCounted counted;
    QString variant;
    int cpuPlayer = 0; // of the game being counted
    bool watching = false;
    bool playerMoved = false; // the player has made a move in this game
    bool finished = false;    // this game's result has been counted or left out
    // A pick is pending: whether the player made it, and whether the game was waiting.
    bool pickByPlayer = false;
    bool wasWaiting = false;
};
