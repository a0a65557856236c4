#pragma once
#include "GameFixture.h"
#include "HeapZelmo.h"

// A Heap position: the hands in order, the heap from the bottom card up and how many
// cards the deck keeps; the rest lie aside, off the board's piles of play.
struct THeapLayout {
    std::vector<const char*> Cpu, Human, Heap = {};
    int DeckLeft = 20;
};

class THeapFixture : public TGameFixture<THeap> {
protected:
    THeapFixture() { aside = game.Board->NewPile(poNone, -400, -400, 0, 0, 1, 0, 0); }

    void Lay(const THeapLayout& layout)
    {
        GatherAll();
        Put(game.CpuHand, layout.Cpu);
        Put(game.HumanHand, layout.Human);
        Put(game.Table, layout.Heap);
        KeepInDeck(layout.DeckLeft, aside);
    }

    TPile* aside = nullptr;
};
