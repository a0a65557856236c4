#pragma once
#include "Card.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Writes the JSON Lines trace of zelmo-sim: one event per line, keys in fixed order.
// A trace without a file writes nothing.
class TSimTrace {
public:
    TSimTrace() = default;
    ~TSimTrace();
    TSimTrace(const TSimTrace&) = delete;
    TSimTrace& operator=(const TSimTrace&) = delete;

    bool Open(const std::string& path);
    bool Enabled() const { return file != nullptr; }

    void Game(int n, const std::string& variant, uint32_t rng);
    void Deck(TCardSuit trumps, const std::vector<TCard*>& cards);
    void Move(int state, const TCard& card, const std::string& from, const std::string& to,
              int index);
    void MovePile(int state, const std::string& pile, int x, int y);
    void Result(int state, int result);

    // "9S": value then suit.
    static std::string CardName(const TCard& card);

private:
    void Line(const std::string& text);

    std::FILE* file = nullptr;
};
