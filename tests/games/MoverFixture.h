#pragma once
#include "GameFixture.h"
#include "MoverZelmo.h"

#include <utility>

// A position: the hands in order, the table as attack/cover pairs (an empty cover leaves a
// placeholder) and how many cards the deck keeps; the rest is discarded.
struct TLayout {
    std::vector<const char*> Cpu, Human;
    std::vector<std::pair<const char*, const char*>> Table = {};
    int DeckLeft = 20;
};

class TMoverFixture : public TGameFixture<TMover> {
protected:
    // Every card back into the deck, then the layout dealt out by hand.
    void Lay(const TLayout& layout)
    {
        GatherAll();
        Put(game.CpuHand, layout.Cpu);
        Put(game.HumanHand, layout.Human);
        PutPairs(game.Table, layout.Table);
        KeepInDeck(layout.DeckLeft, game.Discard);
    }
};
