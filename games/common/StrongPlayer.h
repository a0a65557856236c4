#pragma once
#include "StrongSearch.h"
#include "ZelmoGame.h"

#include <memory>
#include <optional>

// The strong computer player as the state routine meets it: the search runs on a worker
// thread over its own copy of the position while the routine pumps messages, as it does
// while a card moves, so the window stays responsive. It draws from a generator of its
// own, never the program-wide one, so that the classic games stay as they were.
class TStrongPlayer {
public:
    // How long the moves made so far took, from asking to answer.
    struct TThinking {
        long Moves = 0;
        double TotalMs = 0;
        double LongestMs = 0;
    };

    Model::TSearchBudget Budget;
    TThinking Thinking;

    // Seeds this game's decisions.
    void NewGame(uint32_t seed);
    // The move for the position; nothing when the game stopped meanwhile, which ends the
    // search at once.
    std::optional<Model::TModelMove> Choose(TZelmoGame& game,
                                            std::unique_ptr<const Model::TRulesModel> position);

private:
    uint32_t gameSeed = 0;
    uint32_t decisions = 0;
};
