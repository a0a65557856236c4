#pragma once
#include <cstdint>

// Ordinals are the stored values.
enum TCardSuit : uint8_t { Clubs, Diamonds, Hearts, Spades };
enum TCardValue : uint8_t { Ace, Deuce, Three, Four, Five, Six, Seven, Eight, Nine, Ten, Jack, Queen, King };
using TCardBack = uint8_t; // index of a back picture, 0..13

constexpr int CardWidth = 71;
constexpr int CardHeight = 96;
constexpr int MarkHeight = 4; // the playable mark sits this far above the card
constexpr int CardBackCount = 14;

// Where a card or pile flies and when; shared by cards and piles.
struct TMoveRecord {
    uint32_t StartTick = 0;
    int32_t Elapsed = 0;
    int32_t Duration = 0;
    int32_t TargetX = 0;
    int32_t TargetY = 0;
    int32_t StartX = 0;
    int32_t StartY = 0;
    bool Moving = false;
};

// Share of the way covered, from the current point: 1 when there is no way to cover.
inline double MoveProgress(const TMoveRecord& move, int x, int y)
{
    if (move.TargetX != move.StartX)
        return 1.0 - double(move.TargetX - x) / double(move.TargetX - move.StartX);
    if (move.TargetY != move.StartY)
        return 1.0 - double(move.TargetY - y) / double(move.TargetY - move.StartY);
    return 1.0;
}
