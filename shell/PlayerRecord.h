#pragma once
#include <optional>

// How one variant has gone for the player: the results, the games left before their
// result, and the streaks. A draw ends a streak; an abandoned game leaves it alone.
struct TPlayerRecord {
    enum TStreakKind : int { skNone = 0, skWins = 1, skLosses = 2 };

    int Won = 0;
    int Lost = 0;
    int Drawn = 0;
    int Abandoned = 0;
    int Streak = 0; // games in a row of StreakKind
    TStreakKind StreakKind = skNone;
    int LongestWinning = 0;
    int LongestLosing = 0;

    long long Played() const { return 0LL + Won + Lost + Drawn + Abandoned; }
    // Won as a share of the games won or lost, 0 to 100; none before the first of them.
    std::optional<double> WonPercent() const;

    // result as the game-over question gets it (grDraw, grHumanWins, grCpuWins).
    void CountResult(int result);
    void CountAbandoned();
    // Adds another variant's counts, for the total: longest streaks are the longest of
    // either, and the current streak is dropped since the variants' games interleave.
    void Add(const TPlayerRecord& other);

    bool operator==(const TPlayerRecord&) const = default;
};
