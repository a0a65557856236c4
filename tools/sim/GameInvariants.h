#pragma once
#include "VariantGame.h"

#include <string>

// What must hold of a game between any two of its state steps. Each check returns a
// description of the first thing it finds broken, or an empty string.
class TGameInvariants {
public:
    static constexpr int DeckSize = 36;

    TGameInvariants(const TVariantGame& game, std::string variant);

    // 36 different real cards, each in exactly one pile, which lists it once.
    std::string CheckCards() const;
    // The cards, then placeholders only right behind attack cards of the pair pile, a
    // pair pile of whole pairs, Moving exactly for queued cards, a known State.
    std::string CheckAll() const;

private:
    std::string CheckPlaceholders() const;
    std::string CheckPairs() const;
    std::string CheckMoving() const;
    std::string CheckState() const;
    std::string PileName(const TPile* pile) const;

    const TVariantGame& game;
    std::string variant;
    TVariantGame::TPileNames names;
};
