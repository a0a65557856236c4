#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// zelmo-sim --variant mover|heap|round --games N --seed S [--trace FILE] [--animate-time MS]
//           [--check] [--cpu classic|strong] [--simulations N | --budget-ms MS]
// zelmo-sim --list-variants
struct TSimOptions {
    std::string Variant;
    int Games = 0;
    uint32_t Seed = 0;
    std::string TracePath; // empty: no trace
    int AnimateTime = 250;
    bool Check = false; // every invariant after every state step, not only the cards
    bool ListVariants = false; // name the variants built in and play nothing
    int CpuPlayer = 0;         // cpClassic or cpStrong, for the CPU's side
    // The strong player's thinking per move: a fixed number of simulations, which a
    // seed reproduces, or else a time.
    int Simulations = 0;
    int BudgetMs = 200;
};

// The options, or nothing with the reason in error.
std::optional<TSimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                           std::string& error);
const char* SimUsage();
