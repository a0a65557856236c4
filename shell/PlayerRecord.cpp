#include "PlayerRecord.h"

#include "GameOverQuestion.h"

#include <algorithm>
#include <climits>

namespace {

// Counts stop at the largest value the store keeps rather than wrapping round.
void Increment(int& count)
{
    if (count < INT_MAX)
        ++count;
}

} // namespace

std::optional<double> TPlayerRecord::WonPercent() const
{
    const double decided = double(Won) + double(Lost);
    if (decided == 0)
        return std::nullopt;
    return 100.0 * Won / decided;
}

void TPlayerRecord::CountResult(int result)
{
    switch (result) {
    case grHumanWins:
        Increment(Won);
        break;
    case grCpuWins:
        Increment(Lost);
        break;
    default:
        Increment(Drawn);
        StreakKind = skNone;
        Streak = 0;
        return;
    }
    const TStreakKind kind = result == grHumanWins ? skWins : skLosses;
    if (StreakKind != kind) {
        StreakKind = kind;
        Streak = 0;
    }
    Increment(Streak);
    int& longest = kind == skWins ? LongestWinning : LongestLosing;
    longest = std::max(longest, Streak);
}

void TPlayerRecord::CountAbandoned() { Increment(Abandoned); }

void TPlayerRecord::Add(const TPlayerRecord& other)
{
    const auto sum = [](int a, int b) { return int(std::min<long long>(INT_MAX, 0LL + a + b)); };
    Won = sum(Won, other.Won);
    Lost = sum(Lost, other.Lost);
    Drawn = sum(Drawn, other.Drawn);
    Abandoned = sum(Abandoned, other.Abandoned);
    LongestWinning = std::max(LongestWinning, other.LongestWinning);
    LongestLosing = std::max(LongestLosing, other.LongestLosing);
    Streak = 0;
    StreakKind = skNone;
}
