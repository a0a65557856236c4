#pragma once
#include "RulesModel.h"

#include <cstdint>
#include <stop_token>

namespace Model {

// How long the strong player may think about one move: a fixed number of simulations
// (reproducible from a seed), or, when that is 0, a time in milliseconds.
struct TSearchBudget {
    int Simulations = 0;
    int Millis = 200;
};

// Information-set Monte-Carlo tree search for the side to act (the CPU): every
// simulation deals the cards the CPU has not seen anew, walks one tree shared by all
// deals, and plays the game out with the classic rules, now and then varied. Reads
// nothing but the position given; a stop request ends it at once with the best move so
// far.
TModelMove SearchMove(const TRulesModel& position, const TSearchBudget& budget, uint32_t seed,
                      std::stop_token stop = {});

} // namespace Model
