#include "StrongSearch.h"

#include <chrono>
#include <cmath>
#include <vector>

namespace Model {

namespace {

constexpr double Exploration = 0.7;
// Share of playout moves made at random rather than by the classic rules.
constexpr double PlayoutNoise = 0.1;
// Only a guard: a playout that goes round in circles is drawn by the model at the
// third repetition of a position, as the game is, long before this many moves.
constexpr int MaxPlayoutMoves = 600;

struct TNode {
    TModelMove Move;
    TSide Mover = sdCpu; // who made Move
    int Parent = -1;
    std::vector<int> Children;
    double Reward = 0; // for Mover
    int Visits = 0;
    int Available = 0; // simulations in which Move was legal here
};

class TSearch {
public:
    TSearch(const TRulesModel& root, uint32_t seed) : root(root), rng(seed)
    {
        nodes.push_back({});
    }

    void Simulate();
    TModelMove Best() const;

private:
    int Select(int node, const std::vector<TModelMove>& legal);
    int Expand(int node, const std::vector<TModelMove>& legal, TSide mover);
    double Playout(TRulesModel& state);
    static double CpuReward(const TRulesModel& state);

    const TRulesModel& root;
    std::mt19937 rng;
    std::vector<TNode> nodes;
    std::vector<TModelMove> legal;
};

void TSearch::Simulate()
{
    std::unique_ptr<TRulesModel> state = root.Clone();
    state->Determinize(rng);
    int node = 0;
    while (!state->Over()) {
        state->LegalMoves(legal);
        const TSide mover = state->ToAct();
        if (const int child = Expand(node, legal, mover); child >= 0) {
            state->Play(nodes[child].Move);
            node = child;
            break;
        }
        node = Select(node, legal);
        state->Play(nodes[node].Move);
    }
    const double cpu = Playout(*state);
    for (; node > 0; node = nodes[node].Parent) {
        ++nodes[node].Visits;
        nodes[node].Reward += nodes[node].Mover == sdCpu ? cpu : 1 - cpu;
    }
    ++nodes[0].Visits;
}

int TSearch::Expand(int node, const std::vector<TModelMove>& moves, TSide mover)
{
    std::vector<TModelMove> untried;
    for (const TModelMove& move : moves) {
        bool tried = false;
        for (int child : nodes[node].Children)
            tried = tried || nodes[child].Move == move;
        if (!tried)
            untried.push_back(move);
    }
    if (untried.empty())
        return -1;
    TNode child;
    child.Move = untried[rng() % untried.size()];
    child.Mover = mover;
    child.Parent = node;
    nodes.push_back(child);
    const int index = int(nodes.size()) - 1;
    nodes[node].Children.push_back(index);
    for (int sibling : nodes[node].Children)
        for (const TModelMove& move : moves)
            if (nodes[sibling].Move == move)
                ++nodes[sibling].Available;
    return index;
}

int TSearch::Select(int node, const std::vector<TModelMove>& moves)
{
    int best = -1;
    double bestScore = -1;
    for (int child : nodes[node].Children) {
        TNode& c = nodes[child];
        bool available = false;
        for (const TModelMove& move : moves)
            available = available || c.Move == move;
        if (!available)
            continue;
        ++c.Available;
        const double score =
            c.Reward / c.Visits + Exploration * std::sqrt(std::log(double(c.Available)) / c.Visits);
        if (score > bestScore) {
            bestScore = score;
            best = child;
        }
    }
    return best;
}

double TSearch::Playout(TRulesModel& state)
{
    std::uniform_real_distribution<double> chance(0, 1);
    for (int i = 0; i < MaxPlayoutMoves && !state.Over(); ++i) {
        if (chance(rng) < PlayoutNoise) {
            state.LegalMoves(legal);
            state.Play(legal[rng() % legal.size()]);
        } else {
            state.Play(state.ClassicMove());
        }
    }
    return CpuReward(state);
}

double TSearch::CpuReward(const TRulesModel& state)
{
    if (state.Result == mrCpuWins)
        return 1;
    return state.Result == mrHumanWins ? 0 : 0.5;
}

TModelMove TSearch::Best() const
{
    int best = -1;
    for (int child : nodes[0].Children)
        if (best < 0 || nodes[child].Visits > nodes[best].Visits)
            best = child;
    return nodes[best].Move;
}

} // namespace

TModelMove SearchMove(const TRulesModel& position, const TSearchBudget& budget, uint32_t seed,
                      std::stop_token stop)
{
    std::vector<TModelMove> moves;
    position.LegalMoves(moves);
    if (moves.size() == 1)
        return moves.front();
    TSearch search(position, seed);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(budget.Millis);
    // One simulation first, so that a stop still leaves a move to make.
    for (int n = 0;; ++n) {
        search.Simulate();
        if (stop.stop_requested())
            break;
        if (budget.Simulations > 0 ? n + 1 >= budget.Simulations
                                   : std::chrono::steady_clock::now() >= deadline)
            break;
    }
    return search.Best();
}

} // namespace Model
